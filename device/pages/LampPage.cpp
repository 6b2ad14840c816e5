// BaseDeviceManager: the operations of the page for indicator lamps and their colours.
#include "device/BaseDeviceManager.h"

#include "commands/LampForm.h"

void BaseDeviceManager::setWaitLightSwitchClicked(int m_waitSwitch)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setWaitSwitch(m_waitSwitch);
    m_lampForm->sendWaitSwitch();
    logAction(tr("%1 待机灯种类 模式: %2 "), m_waitSwitch);
}

void BaseDeviceManager::setWorkClicked(int editWorkR, int editWorkG, int editWorkB)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setWork(editWorkR, editWorkG, editWorkB);
    m_lampForm->sendWork();
    logAction(tr("%1 工作灯 R: %2 G: %3 B: %4"), editWorkR, editWorkG, editWorkB);
}

void BaseDeviceManager::setPaperClicked(int editPaperR, int editPaperG, int editPaperB)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setPaper(editPaperR, editPaperG, editPaperB);
    m_lampForm->sendPaper();
    logAction(tr("%1 缺纸灯 R: %2 G: %3 B: %4"), editPaperR, editPaperG, editPaperB);
}

void BaseDeviceManager::setKnifeClicked(int editKnifeR, int editKnifeG, int editKnifeB)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setKnife(editKnifeR, editKnifeG, editKnifeB);
    m_lampForm->sendKnife();
    logAction(tr("%1 卡刀灯 R: %2 G: %3 B: %4"), editKnifeR, editKnifeG, editKnifeB);
}

void BaseDeviceManager::setHotClicked(int editHotR, int editHotG, int editHotB)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setHot(editHotR, editHotG, editHotB);
    m_lampForm->sendHot();
    logAction(tr("%1 过热灯 R: %2 G: %3 B: %4"), editHotR, editHotG, editHotB);
}

void BaseDeviceManager::setWaitClicked(int editWaitR, int editWaitG, int editWaitB)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setWait(editWaitR, editWaitG, editWaitB);
    m_lampForm->sendWait();
    logAction(tr("%1 待机灯常亮 R: %2 G: %3 B: %4"), editWaitR, editWaitG, editWaitB);
}

void BaseDeviceManager::setWaitTypeClicked(int m_waitType)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setWaitType(m_waitType);
    m_lampForm->sendWaitType();
    logAction(tr("%1 待机灯种类 模式: %2 "), m_waitType);
}
