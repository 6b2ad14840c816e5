#pragma once

#include "commands/MoreSettings.h"
#include "commands/RealTimeStatusForm.h"
#include "device/BaseDeviceManager.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A transport that moves no bytes: openDevice runs the builder set-up with the
// type it was given, and everything the builders emit is recorded, the
// requests that wait for a USB answer included (as the USB manager wires them).
class EncodersRecordingManager : public BaseDeviceManager
{
    Q_OBJECT
public:
    struct Emission
    {
        int type;
        QByteArray data;
    };
    struct UsbRequest
    {
        QByteArray data;
        QString expectCmd;
        int timeoutMs;
    };

    explicit EncodersRecordingManager(CommType type, QObject *parent = nullptr) : BaseDeviceManager(parent), m_type(type)
    {
    }

    bool openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath) override
    {
        DevInfo device;
        device.name = name;
        device.ip = ip;
        device.mac = mac;
        device.devPath = devPath;
        setupBuilders(m_type, nullptr, device);
        connect(m_realTimeStatusForm, &RealTimeStatusForm::sigRequestUsbSend, this,
                &EncodersRecordingManager::recordUsbRequest);
        connect(m_moreSettings, &MoreSettings::sigRequestUsbSend, this, &EncodersRecordingManager::recordUsbRequest);
        return true;
    }
    void closeDevice() override {}
    bool writeRaw(const QByteArray &) override { return true; }
    void refreshDevices() override {}
    QVariantList deviceList() override { return {}; }
    QString modeName() const override
    {
        static const char *const names[] = {"TCP", "USB", "Serial", "Driver"};
        return QString::fromLatin1(names[int(m_type)]);
    }

    void clear()
    {
        emissions.clear();
        usbRequests.clear();
    }

    QList<Emission> emissions;
    QList<UsbRequest> usbRequests;

public slots:
    void onBuilderData(CommType type, const QByteArray &data) override { emissions.append({int(type), data}); }

private slots:
    void recordUsbRequest(const QByteArray &data, const QString &expectCmd, int timeoutMs)
    {
        usbRequests.append({data, expectCmd, timeoutMs});
    }

private:
    CommType m_type;
};
