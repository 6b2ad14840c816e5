#include "commands/BarCodeForm.h"

#include "commands/BarcodeCommands.h"

#include <QDebug>

using namespace BarcodeCommands;

void BarCodeForm::sendOneDimensional(const char *fieldName, const QString &content, char symbology)
{
    qDebug() << fieldName << content;
    if (content.isEmpty()) {
        qDebug() << "请先编辑条码数据，再打印";
        return;
    }
    const bool isCode128 = symbology == Code128;
    const QByteArray data = isCode128 ? code128Data(content) : latin1Data(content);
    const QByteArray bytes = oneDimensional(symbology, data);
    if (isCode128 || symbology == Code93) {
        qDebug() << "code" << data;
        qDebug() << "Hex string:" << bytes.toHex(' ');
    }
    emit sigSendData(m_type, bytes);
}

void BarCodeForm::sendUpcA()
{
    sendOneDimensional("strUPCA", m_strUPCA, UpcA);
}

void BarCodeForm::sendUpcE()
{
    sendOneDimensional("strUPCE", m_strUPCE, UpcE);
}

void BarCodeForm::sendJan13()
{
    sendOneDimensional("strJAN13", m_strJAN13, Jan13);
}

void BarCodeForm::sendJan8()
{
    sendOneDimensional("strJAN8", m_strJAN8, Jan8);
}

void BarCodeForm::sendCode39()
{
    sendOneDimensional("strCODE39", m_strCODE39, Code39);
}

void BarCodeForm::sendItf()
{
    sendOneDimensional("strITF", m_strITF, Itf);
}

void BarCodeForm::sendCodabar()
{
    sendOneDimensional("strCODABAR", m_strCODABAR, Codabar);
}

void BarCodeForm::sendCode93()
{
    sendOneDimensional("strCODE93", m_strCODE93, Code93);
}

void BarCodeForm::sendCode128()
{
    sendOneDimensional("strCODE128", m_strCODE128, Code128);
}

void BarCodeForm::sendHriPosition()
{
    qDebug() << "m_hriPosition" << m_hriPosition;
    emit sigSendData(m_type, hriPosition(m_hriPosition));
}

void BarCodeForm::sendHriFont()
{
    qDebug() << "m_hriFont" << m_hriFont;
    emit sigSendData(m_type, hriFont(m_hriFont));
}

void BarCodeForm::sendBarcodeSize()
{
    qDebug() << "editBarcodeWidth" << m_barcodeWidth;
    qDebug() << "editBarcodeHeight" << m_barcodeHeight;
    emit sigSendData(m_type, size(m_barcodeWidth, m_barcodeHeight));
}

bool BarCodeForm::sendTwoDimensional()
{
    if (m_twodCodeType == QLatin1String("QR_CODE")) {
        emit sigSendData(m_type, qrCode(m_qrMagnification, m_qrErrorLevel, m_qrContent));
        return true;
    }
    if (m_twodCodeType == QLatin1String("PDF417")) {
        emit sigSendData(m_type, pdf417(m_qrMagnification, m_qrErrorLevel, m_qrContent));
        return true;
    }
    if (m_twodCodeType == QLatin1String("AZTEC") || m_twodCodeType == QLatin1String("DATA_MATRIX")) {
        // The printer draws neither: they go as pictures.
        qDebug() << "二维码模式:" << m_twodCodeType;
        const MatrixSymbol symbol =
            m_twodCodeType == QLatin1String("AZTEC") ? MatrixSymbol::Aztec : MatrixSymbol::DataMatrix;
        const QByteArray bytes = matrixPicture(symbol, m_qrMagnification, m_qrContent);
        if (bytes.isEmpty())
            return false;
        emit sigSendData(m_type, bytes);
        return true;
    }
    emit sigSendData(m_type, QByteArray());
    return true;
}
