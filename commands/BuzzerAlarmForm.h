#pragma once

#include "commands/CommType.h"

#include <QByteArray>
#include <QObject>

// Buzzer and buzzer-with-lamp alarm commands.
class BuzzerAlarmForm : public QObject
{
    Q_OBJECT
public:
    explicit BuzzerAlarmForm(CommType type) : m_type(type) {}

    void setBuzzerTimes(int v) { m_buzzerTimes = v; }
    void setBuzzerDuration(int v) { m_buzzerDuration = v; }
    void setAlarmTimes(int v) { m_alarmTimes = v; }
    void setAlarmInterval(int v) { m_alarmInterval = v; }
    void setAlarmMode(int v) { m_alarmMode = v; }

    void sendBuzzer();
    void sendBuzzerAlarm();

signals:
    void sigSendData(CommType type, QByteArray dataArray);

private:
    CommType m_type;
    int m_buzzerTimes = 1;
    int m_buzzerDuration = 1;
    int m_alarmTimes = 1;
    int m_alarmInterval = 1;
    int m_alarmMode = 0;
};
