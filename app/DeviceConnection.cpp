#include "app/DeviceConnection.h"

DeviceConnection::DeviceConnection(QObject *parent) : QObject(parent) {}

DeviceConnection::~DeviceConnection() = default;

void DeviceConnection::open(const DevInfo &device)
{
    const bool differs = !m_connected || device != m_device;
    m_connected = true;
    m_device = device;
    if (differs)
        emit changed();
    emit opened();
}

void DeviceConnection::close()
{
    if (!m_connected)
        return;
    m_connected = false;
    m_device = DevInfo();
    emit changed();
    emit closed();
}
