#include "CliPreviewManager.h"

#include "platform/DevInfo.h"

CliPreviewManager::CliPreviewManager(QObject *parent) : BaseDeviceManager(parent) {}

bool CliPreviewManager::openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath)
{
    DevInfo device;
    device.name = name;
    device.ip = ip;
    device.mac = mac;
    device.devPath = devPath;
    setupBuilders(CommType::Tcp, nullptr, device);
    return true;
}

bool CliPreviewManager::writeRaw(const QByteArray &data)
{
    m_bytes += data;
    return true;
}

void CliPreviewManager::onBuilderData(CommType type, const QByteArray &data)
{
    if (type == CommType::Tcp)
        writeRaw(data);
}
