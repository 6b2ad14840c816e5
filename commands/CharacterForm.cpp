#include "commands/CharacterForm.h"

#include <QDebug>

void CharacterForm::sendRightSpace()
{
    qDebug() << "spinRightSpace" << m_rightSpace;
    emit sigSendData(m_type, CharacterCommands::rightSpacing(m_rightSpace));
}

void CharacterForm::sendPrintMode()
{
    qDebug() << "cmbAsc2Font" << m_font << "checkBold" << m_bold << "checkHeightDouble" << m_heightDouble
             << "checkWidthDouble" << m_widthDouble << "checkUnderLine" << m_underline;
    emit sigSendData(m_type, CharacterCommands::printMode(m_font, m_bold, m_heightDouble, m_widthDouble, m_underline));
}

void CharacterForm::sendUseCustomChar()
{
    qDebug() << "checked" << m_useCustomChar;
    emit sigSendData(m_type, CharacterCommands::userDefinedSet(m_useCustomChar));
}

void CharacterForm::sendPrintChar()
{
    qDebug() << "charCode" << m_printChar;
    emit sigSendData(m_type, CharacterCommands::printCharacter(m_printChar));
}

void CharacterForm::sendDeleteChar()
{
    emit sigSendData(m_type, CharacterCommands::deleteCharacter(m_deleteChar));
}

void CharacterForm::sendDeleteList()
{
    for (int code : qAsConst(m_deleteList))
        emit sigSendData(m_type, CharacterCommands::deleteCharacter(code));
}

void CharacterForm::sendDefinitions()
{
    for (const CustomCharDef &def : qAsConst(m_definitions))
        emit sigSendData(m_type, CharacterCommands::defineCharacter(def));
}
