#pragma once

#include "VpPtyLink.h"

#include <QObject>
#include <QString>

// A USB printer as Linux shows it: a fake sysfs entry under a root given by
// the caller, laid out like the real one, and a pty as its device node.
//
//   ROOT/class/usbmisc/lpN -> ../../devices/pci0000:00/0000:00:14.0/usb1/1-M/1-M:1.0/usbmisc/lpN
//   ROOT/devices/pci0000:00/0000:00:14.0/usb1/1-M/
//       idVendor idProduct manufacturer product serial bDeviceClass      (USB device)
//       1-M:1.0/  bInterfaceClass (07) bInterfaceSubClass (01)
//                 bInterfaceProtocol (02) ieee1284_id                    (usblp interface)
//       1-M:1.0/usbmisc/lpN/  dev ("major:minor" of the node) uevent
//                             device -> ../../../1-M:1.0
//   ROOT/dev/usb/lpN -> the pty slave (the device node to open)
//
// N is the first lp number free under ROOT/class/usbmisc, M = N + 1, so
// several printers can share one root. Unplugging removes the entry and the
// node and closes the pty; plugging creates them again (a new pty).
class VpUsbGadget : public QObject
{
    Q_OBJECT
public:
    struct Identity {
        QString vendorId = QStringLiteral("6868");  // four hexadecimal digits
        QString productId = QStringLiteral("0500");
        QString manufacturer = QStringLiteral("KVZ");
        QString product;                            // the model by default
        QString serial = QStringLiteral("VP0000001");
    };

    VpUsbGadget(const QString &sysfsRoot, const Identity &identity, QObject *parent = nullptr);
    ~VpUsbGadget() override;

    bool plug(QString *error);
    void unplug();
    bool isPlugged() const { return m_link.isOpen(); }

    QString nodePath() const { return m_nodePath; }       // ROOT/dev/usb/lpN
    QString classEntryPath() const { return m_classPath; } // ROOT/class/usbmisc/lpN
    QString deviceDirPath() const { return m_deviceDir; }  // the USB device dir
    QString ieee1284Id() const;
    VpPtyLink *link() { return &m_link; }

private:
    QString m_root;
    Identity m_id;
    int m_index = -1;
    QString m_nodePath, m_classPath, m_deviceDir;
    VpPtyLink m_link;
};
