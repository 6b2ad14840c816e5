#pragma once

#include <QtGlobal>

#include <functional>

// Drops quick repeats of device-change events: plugging one printer in
// usually reports several arrivals in a row. An event whose code equals the
// last accepted one and comes less than WindowMs after it is dropped; any
// other event is accepted and becomes the last one, whatever its code.
class DeviceChangeDebouncer
{
public:
    static constexpr qint64 WindowMs = 100;

    // clockMs gives a monotonic time in milliseconds; the default is the
    // system's monotonic clock.
    explicit DeviceChangeDebouncer(std::function<qint64()> clockMs = {});

    bool accept(quint32 code);

private:
    std::function<qint64()> m_clockMs;
    quint32 m_lastCode = 0;
    qint64 m_lastAcceptedMs = 0;
    bool m_hasLast = false;
};
