#include "platform/DeviceNodeAccess.h"

#include <QFile>

#include <cerrno>
#include <unistd.h>

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
