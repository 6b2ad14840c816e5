#include "app/DeviceViewModel.h"

#include "app/base/ConfigManager.h"
#include "transport/serial/SerialPortManager.h"
#include "transport/spooler/PrintDriverManager.h"
#include "transport/tcp/TcpDeviceManager.h"
#include "transport/usb/USBDeviceManager.h"

#include <QDebug>

DeviceViewModel::DeviceViewModel(QObject *parent) : QObject(parent)
{
    m_tcp = new TcpDeviceManager(this);
    m_usb = new USBDeviceManager(this);
    m_serial = new SerialPortManager(this);
    m_driver = new PrintDriverManager(this);
    m_current = m_usb;

    connect(m_tcp, &TcpDeviceManager::sigConnectionFailTcp, this, &DeviceViewModel::sigConnectionFailTcp);
    connect(m_usb, &USBDeviceManager::sigConnectionFailUsb, this, [this](const QString &message) {
        qDebug().noquote() << "打开失败，设备：" << message;
        emit sigConnectionFailUsb(message);
    });
    connect(m_tcp, &TcpDeviceManager::sigScanOverTcp, this, &DeviceViewModel::sigScanOverTcp);
    connect(m_usb, &USBDeviceManager::sigScanOverUsb, this, &DeviceViewModel::sigScanOverUsb);
    connect(m_usb, &USBDeviceManager::sigUsbDeviceRemoved, this, &DeviceViewModel::sigUsbDeviceRemoved);
    connect(m_usb, &USBDeviceManager::sigUsbDeviceReconnect, this, &DeviceViewModel::sigUsbDeviceReconnect);
    connect(m_tcp, &TcpDeviceManager::sigSearchProgress, this, &DeviceViewModel::sigSearchProgress);

    m_tcpDevices = new DeviceListModel(m_tcp, this);
    m_usbDevices = new DeviceListModel(m_usb, this);
    m_serialPorts = new DeviceListModel(m_serial, this);
    m_driverPrinters = new DeviceListModel(m_driver, this);

    m_tcpConnection = new DeviceConnection(this);
    m_usbConnection = new DeviceConnection(this);
    m_serialConnection = new DeviceConnection(this);
    m_driverConnection = new DeviceConnection(this);
    const auto byName = [](const DevInfo &d) { return d.name; };
    follow(m_tcp, m_tcpConnection, [this] { return m_tcp->connectedDevice(); }, byName);
    follow(m_usb, m_usbConnection, [this] { return m_usb->connectedDevice(); },
           [](const DevInfo &d) { return d.model; });
    follow(m_serial, m_serialConnection, [this] {
        DevInfo port;
        port.name = m_serial->openPort();
        return port;
    });
    follow(m_driver, m_driverConnection, [this] {
        DevInfo queue;
        queue.name = m_driver->currentPrinter();
        return queue;
    }, byName);

    connect(ConfigManager::getInstance(), &ConfigManager::currentDeviceChanged, this,
            &DeviceViewModel::deviceModelChanged);
}

DeviceViewModel::~DeviceViewModel() = default;

void DeviceViewModel::follow(CommunicationInterface *manager, DeviceConnection *connection,
                             std::function<DevInfo()> deviceOf, std::function<QString(const DevInfo &)> nameOf)
{
    connect(manager, &CommunicationInterface::connectionStatusChanged, connection,
            [connection, deviceOf](bool connected) {
                if (connected)
                    connection->open(deviceOf());
                else
                    connection->close();
            });
    if (!nameOf)
        return;
    connect(connection, &DeviceConnection::opened, this, [connection, nameOf] {
        ConfigManager::getInstance()->setCurrentDeviceName(nameOf(connection->device()));
    });
    connect(connection, &DeviceConnection::closed, this,
            [] { ConfigManager::getInstance()->setCurrentDeviceName(QString()); });
}

DeviceConnection *DeviceViewModel::connectionOf(int mode) const
{
    switch (mode) {
    case TCPMode: return m_tcpConnection;
    case USBMode: return m_usbConnection;
    case SerialMode: return m_serialConnection;
    case DirverMode: return m_driverConnection;
    default: return nullptr;
    }
}

QString DeviceViewModel::deviceName() const
{
    return ConfigManager::getInstance()->getCurrentDeviceName();
}

int DeviceViewModel::deviceModel() const
{
    return ConfigManager::getInstance()->getCurrentDeviceModel();
}

bool DeviceViewModel::isL7N() const
{
    return ConfigManager::getInstance()->getCurrentDeviceModel() == ConfigManager::L7N;
}

bool DeviceViewModel::isL7S() const
{
    return ConfigManager::getInstance()->getCurrentDeviceModel() == ConfigManager::L7S;
}

QString DeviceViewModel::version()
{
    return QStringLiteral(QM_VERSION);
}

void DeviceViewModel::switchTo(int mode, CommunicationInterface *manager)
{
    if (m_mode == mode)
        return;
    m_current = manager;
    m_mode = mode;
    emit currentModeChanged();
    emit communicationChanged();
}

void DeviceViewModel::switchToTCP() { switchTo(TCPMode, m_tcp); }
void DeviceViewModel::switchToUSB() { switchTo(USBMode, m_usb); }
void DeviceViewModel::switchToSerial() { switchTo(SerialMode, m_serial); }
void DeviceViewModel::switchToDevice() { switchTo(DirverMode, m_driver); }

void DeviceViewModel::setCurrentMode(int mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    switch (mode) {
    case TCPMode: m_current = m_tcp; break;
    case USBMode: m_current = m_usb; break;
    case SerialMode: m_current = m_serial; break;
    case DirverMode: m_current = m_driver; break;
    default: break; // an unknown mode keeps the current manager
    }
    emit currentModeChanged();
    emit communicationChanged();
}
