#pragma once

#include "device/BaseDeviceManager.h"

class PrintDriverManager : public BaseDeviceManager
{
    Q_OBJECT
public:
    explicit PrintDriverManager(QObject *parent = nullptr);
    ~PrintDriverManager() override;

    bool openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath) override;
    void closeDevice() override;
    bool writeRaw(const QByteArray &data) override;
    void refreshDevices() override;
    QVariantList deviceList() override;
    QString modeName() const override { return QStringLiteral("Driver"); }

public slots:
    void onBuilderData(CommType type, const QByteArray &data) override;
};
