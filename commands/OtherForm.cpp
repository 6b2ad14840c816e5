#include "commands/OtherForm.h"

#include "commands/PrinterParamCommands.h"

using namespace PrinterParamCommands;

PrinterModel::Model OtherForm::currentModel() const
{
    return m_model ? m_model() : ConfigManager::Standard;
}

void OtherForm::send(const QByteArray &bytes)
{
    if (!bytes.isEmpty())
        emit sigSendData(m_type, bytes);
}

void OtherForm::sendInternationalCharacter()
{
    send(internationalCharacterSet(currentModel(), m_internationalCharacter));
}

void OtherForm::sendPrintMode()
{
    send(PrinterParamCommands::printMode(currentModel(), m_printMode));
}

void OtherForm::sendBuzzerSwitch()
{
    send(buzzerSwitch(currentModel(), m_buzzerSwitch));
}

void OtherForm::sendKnifeSwitch()
{
    send(knifeSwitch(currentModel(), m_knifeSwitch));
}

void OtherForm::sendErrorBeep()
{
    send(errorBeep(currentModel(), m_errorBeep));
}

void OtherForm::sendAlignment()
{
    send(alignment(m_alignment));
}

void OtherForm::sendRotate90()
{
    send(rotate90(m_rotate90));
}

void OtherForm::sendInversion()
{
    send(upsideDown(m_inversion));
}

void OtherForm::sendCharSize()
{
    send(characterSize(m_charWidth, m_charHeight));
}

void OtherForm::sendNegative()
{
    send(reversePrinting(m_negative));
}

void OtherForm::sendLeftMargin()
{
    send(leftMargin(m_leftMarginL, m_leftMarginH));
}

void OtherForm::sendPrintArea()
{
    send(printAreaWidth(m_printAreaL, m_printAreaH));
}

void OtherForm::sendUnit()
{
    send(motionUnits(m_unitX, m_unitY));
}

void OtherForm::sendDensity()
{
    send(density(currentModel(), m_density));
}

void OtherForm::sendPaperSize()
{
    send(paperSize(m_paperSize));
}

void OtherForm::sendPaperGap()
{
    send(paperGap(m_paperGap));
}

void OtherForm::sendPrintSpeed()
{
    send(printSpeed(m_printSpeed));
}

void OtherForm::sendPeripherals()
{
    send(peripherals(m_enableKnife, m_enableBuzzer, m_enableCashBox));
}

void OtherForm::sendPrintModel()
{
    send(machineModel(currentModel(), m_printModelName, m_errorBeep));
}

void OtherForm::sendUsbUpgradeMode()
{
    send(usbUpgradeMode(currentModel()));
}

void OtherForm::sendRestoreFactorySettings()
{
    send(restoreFactorySettings(currentModel()));
}
