#pragma once

#include "platform/UsbPrinterLister.h"

#include <QString>

// The usblp printers of a Linux system: every entry lpN of
// <sysfsRoot>/class/usbmisc that links to .../<usb-device>/<interface>/usbmisc/lpN
// and whose node <devRoot>/usb/lpN exists. The USB device directory holds
// idVendor, idProduct, manufacturer, product and serial; the interface
// directory holds the printer's IEEE 1284 id as ieee1284_id.
class SysfsUsbPrinterLister : public UsbPrinterLister
{
public:
    SysfsUsbPrinterLister(const QString &sysfsRoot, const QString &devRoot);

    QList<DevInfo> listPrinters() const override;

    // One entry of the class directory; an empty record when it is no usblp
    // printer or its node is missing.
    DevInfo describe(const QString &entryName) const;

    // "0a5f&00a3" from the idVendor and idProduct texts; empty when either is
    // not a 16-bit hexadecimal number.
    static QString vpidFrom(const QString &idVendor, const QString &idProduct);

    QString classDirectory() const;

private:
    QString m_sysfsRoot;
    QString m_devRoot;
};
