#include "commands/CuttingForm.h"

#include "commands/EscPos.h"

#include <QDebug>

void CuttingForm::sendCut()
{
    qDebug() << "m_type:" << int(m_type);
    emit sigSendData(m_type, EscPos::cut(m_cutMode, m_feedDistance));
}
