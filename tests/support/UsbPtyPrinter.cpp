#include "UsbPtyPrinter.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {
const int kReadBlock = 4096;
const int kPollSliceMs = 20;
} // namespace

UsbPtyPrinter::UsbPtyPrinter(QObject *parent) : QObject(parent), m_replyTimer(new QTimer(this))
{
    connect(m_replyTimer, &QTimer::timeout, this, &UsbPtyPrinter::sendNextReply);
}

void UsbPtyPrinter::sendNextReply()
{
    if (m_outbox.isEmpty()) {
        m_replyTimer->stop();
        return;
    }
    write(m_outbox.takeFirst());
}

UsbPtyPrinter::~UsbPtyPrinter()
{
    hangUp();
}

bool UsbPtyPrinter::plugIn()
{
    hangUp();
    const int fd = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::grantpt(fd) != 0 || ::unlockpt(fd) != 0) {
        ::close(fd);
        return false;
    }
    termios tio{};
    if (::tcgetattr(fd, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(fd, TCSANOW, &tio);
    }
    char name[128] = {};
    if (::ptsname_r(fd, name, sizeof name) != 0) {
        ::close(fd);
        return false;
    }
    m_master = fd;
    m_slavePath = QString::fromLocal8Bit(name);
    m_slaveKeeper = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    m_received.clear();
    m_answeredUpTo = 0;
    m_outbox.clear();
    setWatching(m_watching);
    return true;
}

void UsbPtyPrinter::hangUp()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    if (m_slaveKeeper >= 0)
        ::close(m_slaveKeeper);
    m_master = -1;
    m_slaveKeeper = -1;
}

void UsbPtyPrinter::setReply(const QByteArray &request, const QByteArray &reply)
{
    m_replies.append({request, reply});
}

void UsbPtyPrinter::setWatching(bool on)
{
    m_watching = on;
    delete m_notifier;
    m_notifier = nullptr;
    if (on && m_master >= 0 && !m_paused) {
        m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &UsbPtyPrinter::handleReadable);
    }
}

void UsbPtyPrinter::setPaused(bool paused)
{
    m_paused = paused;
    setWatching(m_watching);
}

bool UsbPtyPrinter::write(const QByteArray &bytes)
{
    qint64 done = 0;
    while (m_master >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{m_master, POLLOUT, 0};
            ::poll(&p, 1, kPollSliceMs);
        } else {
            return false;
        }
    }
    return done == bytes.size();
}

void UsbPtyPrinter::drain()
{
    char buf[kReadBlock];
    for (;;) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            m_received.append(buf, int(n));
            continue;
        }
        return;
    }
}

void UsbPtyPrinter::answer()
{
    bool found = true;
    while (found) {
        found = false;
        int best = -1;
        int bestPos = -1;
        for (int i = 0; i < m_replies.size(); ++i) {
            const int pos = m_received.indexOf(m_replies.at(i).first, m_answeredUpTo);
            if (pos >= 0 && (bestPos < 0 || pos < bestPos)) {
                best = i;
                bestPos = pos;
            }
        }
        if (best >= 0) {
            m_answeredUpTo = bestPos + m_replies.at(best).first.size();
            const QByteArray reply = m_replies.at(best).second;
            if (reply.isEmpty()) {
                // A request the printer does not answer.
            } else if (m_replyGapMs <= 0) {
                write(reply);
            } else {
                m_outbox.append(reply);
                if (!m_replyTimer->isActive()) {
                    sendNextReply();
                    m_replyTimer->start(m_replyGapMs);
                }
            }
            found = true;
        }
    }
}

void UsbPtyPrinter::handleReadable()
{
    drain();
    answer();
}

QByteArray UsbPtyPrinter::readAtLeast(int count, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (m_master >= 0 && m_received.size() < count && clock.elapsed() < timeoutMs) {
        pollfd p{m_master, POLLIN, 0};
        ::poll(&p, 1, kPollSliceMs);
        drain();
    }
    return m_received;
}
