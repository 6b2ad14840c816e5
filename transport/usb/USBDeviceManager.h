#pragma once

#include "device/BaseDeviceManager.h"
#include "platform/DevInfo.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <memory>

class DeviceChangeSource;
class ReplyMatcher;
class USBHotSwapping;
class USBPrinterController;
class UsbPrinterLister;

// The transport for printers attached by USB: lists the usblp printers, opens
// one through the I/O engine, sends builder output, matches replies to the
// requests waiting for them, and follows the connected printer across
// unplugging and plugging back in. connectionStatusChanged tells each
// connection made or found again, and each disconnect or removal.
class USBDeviceManager : public BaseDeviceManager
{
    Q_OBJECT
public:
    // The system's printers: /sys and /dev, hot-plug from udev. The variable
    // QM_USB_SYSFS_ROOT points it at another tree (a virtual printer's), with
    // its nodes under <root>/dev or QM_USB_DEV_ROOT; changes there are found
    // by looking at the tree.
    explicit USBDeviceManager(QObject *parent = nullptr);
    // Works with the given lister and device-change source (both owned from
    // now on; a null source means the udev monitor).
    USBDeviceManager(std::unique_ptr<UsbPrinterLister> lister, DeviceChangeSource *source,
                     QObject *parent = nullptr);
    ~USBDeviceManager() override;

    bool openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath) override;
    void closeDevice() override;
    bool writeRaw(const QByteArray &data) override;
    void refreshDevices() override;
    QVariantList deviceList() override;
    QString modeName() const override { return QStringLiteral("USB"); }

    Q_INVOKABLE void enterConfigSetFlag();

    // Added to the connection-failure notice when the node exists but the user
    // may not open it.
    static QString permissionAdvice(const QString &devPath);

    USBPrinterController *controller() const { return m_controller; }
    USBHotSwapping *hotSwapping() const { return m_hotSwapping; }
    QList<DevInfo> devices() const { return m_deviceList; }
    QString currentConnectedDevPath() const { return m_currentConnectedDevPath; }
    bool isConnected() const { return m_isConnected; }
    bool enterConfigFlag() const { return m_enterConfigFlag; }
    // Names of the replies still awaited, oldest first.
    QStringList pendingCommands() const;

public slots:
    void onBuilderData(CommType type, const QByteArray &data) override;
    bool onRequestUsbSend(const QByteArray &data, const QString &expectCmd, int timeoutMs);
    void onDeviceChanges(uint16_t event, const QString &name);
    void handleUsbData(const QByteArray &data);

signals:
    void sigUsbDeviceRemoved();
    void sigUsbDeviceReconnect(QString model, QString vpid);
    void sigUsbResponse(QString cmd, QString payload);
    void sigEnterConfigConnectStatus(bool connStatus, QString vpid, QString model);

private:
    void handleTimeout(const QString &cmd);
    void handleArrival();
    void handleRemoval();

    std::unique_ptr<UsbPrinterLister> m_lister;
    USBPrinterController *m_controller = nullptr;

    QList<DevInfo> m_deviceList;
    QString m_currentConnectedDevPath;
    bool m_isConnected = false;
    bool m_enterConfigFlag = false;
    ReplyMatcher *m_replies = nullptr;
    USBHotSwapping *m_hotSwapping = nullptr;
};
