// BaseDeviceManager: the operations of the page for text printing, feeding, line spacing and code page.
#include "device/BaseDeviceManager.h"

#include "commands/WorkingModeForm.h"

void BaseDeviceManager::setInitMachineClicked()
{
    run(m_workingModeForm, &WorkingModeForm::sendInitialize, tr("%1 工作模式初始化打印机"));
}

void BaseDeviceManager::setPrintAndLineFeedClicked(bool checkHex, const QString &editBuffer)
{
    run(m_workingModeForm,
        [&](WorkingModeForm &f) {
            f.setHexMode(checkHex);
            f.setText(editBuffer);
            f.sendPrintAndLineFeed();
        },
        tr("%1 工作模式打印并换行 hex: %2 内容: %3 "), checkHex, editBuffer);
}

void BaseDeviceManager::setPrintAndPaperFeedClicked(bool checkHex, const QString &editBuffer, int spinDistance)
{
    run(m_workingModeForm,
        [&](WorkingModeForm &f) {
            f.setHexMode(checkHex);
            f.setText(editBuffer);
            f.setFeedDistance(spinDistance);
            f.sendPrintAndFeedUnits();
        },
        tr("%1 工作模式打印并走纸移动单位 hex: %2 内容: %3 走纸距离: %4"), checkHex, editBuffer, spinDistance);
}

void BaseDeviceManager::setPrintAndPaperFeedLineClicked(bool checkHex, const QString &editBuffer, int spinLineCount)
{
    run(m_workingModeForm,
        [&](WorkingModeForm &f) {
            f.setHexMode(checkHex);
            f.setText(editBuffer);
            f.setLineCount(spinLineCount);
            f.sendPrintAndFeedLines();
        },
        tr("%1 工作模式打印并走纸英寸 hex: %2 内容: %3 行数: %4"), checkHex, editBuffer, spinLineCount);
}

void BaseDeviceManager::setSetDefaultLineSpaceClicked()
{
    run(m_workingModeForm, &WorkingModeForm::sendDefaultLineSpacing, tr("%1 工作模式设置默认行间距"));
}

void BaseDeviceManager::setSetLineSpaceClicked(int spinLineSpace)
{
    setAndSend(m_workingModeForm, &WorkingModeForm::setLineSpace, &WorkingModeForm::sendLineSpacing,
               tr("%1 工作模式设置行间距 行间距: %2  "), spinLineSpace);
}

void BaseDeviceManager::setCodePageClicked(const QString &codePageText)
{
    // Only stored: the code page applies to the text of the next print.
    handOver(m_workingModeForm, &WorkingModeForm::setCodePage, tr("%1 工作模式设置输入框代码页: %2  "), codePageText);
}
