#pragma once

#include <QObject>
#include <QString>

// Reports devices coming and going, with the event codes of device
// notifications: DeviceArrival, DeviceRemoveComplete, or DevNodesChanged for
// any other change. deviceInterface is false for events about something that
// is not a device interface (a volume, a port); those are never emitted on.
class DeviceChangeSource : public QObject
{
    Q_OBJECT
public:
    static constexpr quint32 DevNodesChanged = 0x0007;
    static constexpr quint32 DeviceArrival = 0x8000;
    static constexpr quint32 DeviceRemoveComplete = 0x8004;

    explicit DeviceChangeSource(QObject *parent = nullptr);
    ~DeviceChangeSource() override;

signals:
    void deviceChanged(quint32 code, QString name, bool deviceInterface);
};
