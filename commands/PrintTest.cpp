#include "commands/PrintTest.h"

#include "app/base/ConfigManager.h"
#include "commands/CodePageTable.h"
#include "commands/PictureSettings.h"
#include "commands/TestPrintCommands.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const char *const kDefaultBarCodeType = "UPCA";
const char *const kDefaultBarCodeValue = "123456789012";
const char *const kDefaultImagePath = "configFile/img/bitmap.png";
const char *const kAdoptedImagePath = "configFile/img/bitmap1.png";
const int kReceiptPaperMm[] = {58, 76, 80};

bool validReceipt(int receiptType)
{
    return receiptType >= PrintTest::Receipt58 && receiptType <= PrintTest::Receipt80;
}

ConfigManager *store()
{
    return ConfigManager::getInstance();
}
} // namespace

QString PrintTest::defaultTestPageText()
{
    return ConfigManager::toUpperHexText(ConfigManager::defaultTestPage());
}

QString PrintTest::defaultReceiptText(int receiptType)
{
    if (!validReceipt(receiptType))
        return QString();
    return ConfigManager::toUpperHexText(ConfigManager::defaultReceipt(kReceiptPaperMm[receiptType]));
}

void PrintTest::printTestPage()
{
    emit sigSendData(m_type, TestPrintCommands::fromStoredHex(store()->getTestPageText()));
}

void PrintTest::print58Receipt()
{
    emit sigSendData(m_type, TestPrintCommands::fromStoredHex(store()->getReceipt58Text()));
}

void PrintTest::print76Receipt()
{
    emit sigSendData(m_type, TestPrintCommands::fromStoredHex(store()->getReceipt76Text()));
}

void PrintTest::print80Receipt()
{
    emit sigSendData(m_type, TestPrintCommands::fromStoredHex(store()->getReceipt80Text()));
}

void PrintTest::printSelfTest()
{
    emit sigSendData(m_type, TestPrintCommands::selfTest());
}

void PrintTest::printCodePageTables(const QList<int> &codePages)
{
    for (const int codePage : codePages)
        emit sigSendData(m_type, CodePageTable::table(codePage));
}

void PrintTest::printBarcode()
{
    const QString type = store()->getBarCodeType();
    const QString value = store()->getBarCodeValue();
    qDebug() << "barCodeType:" << type;
    qDebug() << "barCodeValue:" << value;
    emit sigSendData(m_type, TestPrintCommands::testBarcode(type, value));
}

void PrintTest::printPicture()
{
    const QString path = store()->getBitMapPath();
    if (path.isEmpty())
        return;
    emit sigSendData(m_type, TestPrintCommands::testPicture(path, PictureSettings::stored(*store())));
}

void PrintTest::storeTestPageText(const QString &text)
{
    store()->setTestPageText(text);
}

void PrintTest::storeReceiptText(int receiptType, const QString &text)
{
    switch (receiptType) {
    case Receipt58: store()->setReceipt58Text(text); break;
    case Receipt76: store()->setReceipt76Text(text); break;
    case Receipt80: store()->setReceipt80Text(text); break;
    default: break;
    }
}

void PrintTest::restoreDefaultReceipt(int receiptType)
{
    if (validReceipt(receiptType))
        storeReceiptText(receiptType, defaultReceiptText(receiptType));
}

void PrintTest::restoreDefaultTestPage()
{
    store()->setTestPageText(defaultTestPageText());
}

void PrintTest::storeBarCodeType(const QString &type)
{
    store()->setBarCodeType(type);
}

void PrintTest::storeBarCodeValue(const QString &value)
{
    store()->setBarCodeValue(value);
}

void PrintTest::restoreDefaultBarCode()
{
    store()->setBarCodeType(QLatin1String(kDefaultBarCodeType));
    store()->setBarCodeValue(QLatin1String(kDefaultBarCodeValue));
}

void PrintTest::storeBitMapPath(const QString &path)
{
    store()->setBitMapPath(path);
}

void PrintTest::restoreDefaultImage()
{
    store()->setBitMapPath(QLatin1String(kDefaultImagePath));
}

bool PrintTest::adoptTestImage(const QString &imagePath)
{
    if (imagePath.isEmpty()) {
        qDebug() << "源图片路径为空";
        return false;
    }
    const QString target = QLatin1String(kAdoptedImagePath);
    const QFileInfo targetInfo(target);
    if (!QDir().mkpath(targetInfo.path()))
        return false;
    if (!QFileInfo::exists(imagePath))
        return false;
    // Adopting the adopted picture again must not delete it before the copy.
    if (targetInfo.exists() && QFileInfo(imagePath).canonicalFilePath() == targetInfo.canonicalFilePath()) {
        store()->setBitMapPath(target);
        return true;
    }
    if (targetInfo.exists() && !QFile::remove(target))
        return false;
    if (!QFile::copy(imagePath, target))
        return false;
    store()->setBitMapPath(target);
    return true;
}
