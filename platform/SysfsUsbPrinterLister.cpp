#include "platform/SysfsUsbPrinterLister.h"

#include "platform/Ieee1284Id.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const char *const kClassDir = "/class/usbmisc";
const char *const kNodeDir = "/usb/";
const int kIdDigits = 4;
const int kHexBase = 16;
const quint32 kMaxId = 0xFFFF;
// An attribute file larger than this is not one the kernel wrote.
const qint64 kMaxAttributeSize = 4096;

QString readAttribute(const QString &dir, const char *name)
{
    QFile file(dir + QLatin1Char('/') + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.read(kMaxAttributeSize)).trimmed();
}

// lp2 sorts before lp10.
int entryNumber(const QString &name)
{
    static const QRegularExpression digits(QStringLiteral("(\\d+)$"));
    const QRegularExpressionMatch m = digits.match(name);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString hexId(const QString &text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok, kHexBase);
    if (!ok || value > kMaxId)
        return QString();
    return QStringLiteral("%1").arg(value, kIdDigits, kHexBase, QLatin1Char('0'));
}

QString firstNonEmpty(std::initializer_list<QString> texts)
{
    for (const QString &t : texts) {
        if (!t.isEmpty())
            return t;
    }
    return QString();
}

} // namespace

SysfsUsbPrinterLister::SysfsUsbPrinterLister(const QString &sysfsRoot, const QString &devRoot)
    : m_sysfsRoot(sysfsRoot), m_devRoot(devRoot)
{
}

QString SysfsUsbPrinterLister::classDirectory() const
{
    return m_sysfsRoot + QLatin1String(kClassDir);
}

QString SysfsUsbPrinterLister::vpidFrom(const QString &idVendor, const QString &idProduct)
{
    const QString vid = hexId(idVendor);
    const QString pid = hexId(idProduct);
    if (vid.isEmpty() || pid.isEmpty())
        return QString();
    return vid + QLatin1Char('&') + pid;
}

DevInfo SysfsUsbPrinterLister::describe(const QString &entryName) const
{
    if (!entryName.startsWith(QLatin1String("lp")))
        return DevInfo();
    const QString node = m_devRoot + QLatin1String(kNodeDir) + entryName;
    if (!QFileInfo::exists(node))
        return DevInfo();

    // class/usbmisc/lpN -> .../<usb-device>/<interface>/usbmisc/lpN
    const QString entry = QFileInfo(classDirectory() + QLatin1Char('/') + entryName).canonicalFilePath();
    if (entry.isEmpty())
        return DevInfo();
    QDir dir(entry);
    if (!dir.cdUp() || dir.dirName() != QLatin1String("usbmisc") || !dir.cdUp())
        return DevInfo();
    const QString interfaceDir = dir.absolutePath();
    if (!dir.cdUp())
        return DevInfo();
    const QString deviceDir = dir.absolutePath();

    const QString ieeeId = readAttribute(interfaceDir, "ieee1284_id");
    DevInfo info;
    info.vpid = vpidFrom(readAttribute(deviceDir, "idVendor"), readAttribute(deviceDir, "idProduct"));
    info.model = firstNonEmpty({Ieee1284Id::model(ieeeId), readAttribute(deviceDir, "product"),
                                readAttribute(deviceDir, "serial")});
    info.manufacturer = firstNonEmpty({Ieee1284Id::manufacturer(ieeeId), readAttribute(deviceDir, "manufacturer")});
    info.devPath = node;
    return info;
}

QList<DevInfo> SysfsUsbPrinterLister::listPrinters() const
{
    QStringList names = QDir(classDirectory()).entryList(QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int na = entryNumber(a);
        const int nb = entryNumber(b);
        return na != nb ? na < nb : a < b;
    });
    QList<DevInfo> printers;
    for (const QString &name : names) {
        const DevInfo info = describe(name);
        if (!info.devPath.isEmpty())
            printers.append(info);
    }
    return printers;
}
