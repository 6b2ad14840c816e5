// BaseDeviceManager: the operations of the page for test prints and their stored contents.
#include "device/BaseDeviceManager.h"

#include "commands/PrintTest.h"

void BaseDeviceManager::setTestPrintPicturesClicked()
{
    run(m_printTest, &PrintTest::printPicture, tr("%1 测试打印图片"));
}

void BaseDeviceManager::setTestPrintBarcodeClicked()
{
    run(m_printTest, &PrintTest::printBarcode, tr("%1 测试打印条码"));
}

void BaseDeviceManager::setTestPrintTestPageClicked()
{
    run(m_printTest, &PrintTest::printTestPage, tr("%1 测试打印测试页"));
}

void BaseDeviceManager::setTestPrint58ReceiptsClicked()
{
    run(m_printTest, &PrintTest::print58Receipt, tr("%1 测试打印58小票"));
}

void BaseDeviceManager::setTestPrint76ReceiptsClicked()
{
    run(m_printTest, &PrintTest::print76Receipt, tr("%1 测试打印76小票"));
}

void BaseDeviceManager::setTestPrint80ReceiptsClicked()
{
    run(m_printTest, &PrintTest::print80Receipt, tr("%1 测试打印80小票"));
}

void BaseDeviceManager::setTestPrintSelfCheckClicked()
{
    run(m_printTest, &PrintTest::printSelfTest, tr("%1 测试打印自检页"));
}

void BaseDeviceManager::setTestBitMapPathClicked(const QString &bitMapPath)
{
    keepValues(m_printTest, &PrintTest::storeBitMapPath, tr("%1 设置打印图片地址:%2 "), bitMapPath);
}

void BaseDeviceManager::setTestBarCodeTypeClicked(const QString &barCodeType)
{
    keepValues(m_printTest, &PrintTest::storeBarCodeType, tr("%1 设置打印条码类型:%2 "), barCodeType);
}

void BaseDeviceManager::setTestBarCodeValueClicked(const QString &barCodeValue)
{
    keepValues(m_printTest, &PrintTest::storeBarCodeValue, tr("%1 设置打印条码值:%2 "), barCodeValue);
}

void BaseDeviceManager::setTestPageTextClicked(const QString &textPageText)
{
    keepValues(m_printTest, &PrintTest::storeTestPageText, tr("%1 设置测试页:%2 "), textPageText);
}

void BaseDeviceManager::setTestReceipt58TextClicked(const QString &receupt58Text)
{
    keep(m_printTest, [&](PrintTest &p) { p.storeReceiptText(PrintTest::Receipt58, receupt58Text); },
        tr("%1 设置打印58小票值:%2 "), receupt58Text);
}

void BaseDeviceManager::setTestReceipt76TextClicked(const QString &receupt76Text)
{
    keep(m_printTest, [&](PrintTest &p) { p.storeReceiptText(PrintTest::Receipt76, receupt76Text); },
        tr("%1 设置打印76小票值:%2 "), receupt76Text);
}

void BaseDeviceManager::setTestReceipt80TextClicked(const QString &receupt80Text)
{
    keep(m_printTest, [&](PrintTest &p) { p.storeReceiptText(PrintTest::Receipt80, receupt80Text); },
        tr("%1 设置打印80小票值:%2 "), receupt80Text);
}

void BaseDeviceManager::setAsTestPrintImageClicked(const QString &imagePath)
{
    keepValues(m_printTest, &PrintTest::adoptTestImage, tr("%1 设置为测试打印图片:%2 "), imagePath);
}

void BaseDeviceManager::setAsTestDefaultImageClicked()
{
    keep(m_printTest, &PrintTest::restoreDefaultImage, tr("%1 重置为默认图片"));
}

void BaseDeviceManager::setTestBarCodeTypeAndContentClicked(const QString &bcType, const QString &bcContent)
{
    keep(m_printTest,
        [&](PrintTest &p) {
            p.storeBarCodeType(bcType);
            p.storeBarCodeValue(bcContent);
        },
        tr("%1 设置测试打印条码 类型: %2 内容: %3 "), bcType, bcContent);
}

void BaseDeviceManager::setTestDefaultBarCodeTypeAndContentClicked()
{
    keep(m_printTest, &PrintTest::restoreDefaultBarCode, tr("%1 重置为默认打印条码"));
}

void BaseDeviceManager::setTestPrintContentClicked(const QString &imagePath)
{
    keepValues(m_printTest, &PrintTest::storeTestPageText, tr("%1 设置测试页内容"), imagePath);
}

void BaseDeviceManager::setTestDefaultPrintContentClicked()
{
    keep(m_printTest, &PrintTest::restoreDefaultTestPage, tr("%1 重置为默认测试页内容"));
}

void BaseDeviceManager::setTestPrintReceiptClicked(const QString &strEscCommand, int receiptType)
{
    // The line elides the content ("...") and names the receipt type.
    keep(m_printTest, [&](PrintTest &p) { p.storeReceiptText(receiptType, strEscCommand); },
        tr("%1 设置为小票打印内容:... 类型:%2"), receiptType);
}

void BaseDeviceManager::setTestDefaultPrintReceiptClicked(int receiptType)
{
    keepValues(m_printTest, &PrintTest::restoreDefaultReceipt, tr("%1 重置为默认小票打印:... 类型:%2"), receiptType);
}

void BaseDeviceManager::setTestPrintCodePagesClicked(const QList<int> &codePages)
{
    QStringList numbers;
    for (const int codePage : codePages)
        numbers.append(QString::number(codePage));
    run(m_printTest, [&](PrintTest &p) { p.printCodePageTables(codePages); }, tr("%1 测试打印代码页表 ESC t: %2"),
        numbers.join(QLatin1Char(',')));
}
