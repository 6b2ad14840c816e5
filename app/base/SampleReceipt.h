#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The bytes of a sample receipt, the one encoder for the three default
// receipts ConfigManager stores and for the receipt edited in the settings
// dialog. It sits beside ConfigManager, below the command encoders, because
// the stored defaults are built from it.
namespace SampleReceipt {

// Texts arrive already translated; prices and the total are text with two
// decimals.
struct Item
{
    QString name;
    int quantity = 1;
    QString price;
};

struct Labels
{
    QString productName, quantity, price, piece, totalAmount, discount, subtotal, time;
};

struct Receipt
{
    int lineWidth = 32; // bytes per line: 32 (58 mm), 40 (76 mm), 48 (80 mm)
    QString title;
    QList<Item> items;
    bool showTotals = false;
    QString total;
    QString printTime; // "yyyy-MM-dd hh:mm:ss", printed with the totals
    Labels labels;
};

// Line width of a paper-size name: 40 when it names 76, 48 for 80, else 32.
int lineWidth(const QString &sizeText);
// ESC @, rules, the double-size centred title, the product table in two columns
// (names longer than half a line get a line of their own), the totals when
// shown, then a feed of 250 motion units and a partial cut. All text is GBK.
QByteArray encode(const Receipt &r);
// The default test page: the high half of the character table (0x80-0xFF) in
// normal and double size, each after a GBK heading, then the same feed and cut.
QByteArray testPage();

} // namespace SampleReceipt
