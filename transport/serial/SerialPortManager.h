#pragma once

#include "device/BaseDeviceManager.h"

class SerialPortManager : public BaseDeviceManager
{
    Q_OBJECT
public:
    explicit SerialPortManager(QObject *parent = nullptr);
    ~SerialPortManager() override;

    bool openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath) override;
    void closeDevice() override;
    bool writeRaw(const QByteArray &data) override;
    void refreshDevices() override;
    QVariantList deviceList() override;
    QString modeName() const override { return QStringLiteral("Serial"); }

public slots:
    void onBuilderData(CommType type, const QByteArray &data) override;
};
