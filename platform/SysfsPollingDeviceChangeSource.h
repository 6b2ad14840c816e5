#pragma once

#include "platform/DeviceChangeSource.h"

#include <QSet>
#include <QString>

class QTimer;

// Device changes found by looking at a sysfs class directory at intervals:
// an entry that appeared is an arrival, one that went away a removal. For
// systems without udev events (and for a fake sysfs tree).
class SysfsPollingDeviceChangeSource : public DeviceChangeSource
{
    Q_OBJECT
public:
    static constexpr int DefaultIntervalMs = 500;

    SysfsPollingDeviceChangeSource(const QString &classDirectory, int intervalMs = DefaultIntervalMs,
                                   QObject *parent = nullptr);

    // Looks once now (the timer calls it too).
    void poll();

private:
    QSet<QString> currentEntries() const;

    QString m_classDirectory;
    QSet<QString> m_known;
    QTimer *m_timer;
};
