#pragma once

#include "commands/CommType.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// The printer's stored settings that it reports back (Bluetooth, instruction
// set, paper type, speed, density, character mode) and the serial line
// parameters. Reads wait for an answer on USB and go out as sigRequestUsbSend
// there; everything else is an ordinary sigSendData.
class MoreSettings : public QObject
{
    Q_OBJECT
public:
    static constexpr int UsbReplyTimeoutMs = 1000;

    explicit MoreSettings(CommType type) : m_type(type) {}

    void setBluetoothName(const QString &v) { m_bluName = v; }
    void setBluetoothCode(const QString &v) { m_blucodeName = v; }
    void setPrintInstruction(int v) { m_printInstruction = quint8(v); }
    void setPaperType(int v) { m_paperType = quint8(v); }
    void setPrintSpeedMode(int v) { m_printSpeedMode = quint8(v); }
    void setPrintDensityMode(int v) { m_printDensityMode = quint8(v); }
    void setCharacterMode(int v) { m_characterMode = quint8(v); }
    void setBaudrate(int v) { m_baudrate = quint8(v); }

    void searchBluetoothAddress();
    void searchBluetoothName();
    void searchBluetoothPinCode();
    void searchPrintInstruction();
    void searchPaperType();
    void searchPrintSpeedMode();
    void searchPrintDensityMode();
    void searchCharacterMode();

    // False, and nothing sent, when the text is longer than the frame carries
    // (SettingsFrame::MaxTextBytes bytes in GBK).
    bool sendBluetoothName();
    bool sendBluetoothCode();
    static int encodedSize(const QString &text);
    void sendPrintInstruction();
    void sendPaperType();
    void sendPrintSpeedMode();
    void sendPrintDensityMode();
    void sendCharacterMode();
    void sendBaudrate();
    // Data bits, parity and stop bits, and reading the four serial parameters,
    // have no command of their own: each sends the single byte 00.
    void sendDataBits();
    void sendParity();
    void sendStopBits();
    void searchBaudrate();
    void searchDataBits();
    void searchParity();
    void searchStopBits();

signals:
    void sigRequestUsbSend(QByteArray data, QString expectCmd, int timeoutMs);
    void sigSendData(CommType type, QByteArray dataArray);

private:
    // On USB the request waits for the answer named expectCmd; elsewhere it is
    // sent and no answer is read.
    void sendRequest(const QByteArray &frame, const QString &expectCmd);
    void sendPlaceholder();

    CommType m_type;
    QString m_bluName;
    QString m_blucodeName;
    quint8 m_printInstruction = 0;
    quint8 m_paperType = 0;
    quint8 m_printSpeedMode = 0;
    quint8 m_printDensityMode = 0;
    quint8 m_characterMode = 0;
    quint8 m_baudrate = 0;
};
