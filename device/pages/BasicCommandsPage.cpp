// BaseDeviceManager: the operations of the page for buzzer, alarm, cutter, real-time status and cash drawer.
#include "device/BaseDeviceManager.h"

#include "commands/BuzzerAlarmForm.h"
#include "commands/CashBoxForm.h"
#include "commands/CuttingForm.h"
#include "commands/RealTimeStatusForm.h"
#include "device/pages/PageChoice.h"

void BaseDeviceManager::setBuzzerClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval)
{
    if (!builderReady(m_buzzerAlarmForm))
        return;
    m_buzzerAlarmForm->setBuzzerTimes(spinBuzzerAlarmTimes);
    m_buzzerAlarmForm->setBuzzerDuration(spinBuzzerAlarmInterval);
    m_buzzerAlarmForm->sendBuzzer();
    logAction(tr("%1 蜂鸣器设置:次数 %2 持续: %3 "), spinBuzzerAlarmTimes, spinBuzzerAlarmInterval);
}

void BaseDeviceManager::setBuzzerAlarmClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval, int buzzerAlarmNum)
{
    if (!builderReady(m_buzzerAlarmForm))
        return;
    const int mode = oneBasedChoice(buzzerAlarmNum, 4);
    m_buzzerAlarmForm->setAlarmTimes(spinBuzzerAlarmTimes);
    m_buzzerAlarmForm->setAlarmInterval(spinBuzzerAlarmInterval);
    m_buzzerAlarmForm->setAlarmMode(mode);
    m_buzzerAlarmForm->sendBuzzerAlarm();
    logAction(tr("%1 蜂鸣器闪灯设置 次数: %2 间隔: %3 模式: %4"), spinBuzzerAlarmTimes, spinBuzzerAlarmInterval, mode);
}

void BaseDeviceManager::setCutClicked(int cutMode, int spinFeedDistance)
{
    if (!builderReady(m_cuttingForm))
        return;
    const int mode = oneBasedChoice(cutMode, 3);
    m_cuttingForm->setCutMode(mode);
    m_cuttingForm->setFeedDistance(spinFeedDistance);
    m_cuttingForm->sendCut();
    logAction(tr("%1 切刀设置 模式: %2 进纸长度: %3 "), mode, spinFeedDistance);
}

void BaseDeviceManager::setPrinterStatusClicked()
{
    if (!builderReady(m_realTimeStatusForm))
        return;
    expectStatus(RealTimeStatusForm::PrinterStatus);
    m_realTimeStatusForm->sendPrinterStatus();
    logAction(tr("%1 获取打印机状态"));
}

void BaseDeviceManager::setOfflineStatusClicked()
{
    if (!builderReady(m_realTimeStatusForm))
        return;
    expectStatus(RealTimeStatusForm::OfflineStatus);
    m_realTimeStatusForm->sendOfflineStatus();
    logAction(tr("%1 获取脱机状态"));
}

void BaseDeviceManager::setErrorStatusClicked()
{
    if (!builderReady(m_realTimeStatusForm))
        return;
    expectStatus(RealTimeStatusForm::ErrorStatus);
    m_realTimeStatusForm->sendErrorStatus();
    logAction(tr("%1 获取错误状态"));
}

void BaseDeviceManager::setPaperStatusClicked()
{
    if (!builderReady(m_realTimeStatusForm))
        return;
    expectStatus(RealTimeStatusForm::PaperStatus);
    m_realTimeStatusForm->sendPaperStatus();
    logAction(tr("%1 获取传送纸状态"));
}

void BaseDeviceManager::setControlPulseClicked(int controlPin, int spinHighTime, int spinLowTime)
{
    if (!builderReady(m_cashBoxForm))
        return;
    const int pin = oneBasedChoice(controlPin, 2);
    m_cashBoxForm->setControlPin(pin);
    m_cashBoxForm->setControlHighTime(spinHighTime);
    m_cashBoxForm->setControlLowTime(spinLowTime);
    m_cashBoxForm->sendControlPulse();
    logAction(tr("%1 钱箱控制设置 引脚: %2 高电平时间: %3 低电平时间: %4"), pin, spinHighTime, spinLowTime);
}

void BaseDeviceManager::setOpenPulseClicked(int openPin, int spinHighLowTime)
{
    if (!builderReady(m_cashBoxForm))
        return;
    const int pin = oneBasedChoice(openPin, 2);
    m_cashBoxForm->setOpenPin(pin);
    m_cashBoxForm->setOpenTime(spinHighLowTime);
    m_cashBoxForm->sendOpenPulse();
    logAction(tr("%1 钱箱打开控制 引脚: %2 高低电平时间: %3 "), pin, spinHighLowTime);
}
