#include "transport/tcp/TcpDeviceManager.h"

#include "app/Logger.h"

TcpDeviceManager::TcpDeviceManager(QObject *parent) : BaseDeviceManager(parent) {}

TcpDeviceManager::~TcpDeviceManager() = default;

bool TcpDeviceManager::openDevice(const QString &, const QString &, const QString &, const QString &)
{
    return false;
}

void TcpDeviceManager::closeDevice() {}

bool TcpDeviceManager::writeRaw(const QByteArray &)
{
    return false;
}

void TcpDeviceManager::refreshDevices() {}

QVariantList TcpDeviceManager::deviceList()
{
    return {};
}

void TcpDeviceManager::onBuilderData(CommType type, const QByteArray &data)
{
    if (type != CommType::Tcp)
        return;
    Logger::getInstance()->info(tr("TCP发出数据 %1 ").arg(toHexText(data)));
    writeRaw(data);
}
