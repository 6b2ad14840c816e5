#include "render/VpBarcode.h"

#include <ZXing/BitMatrix.h>
#include <ZXing/CharacterSet.h>
#include <ZXing/MultiFormatWriter.h>

#include <exception>
#include <string>

namespace {

constexpr int UpcA = 0x41, UpcE = 0x42, Jan13 = 0x43, Jan8 = 0x44, Code39 = 0x45, Itf = 0x46,
              Codabar = 0x47, Code93 = 0x48, Code128 = 0x49;

bool allDigits(const QByteArray &d)
{
    for (char c : d)
        if (c < '0' || c > '9')
            return false;
    return !d.isEmpty();
}

// GS k CODE128 data: "{A", "{B", "{C" select the code set, "{{" is a brace;
// in code set C every byte is a pair of digits.
QString code128Text(const QByteArray &data, bool *ok)
{
    QString text;
    char set = 'B';
    *ok = data.size() >= 2 && data.at(0) == '{' && (data.at(1) >= 'A' && data.at(1) <= 'C');
    for (int i = 0; i < data.size(); ++i) {
        const uchar b = uchar(data.at(i));
        if (b == '{' && i + 1 < data.size()) {
            const char next = data.at(i + 1);
            if (next >= 'A' && next <= 'C') {
                set = next;
                ++i;
                continue;
            }
            if (next == '{') {
                text += QLatin1Char('{');
                ++i;
                continue;
            }
            ++i; // shift and function characters carry no text
            continue;
        }
        if (set == 'C') {
            if (b > 99) {
                *ok = false;
                return text;
            }
            text += QStringLiteral("%1").arg(int(b), 2, 10, QLatin1Char('0'));
        } else {
            text += QChar(b);
        }
    }
    return text;
}

// 2D code data as the writer takes it: each byte one character of ISO 8859-1,
// which the writer turns back into that very byte (no ECI, as it is the
// symbols' default). The code holds the bytes the printer received, whatever
// their encoding, NUL included.
std::wstring byteText(const QByteArray &data)
{
    std::wstring text(size_t(data.size()), L'\0');
    for (int i = 0; i < data.size(); ++i)
        text[size_t(i)] = wchar_t(uchar(data.at(i)));
    return text;
}

// The modules of a writer's matrix, taking every rowStep-th row.
QImage greyImage(const ZXing::BitMatrix &bits, int rowStep)
{
    QImage img(bits.width(), bits.height() / rowStep, QImage::Format_Grayscale8);
    for (int y = 0; y < img.height(); ++y) {
        uchar *row = img.scanLine(y);
        for (int x = 0; x < bits.width(); ++x)
            row[x] = bits.get(x, y * rowStep) ? 0 : 255;
    }
    return img;
}

// zxing-cpp draws PDF417 rows this many pixels high at one pixel per module.
constexpr int Pdf417WriterRowPixels = 4;

// Every row of an upright PDF417 symbol opens with the start pattern, so its
// first column is all bars; a symbol the writer turned on its side is not.
bool upright(const ZXing::BitMatrix &bits)
{
    for (int y = 0; y < bits.height(); ++y)
        if (!bits.get(0, y))
            return false;
    return bits.height() > 0;
}

} // namespace

QString VpBarcode::symbologyName(int symbology)
{
    switch (symbology) {
    case UpcA: return QStringLiteral("UPC-A");
    case UpcE: return QStringLiteral("UPC-E");
    case Jan13: return QStringLiteral("JAN13");
    case Jan8: return QStringLiteral("JAN8");
    case Code39: return QStringLiteral("CODE39");
    case Itf: return QStringLiteral("ITF");
    case Codabar: return QStringLiteral("CODABAR");
    case Code93: return QStringLiteral("CODE93");
    case Code128: return QStringLiteral("CODE128");
    default: return QString();
    }
}

