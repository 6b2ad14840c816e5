#pragma once

#include "commands/PictureOptions.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Encoders of the test prints: stored hexadecimal command text, the test
// barcode, the test picture and the self-test page.
namespace TestPrintCommands {

// The test picture is bounded to 160 x 160 dots whatever the logo limits say.
constexpr int PictureBound = 160;
constexpr int PictureLogoNumber = 1;
constexpr int PictureLogoMode = 3; // double width and height

// Stored hexadecimal text: every blank removed, then digit pairs decoded;
// characters that are not hexadecimal digits are skipped.
QByteArray fromStoredHex(const QString &text);
// 1F 1B 0D: the printer's self-test page.
QByteArray selfTest();
// The symbology byte of GS k for a stored type name ("UPCA" 41 ... "CODE128" 49); 0 for none.
char symbologyOf(const QString &type);
// GS H 2 (HRI below), GS k m n and the value in Latin-1. An unknown type
// adds no symbology byte.
QByteArray testBarcode(const QString &type, const QString &value);
// FS q 1 with the picture bounded to 160 x 160, then the print of logo 1 in
// double width and height. Without options: the conversion of earlier versions.
QByteArray testPicture(const QString &path);
QByteArray testPicture(const QString &path, const PictureOptions &options);

// A sample receipt as edited in the settings dialog. Texts arrive already
// translated; prices and the total are text with two decimals.
struct ReceiptItem
{
    QString name;
    int quantity = 1;
    QString price;
};

struct ReceiptLabels
{
    QString productName, quantity, price, piece, totalAmount, discount, subtotal, time;
};

struct Receipt
{
    int lineWidth = 32; // bytes per line: 32 (58 mm), 40 (76 mm), 48 (80 mm)
    QString title;
    QList<ReceiptItem> items;
    bool showTotals = false;
    QString total;
    QString printTime; // "yyyy-MM-dd hh:mm:ss", printed with the totals
    ReceiptLabels labels;
};

// Line width of a paper-size name: 40 when it names 76, 48 for 80, else 32.
int receiptLineWidth(const QString &sizeText);
// ESC @, rules, the double-size centred title, the product table in two columns
// (names longer than half a line get a line of their own), the totals when
// shown, then a feed of 250 motion units and a partial cut. All text is GBK.
QByteArray receipt(const Receipt &r);

} // namespace TestPrintCommands
