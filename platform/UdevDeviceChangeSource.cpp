#include "platform/UdevDeviceChangeSource.h"

#include <QDebug>
#include <QSocketNotifier>

#include <cerrno>
#include <libudev.h>

UdevDeviceChangeSource::UdevDeviceChangeSource(const QString &subsystem, QObject *parent)
    : DeviceChangeSource(parent)
{
    m_udev = udev_new();
    if (m_udev)
        m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    const QByteArray sub = subsystem.toLatin1();
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, sub.constData(), nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        qDebug().noquote() << "udev monitor failed:" << errno;
        return;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevDeviceChangeSource::handleActivated);
}

UdevDeviceChangeSource::~UdevDeviceChangeSource()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

quint32 UdevDeviceChangeSource::codeForAction(const QString &action)
{
    if (action == QLatin1String("add"))
        return DeviceArrival;
    if (action == QLatin1String("remove"))
        return DeviceRemoveComplete;
    return DevNodesChanged;
}

void UdevDeviceChangeSource::handleActivated()
{
    udev_device *device = udev_monitor_receive_device(m_monitor);
    if (!device)
        return;
    const QString action = QString::fromLatin1(udev_device_get_action(device));
    const char *node = udev_device_get_devnode(device);
    const QString name = QString::fromLocal8Bit(node ? node : udev_device_get_syspath(device));
    udev_device_unref(device);
    emit deviceChanged(codeForAction(action), name, true);
}
