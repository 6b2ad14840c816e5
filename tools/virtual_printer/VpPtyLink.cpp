#include "VpPtyLink.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

VpPtyLink::VpPtyLink(QObject *parent) : QObject(parent) {}

VpPtyLink::~VpPtyLink()
{
    close();
}

bool VpPtyLink::open(const QString &linkPath, QString *error)
{
    close();
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master < 0) {
        *error = QStringLiteral("posix_openpt: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    char name[128] = {};
    if (grantpt(master) != 0 || unlockpt(master) != 0 || ptsname_r(master, name, sizeof name) != 0) {
        *error = QStringLiteral("pty set-up: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        ::close(master);
        return false;
    }
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        *error = QStringLiteral("%1: %2").arg(QString::fromLocal8Bit(name), QString::fromLocal8Bit(strerror(errno)));
        ::close(master);
        return false;
    }
    termios tio;
    if (tcgetattr(slave, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(slave, TCSANOW, &tio);
    }
    struct stat st;
    if (fstat(slave, &st) == 0)
        m_devNumbers = QStringLiteral("%1:%2").arg(major(st.st_rdev)).arg(minor(st.st_rdev));

    m_slavePath = QString::fromLocal8Bit(name);
    if (!linkPath.isEmpty()) {
        QFile::remove(linkPath);
        if (!QFile::link(m_slavePath, linkPath)) {
            *error = QStringLiteral("cannot link %1 to %2").arg(linkPath, m_slavePath);
            ::close(slave);
            ::close(master);
            return false;
        }
        m_linkPath = linkPath;
    }
    m_master = master;
    m_slaveKeep = slave;
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &VpPtyLink::onReadable);
    return true;
}

void VpPtyLink::close()
{
    if (m_notifier) {
        m_notifier->setEnabled(false);
        delete m_notifier;
        m_notifier = nullptr;
    }
    if (m_slaveKeep >= 0)
        ::close(m_slaveKeep);
    if (m_master >= 0)
        ::close(m_master);
    m_slaveKeep = m_master = -1;
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).isSymLink())
        QFile::remove(m_linkPath);
    m_linkPath.clear();
}

void VpPtyLink::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return;
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return; // a full line drops the rest, as a wire would
        }
        done += n;
    }
}

void VpPtyLink::onReadable()
{
    char buf[ReadChunk];
    for (;;) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            emit dataReceived(QByteArray(buf, int(n)));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return; // EAGAIN, or nothing more
    }
}
