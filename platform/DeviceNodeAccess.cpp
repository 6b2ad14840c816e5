#include "platform/DeviceNodeAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString DevFolder = QStringLiteral("/dev/");
} // namespace

bool DeviceNodeAccess::permissionDenied(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QByteArray native = QFile::encodeName(path);
    if (::access(native.constData(), F_OK) != 0)
        return false;
    if (::access(native.constData(), R_OK | W_OK) == 0)
        return false;
    return errno == EACCES || errno == EPERM;
}

QString DeviceNodeAccess::resolvedPath(const QString &typed)
{
    const QString path = typed.trimmed();
    if (path.isEmpty() || QDir::isAbsolutePath(path))
        return path;
    if (!path.contains(QLatin1Char('/')) && (QFileInfo::exists(DevFolder + path) || !QFileInfo::exists(path)))
        return DevFolder + path;
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

bool DeviceNodeAccess::isCharacterDevice(const QString &path)
{
    struct stat st {};
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

bool DeviceNodeAccess::isCharacterDevice(int fd)
{
    struct stat st {};
    return fd >= 0 && ::fstat(fd, &st) == 0 && S_ISCHR(st.st_mode);
}

QString DeviceNodeAccess::notADeviceProblem(const QString &path)
{
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISCHR(st.st_mode))
        return QString();
    return tr("%1 不是设备节点（应为字符设备，如 /dev/usb/lp0 或 /dev/ttyUSB0）").arg(path);
}
