#include "services/BarcodeGenerator.h"

#include <ZXing/BarcodeFormat.h>
#include <ZXing/BitMatrix.h>
#include <ZXing/CharacterSet.h>
#include <ZXing/MultiFormatWriter.h>

#include <QDebug>

#include <exception>

namespace {
const QRgb kBlack = 0xFF000000;
const QRgb kWhite = 0xFFFFFFFF;
const int kWriterLevels[] = {0, 3, 5, 8};
const int kDefaultLevelIndex = 1;

ZXing::BarcodeFormat formatOf(BarcodeGenerator::Symbol symbol)
{
    switch (symbol) {
    case BarcodeGenerator::Aztec: return ZXing::BarcodeFormat::Aztec;
    case BarcodeGenerator::DataMatrix: return ZXing::BarcodeFormat::DataMatrix;
    case BarcodeGenerator::Pdf417: return ZXing::BarcodeFormat::PDF417;
    case BarcodeGenerator::QrCode: break;
    }
    return ZXing::BarcodeFormat::QRCode;
}
} // namespace

BarcodeGenerator::Symbol BarcodeGenerator::symbolOf(const QString &type)
{
    if (type == QLatin1String("AZTEC"))
        return Aztec;
    if (type == QLatin1String("DATA_MATRIX"))
        return DataMatrix;
    if (type == QLatin1String("PDF417"))
        return Pdf417;
    return QrCode;
}

int BarcodeGenerator::levelIndexOf(const QString &errorLevel)
{
    if (errorLevel == QLatin1String("L"))
        return 0;
    if (errorLevel == QLatin1String("M"))
        return 1;
    if (errorLevel == QLatin1String("Q"))
        return 2;
    if (errorLevel == QLatin1String("H"))
        return 3;
    return kDefaultLevelIndex;
}

int BarcodeGenerator::writerLevelOf(int levelIndex)
{
    if (levelIndex < 0 || levelIndex > 3)
        levelIndex = kDefaultLevelIndex;
    return kWriterLevels[levelIndex];
}

QImage BarcodeGenerator::renderBarcode(Symbol symbol, const QString &content, int width, int height,
                                       int levelIndex) const
{
    if (content.isEmpty())
        return QImage();
    const QByteArray utf8 = content.toUtf8();
    try {
        ZXing::MultiFormatWriter writer(formatOf(symbol));
        writer.setEncoding(ZXing::CharacterSet::UTF8).setMargin(Margin);
        if (symbol == QrCode)
            writer.setEccLevel(writerLevelOf(levelIndex));
        const ZXing::BitMatrix matrix = writer.encode(std::string(utf8.constData(), size_t(utf8.size())), width, height);
        QImage image(matrix.width(), matrix.height(), QImage::Format_RGB32);
        for (int y = 0; y < matrix.height(); ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < matrix.width(); ++x)
                line[x] = matrix.get(x, y) ? kBlack : kWhite;
        }
        return image;
    } catch (const std::exception &e) {
        qWarning().noquote() << QStringLiteral("生成条码失败:") + QString::fromUtf8(e.what());
    }
    return QImage();
}
