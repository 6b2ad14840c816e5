#include "commands/MoreSettings.h"

#include "commands/SettingsFrame.h"
#include "text/TextEncoding.h"

#include <QDebug>

using namespace SettingsFrame;

using TextEncoding::gbk;

void MoreSettings::sendRequest(const QByteArray &frame, const QString &expectCmd)
{
    if (m_type == CommType::Usb)
        emit sigRequestUsbSend(frame, expectCmd, UsbReplyTimeoutMs);
    else
        emit sigSendData(m_type, frame);
}

void MoreSettings::sendPlaceholder()
{
    emit sigSendData(m_type, placeholder());
}

void MoreSettings::searchBluetoothAddress()
{
    sendRequest(read(BluetoothAddress), QStringLiteral("BluetoothAddress"));
}

void MoreSettings::searchBluetoothName()
{
    sendRequest(read(BluetoothName), QStringLiteral("BluetoothName"));
}

void MoreSettings::searchBluetoothPinCode()
{
    sendRequest(read(BluetoothPinCode), QStringLiteral("BluetoothPinCode"));
}

void MoreSettings::searchPrintInstruction()
{
    sendRequest(read(PrintInstruction), QStringLiteral("PrintInstruction"));
}

void MoreSettings::searchPaperType()
{
    sendRequest(read(PaperType), QStringLiteral("PaperType"));
}

void MoreSettings::searchPrintSpeedMode()
{
    sendRequest(read(PrintSpeedMode), QStringLiteral("PrintSpeedMode"));
}

void MoreSettings::searchPrintDensityMode()
{
    sendRequest(read(PrintDensityMode), QStringLiteral("PrintDensityMode"));
}

void MoreSettings::searchCharacterMode()
{
    sendRequest(read(CharacterMode), QStringLiteral("CharacterModeMode"));
}

void MoreSettings::sendBluetoothName()
{
    emit sigSendData(m_type, writeText(BluetoothName, gbk(m_bluName)));
}

void MoreSettings::sendBluetoothCode()
{
    emit sigSendData(m_type, writeText(BluetoothPinCode, gbk(m_blucodeName)));
}

void MoreSettings::sendPrintInstruction()
{
    emit sigSendData(m_type, writeChoice(PrintInstruction, m_printInstruction));
}

void MoreSettings::sendPaperType()
{
    const QByteArray frame = writeChoice(PaperType, m_paperType);
    qDebug() << "dataArray:" << frame.toHex(' ');
    emit sigSendData(m_type, frame);
}

void MoreSettings::sendPrintSpeedMode()
{
    emit sigSendData(m_type, writeChoice(PrintSpeedMode, m_printSpeedMode));
}

void MoreSettings::sendPrintDensityMode()
{
    emit sigSendData(m_type, writeChoice(PrintDensityMode, m_printDensityMode));
}

void MoreSettings::sendCharacterMode()
{
    emit sigSendData(m_type, writeChoice(CharacterMode, m_characterMode));
}

void MoreSettings::sendBaudrate()
{
    emit sigSendData(m_type, baudRate(m_baudrate));
}

void MoreSettings::sendDataBits()
{
    sendPlaceholder();
}

void MoreSettings::sendParity()
{
    sendPlaceholder();
}

void MoreSettings::sendStopBits()
{
    sendPlaceholder();
}

void MoreSettings::searchBaudrate()
{
    sendPlaceholder();
}

void MoreSettings::searchDataBits()
{
    sendPlaceholder();
}

void MoreSettings::searchParity()
{
    sendPlaceholder();
}

void MoreSettings::searchStopBits()
{
    sendPlaceholder();
}
