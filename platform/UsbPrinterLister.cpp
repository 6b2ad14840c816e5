#include "platform/UsbPrinterLister.h"

UsbPrinterLister::~UsbPrinterLister() = default;
