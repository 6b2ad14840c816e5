#include "platform/PosixDeviceIo.h"

#include "platform/DeviceNodeAccess.h"

#include "platform/IoCanceller.h"

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Without a wake-up descriptor the wait is cut into slices so that the
// cancel flag is still seen.
const int kPollSliceMs = 50;
// A write waiting for another thread's write to finish looks at its canceller
// this often.
const int kTurnSliceMs = 10;

enum class WaitResult { Ready, Cancelled, TimedOut, Failed };

// Waits until fd reports events (or a hang-up or error, which the following
// read or write then reports), the canceller fires or the time is up.
WaitResult waitFor(int fd, short events, const IoCanceller *canceller, int timeoutMs, const QElapsedTimer &clock,
                   int *error)
{
    for (;;) {
        if (canceller && canceller->isCancelled())
            return WaitResult::Cancelled;
        int wait = -1;
        if (timeoutMs >= 0) {
            wait = int(timeoutMs - clock.elapsed());
            if (wait < 0)
                wait = 0;
        }
        const int wakeFd = canceller ? canceller->fd() : -1;
        if (canceller && wakeFd < 0 && (wait < 0 || wait > kPollSliceMs))
            wait = kPollSliceMs;

        pollfd fds[2] = {{fd, events, 0}, {wakeFd, POLLIN, 0}};
        const int n = ::poll(fds, wakeFd >= 0 ? 2 : 1, wait);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = errno;
            return WaitResult::Failed;
        }
        if (wakeFd >= 0 && (fds[1].revents & POLLIN))
            return WaitResult::Cancelled;
        if (fds[0].revents != 0)
            return WaitResult::Ready;
        if (timeoutMs >= 0 && clock.elapsed() >= timeoutMs)
            return WaitResult::TimedOut;
    }
}

bool isHungUp(int fd)
{
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR));
}

DeviceIo::Result fromWait(WaitResult w, qint64 bytes, int error)
{
    DeviceIo::Result r;
    r.bytes = bytes;
    r.error = error;
    switch (w) {
    case WaitResult::Cancelled: r.status = DeviceIo::Status::Cancelled; break;
    case WaitResult::TimedOut: r.status = DeviceIo::Status::TimedOut; break;
    default: r.status = DeviceIo::Status::Failed; break;
    }
    return r;
}

} // namespace

PosixDeviceIo::~PosixDeviceIo()
{
    close();
}

bool PosixDeviceIo::open(const QString &path)
{
    if (isOpen())
        close();
    // Only a character device is a printer: a regular file given as the node
    // is never opened for writing (looked at before, and again on the open
    // descriptor in case the path changed in between).
    if (!DeviceNodeAccess::isCharacterDevice(path))
        return false;
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (!DeviceNodeAccess::isCharacterDevice(fd)) {
        ::close(fd);
        return false;
    }
    // A terminal node (a pty standing in for the printer) must pass bytes
    // unchanged: no echo, no line editing, no newline translation.
    if (::isatty(fd)) {
        termios tio{};
        if (::tcgetattr(fd, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::tcsetattr(fd, TCSANOW, &tio);
        }
    }
    m_fd.store(fd);
    return true;
}

void PosixDeviceIo::close()
{
    const int fd = m_fd.exchange(-1);
    if (fd >= 0)
        ::close(fd);
}

DeviceIo::Result PosixDeviceIo::read(char *buffer, qint64 maxBytes, const IoCanceller *canceller, int timeoutMs)
{
    const int fd = m_fd.load();
    Result r;
    if (fd < 0) {
        r.error = EBADF;
        return r;
    }
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size_t(maxBytes));
        if (n == 0 && isHungUp(fd)) {
            // A hung-up node (the printer went away) reads as end of file forever.
            r.error = EIO;
            return r;
        }
        if (n >= 0) {
            r.status = Status::Ok;
            r.bytes = n;
            return r;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            r.error = errno;
            return r;
        }
        int error = 0;
        const WaitResult w = waitFor(fd, POLLIN, canceller, timeoutMs, clock, &error);
        if (w != WaitResult::Ready)
            return fromWait(w, 0, error);
    }
}

DeviceIo::Result PosixDeviceIo::write(const char *data, qint64 length, const IoCanceller *canceller, int timeoutMs)
{
    Result r;
    if (m_fd.load() < 0) {
        r.error = EBADF;
        return r;
    }
    QElapsedTimer clock;
    clock.start();

    // Wait for the turn: another thread's block must not be cut into.
    {
        std::unique_lock<std::mutex> lock(m_turnMutex);
        while (m_writing) {
            if (canceller && canceller->isCancelled())
                return fromWait(WaitResult::Cancelled, 0, 0);
            int slice = kTurnSliceMs;
            if (timeoutMs >= 0) {
                const qint64 left = timeoutMs - clock.elapsed();
                if (left <= 0)
                    return fromWait(WaitResult::TimedOut, 0, 0);
                slice = int(qMin<qint64>(slice, left));
            }
            m_turnFree.wait_for(lock, std::chrono::milliseconds(slice));
        }
        m_writing = true;
    }
    struct TurnRelease
    {
        PosixDeviceIo *io;
        ~TurnRelease()
        {
            std::lock_guard<std::mutex> lock(io->m_turnMutex);
            io->m_writing = false;
            io->m_turnFree.notify_all();
        }
    } release{this};

    const int fd = m_fd.load();
    if (fd < 0) {
        r.error = EBADF;
        return r;
    }
    qint64 done = 0;
    while (done < length) {
        if (canceller && canceller->isCancelled())
            return fromWait(WaitResult::Cancelled, done, 0);
        const ssize_t n = ::write(fd, data + done, size_t(length - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            r.error = errno;
            r.bytes = done;
            return r;
        }
        int error = 0;
        const WaitResult w = waitFor(fd, POLLOUT, canceller, timeoutMs, clock, &error);
        if (w != WaitResult::Ready)
            return fromWait(w, done, error);
    }
    r.status = Status::Ok;
    r.bytes = done;
    return r;
}
