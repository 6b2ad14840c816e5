#include "commands/BarcodeCommands.h"

#include "commands/EscPos.h"
#include "commands/RasterCommands.h"

#include <QStringList>
#include <QTextCodec>

#include <ZXing/BarcodeFormat.h>
#include <ZXing/BitMatrix.h>
#include <ZXing/CharacterSet.h>
#include <ZXing/MultiFormatWriter.h>

#include <exception>

namespace BarcodeCommands {

namespace {
const char kWidth = 'w';
const char kHeight = 'h';
const char kHriFont = 'f';
const char kHriPosition = 'H';
const char kBarcode = 'k';
const int kDecimal = 10;

// GS ( k pL pH cn fn ...: the QR code functions (cn = 31).
const char kQrPrefix[] = {EscPos::GS, '(', 'k'};
const char kQrModuleSize[] = {0x03, 0x00, 0x31, 0x43};
const char kQrErrorLevel[] = {0x03, 0x00, 0x31, 0x45};
const char kQrStoreTail[] = {0x31, 0x50, 0x30};
const int kQrStoreOverhead = 3;
const char kCentre[] = {EscPos::ESC, 'a', 0x31};
const char kQrPrint[] = {EscPos::GS, '(', 'k', 0x03, 0x00, 0x31, 0x51, 0x30};
const char kLeft[] = {EscPos::ESC, 'a', 0x30};
const char kQrFinish[] = {EscPos::LF, EscPos::LF, 0x00, EscPos::GS, 'V', 0x01, 0x00};

// GS ( k with cn = 30: PDF417. Functions 41 columns, 42 rows, 43 module
// width, 44 row height, 45 error correction, 46 options, 50 store, 51 print.
const char kPdf417 = 0x30;
const char kPdfColumns = 0x41;
const char kPdfRows = 0x42;
const char kPdfModuleWidth = 0x43;
const char kPdfRowHeight = 0x44;
const char kPdfErrorLevel = 0x45;
const char kPdfOptions = 0x46;
const char kPdfStore = 0x50;
const char kPdfPrint = 0x51;
const char kPdfAuto = 0x00;
const char kPdfStandard = 0x00;
const char kPdfByLevel = 0x30; // error correction given as a level 0..8 (30..38)
const char kPdfLevelBase = 0x30;
const char kPdfSymbolData = 0x30;
const int kPdfMinModule = 2;
const int kPdfMaxModule = 4;
const int kPdfRowHeightModules = 3;
const int kPdfLowestLevel = 1;
const int kPageLevels = 4; // L, M, Q, H
const int kOneParameter = 3; // cn fn n
const int kTwoParameters = 4; // cn fn m n

const int kMatrixQuietModules = 2;
const uchar kModuleDark = 0;
const uchar kModuleLight = 255;

template <size_t N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, int(N));
}

QByteArray gs(char command, int n)
{
    return QByteArray() + EscPos::GS + command + EscPos::lowByte(n);
}

QByteArray utf8(const QString &content)
{
    QTextCodec *codec = QTextCodec::codecForName("UTF-8");
    return codec ? codec->fromUnicode(content) : content.toUtf8();
}

// GS ( k pL pH followed by the parameter bytes (cn fn ...).
QByteArray twoDimensional(const QByteArray &parameters)
{
    return raw(kQrPrefix) + EscPos::lowByte(parameters.size()) + EscPos::lowByte(parameters.size() >> 8) + parameters;
}

QByteArray pdfFunction(char fn, char n)
{
    return twoDimensional(QByteArray() + kPdf417 + fn + n);
}

// Centre, the symbol, left, and the QR code's feed and cut.
QByteArray centred(const QByteArray &symbol)
{
    return raw(kCentre) + symbol + raw(kLeft) + raw(kQrFinish);
}
} // namespace

QByteArray size(int width, int height)
{
    return gs(kWidth, width) + gs(kHeight, height);
}

QByteArray hriFont(int font)
{
    return gs(kHriFont, font);
}

QByteArray hriPosition(int position)
{
    return gs(kHriPosition, position);
}

QByteArray oneDimensional(char symbology, const QByteArray &data)
{
    return QByteArray() + EscPos::GS + kBarcode + symbology + EscPos::lowByte(data.size()) + data;
}

QByteArray latin1Data(const QString &content)
{
    return content.toLatin1();
}

