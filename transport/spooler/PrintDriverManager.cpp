#include "transport/spooler/PrintDriverManager.h"

PrintDriverManager::PrintDriverManager(QObject *parent) : BaseDeviceManager(parent) {}

PrintDriverManager::~PrintDriverManager() = default;

bool PrintDriverManager::openDevice(const QString &, const QString &, const QString &, const QString &)
{
    return false;
}

void PrintDriverManager::closeDevice() {}

bool PrintDriverManager::writeRaw(const QByteArray &)
{
    return false;
}

void PrintDriverManager::refreshDevices() {}

QVariantList PrintDriverManager::deviceList()
{
    return {};
}

void PrintDriverManager::onBuilderData(CommType type, const QByteArray &data)
{
    if (type != CommType::Driver)
        return;
    writeRaw(data);
}
