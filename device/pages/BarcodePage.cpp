// BaseDeviceManager: the operations of the page for one- and two-dimensional barcodes.
#include "device/BaseDeviceManager.h"

#include "commands/BarCodeForm.h"
#include "device/pages/PageChoice.h"

void BaseDeviceManager::setPrintUPCAClicked(const QString &strUPCA)
{
    setAndSend(m_barCodeForm, &BarCodeForm::setUpcA, &BarCodeForm::sendUpcA, tr("%1 条码upc-a打印 内容: %2  "), strUPCA);
}

void BaseDeviceManager::setPrintUPCEClicked(const QString &strUPCE)
{
    setAndSend(m_barCodeForm, &BarCodeForm::setUpcE, &BarCodeForm::sendUpcE, tr("%1 条码upc-e打印 内容: %2  "), strUPCE);
}

void BaseDeviceManager::setPrintJAN13Clicked(const QString &strJAN13)
{
    setAndSend(m_barCodeForm, &BarCodeForm::setJan13, &BarCodeForm::sendJan13, tr("%1 条码strJAN13打印 内容: %2  "),
               strJAN13);
}

void BaseDeviceManager::setPrintJAN8Clicked(const QString &strJAN8)
{
    setAndSend(m_barCodeForm, &BarCodeForm::setJan8, &BarCodeForm::sendJan8, tr("%1 条码JAN8打印 内容: %2  "), strJAN8);
}

void BaseDeviceManager::setPrintCODE39Clicked(const QString &strCODE39)
{
    setAndSend(m_barCodeForm, &BarCodeForm::setCode39, &BarCodeForm::sendCode39, tr("%1 条码CODE39打印 内容: %2  "),
               strCODE39);
}

void BaseDeviceManager::setPrintITFClicked(const QString &strITF)
{
    setAndSend(m_barCodeForm, &BarCodeForm::setItf, &BarCodeForm::sendItf, tr("%1 条码ITF打印 内容: %2  "), strITF);
}

void BaseDeviceManager::setPrintCODABARClicked(const QString &strCODABAR)
{
    setAndSend(m_barCodeForm, &BarCodeForm::setCodabar, &BarCodeForm::sendCodabar, tr("%1 条码CODABAR打印 内容: %2  "),
               strCODABAR);
}

void BaseDeviceManager::setPrintCODE93Clicked(const QString &strCODE93)
{
    setAndSend(m_barCodeForm, &BarCodeForm::setCode93, &BarCodeForm::sendCode93, tr("%1 条码strCODE93打印 内容: %2  "),
               strCODE93);
}

void BaseDeviceManager::setPrintCODE128Clicked(const QString &strCODE128)
{
    setAndSend(m_barCodeForm, &BarCodeForm::setCode128, &BarCodeForm::sendCode128, tr("%1 条码CODE128打印 内容: %2  "),
               strCODE128);
}

void BaseDeviceManager::setHriPositionClicked(int hriPosition)
{
    setAndSend(m_barCodeForm, &BarCodeForm::setHriPosition, &BarCodeForm::sendHriPosition,
               tr("%1 条码Hri位置设置 位置: %2  "), oneBasedChoice(hriPosition, 4));
}

void BaseDeviceManager::setHriFontClicked(int hriFont)
{
    setAndSend(m_barCodeForm, &BarCodeForm::setHriFont, &BarCodeForm::sendHriFont, tr("%1 条码HRI字体 字体: %2  "),
               oneBasedChoice(hriFont, 2));
}

void BaseDeviceManager::setBarcodeSizeClicked(int numBarcodeWidth, int numBarcodeHeight)
{
    setAndSend(m_barCodeForm, &BarCodeForm::setBarcodeSize, &BarCodeForm::sendBarcodeSize,
               tr("%1 条码大小 宽度: %2 高度: %3 "), numBarcodeWidth, numBarcodeHeight);
}

void BaseDeviceManager::set2dBarCodeTypeClicked(const QString &twodCodeType)
{
    // Only stored: the type applies to the next two-dimensional code.
    handOver(m_barCodeForm, &BarCodeForm::setTwoDimensionalType, tr("%1 设置二维码类型: %2"), twodCodeType);
}

void BaseDeviceManager::setPrintMoreBarCodeClicked(const QString &barCodeType, const QString &strContent)
{
    // The page's further symbologies have no command: the choice is only logged.
    run(m_barCodeForm, [](BarCodeForm &) {}, tr("%1 更多条码: %2 内容: %3 "), barCodeType, strContent);
}

void BaseDeviceManager::setQRCodeClicked(int magnification, int errorLevel, const QString &content)
{
    runOrRefuse(m_barCodeForm,
                [&](BarCodeForm &f) {
                    f.setQrCode(magnification, errorLevel, content);
                    return f.sendTwoDimensional()
                               ? QString()
                               : tr("%1 无法生成 %2: 内容不符合该码制，未发送").arg(modeName(), f.twoDimensionalType());
                },
                tr("%1 打印二维码 放大倍数: %2 纠错级别: %3 内容: %4"), magnification, errorLevel, content);
}
