#include "commands/TestPrintCommands.h"

#include "commands/BarcodeCommands.h"
#include "commands/EscPos.h"
#include "commands/LogoCommands.h"
#include "text/HexText.h"
#include "text/TextEncoding.h"

namespace TestPrintCommands {

using TextEncoding::gbk;

namespace {
const char kSelfTest[] = {0x1F, EscPos::ESC, 0x0D};
const char kHriBelow[] = {EscPos::GS, 'H', 0x02};
const char kBarcode[] = {EscPos::GS, 'k'};
const char kInit[] = {EscPos::ESC, '@'};
const char kSizeDouble[] = {EscPos::GS, '!', 0x11};
const char kSizeNormal[] = {EscPos::GS, '!', 0x00};
const char kCentre[] = {EscPos::ESC, 'a', 0x01};
const char kLeft[] = {EscPos::ESC, 'a', 0x00};
const char kFeed250[] = {EscPos::ESC, 'J', char(0xFA)};
const char kPartialCut[] = {EscPos::GS, 'V', 0x01};
const char kLf = 0x0A;
const char kRule = '-';
const char kBlank = ' ';
constexpr int kWidth58 = 32;
constexpr int kWidth76 = 40;
constexpr int kWidth80 = 48;
constexpr int kColumnGap = 3;    // blanks between quantity and price
constexpr int kTotalsGap = 16;   // blanks after the four-character total labels
constexpr int kDiscountGap = 12; // blanks after the six-character discount label
const char kZeroAmount[] = "0.00";

struct TypeByte
{
    const char *name;
    char symbology;
};

const TypeByte kTypes[] = {
    {"UPCA", BarcodeCommands::UpcA},     {"UPCE", BarcodeCommands::UpcE},   {"JAN13", BarcodeCommands::Jan13},
    {"JAN8", BarcodeCommands::Jan8},     {"CODE39", BarcodeCommands::Code39}, {"ITF", BarcodeCommands::Itf},
    {"CODABAR", BarcodeCommands::Codabar}, {"CODE93", BarcodeCommands::Code93},
    {"CODE128", BarcodeCommands::Code128},
};

template <size_t N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, int(N));
}

QByteArray blanks(int count)
{
    return QByteArray(qMax(0, count), kBlank);
}
} // namespace

int receiptLineWidth(const QString &sizeText)
{
    if (sizeText.contains(QLatin1String("58")))
        return kWidth58;
    if (sizeText.contains(QLatin1String("76")))
        return kWidth76;
    if (sizeText.contains(QLatin1String("80")))
        return kWidth80;
    return kWidth58;
}

QByteArray receipt(const Receipt &r)
{
    const int width = r.lineWidth;
    const int nameColumn = width / 2;
    const QByteArray rule = QByteArray(width, kRule) + kLf;
    const QByteArray gap = blanks(kColumnGap);
    const ReceiptLabels &l = r.labels;

    QByteArray out = raw(kInit) + rule;
    out += raw(kSizeDouble) + raw(kCentre) + gbk(r.title) + kLf + raw(kLeft) + raw(kSizeNormal);
    out += rule;
    const QByteArray productLabel = gbk(l.productName);
    out += productLabel + blanks(nameColumn + 1 - productLabel.size()) + gbk(l.quantity) + gap + gbk(l.price) + kLf;
    out += rule;
    for (const ReceiptItem &item : r.items) {
        const QByteArray name = gbk(item.name);
        const QByteArray quantity = gbk(QString::number(item.quantity) + l.piece);
        const QByteArray price = gbk(item.price);
        if (name.size() > nameColumn) {
            out += name + kLf;
            out += blanks(width - (quantity.size() + kColumnGap + price.size()));
        } else {
            out += name + blanks(nameColumn + 1 - name.size());
        }
        out += quantity + gap + price + kLf;
    }
    if (r.showTotals) {
        const QByteArray total = gbk(r.total);
        out += rule;
        out += gbk(l.totalAmount) + blanks(kTotalsGap) + total + kLf;
        out += gbk(l.discount) + blanks(kDiscountGap) + QByteArray(kZeroAmount) + kLf;
        out += gbk(l.subtotal) + blanks(kTotalsGap) + total + kLf;
        out += rule;
        out += gbk(l.time) + gbk(r.printTime) + kLf;
    }
    out += kLf;
    out += raw(kFeed250) + raw(kPartialCut);
    return out;
}

QByteArray fromStoredHex(const QString &text)
{
    return HexText::parseStoredPairs(text);
}

QByteArray selfTest()
{
    return raw(kSelfTest);
}

char symbologyOf(const QString &type)
{
    for (const TypeByte &t : kTypes) {
        if (type == QLatin1String(t.name))
            return t.symbology;
    }
    return 0;
}

QByteArray testBarcode(const QString &type, const QString &value)
{
    QByteArray bytes = raw(kHriBelow) + raw(kBarcode);
    if (const char symbology = symbologyOf(type))
        bytes += symbology;
    const QByteArray data = value.toLatin1();
    bytes += EscPos::lowByte(data.size());
    bytes += data;
    return bytes;
}

QByteArray testPicture(const QString &path)
{
    return testPicture(path, PictureOptions::earlierVersions());
}

QByteArray testPicture(const QString &path, const PictureOptions &options)
{
    return LogoCommands::defineLogo(PictureLogoNumber, path, PictureBound, PictureBound, options)
           + LogoCommands::printLogo(PictureLogoNumber, PictureLogoMode);
}

} // namespace TestPrintCommands
