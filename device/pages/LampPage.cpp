// BaseDeviceManager: the operations of the page for indicator lamps and their colours.
#include "device/BaseDeviceManager.h"

#include "commands/LampForm.h"

void BaseDeviceManager::setWaitLightSwitchClicked(int m_waitSwitch)
{
    setAndSend(m_lampForm, &LampForm::setWaitSwitch, &LampForm::sendWaitSwitch, tr("%1 待机灯种类 模式: %2 "),
               m_waitSwitch);
}

void BaseDeviceManager::setWorkClicked(int editWorkR, int editWorkG, int editWorkB)
{
    setAndSend(m_lampForm, &LampForm::setWork, &LampForm::sendWork, tr("%1 工作灯 R: %2 G: %3 B: %4"), editWorkR,
               editWorkG, editWorkB);
}

void BaseDeviceManager::setPaperClicked(int editPaperR, int editPaperG, int editPaperB)
{
    setAndSend(m_lampForm, &LampForm::setPaper, &LampForm::sendPaper, tr("%1 缺纸灯 R: %2 G: %3 B: %4"), editPaperR,
               editPaperG, editPaperB);
}

void BaseDeviceManager::setKnifeClicked(int editKnifeR, int editKnifeG, int editKnifeB)
{
    setAndSend(m_lampForm, &LampForm::setKnife, &LampForm::sendKnife, tr("%1 卡刀灯 R: %2 G: %3 B: %4"), editKnifeR,
               editKnifeG, editKnifeB);
}

void BaseDeviceManager::setHotClicked(int editHotR, int editHotG, int editHotB)
{
    setAndSend(m_lampForm, &LampForm::setHot, &LampForm::sendHot, tr("%1 过热灯 R: %2 G: %3 B: %4"), editHotR, editHotG,
               editHotB);
}

void BaseDeviceManager::setWaitClicked(int editWaitR, int editWaitG, int editWaitB)
{
    setAndSend(m_lampForm, &LampForm::setWait, &LampForm::sendWait, tr("%1 待机灯常亮 R: %2 G: %3 B: %4"), editWaitR,
               editWaitG, editWaitB);
}

void BaseDeviceManager::setWaitTypeClicked(int m_waitType)
{
    setAndSend(m_lampForm, &LampForm::setWaitType, &LampForm::sendWaitType, tr("%1 待机灯种类 模式: %2 "), m_waitType);
}
