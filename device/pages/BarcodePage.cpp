// BaseDeviceManager: the operations of the page for one- and two-dimensional barcodes.
#include "device/BaseDeviceManager.h"

#include "commands/BarCodeForm.h"
#include "device/pages/PageChoice.h"

void BaseDeviceManager::setPrintUPCAClicked(const QString &strUPCA)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setUpcA(strUPCA);
    m_barCodeForm->sendUpcA();
    logAction(tr("%1 条码upc-a打印 内容: %2  "), strUPCA);
}

void BaseDeviceManager::setPrintUPCEClicked(const QString &strUPCE)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setUpcE(strUPCE);
    m_barCodeForm->sendUpcE();
    logAction(tr("%1 条码upc-e打印 内容: %2  "), strUPCE);
}

void BaseDeviceManager::setPrintJAN13Clicked(const QString &strJAN13)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setJan13(strJAN13);
    m_barCodeForm->sendJan13();
    logAction(tr("%1 条码strJAN13打印 内容: %2  "), strJAN13);
}

void BaseDeviceManager::setPrintJAN8Clicked(const QString &strJAN8)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setJan8(strJAN8);
    m_barCodeForm->sendJan8();
    logAction(tr("%1 条码JAN8打印 内容: %2  "), strJAN8);
}

void BaseDeviceManager::setPrintCODE39Clicked(const QString &strCODE39)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setCode39(strCODE39);
    m_barCodeForm->sendCode39();
    logAction(tr("%1 条码CODE39打印 内容: %2  "), strCODE39);
}

void BaseDeviceManager::setPrintITFClicked(const QString &strITF)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setItf(strITF);
    m_barCodeForm->sendItf();
    logAction(tr("%1 条码ITF打印 内容: %2  "), strITF);
}

void BaseDeviceManager::setPrintCODABARClicked(const QString &strCODABAR)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setCodabar(strCODABAR);
    m_barCodeForm->sendCodabar();
    logAction(tr("%1 条码CODABAR打印 内容: %2  "), strCODABAR);
}

void BaseDeviceManager::setPrintCODE93Clicked(const QString &strCODE93)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setCode93(strCODE93);
    m_barCodeForm->sendCode93();
    logAction(tr("%1 条码strCODE93打印 内容: %2  "), strCODE93);
}

void BaseDeviceManager::setPrintCODE128Clicked(const QString &strCODE128)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setCode128(strCODE128);
    m_barCodeForm->sendCode128();
    logAction(tr("%1 条码CODE128打印 内容: %2  "), strCODE128);
}

void BaseDeviceManager::setHriPositionClicked(int hriPosition)
{
    if (!builderReady(m_barCodeForm))
        return;
    const int position = oneBasedChoice(hriPosition, 4);
    m_barCodeForm->setHriPosition(position);
    m_barCodeForm->sendHriPosition();
    logAction(tr("%1 条码Hri位置设置 位置: %2  "), position);
}

void BaseDeviceManager::setHriFontClicked(int hriFont)
{
    if (!builderReady(m_barCodeForm))
        return;
    const int font = oneBasedChoice(hriFont, 2);
    m_barCodeForm->setHriFont(font);
    m_barCodeForm->sendHriFont();
    logAction(tr("%1 条码HRI字体 字体: %2  "), font);
}

void BaseDeviceManager::setBarcodeSizeClicked(int numBarcodeWidth, int numBarcodeHeight)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setBarcodeSize(numBarcodeWidth, numBarcodeHeight);
    m_barCodeForm->sendBarcodeSize();
    logAction(tr("%1 条码大小 宽度: %2 高度: %3 "), numBarcodeWidth, numBarcodeHeight);
}

void BaseDeviceManager::set2dBarCodeTypeClicked(const QString &twodCodeType)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setTwoDimensionalType(twodCodeType);
    logAction(tr("%1 设置二维码类型: %2"), twodCodeType);
}

void BaseDeviceManager::setPrintMoreBarCodeClicked(const QString &barCodeType, const QString &strContent)
{
    if (!builderReady(m_barCodeForm))
        return;
    logAction(tr("%1 更多条码: %2 内容: %3 "), barCodeType, strContent);
}

void BaseDeviceManager::setQRCodeClicked(int magnification, int errorLevel, const QString &content)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setQrCode(magnification, errorLevel, content);
    if (!m_barCodeForm->sendTwoDimensional()) {
        refuse(tr("%1 无法生成 %2: 内容不符合该码制，未发送").arg(modeName(), m_barCodeForm->twoDimensionalType()));
        return;
    }
    logAction(tr("%1 打印二维码 放大倍数: %2 纠错级别: %3 内容: %4"), magnification, errorLevel, content);
}
