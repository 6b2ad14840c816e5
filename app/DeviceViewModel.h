#pragma once

#include "app/DeviceConnection.h"
#include "app/DeviceListModel.h"
#include "device/CommunicationInterface.h"
#include "transport/serial/SerialPortManager.h"
#include "transport/spooler/PrintDriverManager.h"
#include "transport/tcp/TcpDeviceManager.h"
#include "transport/usb/USBDeviceManager.h"

#include <QObject>
#include <QString>

#include <functional>

// The scenes' single way into the device layer: one manager per transport and
// the current one (communication), chosen by the communication mode; per
// transport the devices it offers (a list model) and its connection; the
// capabilities of the printer the commands are for; the program's version.
class DeviceViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TcpDeviceManager *tcpDeviceManager READ tcpDeviceManager CONSTANT)
    Q_PROPERTY(USBDeviceManager *usbDeviceManager READ usbDeviceManager CONSTANT)
    Q_PROPERTY(SerialPortManager *serialportmanager READ serialportmanager CONSTANT)
    Q_PROPERTY(PrintDriverManager *printDriverManager READ printDriverManager CONSTANT)
    Q_PROPERTY(CommunicationInterface *communication READ communication NOTIFY communicationChanged)
    Q_PROPERTY(int currentMode READ currentMode WRITE setCurrentMode NOTIFY currentModeChanged)

    Q_PROPERTY(DeviceListModel *tcpDevices READ tcpDevices CONSTANT)
    Q_PROPERTY(DeviceListModel *usbDevices READ usbDevices CONSTANT)
    Q_PROPERTY(DeviceListModel *serialPorts READ serialPorts CONSTANT)
    Q_PROPERTY(DeviceListModel *driverPrinters READ driverPrinters CONSTANT)

    Q_PROPERTY(DeviceConnection *tcpConnection READ tcpConnection CONSTANT)
    Q_PROPERTY(DeviceConnection *usbConnection READ usbConnection CONSTANT)
    Q_PROPERTY(DeviceConnection *serialConnection READ serialConnection CONSTANT)
    Q_PROPERTY(DeviceConnection *driverConnection READ driverConnection CONSTANT)

    // The printer the commands are for: the name of the last TCP, USB or
    // spooler connection (serial ports leave it alone), empty after its
    // disconnection, and what its model takes.
    Q_PROPERTY(QString deviceName READ deviceName NOTIFY deviceModelChanged)
    Q_PROPERTY(int deviceModel READ deviceModel NOTIFY deviceModelChanged)
    Q_PROPERTY(bool isL7N READ isL7N NOTIFY deviceModelChanged)
    Q_PROPERTY(bool isL7S READ isL7S NOTIFY deviceModelChanged)

    // The program's version number, as the build sets it ("1.0.0.31").
    Q_PROPERTY(QString version READ version CONSTANT)
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

    DeviceListModel *tcpDevices() const { return m_tcpDevices; }
    DeviceListModel *usbDevices() const { return m_usbDevices; }
    DeviceListModel *serialPorts() const { return m_serialPorts; }
    DeviceListModel *driverPrinters() const { return m_driverPrinters; }

    DeviceConnection *tcpConnection() const { return m_tcpConnection; }
    DeviceConnection *usbConnection() const { return m_usbConnection; }
    DeviceConnection *serialConnection() const { return m_serialConnection; }
    DeviceConnection *driverConnection() const { return m_driverConnection; }
    // The connection of a mode (TCPMode ... DirverMode); null for another number.
    DeviceConnection *connectionOf(int mode) const;

    QString deviceName() const;
    int deviceModel() const;
    bool isL7N() const;
    bool isL7S() const;

    static QString version();

public slots:
    void switchToTCP();
    void switchToUSB();
    void switchToSerial();
    void switchToDevice();
    void setCurrentMode(int mode);

signals:
    void currentModeChanged();
    void communicationChanged();
    void deviceModelChanged();
    void sigConnectionFailTcp(QString errorMessage);
    void sigConnectionFailUsb(QString errorMessage);
    void sigScanOverTcp();
    void sigScanOverUsb();
    void sigUsbDeviceRemoved();
    void sigUsbDeviceReconnect(QString model, QString vpid);
    void sigSearchProgress(int progress);

private:
    void switchTo(int mode, CommunicationInterface *manager);
    // Keeps the connection in step with the manager's connection status; the
    // device comes from deviceOf at each connect. With nameOf, the device's
    // name by it becomes the printer the commands are for while connected.
    void follow(CommunicationInterface *manager, DeviceConnection *connection, std::function<DevInfo()> deviceOf,
                std::function<QString(const DevInfo &)> nameOf = {});

    TcpDeviceManager *m_tcp = nullptr;
    USBDeviceManager *m_usb = nullptr;
    SerialPortManager *m_serial = nullptr;
    PrintDriverManager *m_driver = nullptr;
    CommunicationInterface *m_current = nullptr;
    int m_mode = USBMode;

    DeviceListModel *m_tcpDevices = nullptr;
    DeviceListModel *m_usbDevices = nullptr;
    DeviceListModel *m_serialPorts = nullptr;
    DeviceListModel *m_driverPrinters = nullptr;

    DeviceConnection *m_tcpConnection = nullptr;
    DeviceConnection *m_usbConnection = nullptr;
    DeviceConnection *m_serialConnection = nullptr;
    DeviceConnection *m_driverConnection = nullptr;
};