QByteArray code128Data(const QString &content)
{
    QByteArray data;
    const QStringList pieces = content.split(QStringLiteral(", "), Qt::SkipEmptyParts);
    for (const QString &piece : pieces) {
        bool ok = false;
        const int value = piece.toInt(&ok, kDecimal);
        if (ok)
            data.append(EscPos::lowByte(value));
    }
    return data;
}

QByteArray qrCode(int magnification, int errorLevel, const QString &content)
{
    const QByteArray encoded = utf8(content);
    const int storeLength = encoded.size() + kQrStoreOverhead;

    QByteArray bytes;
    bytes += raw(kQrPrefix) + raw(kQrModuleSize) + EscPos::lowByte(magnification);
    bytes += raw(kQrPrefix) + raw(kQrErrorLevel) + EscPos::lowByte(errorLevel);
    bytes += raw(kQrPrefix) + EscPos::lowByte(storeLength) + EscPos::lowByte(storeLength >> 8) + raw(kQrStoreTail);
    bytes += encoded;
    bytes += raw(kCentre) + raw(kQrPrint) + raw(kLeft) + raw(kQrFinish);
    return bytes;
}

QByteArray pdf417(int magnification, int errorLevel, const QString &content)
{
    const int moduleWidth = qBound(kPdfMinModule, (magnification + 1) / 2, kPdfMaxModule);
    const int level = kPdfLowestLevel + qBound(0, errorLevel, kPageLevels - 1);
    QByteArray bytes;
    bytes += pdfFunction(kPdfColumns, kPdfAuto);
    bytes += pdfFunction(kPdfRows, kPdfAuto);
    bytes += pdfFunction(kPdfModuleWidth, char(moduleWidth));
    bytes += pdfFunction(kPdfRowHeight, char(kPdfRowHeightModules));
    bytes += twoDimensional(QByteArray() + kPdf417 + kPdfErrorLevel + kPdfByLevel + char(kPdfLevelBase + level));
    bytes += pdfFunction(kPdfOptions, kPdfStandard);
    bytes += twoDimensional(QByteArray() + kPdf417 + kPdfStore + kPdfSymbolData + utf8(content));
    bytes += centred(pdfFunction(kPdfPrint, kPdfSymbolData));
    return bytes;
}

QImage matrixModules(MatrixSymbol symbol, const QString &content)
{
    if (content.isEmpty())
        return QImage();
    const ZXing::BarcodeFormat format =
        symbol == MatrixSymbol::Aztec ? ZXing::BarcodeFormat::Aztec : ZXing::BarcodeFormat::DataMatrix;
    const QByteArray text = content.toUtf8();
    try {
        const ZXing::BitMatrix bits = ZXing::MultiFormatWriter(format)
                                          .setEncoding(ZXing::CharacterSet::UTF8)
                                          .setMargin(0)
                                          .encode(std::string(text.constData(), size_t(text.size())), 0, 0);
        QImage modules(bits.width(), bits.height(), QImage::Format_Grayscale8);
        for (int y = 0; y < bits.height(); ++y) {
            uchar *row = modules.scanLine(y);
            for (int x = 0; x < bits.width(); ++x)
                row[x] = bits.get(x, y) ? kModuleDark : kModuleLight;
        }
        return modules;
    } catch (const std::exception &) {
        return QImage();
    }
}

QByteArray matrixPicture(MatrixSymbol symbol, int magnification, const QString &content)
{
    const QImage modules = matrixModules(symbol, content);
    if (modules.isNull())
        return QByteArray();
    const int across = modules.width() + 2 * kMatrixQuietModules;
    const int down = modules.height() + 2 * kMatrixQuietModules;
    const int dots = qBound(1, qMin(magnification, RasterCommands::MaxWidthDots / across), 0xFF);
    QImage picture(across * dots, down * dots, QImage::Format_Grayscale8);
    picture.fill(kModuleLight);
    for (int y = 0; y < modules.height(); ++y) {
        const uchar *row = modules.constScanLine(y);
        for (int x = 0; x < modules.width(); ++x) {
            if (row[x] != kModuleDark)
                continue;
            for (int dy = 0; dy < dots; ++dy)
                memset(picture.scanLine((y + kMatrixQuietModules) * dots + dy) + (x + kMatrixQuietModules) * dots,
                       kModuleDark, size_t(dots));
        }
    }
    return centred(RasterCommands::rasterImage(picture));
}

} // namespace BarcodeCommands
