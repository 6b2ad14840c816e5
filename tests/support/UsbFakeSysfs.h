#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary tree laid out like Linux's for usblp printers:
//   sys/devices/.../<usb-device>/<interface>/usbmisc/lpN   (ieee1284_id in <interface>)
//   sys/class/usbmisc/lpN -> that directory
//   dev/usb/lpN -> the printer's node (a pty slave)
class UsbFakeSysfs
{
public:
    struct Printer
    {
        QString idVendor = QStringLiteral("0a5f");
        QString idProduct = QStringLiteral("00a3");
        QString manufacturer = QStringLiteral("Quillmark");
        QString product = QStringLiteral("QM Receipt Printer");
        QString serial = QStringLiteral("QM0001");
        QString ieee1284Id = QStringLiteral("MFG:Quillmark;CMD:ESC/POS;MDL:QM-80;CLS:PRINTER;");
    };

    UsbFakeSysfs();

    bool isValid() const { return m_dir.isValid(); }
    QString sysfsRoot() const { return m_dir.path() + QStringLiteral("/sys"); }
    QString devRoot() const { return m_dir.path() + QStringLiteral("/dev"); }
    QString nodePath(int n) const;

    // Adds printer lpN whose node links to nodeTarget (an empty target leaves the node out).
    bool addPrinter(int n, const Printer &printer, const QString &nodeTarget);
    // Points the node lpN at another target (a new pty after re-plugging).
    bool relinkNode(int n, const QString &nodeTarget);
    void removePrinter(int n);

private:
    QString deviceDir(int n) const;

    QTemporaryDir m_dir;
};
