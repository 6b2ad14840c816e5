#pragma once

#include "device/BaseDeviceManager.h"

class USBDeviceManager : public BaseDeviceManager
{
    Q_OBJECT
public:
    explicit USBDeviceManager(QObject *parent = nullptr);
    ~USBDeviceManager() override;

    bool openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath) override;
    void closeDevice() override;
    bool writeRaw(const QByteArray &data) override;
    void refreshDevices() override;
    QVariantList deviceList() override;
    QString modeName() const override { return QStringLiteral("USB"); }

public slots:
    void onBuilderData(CommType type, const QByteArray &data) override;

signals:
    void sigUsbDeviceRemoved();
    void sigUsbDeviceReconnect(QString model, QString vpid);
};
