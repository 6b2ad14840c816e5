#pragma once

#include "commands/CommType.h"

#include <QByteArray>
#include <QObject>

// Cash-drawer pulses: the timed control pulse and the real-time opening pulse.
class CashBoxForm : public QObject
{
    Q_OBJECT
public:
    explicit CashBoxForm(CommType type) : m_type(type) {}

    void setControlPin(int v) { m_controlPin = quint8(v); }
    void setControlHighTime(int v) { m_controlHighTime = v; }
    void setControlLowTime(int v) { m_controlLowTime = v; }
    void setOpenPin(int v) { m_openPin = quint8(v); }
    void setOpenTime(int v) { m_openTime = v; }

    void sendControlPulse();
    void sendOpenPulse();

signals:
    void sigSendData(CommType type, QByteArray dataArray);

private:
    CommType m_type;
    quint8 m_controlPin = 0;
    int m_controlHighTime = 1;
    int m_controlLowTime = 1;
    quint8 m_openPin = 0;
    int m_openTime = 1;
};
