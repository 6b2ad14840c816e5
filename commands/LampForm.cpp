#include "commands/LampForm.h"

#include "commands/LampCommands.h"

void LampForm::sendWaitSwitch()
{
    emit sigSendData(m_type, LampCommands::standbySwitch(m_waitSwitch));
}

void LampForm::sendWaitType()
{
    emit sigSendData(m_type, LampCommands::standbyPattern(m_waitType));
}

void LampForm::sendWork()
{
    emit sigSendData(m_type, LampCommands::colour(LampCommands::Work, m_work.r, m_work.g, m_work.b));
}

void LampForm::sendPaper()
{
    emit sigSendData(m_type, LampCommands::colour(LampCommands::PaperOut, m_paper.r, m_paper.g, m_paper.b));
}

void LampForm::sendKnife()
{
    emit sigSendData(m_type, LampCommands::colour(LampCommands::CutterJam, m_knife.r, m_knife.g, m_knife.b));
}

void LampForm::sendHot()
{
    emit sigSendData(m_type, LampCommands::colour(LampCommands::Overheat, m_hot.r, m_hot.g, m_hot.b));
}

void LampForm::sendWait()
{
    emit sigSendData(m_type, LampCommands::colour(LampCommands::Standby, m_wait.r, m_wait.g, m_wait.b));
}
