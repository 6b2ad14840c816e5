#include "transport/serial/SerialPortManager.h"

SerialPortManager::SerialPortManager(QObject *parent) : BaseDeviceManager(parent) {}

SerialPortManager::~SerialPortManager() = default;

bool SerialPortManager::openDevice(const QString &, const QString &, const QString &, const QString &)
{
    return false;
}

void SerialPortManager::closeDevice() {}

bool SerialPortManager::writeRaw(const QByteArray &)
{
    return false;
}

void SerialPortManager::refreshDevices() {}

QVariantList SerialPortManager::deviceList()
{
    return {};
}

void SerialPortManager::onBuilderData(CommType type, const QByteArray &data)
{
    if (type != CommType::Serial)
        return;
    writeRaw(data);
}
