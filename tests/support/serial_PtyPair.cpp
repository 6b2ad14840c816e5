#include "support/serial_PtyPair.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

namespace {
constexpr int PollSliceMs = 10;
}

PtyPair::PtyPair()
{
    char name[256] = {};
    int master = -1;
    int slave = -1;
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return;
    // Raw from the start, so nothing is echoed back before the port sets its mode.
    termios tio;
    if (::tcgetattr(slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(slave, TCSANOW, &tio);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    m_master = master;
    m_slave = slave;
    m_slavePath = QString::fromLocal8Bit(name);
}

PtyPair::~PtyPair()
{
    closeMaster();
    if (m_slave >= 0)
        ::close(m_slave);
}

QByteArray PtyPair::read(int minBytes, int timeoutMs)
{
    QByteArray got;
    QElapsedTimer timer;
    timer.start();
    while (m_master >= 0 && got.size() < minBytes && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, PollSliceMs);
        pollfd pfd{m_master, POLLIN, 0};
        if (::poll(&pfd, 1, PollSliceMs) <= 0 || !(pfd.revents & POLLIN))
            continue;
        char buf[4096];
        const ssize_t n = ::read(m_master, buf, sizeof(buf));
        if (n > 0)
            got.append(buf, static_cast<int>(n));
    }
    return got;
}

QByteArray PtyPair::readUntilQuiet(int quietMs, int timeoutMs)
{
    QByteArray got;
    QElapsedTimer total;
    total.start();
    QElapsedTimer quiet;
    quiet.start();
    while (m_master >= 0 && quiet.elapsed() < quietMs && total.elapsed() < timeoutMs) {
        const QByteArray more = read(1, PollSliceMs);
        if (!more.isEmpty()) {
            got += more;
            quiet.restart();
        }
    }
    return got;
}

bool PtyPair::write(const QByteArray &bytes)
{
    return m_master >= 0 && ::write(m_master, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size();
}

bool PtyPair::lineSettings(termios *settings) const
{
    return m_slave >= 0 && ::tcgetattr(m_slave, settings) == 0;
}

void PtyPair::closeMaster()
{
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}
