#include "commands/RealTimeStatusForm.h"

#include "commands/EscPos.h"

#include <QCoreApplication>

namespace {

struct BitText
{
    int bit;
    const char *whenSet;
    const char *whenClear;
};

struct StatusLayout
{
    const char *name;
    const char *header;
    std::initializer_list<BitText> bits;
};

const StatusLayout kLayouts[] = {
    {"PrinterStatus", QT_TRANSLATE_NOOP("RealTimeStatusForm", "打印机状态:\n"),
     {{2, QT_TRANSLATE_NOOP("RealTimeStatusForm", "两个钱箱都关闭"),
       QT_TRANSLATE_NOOP("RealTimeStatusForm", "一个或两个钱箱打开")},
      {3, QT_TRANSLATE_NOOP("RealTimeStatusForm", "脱机"), QT_TRANSLATE_NOOP("RealTimeStatusForm", "联机")}}},
    {"OfflineStatus", QT_TRANSLATE_NOOP("RealTimeStatusForm", "脱机状态:\n"),
     {{2, QT_TRANSLATE_NOOP("RealTimeStatusForm", "上盖开"), QT_TRANSLATE_NOOP("RealTimeStatusForm", "上盖关")},
      {3, QT_TRANSLATE_NOOP("RealTimeStatusForm", "按下走纸键"),
       QT_TRANSLATE_NOOP("RealTimeStatusForm", "未按走纸键")},
      {5, QT_TRANSLATE_NOOP("RealTimeStatusForm", "打印机缺纸"),
       QT_TRANSLATE_NOOP("RealTimeStatusForm", "打印机不缺纸")},
      {6, QT_TRANSLATE_NOOP("RealTimeStatusForm", "有错误情况"),
       QT_TRANSLATE_NOOP("RealTimeStatusForm", "没有出错情况")}}},
    {"ErrorStatus", QT_TRANSLATE_NOOP("RealTimeStatusForm", "错误状态:\n"),
     {{3, QT_TRANSLATE_NOOP("RealTimeStatusForm", "切刀有错误"),
       QT_TRANSLATE_NOOP("RealTimeStatusForm", "切刀无错误")},
      {5, QT_TRANSLATE_NOOP("RealTimeStatusForm", "有不可恢复错误"),
       QT_TRANSLATE_NOOP("RealTimeStatusForm", "无不可恢复错误")},
      {6, QT_TRANSLATE_NOOP("RealTimeStatusForm", "打印头温度或电压超出范围"),
       QT_TRANSLATE_NOOP("RealTimeStatusForm", "打印头温度和电压正常")}}},
    {"PaperStatus", QT_TRANSLATE_NOOP("RealTimeStatusForm", "传送纸状态:\n"),
     {{5, QT_TRANSLATE_NOOP("RealTimeStatusForm", "纸尽"), QT_TRANSLATE_NOOP("RealTimeStatusForm", "有纸")}}},
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
    for (const StatusLayout &layout : kLayouts) {
        if (cmd != QLatin1String(layout.name))
            continue;
        QString message = translated(layout.header);
        for (const BitText &b : layout.bits) {
            const bool set = (value >> b.bit) & 1u;
            message += QLatin1Char('\t') + translated(set ? b.whenSet : b.whenClear) + QLatin1Char('\n');
        }
        return message;
    }
    return QString();
}
