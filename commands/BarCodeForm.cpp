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

void BarCodeForm::sendTwoDimensional()
{
    if (m_twodCodeType == QLatin1String("QR_CODE")) {
        emit sigSendData(m_type, qrCode(m_qrMagnification, m_qrErrorLevel, m_qrContent));
        return;
    }
    if (m_twodCodeType == QLatin1String("AZTEC") || m_twodCodeType == QLatin1String("DATA_MATRIX")
        || m_twodCodeType == QLatin1String("PDF417")) {
        // The printer has no command of its own for these; the page only previews them.
        qDebug() << "二维码模式:" << m_twodCodeType;
        return;
    }
    emit sigSendData(m_type, QByteArray());
}
