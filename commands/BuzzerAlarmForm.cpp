#include "commands/BuzzerAlarmForm.h"

#include "commands/EscPos.h"

void BuzzerAlarmForm::sendBuzzer()
{
    emit sigSendData(m_type, EscPos::beep(m_buzzerTimes, m_buzzerDuration));
}

void BuzzerAlarmForm::sendBuzzerAlarm()
{
    emit sigSendData(m_type, EscPos::beepAndFlash(m_alarmTimes, m_alarmInterval, m_alarmMode));
}
