// BaseDeviceManager: the operations of the page for printer parameters.
#include "device/BaseDeviceManager.h"

#include "commands/OtherForm.h"

namespace {

QString paperSizeName(int paperSize)
{
    switch (paperSize) {
    case 0: return QStringLiteral("58mm");
    case 1: return QStringLiteral("76mm");
    case 2: return QStringLiteral("80mm");
    default: return QString();
    }
}

// The names of the paper-gap choices stand untranslated in the log.
QString paperGapName(int paperGap)
{
    switch (paperGap) {
    case 0: return QStringLiteral("最小间距");
    case 1: return QStringLiteral("紧密排列");
    case 2: return QStringLiteral("默认间距");
    case 3: return QStringLiteral("宽松间距");
    default: return QString();
    }
}

} // namespace

void BaseDeviceManager::setCharacterClicked(int cmbInternationalCharacter)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setInternationalCharacter(cmbInternationalCharacter);
    m_otherForm->sendInternationalCharacter();
    logAction(tr("%1 国际字符集设置 选择: %2 "), cmbInternationalCharacter);
}

void BaseDeviceManager::setPrintModeClicked(int printModeCbbox)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPrintMode(printModeCbbox);
    m_otherForm->sendPrintMode();
    logAction(tr("%1 设置打印模式 选择: %2 "), printModeCbbox);
}

void BaseDeviceManager::setBuzzerSwitchClicked(int buzzerSwitchCbbox)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setBuzzerSwitch(buzzerSwitchCbbox);
    m_otherForm->sendBuzzerSwitch();
    logAction(tr("%1 设置蜂鸣器开关 选择: %2 "), buzzerSwitchCbbox);
}

void BaseDeviceManager::setKnifeSwitchClicked(int knifeSwitchCbbox)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setKnifeSwitch(knifeSwitchCbbox);
    m_otherForm->sendKnifeSwitch();
    logAction(tr("%1 设置切刀开关 选择: %2 "), knifeSwitchCbbox);
}

void BaseDeviceManager::setErrorBeepClicked(int errorBeepCbbox)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setErrorBeep(errorBeepCbbox);
    m_otherForm->sendErrorBeep();
    logAction(tr("%1 设置错误蜂鸣类型 选择: %2 "), errorBeepCbbox);
}

void BaseDeviceManager::setAlignmentClicked(int cmbAlignment)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setAlignment(cmbAlignment);
    m_otherForm->sendAlignment();
    logAction(tr("%1 对齐方式设置 选择: %2 "), cmbAlignment);
}

void BaseDeviceManager::setRotate90Clicked(int newCheckRotate90)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setRotate90(newCheckRotate90 != 0);
    m_otherForm->sendRotate90();
    logAction(tr("%1 顺时针旋转90度设置 选择: %2 "), newCheckRotate90);
}

void BaseDeviceManager::setInversionClicked(int checkInversion)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setInversion(checkInversion != 0);
    m_otherForm->sendInversion();
    logAction(tr("%1 倒置打印设置 选择: %2 "), checkInversion);
}

void BaseDeviceManager::setCharSizeClicked(int cmbCharWidth, int cmbCharHeight)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setCharSize(cmbCharWidth, cmbCharHeight);
    m_otherForm->sendCharSize();
    logAction(tr("%1 字符设置 宽: %2 高: %3 "), cmbCharWidth, cmbCharHeight);
}

void BaseDeviceManager::onSetNegativeClicked(bool checkNegative)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setNegative(checkNegative);
    m_otherForm->sendNegative();
    logAction(tr("%1 黑白反显设置 选择: %2 "), checkNegative);
}

void BaseDeviceManager::setLeftMarginClicked(int editLeftMarginL, int editLeftMarginH)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setLeftMargin(editLeftMarginL, editLeftMarginH);
    m_otherForm->sendLeftMargin();
    logAction(tr("%1 边距设置 边距低: %2 边距高: %3 "), editLeftMarginL, editLeftMarginH);
}

void BaseDeviceManager::setPrintAreaClicked(int editPrintAreaL, int editPrintAreaH)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPrintArea(editPrintAreaL, editPrintAreaH);
    m_otherForm->sendPrintArea();
    logAction(tr("%1 打印区域宽度设置 宽度低: %2 宽度高: %3 "), editPrintAreaL, editPrintAreaH);
}

void BaseDeviceManager::setUnitClicked(int editUnitX, int editUnitY)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setUnit(editUnitX, editUnitY);
    m_otherForm->sendUnit();
    logAction(tr("%1 设置横向和纵向移动单位 横向: %2 纵向: %3 "), editUnitX, editUnitY);
}

void BaseDeviceManager::setDensityClicked(int density)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setDensity(density);
    m_otherForm->sendDensity();
    logAction(tr("%1 稠度微调设置 值: %2 "), density);
}

void BaseDeviceManager::setPaperSizeClicked(int paperSize)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPaperSize(paperSize);
    m_otherForm->sendPaperSize();
    logAction(tr("%1 纸张大小 值: %2 "), paperSizeName(paperSize));
}

void BaseDeviceManager::setPaperGapClicked(int paperGap)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPaperGap(paperGap);
    m_otherForm->sendPaperGap();
    logAction(tr("%1 纸张间隙 : %2 "), paperGapName(paperGap));
}

void BaseDeviceManager::setPrintSpeedClicked(int printSpeed)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPrintSpeed(printSpeed);
    m_otherForm->sendPrintSpeed();
    logAction(tr("%1 打印速度设置 值: %2 "), printSpeed);
}

void BaseDeviceManager::setEnablePeripheralsClicked(bool checkKnife, bool checkBuzzer, bool checkCashBox)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPeripherals(checkKnife, checkBuzzer, checkCashBox);
    m_otherForm->sendPeripherals();
    logAction(tr("%1 启用切刀蜂鸣钱箱设置 切刀: %2 蜂鸣: %3 钱箱: %4"), checkKnife, checkBuzzer, checkCashBox);
}

void BaseDeviceManager::setPrintModelClicked(const QString &printModelName)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPrintModelName(printModelName);
    m_otherForm->sendPrintModel();
    logAction(tr("%1 设置机器型号 : %2 "), printModelName);
}

void BaseDeviceManager::setUSBUpgradeModeClicked()
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->sendUsbUpgradeMode();
    logAction(tr("%1 设置USB升级模式"));
}

void BaseDeviceManager::setRestoreFactorySettingsClicked()
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->sendRestoreFactorySettings();
    logAction(tr("%1 恢复出厂设置"));
}
