// BaseDeviceManager: the operations of the page for test prints and their stored contents.
#include "device/BaseDeviceManager.h"

#include "commands/PrintTest.h"

void BaseDeviceManager::setTestPrintPicturesClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->printPicture();
    logAction(tr("%1 测试打印图片"));
}

void BaseDeviceManager::setTestPrintBarcodeClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->printBarcode();
    logAction(tr("%1 测试打印条码"));
}

void BaseDeviceManager::setTestPrintTestPageClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->printTestPage();
    logAction(tr("%1 测试打印测试页"));
}

void BaseDeviceManager::setTestPrint58ReceiptsClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->print58Receipt();
    logAction(tr("%1 测试打印58小票"));
}

void BaseDeviceManager::setTestPrint76ReceiptsClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->print76Receipt();
    logAction(tr("%1 测试打印76小票"));
}

void BaseDeviceManager::setTestPrint80ReceiptsClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->print80Receipt();
    logAction(tr("%1 测试打印80小票"));
}

void BaseDeviceManager::setTestPrintSelfCheckClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->printSelfTest();
    logAction(tr("%1 测试打印自检页"));
}

void BaseDeviceManager::setTestBitMapPathClicked(const QString &bitMapPath)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeBitMapPath(bitMapPath);
    logAction(tr("%1 设置打印图片地址:%2 "), bitMapPath);
}

void BaseDeviceManager::setTestBarCodeTypeClicked(const QString &barCodeType)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeBarCodeType(barCodeType);
    logAction(tr("%1 设置打印条码类型:%2 "), barCodeType);
}

void BaseDeviceManager::setTestBarCodeValueClicked(const QString &barCodeValue)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeBarCodeValue(barCodeValue);
    logAction(tr("%1 设置打印条码值:%2 "), barCodeValue);
}

void BaseDeviceManager::setTestPageTextClicked(const QString &textPageText)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeTestPageText(textPageText);
    logAction(tr("%1 设置测试页:%2 "), textPageText);
}

void BaseDeviceManager::setTestReceipt58TextClicked(const QString &receupt58Text)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeReceiptText(PrintTest::Receipt58, receupt58Text);
    logAction(tr("%1 设置打印58小票值:%2 "), receupt58Text);
}

void BaseDeviceManager::setTestReceipt76TextClicked(const QString &receupt76Text)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeReceiptText(PrintTest::Receipt76, receupt76Text);
    logAction(tr("%1 设置打印76小票值:%2 "), receupt76Text);
}

void BaseDeviceManager::setTestReceipt80TextClicked(const QString &receupt80Text)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeReceiptText(PrintTest::Receipt80, receupt80Text);
    logAction(tr("%1 设置打印80小票值:%2 "), receupt80Text);
}

void BaseDeviceManager::setAsTestPrintImageClicked(const QString &imagePath)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->adoptTestImage(imagePath);
    logAction(tr("%1 设置为测试打印图片:%2 "), imagePath);
}

void BaseDeviceManager::setAsTestDefaultImageClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->restoreDefaultImage();
    logAction(tr("%1 重置为默认图片"));
}

void BaseDeviceManager::setTestBarCodeTypeAndContentClicked(const QString &bcType, const QString &bcContent)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeBarCodeType(bcType);
    m_printTest->storeBarCodeValue(bcContent);
    logAction(tr("%1 设置测试打印条码 类型: %2 内容: %3 "), bcType, bcContent);
}

void BaseDeviceManager::setTestDefaultBarCodeTypeAndContentClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->restoreDefaultBarCode();
    logAction(tr("%1 重置为默认打印条码"));
}

void BaseDeviceManager::setTestPrintContentClicked(const QString &imagePath)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeTestPageText(imagePath);
    logAction(tr("%1 设置测试页内容"), imagePath);
}

void BaseDeviceManager::setTestDefaultPrintContentClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->restoreDefaultTestPage();
    logAction(tr("%1 重置为默认测试页内容"));
}

void BaseDeviceManager::setTestPrintReceiptClicked(const QString &strEscCommand, int receiptType)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeReceiptText(receiptType, strEscCommand);
    // The line elides the content ("...") and names the receipt type.
    logAction(tr("%1 设置为小票打印内容:... 类型:%2"), receiptType);
}

void BaseDeviceManager::setTestDefaultPrintReceiptClicked(int receiptType)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->restoreDefaultReceipt(receiptType);
    logAction(tr("%1 重置为默认小票打印:... 类型:%2"), receiptType);
}

void BaseDeviceManager::setTestPrintCodePagesClicked(const QList<int> &codePages)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->printCodePageTables(codePages);
    QStringList numbers;
    for (const int codePage : codePages)
        numbers.append(QString::number(codePage));
    logAction(tr("%1 测试打印代码页表 ESC t: %2"), numbers.join(QLatin1Char(',')));
}
