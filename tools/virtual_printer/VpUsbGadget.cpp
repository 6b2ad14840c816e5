#include "VpUsbGadget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char *const ControllerPath = "devices/pci0000:00/0000:00:14.0/usb1";
constexpr int MaxPrinters = 64;

bool writeText(const QString &path, const QString &text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write(text.toUtf8());
    f.write("\n");
    return true;
}

} // namespace

VpUsbGadget::VpUsbGadget(const QString &sysfsRoot, const Identity &identity, QObject *parent)
    : QObject(parent), m_root(QDir(sysfsRoot).absolutePath()), m_id(identity)
{
}

VpUsbGadget::~VpUsbGadget()
{
    unplug();
}

QString VpUsbGadget::ieee1284Id() const
{
    return QStringLiteral("MFG:%1;CMD:ESC/POS;MDL:%2;CLS:PRINTER;DES:%1 %2;SN:%3;")
        .arg(m_id.manufacturer, m_id.product, m_id.serial);
}

bool VpUsbGadget::plug(QString *error)
{
    if (isPlugged())
        return true;
    QDir root(m_root);
    if (m_index < 0) {
        for (int i = 0; i < MaxPrinters; ++i) {
            const QString cls = root.filePath(QStringLiteral("class/usbmisc/lp%1").arg(i));
            if (!QFileInfo(cls).exists() && !QFileInfo(cls).isSymLink()) {
                m_index = i;
                break;
            }
        }
        if (m_index < 0) {
            *error = QStringLiteral("no free lp number under %1").arg(m_root);
            return false;
        }
    }
    const QString lp = QStringLiteral("lp%1").arg(m_index);
    const QString port = QStringLiteral("1-%1").arg(m_index + 1);
    const QString iface = port + QStringLiteral(":1.0");
    m_deviceDir = root.filePath(QLatin1String(ControllerPath) + QLatin1Char('/') + port);
    const QString ifaceDir = m_deviceDir + QLatin1Char('/') + iface;
    const QString classDevDir = ifaceDir + QStringLiteral("/usbmisc/") + lp;
    m_classPath = root.filePath(QStringLiteral("class/usbmisc/") + lp);
    m_nodePath = root.filePath(QStringLiteral("dev/usb/") + lp);

    if (!QDir().mkpath(classDevDir) || !QDir().mkpath(root.filePath(QStringLiteral("class/usbmisc")))
        || !QDir().mkpath(root.filePath(QStringLiteral("dev/usb")))) {
        *error = QStringLiteral("cannot create the sysfs entry under %1").arg(m_root);
        return false;
    }
    if (!m_link.open(m_nodePath, error))
        return false;

    bool ok = writeText(m_deviceDir + QStringLiteral("/idVendor"), m_id.vendorId.toLower())
        && writeText(m_deviceDir + QStringLiteral("/idProduct"), m_id.productId.toLower())
        && writeText(m_deviceDir + QStringLiteral("/manufacturer"), m_id.manufacturer)
        && writeText(m_deviceDir + QStringLiteral("/product"), m_id.product)
        && writeText(m_deviceDir + QStringLiteral("/serial"), m_id.serial)
        && writeText(m_deviceDir + QStringLiteral("/bDeviceClass"), QStringLiteral("00"))
        && writeText(ifaceDir + QStringLiteral("/bInterfaceClass"), QStringLiteral("07"))
        && writeText(ifaceDir + QStringLiteral("/bInterfaceSubClass"), QStringLiteral("01"))
        && writeText(ifaceDir + QStringLiteral("/bInterfaceProtocol"), QStringLiteral("02"))
        && writeText(ifaceDir + QStringLiteral("/ieee1284_id"), ieee1284Id())
        && writeText(classDevDir + QStringLiteral("/dev"), m_link.deviceNumbers())
        && writeText(classDevDir + QStringLiteral("/uevent"),
                     QStringLiteral("MAJOR=%1\nMINOR=%2\nDEVNAME=usb/%3")
                         .arg(m_link.deviceNumbers().section(QLatin1Char(':'), 0, 0),
                              m_link.deviceNumbers().section(QLatin1Char(':'), 1, 1), lp));
    QFile::remove(classDevDir + QStringLiteral("/device"));
    ok = ok && QFile::link(QStringLiteral("../../../") + iface, classDevDir + QStringLiteral("/device"));
    QFile::remove(m_classPath);
    ok = ok && QFile::link(QStringLiteral("../../") + QLatin1String(ControllerPath) + QLatin1Char('/') + port
                               + QLatin1Char('/') + iface + QStringLiteral("/usbmisc/") + lp,
                           m_classPath);
    if (!ok) {
        *error = QStringLiteral("cannot write the sysfs entry under %1").arg(m_root);
        unplug();
        return false;
    }
    return true;
}

void VpUsbGadget::unplug()
{
    if (!m_classPath.isEmpty())
        QFile::remove(m_classPath);
    if (!m_deviceDir.isEmpty())
        QDir(m_deviceDir).removeRecursively();
    m_link.close(); // removes the node link
}
