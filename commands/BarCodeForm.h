#pragma once

#include "commands/CommType.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// One-dimensional barcodes (each symbology keeps its last content), barcode
// size and HRI settings, and QR codes.
class BarCodeForm : public QObject
{
    Q_OBJECT
public:
    explicit BarCodeForm(CommType type) : m_type(type) {}

    void setUpcA(const QString &v) { m_strUPCA = v; }
    void setUpcE(const QString &v) { m_strUPCE = v; }
    void setJan13(const QString &v) { m_strJAN13 = v; }
    void setJan8(const QString &v) { m_strJAN8 = v; }
    void setCode39(const QString &v) { m_strCODE39 = v; }
    void setItf(const QString &v) { m_strITF = v; }
    void setCodabar(const QString &v) { m_strCODABAR = v; }
    void setCode93(const QString &v) { m_strCODE93 = v; }
    void setCode128(const QString &v) { m_strCODE128 = v; }
    void setHriPosition(int v) { m_hriPosition = v; }
    void setHriFont(int v) { m_hriFont = v; }
    void setBarcodeSize(int width, int height)
    {
        m_barcodeWidth = width;
        m_barcodeHeight = height;
    }
    void setQrCode(int magnification, int errorLevel, const QString &content)
    {
        m_qrMagnification = magnification;
        m_qrErrorLevel = errorLevel;
        m_qrContent = content;
    }
    void setTwoDimensionalType(const QString &v) { m_twodCodeType = v; }
    QString twoDimensionalType() const { return m_twodCodeType; }

    void sendUpcA();
    void sendUpcE();
    void sendJan13();
    void sendJan8();
    void sendCode39();
    void sendItf();
    void sendCodabar();
    void sendCode93();
    void sendCode128();
    void sendHriPosition();
    void sendHriFont();
    void sendBarcodeSize();
    // QR code and PDF417 by the printer's own commands, Aztec and Data Matrix
    // as pictures; false (nothing sent) when the content cannot be drawn in
    // the chosen symbology.
    bool sendTwoDimensional();

signals:
    void sigSendData(CommType type, QByteArray dataArray);

private:
    // Nothing is sent for an empty content.
    void sendOneDimensional(const char *fieldName, const QString &content, char symbology);

    CommType m_type;
    QString m_strUPCA;
    QString m_strUPCE;
    QString m_strJAN13;
    QString m_strJAN8;
    QString m_strCODE39;
    QString m_strITF;
    QString m_strCODABAR;
    QString m_strCODE93;
    QString m_strCODE128;
    int m_hriPosition = 0;
    int m_hriFont = 0;
    int m_barcodeWidth = 0;
    int m_barcodeHeight = 0;
    int m_qrMagnification = 0;
    int m_qrErrorLevel = 0;
    QString m_qrContent;
    QString m_twodCodeType;
};
