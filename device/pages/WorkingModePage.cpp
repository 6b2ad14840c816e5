// BaseDeviceManager: the operations of the page for text printing, feeding, line spacing and code page.
#include "device/BaseDeviceManager.h"

#include "commands/WorkingModeForm.h"

void BaseDeviceManager::setInitMachineClicked()
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->sendInitialize();
    logAction(tr("%1 工作模式初始化打印机"));
}

void BaseDeviceManager::setPrintAndLineFeedClicked(bool checkHex, const QString &editBuffer)
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->setHexMode(checkHex);
    m_workingModeForm->setText(editBuffer);
    if (!m_workingModeForm->sendPrintAndLineFeed()) {
        refuse(m_workingModeForm->encodingNotice());
        return;
    }
    logAction(tr("%1 工作模式打印并换行 hex: %2 内容: %3 "), checkHex, editBuffer);
}

void BaseDeviceManager::setPrintAndPaperFeedClicked(bool checkHex, const QString &editBuffer, int spinDistance)
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->setHexMode(checkHex);
    m_workingModeForm->setText(editBuffer);
    m_workingModeForm->setFeedDistance(spinDistance);
    if (!m_workingModeForm->sendPrintAndFeedUnits()) {
        refuse(m_workingModeForm->encodingNotice());
        return;
    }
    logAction(tr("%1 工作模式打印并走纸移动单位 hex: %2 内容: %3 走纸距离: %4"), checkHex, editBuffer, spinDistance);
}

void BaseDeviceManager::setPrintAndPaperFeedLineClicked(bool checkHex, const QString &editBuffer, int spinLineCount)
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->setHexMode(checkHex);
    m_workingModeForm->setText(editBuffer);
    m_workingModeForm->setLineCount(spinLineCount);
    if (!m_workingModeForm->sendPrintAndFeedLines()) {
        refuse(m_workingModeForm->encodingNotice());
        return;
    }
    logAction(tr("%1 工作模式打印并走纸英寸 hex: %2 内容: %3 行数: %4"), checkHex, editBuffer, spinLineCount);
}

void BaseDeviceManager::setSetDefaultLineSpaceClicked()
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->sendDefaultLineSpacing();
    logAction(tr("%1 工作模式设置默认行间距"));
}

void BaseDeviceManager::setSetLineSpaceClicked(int spinLineSpace)
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->setLineSpace(spinLineSpace);
    m_workingModeForm->sendLineSpacing();
    logAction(tr("%1 工作模式设置行间距 行间距: %2  "), spinLineSpace);
}

void BaseDeviceManager::setCodePageClicked(const QString &codePageText)
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->setCodePage(codePageText);
    logAction(tr("%1 工作模式设置输入框代码页: %2  "), codePageText);
}

void BaseDeviceManager::setPrintTextAsPictureClicked(const QString &editBuffer)
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->setText(editBuffer);
    if (!m_workingModeForm->sendTextAsPicture()) {
        refuse(tr("%1 文字无法绘制为图片，未发送").arg(modeName()));
        return;
    }
    logAction(tr("%1 工作模式文字作为图片打印 内容: %2 "), editBuffer);
}
