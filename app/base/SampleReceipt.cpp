#include "app/base/SampleReceipt.h"

#include "text/TextEncoding.h"

namespace SampleReceipt {

using TextEncoding::gbk;

namespace {
const char kInit[] = {0x1B, '@'};
const char kSizeDouble[] = {0x1D, '!', 0x11};
const char kSizeNormal[] = {0x1D, '!', 0x00};
const char kCentre[] = {0x1B, 'a', 0x01};
const char kLeft[] = {0x1B, 'a', 0x00};
const char kFeed250[] = {0x1B, 'J', char(0xFA)};
const char kPartialCut[] = {0x1D, 'V', 0x01};
const char kCancelHanzi[] = {0x1C, '.'};
const char kSelectHanzi[] = {0x1C, '&'};
const char kCrLf[] = {0x0D, 0x0A};
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

template <size_t N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, int(N));
}

QByteArray blanks(int count)
{
    return QByteArray(qMax(0, count), kBlank);
}

QByteArray highHalf()
{
    QByteArray bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes.append(char(b));
    return bytes;
}
} // namespace

QByteArray testPage()
{
    QByteArray bytes;
    bytes += raw(kInit) + raw(kCancelHanzi) + raw(kSelectHanzi);
    bytes += gbk(QStringLiteral("普通字体大小:")) + raw(kCrLf);
    bytes += raw(kCancelHanzi) + raw(kSizeNormal) + highHalf() + raw(kCrLf);
    bytes += raw(kSizeDouble) + raw(kSelectHanzi) + gbk(QStringLiteral("2倍字体大小:")) + raw(kCrLf);
    bytes += raw(kCancelHanzi) + highHalf() + raw(kCrLf);
    bytes += raw(kFeed250) + raw(kPartialCut) + raw(kInit);
    return bytes;
}

int lineWidth(const QString &sizeText)
{
    if (sizeText.contains(QLatin1String("58")))
        return kWidth58;
    if (sizeText.contains(QLatin1String("76")))
        return kWidth76;
    if (sizeText.contains(QLatin1String("80")))
        return kWidth80;
    return kWidth58;
}

QByteArray encode(const Receipt &r)
{
    const int width = r.lineWidth;
    const int nameColumn = width / 2;
    const QByteArray rule = QByteArray(width, kRule) + kLf;
    const QByteArray gap = blanks(kColumnGap);
    const Labels &l = r.labels;

    QByteArray out = raw(kInit) + rule;
    out += raw(kSizeDouble) + raw(kCentre) + gbk(r.title) + kLf + raw(kLeft) + raw(kSizeNormal);
    out += rule;
    const QByteArray productLabel = gbk(l.productName);
    out += productLabel + blanks(nameColumn + 1 - productLabel.size()) + gbk(l.quantity) + gap + gbk(l.price) + kLf;
    out += rule;
    for (const Item &item : r.items) {
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

} // namespace SampleReceipt
