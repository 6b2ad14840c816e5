#include "commands/StatusReply.h"

#include <QCoreApplication>

const std::vector<StatusReply::Bit> &StatusReply::bits()
{
    static const std::vector<Bit> table = {
        {0, 2, DrawerClosed, false, QT_TRANSLATE_NOOP("RealTimeStatusForm", "两个钱箱都关闭"),
         QT_TRANSLATE_NOOP("RealTimeStatusForm", "一个或两个钱箱打开")},
        {0, 3, Offline, true, QT_TRANSLATE_NOOP("RealTimeStatusForm", "脱机"),
         QT_TRANSLATE_NOOP("RealTimeStatusForm", "联机")},
        {1, 2, CoverOpen, true, QT_TRANSLATE_NOOP("RealTimeStatusForm", "上盖开"),
         QT_TRANSLATE_NOOP("RealTimeStatusForm", "上盖关")},
        {1, 3, FeedButton, false, QT_TRANSLATE_NOOP("RealTimeStatusForm", "按下走纸键"),
         QT_TRANSLATE_NOOP("RealTimeStatusForm", "未按走纸键")},
        {1, 5, PaperStopped, true, QT_TRANSLATE_NOOP("RealTimeStatusForm", "打印机缺纸"),
         QT_TRANSLATE_NOOP("RealTimeStatusForm", "打印机不缺纸")},
        {1, 6, ErrorOccurred, true, QT_TRANSLATE_NOOP("RealTimeStatusForm", "有错误情况"),
         QT_TRANSLATE_NOOP("RealTimeStatusForm", "没有出错情况")},
        {2, 2, MechanicalError, true, nullptr, nullptr},
        {2, 3, CutterError, true, QT_TRANSLATE_NOOP("RealTimeStatusForm", "切刀有错误"),
         QT_TRANSLATE_NOOP("RealTimeStatusForm", "切刀无错误")},
        {2, 5, UnrecoverableError, true, QT_TRANSLATE_NOOP("RealTimeStatusForm", "有不可恢复错误"),
         QT_TRANSLATE_NOOP("RealTimeStatusForm", "无不可恢复错误")},
        {2, 6, AutoRecoverableError, true, QT_TRANSLATE_NOOP("RealTimeStatusForm", "打印头温度或电压超出范围"),
         QT_TRANSLATE_NOOP("RealTimeStatusForm", "打印头温度和电压正常")},
        {3, 2, PaperNearEnd, false, nullptr, nullptr},
        {3, 3, PaperNearEnd, false, nullptr, nullptr},
        {3, 5, PaperEnd, true, QT_TRANSLATE_NOOP("RealTimeStatusForm", "纸尽"),
         QT_TRANSLATE_NOOP("RealTimeStatusForm", "有纸")},
        {3, 6, PaperEnd, true, nullptr, nullptr},
    };
    return table;
}

QString StatusReply::lineText(const Bit &bit, bool set)
{
    const char *text = set ? bit.whenSet : bit.whenClear;
    return text ? QCoreApplication::translate("RealTimeStatusForm", text) : QString();
}

bool StatusReply::isStatusByte(quint8 byte)
{
    return (byte & FixedBitsMask) == FixedBitsValue;
}

void StatusReply::setByte(int status, quint8 byte)
{
    if (status < 0 || status >= StatusCount)
        return;
    m_bytes[status] = byte;
    m_have[status] = true;
}

bool StatusReply::hasByte(int status) const
{
    return status >= 0 && status < StatusCount && m_have[status];
}

quint8 StatusReply::byte(int status) const
{
    return hasByte(status) ? m_bytes[status] : 0;
}

bool StatusReply::isComplete() const
{
    for (bool have : m_have) {
        if (!have)
            return false;
    }
    return true;
}

bool StatusReply::has(Condition condition) const
{
    for (const Bit &b : bits()) {
        if (b.condition == condition && m_have[b.status] && ((m_bytes[b.status] >> b.bit) & 1u))
            return true;
    }
    return false;
}
