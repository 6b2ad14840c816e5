#include "platform/WindowsUsbInterfacePath.h"

#include <QStringList>

namespace {
const int kIdsPart = 1;
const int kInstancePart = 2;
} // namespace

WindowsUsbInterfacePath WindowsUsbInterfacePath::parse(const QString &devicePath)
{
    WindowsUsbInterfacePath result;
    const QStringList parts = devicePath.split(QLatin1Char('#'));
    if (parts.size() <= kInstancePart)
        return result;
    const QStringList ids = parts.at(kIdsPart).split(QLatin1Char('&'));
    if (ids.size() < 2)
        return result;
    // vid_0a5f -> 0a5f, pid_00a3 -> 00a3
    const QString vendor = ids.at(0).mid(ids.at(0).lastIndexOf(QLatin1Char('_')) + 1);
    const QString product = ids.at(1).mid(ids.at(1).lastIndexOf(QLatin1Char('_')) + 1);
    result.valid = true;
    result.vpid = vendor + QLatin1Char('&') + product;
    result.model = parts.at(kInstancePart);
    return result;
}
