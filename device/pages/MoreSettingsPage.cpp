// BaseDeviceManager: the operations of the page for more settings: network address, Bluetooth, instruction set, paper, speed, density, character mode and serial line.
#include "device/BaseDeviceManager.h"

#include "commands/MoreSettings.h"
#include "commands/NetworkForm.h"

void BaseDeviceManager::setNetworkClicked(const QString &editIP, const QString &editMask, const QString &editGateway, int m_dhcp, int m_beep, int m_cut, int m_beepType, int m_printMode, int m_density)
{
    handOver(m_networkForm, &NetworkForm::sendNetwork,
             tr("%1 更多设置-tcp模式以太网设置 IP: %2  Mask: %3  Gateway: %4  dhcp: %5  beep: %6  cut: %7  beepType: %8  printMode: %9  density: %10 "),
             editIP, editMask, editGateway, m_dhcp, m_beep, m_cut, m_beepType, m_printMode, m_density);
}

void BaseDeviceManager::setTestClicked()
{
    logAction(tr("%1 更多设置 点击"));
}

void BaseDeviceManager::setSearchBluetoothAddressClicked()
{
    run(m_moreSettings, &MoreSettings::searchBluetoothAddress, tr("%1 查询蓝牙地址  "));
}

void BaseDeviceManager::setSearchBluetoothNameClicked()
{
    run(m_moreSettings, &MoreSettings::searchBluetoothName, tr("%1 查询蓝牙名称  "));
}

void BaseDeviceManager::setSearchBluetoothPinCodeClicked()
{
    run(m_moreSettings, &MoreSettings::searchBluetoothPinCode, tr("%1 查询蓝牙配对码  "));
}

// A text setting is refused, and nothing sent, when it is longer than its
// command carries; refusalTmpl says so, tmpl logs what was sent.
void BaseDeviceManager::sendSettingText(void (MoreSettings::*set)(const QString &), bool (MoreSettings::*send)(),
                                        const QString &text, const QString &refusalTmpl, const QString &tmpl)
{
    runOrRefuse(m_moreSettings,
                [&](MoreSettings &m) {
                    (m.*set)(text);
                    return (m.*send)() ? QString() : tooLong(refusalTmpl, MoreSettings::encodedSize(text));
                },
                tmpl, text);
}

void BaseDeviceManager::setBluetoothNameClicked(const QString &bluName)
{
    sendSettingText(&MoreSettings::setBluetoothName, &MoreSettings::sendBluetoothName, bluName,
                    tr("%1 蓝牙名称过长 (%2 字节，最多 %3 字节)，未发送"), tr("%1 设置蓝牙名称 : %2 "));
}

void BaseDeviceManager::setBluetoothCodeNameClicked(const QString &blucodeName)
{
    sendSettingText(&MoreSettings::setBluetoothCode, &MoreSettings::sendBluetoothCode, blucodeName,
                    tr("%1 蓝牙配对码过长 (%2 字节，最多 %3 字节)，未发送"), tr("%1 设置蓝牙配对码 : %2 "));
}

void BaseDeviceManager::setSearchPrintInstructionClicked()
{
    run(m_moreSettings, &MoreSettings::searchPrintInstruction, tr("%1 查询打印指令集"));
}

void BaseDeviceManager::setPrintInstructionClicked(int cbPrintInstruction)
{
    setAndSend(m_moreSettings, &MoreSettings::setPrintInstruction, &MoreSettings::sendPrintInstruction,
               tr("%1 设置打印指令集 : %2 "), cbPrintInstruction);
}

void BaseDeviceManager::setSearchPaperTypeClicked()
{
    run(m_moreSettings, &MoreSettings::searchPaperType, tr("%1 查询纸张类型"));
}

void BaseDeviceManager::setPaperTypeClicked(int cbPaperType)
{
    setAndSend(m_moreSettings, &MoreSettings::setPaperType, &MoreSettings::sendPaperType, tr("%1 设置纸张类型 : %2 "),
               cbPaperType);
}

void BaseDeviceManager::setSearchPrintSpeedModeClicked()
{
    run(m_moreSettings, &MoreSettings::searchPrintSpeedMode, tr("%1 查询打印速度模式"));
}

void BaseDeviceManager::setPrintSpeedModeClicked(int cbPrintSpeedMode)
{
    setAndSend(m_moreSettings, &MoreSettings::setPrintSpeedMode, &MoreSettings::sendPrintSpeedMode,
               tr("%1 设置打印速度模式 : %2 "), cbPrintSpeedMode);
}

void BaseDeviceManager::setSearchPrintDensityModeClicked()
{
    run(m_moreSettings, &MoreSettings::searchPrintDensityMode, tr("%1 查询打印浓度模式"));
}

void BaseDeviceManager::setPrintDensityModeClicked(int cbPrintDensityMode)
{
    setAndSend(m_moreSettings, &MoreSettings::setPrintDensityMode, &MoreSettings::sendPrintDensityMode,
               tr("%1 设置打印浓度模式 : %2 "), cbPrintDensityMode);
}

void BaseDeviceManager::setSearchCharacterModeModeClicked()
{
    run(m_moreSettings, &MoreSettings::searchCharacterMode, tr("%1 查询字符集"));
}

void BaseDeviceManager::setCharacterModeClicked(int cbCharacterMode)
{
    setAndSend(m_moreSettings, &MoreSettings::setCharacterMode, &MoreSettings::sendCharacterMode,
               tr("%1 设置字符集 : %2 "), cbCharacterMode);
}

void BaseDeviceManager::setBaudrateClicked(int cmbBaudrate)
{
    setAndSend(m_moreSettings, &MoreSettings::setBaudrate, &MoreSettings::sendBaudrate, tr("%1 设置波特率 : %2 "),
               cmbBaudrate);
}

void BaseDeviceManager::setSearchBaudrateClicked()
{
    run(m_moreSettings, &MoreSettings::searchBaudrate, tr("%1 查询波特率"));
}

// Data bits, parity and stop bits have no command of their own: the builder
// sends its placeholder and the choice is only logged.
void BaseDeviceManager::setDataBitsClicked(int cmbDataBits)
{
    run(m_moreSettings, &MoreSettings::sendDataBits, tr("%1 设置数据位 : %2 "), cmbDataBits);
}

void BaseDeviceManager::setSearchDataBitsClicked()
{
    run(m_moreSettings, &MoreSettings::searchDataBits, tr("%1 查询数据位"));
}

void BaseDeviceManager::setParityClicked(int cmbParity)
{
    run(m_moreSettings, &MoreSettings::sendParity, tr("%1 设置校验位 : %2 "), cmbParity);
}

void BaseDeviceManager::setSearchParityClicked()
{
    run(m_moreSettings, &MoreSettings::searchParity, tr("%1 查询校验位"));
}

void BaseDeviceManager::setStopBitsClicked(int cmbStopBits)
{
    run(m_moreSettings, &MoreSettings::sendStopBits, tr("%1 设置停止位 : %2 "), cmbStopBits);
}

void BaseDeviceManager::setSearchStopBitsClicked()
{
    run(m_moreSettings, &MoreSettings::searchStopBits, tr("%1 查询停止位"));
}