bool VpBarcode::encodeLinear(int symbology, const QByteArray &data, QVector<bool> *modules, QString *text,
                             QString *error)
{
    ZXing::BarcodeFormat format = ZXing::BarcodeFormat::None;
    QString content = QString::fromLatin1(data);
    switch (symbology) {
    case UpcA:
        format = ZXing::BarcodeFormat::UPCA;
        if (!allDigits(data) || (data.size() != 11 && data.size() != 12)) {
            *error = QStringLiteral("UPC-A takes 11 or 12 digits");
            return false;
        }
        break;
    case UpcE:
        format = ZXing::BarcodeFormat::UPCE;
        if (allDigits(data) && data.size() == 6)
            content.prepend(QLatin1Char('0'));
        if (!allDigits(data) || content.size() < 7 || content.size() > 8) {
            *error = QStringLiteral("UPC-E takes 6 to 8 digits");
            return false;
        }
        break;
    case Jan13:
        format = ZXing::BarcodeFormat::EAN13;
        if (!allDigits(data) || (data.size() != 12 && data.size() != 13)) {
            *error = QStringLiteral("JAN13 takes 12 or 13 digits");
            return false;
        }
        break;
    case Jan8:
        format = ZXing::BarcodeFormat::EAN8;
        if (!allDigits(data) || (data.size() != 7 && data.size() != 8)) {
            *error = QStringLiteral("JAN8 takes 7 or 8 digits");
            return false;
        }
        break;
    case Code39:
        format = ZXing::BarcodeFormat::Code39;
        if (content.startsWith(QLatin1Char('*')))
            content.remove(0, 1);
        if (content.endsWith(QLatin1Char('*')))
            content.chop(1);
        break;
    case Itf:
        format = ZXing::BarcodeFormat::ITF;
        if (!allDigits(data) || data.size() % 2 != 0) {
            *error = QStringLiteral("ITF takes an even number of digits");
            return false;
        }
        break;
    case Codabar:
        format = ZXing::BarcodeFormat::Codabar;
        content = content.toUpper();
        break;
    case Code93:
        format = ZXing::BarcodeFormat::Code93;
        break;
    case Code128: {
        format = ZXing::BarcodeFormat::Code128;
        bool ok = false;
        content = code128Text(data, &ok);
        if (!ok) {
            *error = QStringLiteral("CODE128 data must start with {A, {B or {C");
            return false;
        }
        break;
    }
    default:
        *error = QStringLiteral("unknown symbology");
        return false;
    }
    if (content.isEmpty()) {
        *error = QStringLiteral("empty content");
        return false;
    }
    try {
        const ZXing::BitMatrix matrix =
            ZXing::MultiFormatWriter(format).setMargin(0).encode(content.toStdWString(), 0, 1);
        modules->clear();
        for (int x = 0; x < matrix.width(); ++x)
            modules->append(matrix.get(x, 0));
        // Drop any quiet zone the writer left.
        while (!modules->isEmpty() && !modules->first())
            modules->removeFirst();
        while (!modules->isEmpty() && !modules->last())
            modules->removeLast();
    } catch (const std::exception &e) {
        *error = QString::fromUtf8(e.what());
        return false;
    } catch (...) {
        *error = QStringLiteral("the content cannot be encoded");
        return false;
    }
    if (modules->isEmpty()) {
        *error = QStringLiteral("the content cannot be encoded");
        return false;
    }
    *text = content;
    return true;
}

bool VpBarcode::encodeQr(const QByteArray &data, int level, QImage *matrix, QString *error)
{
    if (data.isEmpty()) {
        *error = QStringLiteral("no QR data stored");
        return false;
    }
    // zxing-cpp takes levels 0..8 and halves them: 1 L, 3 M, 5 Q, 7 H.
    const int eccLevel = 1 + 2 * qBound(0, level, 3);
    try {
        const ZXing::BitMatrix bits = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode)
                                          .setMargin(0)
                                          .setEncoding(ZXing::CharacterSet::ISO8859_1)
                                          .setEccLevel(eccLevel)
                                          .encode(byteText(data), 0, 0);
        *matrix = greyImage(bits, 1);
    } catch (const std::exception &e) {
        *error = QString::fromUtf8(e.what());
        return false;
    } catch (...) {
        *error = QStringLiteral("the content cannot be encoded");
        return false;
    }
    return true;
}

bool VpBarcode::encodePdf417(const QByteArray &data, int level, QImage *matrix, QString *error)
{
    if (data.isEmpty()) {
        *error = QStringLiteral("no PDF417 data stored");
        return false;
    }
    try {
        ZXing::MultiFormatWriter writer(ZXing::BarcodeFormat::PDF417);
        writer.setMargin(0).setEncoding(ZXing::CharacterSet::ISO8859_1).setEccLevel(level);
        const std::wstring text = byteText(data);
        // The writer turns a symbol taller than wide on its side unless asked
        // for a tall picture (height > width); paper wants it upright.
        ZXing::BitMatrix bits = writer.encode(text, 0, 0);
        if (!upright(bits))
            bits = writer.encode(text, 0, 1);
        if (!upright(bits) || bits.height() % Pdf417WriterRowPixels != 0) {
            *error = QStringLiteral("the PDF417 writer gave no upright symbol");
            return false;
        }
        *matrix = greyImage(bits, Pdf417WriterRowPixels);
    } catch (const std::exception &e) {
        *error = QString::fromUtf8(e.what());
        return false;
    } catch (...) {
        *error = QStringLiteral("the content cannot be encoded");
        return false;
    }
    return true;
}
