// BaseDeviceManager: the operations of the page for buzzer, alarm, cutter, real-time status and cash drawer.
#include "device/BaseDeviceManager.h"

#include "commands/BuzzerAlarmForm.h"
#include "commands/CashBoxForm.h"
#include "commands/CuttingForm.h"
#include "commands/RealTimeStatusForm.h"
#include "device/ReplyMatcher.h"

#include <QIODevice>
#include "device/pages/PageChoice.h"

void BaseDeviceManager::setBuzzerClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval)
{
    run(m_buzzerAlarmForm,
        [&](BuzzerAlarmForm &f) {
            f.setBuzzerTimes(spinBuzzerAlarmTimes);
            f.setBuzzerDuration(spinBuzzerAlarmInterval);
            f.sendBuzzer();
        },
        tr("%1 蜂鸣器设置:次数 %2 持续: %3 "), spinBuzzerAlarmTimes, spinBuzzerAlarmInterval);
}

void BaseDeviceManager::setBuzzerAlarmClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval, int buzzerAlarmNum)
{
    const int mode = oneBasedChoice(buzzerAlarmNum, 4);
    run(m_buzzerAlarmForm,
        [&](BuzzerAlarmForm &f) {
            f.setAlarmTimes(spinBuzzerAlarmTimes);
            f.setAlarmInterval(spinBuzzerAlarmInterval);
            f.setAlarmMode(mode);
            f.sendBuzzerAlarm();
        },
        tr("%1 蜂鸣器闪灯设置 次数: %2 间隔: %3 模式: %4"), spinBuzzerAlarmTimes, spinBuzzerAlarmInterval, mode);
}

void BaseDeviceManager::setCutClicked(int cutMode, int spinFeedDistance)
{
    const int mode = oneBasedChoice(cutMode, 3);
    run(m_cuttingForm,
        [&](CuttingForm &f) {
            f.setCutMode(mode);
            f.setFeedDistance(spinFeedDistance);
            f.sendCut();
        },
        tr("%1 切刀设置 模式: %2 进纸长度: %3 "), mode, spinFeedDistance);
}

// A status request first notes which answer it waits for, then asks. Over a
// stream what waits on the line is read away first, and the answer is the
// status byte that follows (slotReadyRead, by PrinterReplyReader's rules);
// only the last request asked waits, and it gives up unnoticed when none comes.
void BaseDeviceManager::requestStatus(int status, void (RealTimeStatusForm::*send)(), const QString &tmpl)
{
    run(m_realTimeStatusForm,
        [&](RealTimeStatusForm &f) {
            if (m_streamDevice && m_streamDevice->isOpen())
                m_replyReader.drop(m_streamDevice->readAll());
            if (m_streamDevice)
                m_replyReader.expect(PrinterReplyReader::Reply::RealTimeStatus);
            m_statusReplies->expect(RealTimeStatusForm::statusName(status), StatusReplyTimeoutMs);
            (f.*send)();
        },
        tmpl);
}

void BaseDeviceManager::setPrinterStatusClicked()
{
    requestStatus(RealTimeStatusForm::PrinterStatus, &RealTimeStatusForm::sendPrinterStatus, tr("%1 获取打印机状态"));
}

void BaseDeviceManager::setOfflineStatusClicked()
{
    requestStatus(RealTimeStatusForm::OfflineStatus, &RealTimeStatusForm::sendOfflineStatus, tr("%1 获取脱机状态"));
}

void BaseDeviceManager::setErrorStatusClicked()
{
    requestStatus(RealTimeStatusForm::ErrorStatus, &RealTimeStatusForm::sendErrorStatus, tr("%1 获取错误状态"));
}

void BaseDeviceManager::setPaperStatusClicked()
{
    requestStatus(RealTimeStatusForm::PaperStatus, &RealTimeStatusForm::sendPaperStatus, tr("%1 获取传送纸状态"));
}

void BaseDeviceManager::setControlPulseClicked(int controlPin, int spinHighTime, int spinLowTime)
{
    const int pin = oneBasedChoice(controlPin, 2);
    run(m_cashBoxForm,
        [&](CashBoxForm &f) {
            f.setControlPin(pin);
            f.setControlHighTime(spinHighTime);
            f.setControlLowTime(spinLowTime);
            f.sendControlPulse();
        },
        tr("%1 钱箱控制设置 引脚: %2 高电平时间: %3 低电平时间: %4"), pin, spinHighTime, spinLowTime);
}

void BaseDeviceManager::setOpenPulseClicked(int openPin, int spinHighLowTime)
{
    const int pin = oneBasedChoice(openPin, 2);
    run(m_cashBoxForm,
        [&](CashBoxForm &f) {
            f.setOpenPin(pin);
            f.setOpenTime(spinHighLowTime);
            f.sendOpenPulse();
        },
        tr("%1 钱箱打开控制 引脚: %2 高低电平时间: %3 "), pin, spinHighLowTime);
}
