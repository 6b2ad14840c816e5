#include "app/DeviceViewModel.h"

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
    connect(m_tcp, &TcpDeviceManager::sigDeviceFoundTcp, this, &DeviceViewModel::sigDeviceFoundTcp);
}

DeviceViewModel::~DeviceViewModel() = default;

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
