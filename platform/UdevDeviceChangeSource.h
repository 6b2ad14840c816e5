#pragma once

#include "platform/DeviceChangeSource.h"

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Device changes of one subsystem (usbmisc: the usblp printer nodes) from a
// libudev monitor, read on the thread that created the object. If the monitor
// cannot be set up, a debug line says so and no event is ever reported.
class UdevDeviceChangeSource : public DeviceChangeSource
{
    Q_OBJECT
public:
    explicit UdevDeviceChangeSource(const QString &subsystem = QStringLiteral("usbmisc"), QObject *parent = nullptr);
    ~UdevDeviceChangeSource() override;

    bool isMonitoring() const { return m_notifier != nullptr; }

    // "add" -> DeviceArrival, "remove" -> DeviceRemoveComplete, anything else
    // -> DevNodesChanged.
    static quint32 codeForAction(const QString &action);

private slots:
    void handleActivated();

private:
    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};
