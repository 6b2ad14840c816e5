#define ZX_USE_UTF8
#include "support/SymbolReader.h"

#include <ZXing/ReadBarcode.h>

SymbolReader SymbolReader::read(const QImage &page, ZXing::BarcodeFormat format)
{
    SymbolReader d;
    const QImage img = page.convertToFormat(QImage::Format_Grayscale8);
    if (img.isNull())
        return d;
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    const ZXing::Result r = ZXing::ReadBarcode(
        ZXing::ImageView(img.constBits(), img.width(), img.height(), ZXing::ImageFormat::Lum, int(img.bytesPerLine())),
        hints);
    d.ok = r.isValid();
    d.text = QString::fromStdString(r.text());
    d.bytes = QByteArray(reinterpret_cast<const char *>(r.bytes().data()), int(r.bytes().size()));
    d.level = QString::fromStdString(r.ecLevel());
    return d;
}

SymbolReader SymbolReader::read(const QString &file, ZXing::BarcodeFormat format)
{
    return read(QImage(file), format);
}
