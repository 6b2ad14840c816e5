// BaseDeviceManager: the operations of the page for more settings: network address, Bluetooth, instruction set, paper, speed, density, character mode and serial line.
#include "device/BaseDeviceManager.h"

#include "commands/MoreSettings.h"
#include "commands/NetworkForm.h"

void BaseDeviceManager::setNetworkClicked(const QString &editIP, const QString &editMask, const QString &editGateway, int m_dhcp, int m_beep, int m_cut, int m_beepType, int m_printMode, int m_density)
{
    if (!builderReady(m_networkForm))
        return;
    m_networkForm->sendNetwork(editIP, editMask, editGateway, m_dhcp, m_beep, m_cut, m_beepType, m_printMode, m_density);
    logAction(tr("%1 更多设置-tcp模式以太网设置 IP: %2  Mask: %3  Gateway: %4  dhcp: %5  beep: %6  cut: %7  beepType: %8  printMode: %9  density: %10 "), editIP, editMask, editGateway, m_dhcp, m_beep, m_cut, m_beepType, m_printMode, m_density);
}

void BaseDeviceManager::setTestClicked()
{
    logAction(tr("%1 更多设置 点击"));
}

void BaseDeviceManager::setSearchBluetoothAddressClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchBluetoothAddress();
    logAction(tr("%1 查询蓝牙地址  "));
}

void BaseDeviceManager::setSearchBluetoothNameClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchBluetoothName();
    logAction(tr("%1 查询蓝牙名称  "));
}

void BaseDeviceManager::setSearchBluetoothPinCodeClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchBluetoothPinCode();
    logAction(tr("%1 查询蓝牙配对码  "));
}

void BaseDeviceManager::setBluetoothNameClicked(const QString &bluName)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setBluetoothName(bluName);
    m_moreSettings->sendBluetoothName();
    logAction(tr("%1 设置蓝牙名称 : %2 "), bluName);
}

void BaseDeviceManager::setBluetoothCodeNameClicked(const QString &blucodeName)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setBluetoothCode(blucodeName);
    m_moreSettings->sendBluetoothCode();
    logAction(tr("%1 设置蓝牙配对码 : %2 "), blucodeName);
}

void BaseDeviceManager::setSearchPrintInstructionClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchPrintInstruction();
    logAction(tr("%1 查询打印指令集"));
}

void BaseDeviceManager::setPrintInstructionClicked(int cbPrintInstruction)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setPrintInstruction(cbPrintInstruction);
    m_moreSettings->sendPrintInstruction();
    logAction(tr("%1 设置打印指令集 : %2 "), cbPrintInstruction);
}

void BaseDeviceManager::setSearchPaperTypeClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchPaperType();
    logAction(tr("%1 查询纸张类型"));
}

void BaseDeviceManager::setPaperTypeClicked(int cbPaperType)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setPaperType(cbPaperType);
    m_moreSettings->sendPaperType();
    logAction(tr("%1 设置纸张类型 : %2 "), cbPaperType);
}

void BaseDeviceManager::setSearchPrintSpeedModeClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchPrintSpeedMode();
    logAction(tr("%1 查询打印速度模式"));
}

void BaseDeviceManager::setPrintSpeedModeClicked(int cbPrintSpeedMode)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setPrintSpeedMode(cbPrintSpeedMode);
    m_moreSettings->sendPrintSpeedMode();
    logAction(tr("%1 设置打印速度模式 : %2 "), cbPrintSpeedMode);
}

void BaseDeviceManager::setSearchPrintDensityModeClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchPrintDensityMode();
    logAction(tr("%1 查询打印浓度模式"));
}

void BaseDeviceManager::setPrintDensityModeClicked(int cbPrintDensityMode)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setPrintDensityMode(cbPrintDensityMode);
    m_moreSettings->sendPrintDensityMode();
    logAction(tr("%1 设置打印浓度模式 : %2 "), cbPrintDensityMode);
}

void BaseDeviceManager::setSearchCharacterModeModeClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchCharacterMode();
    logAction(tr("%1 查询字符集"));
}

void BaseDeviceManager::setCharacterModeClicked(int cbCharacterMode)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setCharacterMode(cbCharacterMode);
    m_moreSettings->sendCharacterMode();
    logAction(tr("%1 设置字符集 : %2 "), cbCharacterMode);
}

void BaseDeviceManager::setBaudrateClicked(int cmbBaudrate)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setBaudrate(cmbBaudrate);
    m_moreSettings->sendBaudrate();
    logAction(tr("%1 设置波特率 : %2 "), cmbBaudrate);
}

void BaseDeviceManager::setSearchBaudrateClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchBaudrate();
    logAction(tr("%1 查询波特率"));
}

void BaseDeviceManager::setDataBitsClicked(int cmbDataBits)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->sendDataBits();
    logAction(tr("%1 设置数据位 : %2 "), cmbDataBits);
}

void BaseDeviceManager::setSearchDataBitsClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchDataBits();
    logAction(tr("%1 查询数据位"));
}

void BaseDeviceManager::setParityClicked(int cmbParity)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->sendParity();
    logAction(tr("%1 设置校验位 : %2 "), cmbParity);
}

void BaseDeviceManager::setSearchParityClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchParity();
    logAction(tr("%1 查询校验位"));
}

void BaseDeviceManager::setStopBitsClicked(int cmbStopBits)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->sendStopBits();
    logAction(tr("%1 设置停止位 : %2 "), cmbStopBits);
}

void BaseDeviceManager::setSearchStopBitsClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchStopBits();
    logAction(tr("%1 查询停止位"));
}
