#include "commands/HanziForm.h"

#include "commands/CharacterCommands.h"

void HanziForm::sendHanziMode()
{
    emit sigSendData(m_type, CharacterCommands::hanziMode(m_hanziMode));
}

void HanziForm::sendFormat()
{
    emit sigSendData(m_type, CharacterCommands::hanziFormat(m_widthDouble, m_heightDouble, m_underline));
}

void HanziForm::sendMargins()
{
    emit sigSendData(m_type, CharacterCommands::hanziSpacing(m_leftMargin, m_rightMargin));
}
