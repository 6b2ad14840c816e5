#include "platform/SysfsPollingDeviceChangeSource.h"

#include <QDir>
#include <QTimer>

#include <algorithm>

SysfsPollingDeviceChangeSource::SysfsPollingDeviceChangeSource(const QString &classDirectory, int intervalMs,
                                                               QObject *parent)
    : DeviceChangeSource(parent), m_classDirectory(classDirectory), m_timer(new QTimer(this))
{
    m_known = currentEntries();
    connect(m_timer, &QTimer::timeout, this, &SysfsPollingDeviceChangeSource::poll);
    m_timer->start(intervalMs);
}

QSet<QString> SysfsPollingDeviceChangeSource::currentEntries() const
{
    const QStringList names = QDir(m_classDirectory).entryList(QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
    return QSet<QString>(names.begin(), names.end());
}

void SysfsPollingDeviceChangeSource::poll()
{
    const QSet<QString> now = currentEntries();
    QStringList gone = (m_known - now).values();
    QStringList added = (now - m_known).values();
    std::sort(gone.begin(), gone.end());
    std::sort(added.begin(), added.end());
    m_known = now;
    for (const QString &name : gone)
        emit deviceChanged(DeviceRemoveComplete, name, true);
    for (const QString &name : added)
        emit deviceChanged(DeviceArrival, name, true);
}
