#include "commands/CashBoxForm.h"

#include "commands/EscPos.h"

void CashBoxForm::sendControlPulse()
{
    emit sigSendData(m_type, EscPos::drawerPulse(m_controlPin, m_controlHighTime, m_controlLowTime));
}

void CashBoxForm::sendOpenPulse()
{
    emit sigSendData(m_type, EscPos::realTimeDrawerPulse(m_openPin, m_openTime));
}
