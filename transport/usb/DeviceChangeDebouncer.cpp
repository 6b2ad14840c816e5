#include "transport/usb/DeviceChangeDebouncer.h"

#include <QDeadlineTimer>

DeviceChangeDebouncer::DeviceChangeDebouncer(std::function<qint64()> clockMs) : m_clockMs(std::move(clockMs))
{
    if (!m_clockMs)
        m_clockMs = [] { return QDeadlineTimer::current().deadline(); };
}

bool DeviceChangeDebouncer::accept(quint32 code)
{
    const qint64 now = m_clockMs();
    if (m_hasLast && code == m_lastCode && now - m_lastAcceptedMs < WindowMs)
        return false;
    m_lastCode = code;
    m_lastAcceptedMs = now;
    m_hasLast = true;
    return true;
}
