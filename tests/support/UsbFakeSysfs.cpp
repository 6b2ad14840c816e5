#include "UsbFakeSysfs.h"

#include <QDir>
#include <QFile>

namespace {

bool writeFile(const QString &path, const QString &text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(text.toUtf8() + '\n');
    return true;
}

} // namespace

UsbFakeSysfs::UsbFakeSysfs()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("sys/class/usbmisc"));
    QDir(m_dir.path()).mkpath(QStringLiteral("dev/usb"));
}

QString UsbFakeSysfs::nodePath(int n) const
{
    return devRoot() + QStringLiteral("/usb/lp%1").arg(n);
}

QString UsbFakeSysfs::deviceDir(int n) const
{
    return sysfsRoot() + QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb1/1-%1").arg(n + 1);
}

bool UsbFakeSysfs::addPrinter(int n, const Printer &p, const QString &nodeTarget)
{
    const QString dev = deviceDir(n);
    const QString intf = dev + QStringLiteral("/1-%1:1.0").arg(n + 1);
    const QString entry = intf + QStringLiteral("/usbmisc/lp%1").arg(n);
    if (!QDir().mkpath(entry))
        return false;
    const struct
    {
        const char *name;
        QString value;
    } attrs[] = {{"idVendor", p.idVendor}, {"idProduct", p.idProduct}, {"manufacturer", p.manufacturer},
                 {"product", p.product}, {"serial", p.serial}};
    for (const auto &a : attrs) {
        if (!a.value.isNull() && !writeFile(dev + QLatin1Char('/') + QLatin1String(a.name), a.value))
            return false;
    }
    if (!p.ieee1284Id.isNull() && !writeFile(intf + QStringLiteral("/ieee1284_id"), p.ieee1284Id))
        return false;
    writeFile(entry + QStringLiteral("/dev"), QStringLiteral("180:%1").arg(n));
    const QString link = sysfsRoot() + QStringLiteral("/class/usbmisc/lp%1").arg(n);
    QFile::remove(link);
    if (!QFile::link(QDir(sysfsRoot() + QStringLiteral("/class/usbmisc")).relativeFilePath(entry), link))
        return false;
    return nodeTarget.isEmpty() || relinkNode(n, nodeTarget);
}

bool UsbFakeSysfs::relinkNode(int n, const QString &nodeTarget)
{
    QFile::remove(nodePath(n));
    return QFile::link(nodeTarget, nodePath(n));
}

void UsbFakeSysfs::removePrinter(int n)
{
    QFile::remove(sysfsRoot() + QStringLiteral("/class/usbmisc/lp%1").arg(n));
    QFile::remove(nodePath(n));
    QDir(deviceDir(n)).removeRecursively();
}
