#pragma once

#include "commands/CommType.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// The four real-time status requests (DLE EOT 1-4) and the decoding of their
// one-byte replies into readable lines.
class RealTimeStatusForm : public QObject
{
    Q_OBJECT
public:
    enum Status { PrinterStatus = 0, OfflineStatus = 1, ErrorStatus = 2, PaperStatus = 3, NoStatus = 4 };
    static constexpr int UsbReplyTimeoutMs = 1000;

    explicit RealTimeStatusForm(CommType type) : m_type(type) {}

    void sendPrinterStatus() { send(PrinterStatus); }
    void sendOfflineStatus() { send(OfflineStatus); }
    void sendErrorStatus() { send(ErrorStatus); }
    void sendPaperStatus() { send(PaperStatus); }

    // "PrinterStatus", "OfflineStatus", "ErrorStatus", "PaperStatus"; empty for NoStatus.
    static QString statusName(int status);
    // Whether name is one of the four above.
    static bool isStatusName(const QString &name);

    // The message for a reply: a header and one tab-indented line per examined
    // bit of the first reply byte. Empty for an unknown status name, and for an
    // empty payload (the page shows the time-out toast instead).
    static QString decodeReply(const QString &cmd, const QString &payload);

signals:
    void sigRequestUsbSend(QByteArray data, QString expectCmd, int timeoutMs);
    void sigSendData(CommType type, QByteArray dataArray);

private:
    void send(Status status);

    CommType m_type;
};
