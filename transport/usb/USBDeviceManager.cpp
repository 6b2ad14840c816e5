#include "transport/usb/USBDeviceManager.h"

#include "app/Logger.h"

USBDeviceManager::USBDeviceManager(QObject *parent) : BaseDeviceManager(parent) {}

USBDeviceManager::~USBDeviceManager() = default;

bool USBDeviceManager::openDevice(const QString &, const QString &, const QString &, const QString &)
{
    return false;
}

void USBDeviceManager::closeDevice() {}

bool USBDeviceManager::writeRaw(const QByteArray &)
{
    return false;
}

void USBDeviceManager::refreshDevices() {}

QVariantList USBDeviceManager::deviceList()
{
    return {};
}

void USBDeviceManager::onBuilderData(CommType type, const QByteArray &data)
{
    if (type != CommType::Usb)
        return;
    if (!writeRaw(data))
        Logger::getInstance()->error(tr("USB数据发送失败"));
}
