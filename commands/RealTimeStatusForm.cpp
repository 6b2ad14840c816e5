#include "commands/RealTimeStatusForm.h"

#include "commands/EscPos.h"
#include "commands/StatusReply.h"

#include <QCoreApplication>

namespace {

// The header of each reply's message; the lines come from StatusReply's table.
const char *const kHeaders[StatusReply::StatusCount] = {
    QT_TRANSLATE_NOOP("RealTimeStatusForm", "打印机状态:\n"),
    QT_TRANSLATE_NOOP("RealTimeStatusForm", "脱机状态:\n"),
    QT_TRANSLATE_NOOP("RealTimeStatusForm", "错误状态:\n"),
    QT_TRANSLATE_NOOP("RealTimeStatusForm", "传送纸状态:\n"),
};

QString translated(const char *text)
{
    return QCoreApplication::translate("RealTimeStatusForm", text);
}

// The payload read as a hexadecimal number up to its first non-hexadecimal
// character: of "12 00 ff" only the first reply byte counts.
unsigned firstHexValue(const QString &payload)
{
    const int kMaxDigits = 8;
    unsigned value = 0;
    int digits = 0;
    for (const QChar c : payload) {
        const ushort u = c.unicode();
        unsigned digit;
        if (u >= '0' && u <= '9')
            digit = u - '0';
        else if (u >= 'a' && u <= 'f')
            digit = u - 'a' + 10;
        else if (u >= 'A' && u <= 'F')
            digit = u - 'A' + 10;
        else
            break;
        if (++digits > kMaxDigits)
            break;
        value = (value << 4) | digit;
    }
    return value;
}

} // namespace

QString RealTimeStatusForm::statusName(int status)
{
    switch (status) {
    case PrinterStatus: return QStringLiteral("PrinterStatus");
    case OfflineStatus: return QStringLiteral("OfflineStatus");
    case ErrorStatus: return QStringLiteral("ErrorStatus");
    case PaperStatus: return QStringLiteral("PaperStatus");
    default: return QString();
    }
}

bool RealTimeStatusForm::isStatusName(const QString &name)
{
    for (int status = PrinterStatus; status < NoStatus; ++status) {
        if (name == statusName(status))
            return true;
    }
    return false;
}

void RealTimeStatusForm::send(Status status)
{
    const QByteArray request = EscPos::realTimeStatus(int(status) + 1);
    if (m_type == CommType::Usb)
        emit sigRequestUsbSend(request, statusName(status), UsbReplyTimeoutMs);
    else
        emit sigSendData(m_type, request);
}

QString RealTimeStatusForm::decodeReply(const QString &cmd, const QString &payload)
{
    if (payload.trimmed().isEmpty())
        return QString();
    const unsigned value = firstHexValue(payload.trimmed());
    for (int status = 0; status < StatusReply::StatusCount; ++status) {
        if (cmd != statusName(status))
            continue;
        QString message = translated(kHeaders[status]);
        for (const StatusReply::Bit &b : StatusReply::bits()) {
            if (b.status != status || !b.whenSet)
                continue;
            const bool set = (value >> b.bit) & 1u;
            message += QLatin1Char('\t') + StatusReply::lineText(b, set) + QLatin1Char('\n');
        }
        return message;
    }
    return QString();
}
