// BaseDeviceManager: the operations of the page for text printing, feeding, line spacing and code page.
#include "device/BaseDeviceManager.h"

#include "commands/WorkingModeForm.h"

void BaseDeviceManager::setInitMachineClicked()
{
    run(m_workingModeForm, &WorkingModeForm::sendInitialize, tr("%1 工作模式初始化打印机"));
}

void BaseDeviceManager::setPrintAndLineFeedClicked(bool checkHex, const QString &editBuffer)
{
    runOrRefuse(m_workingModeForm,
                [&](WorkingModeForm &f) {
                    f.setHexMode(checkHex);
                    f.setText(editBuffer);
                    return f.sendPrintAndLineFeed() ? QString() : f.encodingNotice();
                },
                tr("%1 工作模式打印并换行 hex: %2 内容: %3 "), checkHex, editBuffer);
}

void BaseDeviceManager::setPrintAndPaperFeedClicked(bool checkHex, const QString &editBuffer, int spinDistance)
{
    runOrRefuse(m_workingModeForm,
                [&](WorkingModeForm &f) {
                    f.setHexMode(checkHex);
                    f.setText(editBuffer);
                    f.setFeedDistance(spinDistance);
                    return f.sendPrintAndFeedUnits() ? QString() : f.encodingNotice();
                },
                tr("%1 工作模式打印并走纸移动单位 hex: %2 内容: %3 走纸距离: %4"), checkHex, editBuffer, spinDistance);
}

void BaseDeviceManager::setPrintAndPaperFeedLineClicked(bool checkHex, const QString &editBuffer, int spinLineCount)
{
    runOrRefuse(m_workingModeForm,
                [&](WorkingModeForm &f) {
                    f.setHexMode(checkHex);
                    f.setText(editBuffer);
                    f.setLineCount(spinLineCount);
                    return f.sendPrintAndFeedLines() ? QString() : f.encodingNotice();
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
    // Only kept in the builder: the code page applies to the text of the next
    // print, so it needs no link.
    keepValues(m_workingModeForm, &WorkingModeForm::setCodePage, tr("%1 工作模式设置输入框代码页: %2  "), codePageText);
}

void BaseDeviceManager::setPrintTextAsPictureClicked(const QString &editBuffer)
{
    runOrRefuse(m_workingModeForm,
                [&](WorkingModeForm &f) {
                    f.setText(editBuffer);
                    return f.sendTextAsPicture() ? QString() : tr("%1 文字无法绘制为图片，未发送").arg(modeName());
                },
                tr("%1 工作模式文字作为图片打印 内容: %2 "), editBuffer);
}
