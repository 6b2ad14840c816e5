#pragma once

#include "device/CommunicationInterface.h"

#include <QObject>
#include <QVariantMap>

#include "transport/tcp/TcpDeviceManager.h"
#include "transport/usb/USBDeviceManager.h"
#include "transport/serial/SerialPortManager.h"
#include "transport/spooler/PrintDriverManager.h"

// The scenes' single way into the device layer: one manager per transport and
// the current one (communication), chosen by the communication mode.
class DeviceViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TcpDeviceManager *tcpDeviceManager READ tcpDeviceManager CONSTANT)
    Q_PROPERTY(USBDeviceManager *usbDeviceManager READ usbDeviceManager CONSTANT)
    Q_PROPERTY(SerialPortManager *serialportmanager READ serialportmanager CONSTANT)
    Q_PROPERTY(PrintDriverManager *printDriverManager READ printDriverManager CONSTANT)
    Q_PROPERTY(CommunicationInterface *communication READ communication NOTIFY communicationChanged)
    Q_PROPERTY(int currentMode READ currentMode WRITE setCurrentMode NOTIFY currentModeChanged)
public:
    enum CommunicationMode { TCPMode = 0, USBMode = 1, SerialMode = 2, DirverMode = 3 };
    Q_ENUM(CommunicationMode)

    explicit DeviceViewModel(QObject *parent = nullptr);
    ~DeviceViewModel() override;

    TcpDeviceManager *tcpDeviceManager() const { return m_tcp; }
    USBDeviceManager *usbDeviceManager() const { return m_usb; }
    SerialPortManager *serialportmanager() const { return m_serial; }
    PrintDriverManager *printDriverManager() const { return m_driver; }
    CommunicationInterface *communication() const { return m_current; }
    int currentMode() const { return m_mode; }

public slots:
    void switchToTCP();
    void switchToUSB();
    void switchToSerial();
    void switchToDevice();
    void setCurrentMode(int mode);

signals:
    void currentModeChanged();
    void communicationChanged();
    void sigConnectionFailTcp(QString errorMessage);
    void sigConnectionFailUsb(QString errorMessage);
    void sigScanOverTcp();
    void sigScanOverUsb();
    void sigUsbDeviceRemoved();
    void sigUsbDeviceReconnect(QString model, QString vpid);
    void sigSearchProgress(int progress);
    // A printer identified while the LAN search still runs (keys "name", "ip", "mac").
    void sigDeviceFoundTcp(QVariantMap device);

private:
    void switchTo(int mode, CommunicationInterface *manager);

    TcpDeviceManager *m_tcp = nullptr;
    USBDeviceManager *m_usb = nullptr;
    SerialPortManager *m_serial = nullptr;
    PrintDriverManager *m_driver = nullptr;
    CommunicationInterface *m_current = nullptr;
    int m_mode = USBMode;
};
