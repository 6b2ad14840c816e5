#pragma once

#include "platform/DevInfo.h"

#include <QList>

// Lists the USB printers present now, in a stable order. Each record carries
// vpid ("0a5f&00a3"), model, manufacturer and devPath (what openDevice opens);
// ip, mac and name stay empty.
class UsbPrinterLister
{
public:
    virtual ~UsbPrinterLister();
    virtual QList<DevInfo> listPrinters() const = 0;
};
