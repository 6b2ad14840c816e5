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
    setAndSend(m_otherForm, &OtherForm::setInternationalCharacter, &OtherForm::sendInternationalCharacter,
               tr("%1 国际字符集设置 选择: %2 "), cmbInternationalCharacter);
}

void BaseDeviceManager::setPrintModeClicked(int printModeCbbox)
{
    setAndSend(m_otherForm, &OtherForm::setPrintMode, &OtherForm::sendPrintMode, tr("%1 设置打印模式 选择: %2 "),
               printModeCbbox);
}

void BaseDeviceManager::setBuzzerSwitchClicked(int buzzerSwitchCbbox)
{
    setAndSend(m_otherForm, &OtherForm::setBuzzerSwitch, &OtherForm::sendBuzzerSwitch,
               tr("%1 设置蜂鸣器开关 选择: %2 "), buzzerSwitchCbbox);
}

void BaseDeviceManager::setKnifeSwitchClicked(int knifeSwitchCbbox)
{
    setAndSend(m_otherForm, &OtherForm::setKnifeSwitch, &OtherForm::sendKnifeSwitch, tr("%1 设置切刀开关 选择: %2 "),
               knifeSwitchCbbox);
}

void BaseDeviceManager::setErrorBeepClicked(int errorBeepCbbox)
{
    setAndSend(m_otherForm, &OtherForm::setErrorBeep, &OtherForm::sendErrorBeep, tr("%1 设置错误蜂鸣类型 选择: %2 "),
               errorBeepCbbox);
}

void BaseDeviceManager::setAlignmentClicked(int cmbAlignment)
{
    setAndSend(m_otherForm, &OtherForm::setAlignment, &OtherForm::sendAlignment, tr("%1 对齐方式设置 选择: %2 "),
               cmbAlignment);
}

void BaseDeviceManager::setRotate90Clicked(int newCheckRotate90)
{
    run(m_otherForm,
        [&](OtherForm &f) {
            f.setRotate90(newCheckRotate90 != 0);
            f.sendRotate90();
        },
        tr("%1 顺时针旋转90度设置 选择: %2 "), newCheckRotate90);
}

void BaseDeviceManager::setInversionClicked(int checkInversion)
{
    run(m_otherForm,
        [&](OtherForm &f) {
            f.setInversion(checkInversion != 0);
            f.sendInversion();
        },
        tr("%1 倒置打印设置 选择: %2 "), checkInversion);
}

void BaseDeviceManager::setCharSizeClicked(int cmbCharWidth, int cmbCharHeight)
{
    setAndSend(m_otherForm, &OtherForm::setCharSize, &OtherForm::sendCharSize, tr("%1 字符设置 宽: %2 高: %3 "),
               cmbCharWidth, cmbCharHeight);
}

void BaseDeviceManager::onSetNegativeClicked(bool checkNegative)
{
    setAndSend(m_otherForm, &OtherForm::setNegative, &OtherForm::sendNegative, tr("%1 黑白反显设置 选择: %2 "),
               checkNegative);
}

void BaseDeviceManager::setLeftMarginClicked(int editLeftMarginL, int editLeftMarginH)
{
    setAndSend(m_otherForm, &OtherForm::setLeftMargin, &OtherForm::sendLeftMargin,
               tr("%1 边距设置 边距低: %2 边距高: %3 "), editLeftMarginL, editLeftMarginH);
}

void BaseDeviceManager::setPrintAreaClicked(int editPrintAreaL, int editPrintAreaH)
{
    setAndSend(m_otherForm, &OtherForm::setPrintArea, &OtherForm::sendPrintArea,
               tr("%1 打印区域宽度设置 宽度低: %2 宽度高: %3 "), editPrintAreaL, editPrintAreaH);
}

void BaseDeviceManager::setUnitClicked(int editUnitX, int editUnitY)
{
    setAndSend(m_otherForm, &OtherForm::setUnit, &OtherForm::sendUnit,
               tr("%1 设置横向和纵向移动单位 横向: %2 纵向: %3 "), editUnitX, editUnitY);
}

void BaseDeviceManager::setDensityClicked(int density)
{
    setAndSend(m_otherForm, &OtherForm::setDensity, &OtherForm::sendDensity, tr("%1 稠度微调设置 值: %2 "), density);
}

void BaseDeviceManager::setPaperSizeClicked(int paperSize)
{
    run(m_otherForm,
        [&](OtherForm &f) {
            f.setPaperSize(paperSize);
            f.sendPaperSize();
        },
        tr("%1 纸张大小 值: %2 "), paperSizeName(paperSize));
}

void BaseDeviceManager::setPaperGapClicked(int paperGap)
{
    run(m_otherForm,
        [&](OtherForm &f) {
            f.setPaperGap(paperGap);
            f.sendPaperGap();
        },
        tr("%1 纸张间隙 : %2 "), paperGapName(paperGap));
}

void BaseDeviceManager::setPrintSpeedClicked(int printSpeed)
{
    setAndSend(m_otherForm, &OtherForm::setPrintSpeed, &OtherForm::sendPrintSpeed, tr("%1 打印速度设置 值: %2 "),
               printSpeed);
}

void BaseDeviceManager::setEnablePeripheralsClicked(bool checkKnife, bool checkBuzzer, bool checkCashBox)
{
    setAndSend(m_otherForm, &OtherForm::setPeripherals, &OtherForm::sendPeripherals,
               tr("%1 启用切刀蜂鸣钱箱设置 切刀: %2 蜂鸣: %3 钱箱: %4"), checkKnife, checkBuzzer, checkCashBox);
}

void BaseDeviceManager::setPrintModelClicked(const QString &printModelName)
{
    setAndSend(m_otherForm, &OtherForm::setPrintModelName, &OtherForm::sendPrintModel, tr("%1 设置机器型号 : %2 "),
               printModelName);
}

void BaseDeviceManager::setUSBUpgradeModeClicked()
{
    run(m_otherForm, &OtherForm::sendUsbUpgradeMode, tr("%1 设置USB升级模式"));
}

void BaseDeviceManager::setRestoreFactorySettingsClicked()
{
    run(m_otherForm, &OtherForm::sendRestoreFactorySettings, tr("%1 恢复出厂设置"));
}
