#pragma once

#include "commands/CommType.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

// Test prints from the contents kept in the configuration store (test page,
// receipts, barcode, picture) plus the self-test page; also stores edited
// contents and restores the built-in defaults. Every print reads the store
// afresh, so an edit takes effect at the next print.
class PrintTest : public QObject
{
    Q_OBJECT
public:
    enum ReceiptType { Receipt58 = 0, Receipt76 = 1, Receipt80 = 2 };

    explicit PrintTest(CommType type) : m_type(type) {}

    void printTestPage();
    void print58Receipt();
    void print76Receipt();
    void print80Receipt();
    void printSelfTest();
    void printBarcode();
    void printPicture();
    // One code page table print (CodePageTable) per ESC t number, in order.
    void printCodePageTables(const QList<int> &codePages);

    void storeTestPageText(const QString &text);
    void storeReceiptText(int receiptType, const QString &text);
    void restoreDefaultReceipt(int receiptType);
    void restoreDefaultTestPage();
    void storeBarCodeType(const QString &type);
    void storeBarCodeValue(const QString &value);
    void restoreDefaultBarCode();
    void storeBitMapPath(const QString &path);
    void restoreDefaultImage();
    // Copies the picture to configFile/img/bitmap1.png under the working
    // directory and stores that path; any failing step leaves the path as it was.
    bool adoptTestImage(const QString &imagePath);

    static QString defaultTestPageText();
    static QString defaultReceiptText(int receiptType);

signals:
    void sigSendData(CommType type, QByteArray dataArray);

private:
    CommType m_type;
};
