#pragma once

#include "transport/usb/DeviceChangeDebouncer.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>

class DeviceChangeSource;

// Tells the USB manager that a printer interface arrived or went away:
// listens to a device-change source (by default a udev monitor of the usblp
// nodes), drops quick repeats and emits sigDeviceChanges with the code
// DeviceArrival (0x8000) or DeviceRemoveComplete (0x8004).
class USBHotSwapping : public QObject
{
    Q_OBJECT
public:
    static constexpr uint16_t DeviceArrival = 0x8000;
    static constexpr uint16_t DeviceRemoveComplete = 0x8004;

    // associated is kept for the caller (the manager passes its controller).
    // The source is owned from now on; without one the udev monitor is used.
    explicit USBHotSwapping(QObject *associated, DeviceChangeSource *source = nullptr, QObject *parent = nullptr);
    ~USBHotSwapping() override;

    QObject *associatedObject() const { return m_associated; }
    DeviceChangeSource *source() const { return m_source; }
    // Replaces the debounce clock (monotonic milliseconds); for tests.
    void setDebounceClock(std::function<qint64()> clockMs) { m_debouncer = DeviceChangeDebouncer(std::move(clockMs)); }

signals:
    void sigDeviceChanges(uint16_t event, QString name);

public slots:
    // One device-change notification, as a source reports it.
    void handleDeviceEvent(quint32 code, const QString &name, bool deviceInterface);

private:
    QPointer<QObject> m_associated;
    DeviceChangeSource *m_source;
    DeviceChangeDebouncer m_debouncer;
};
