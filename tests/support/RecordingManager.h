#pragma once

#include "commands/MoreSettings.h"
#include "commands/RealTimeStatusForm.h"
#include "device/BaseDeviceManager.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A transport that moves no bytes: openDevice runs the builder set-up with the
// type and stream it was given, and everything the builders emit is recorded,
// the requests that wait for a USB answer included (as the USB manager wires
// them). Output of its own type also counts as written.
class RecordingManager : public BaseDeviceManager
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

    explicit RecordingManager(CommType type, QIODevice *stream = nullptr, QObject *parent = nullptr)
        : BaseDeviceManager(parent), m_type(type), m_stream(stream)
    {
    }

    bool openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath) override
    {
        DevInfo device;
        device.name = name;
        device.ip = ip;
        device.mac = mac;
        device.devPath = devPath;
        setupBuilders(m_type, m_stream, device);
        connect(m_realTimeStatusForm, &RealTimeStatusForm::sigRequestUsbSend, this,
                &RecordingManager::recordUsbRequest);
        connect(m_moreSettings, &MoreSettings::sigRequestUsbSend, this, &RecordingManager::recordUsbRequest);
        return true;
    }
    void closeDevice() override {}
    bool writeRaw(const QByteArray &data) override
    {
        written << data;
        return true;
    }
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
        written.clear();
    }

    // Everything written, in one array.
    QByteArray allWritten() const
    {
        QByteArray all;
        for (const QByteArray &b : written)
            all += b;
        return all;
    }

    QList<Emission> emissions; // every builder emission, with its type
    QList<UsbRequest> usbRequests;
    QList<QByteArray> written;

public slots:
    void onBuilderData(CommType type, const QByteArray &data) override
    {
        emissions.append({int(type), data});
        if (type == m_type)
            writeRaw(data);
    }

private slots:
    void recordUsbRequest(const QByteArray &data, const QString &expectCmd, int timeoutMs)
    {
        usbRequests.append({data, expectCmd, timeoutMs});
    }

private:
    CommType m_type;
    QIODevice *m_stream;
};
