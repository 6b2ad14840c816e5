#pragma once

#include "device/BaseDeviceManager.h"

#include <QByteArray>
#include <QList>
#include <QPair>

// A transport that moves no bytes: it records what the builders hand it.
// openDevice runs the builder set-up with the type and stream it was given.
class RecordingManager : public BaseDeviceManager
{
    Q_OBJECT
public:
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

    // Everything written, in one array.
    QByteArray allWritten() const
    {
        QByteArray all;
        for (const QByteArray &b : written)
            all += b;
        return all;
    }

    QList<QByteArray> written;
    QList<QPair<int, QByteArray>> received; // every builder emission, with its type

public slots:
    void onBuilderData(CommType type, const QByteArray &data) override
    {
        received << qMakePair(int(type), data);
        if (type == m_type)
            writeRaw(data);
    }

private:
    CommType m_type;
    QIODevice *m_stream;
};
