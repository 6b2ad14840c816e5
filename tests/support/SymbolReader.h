#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <ZXing/BarcodeFormat.h>

// What a phone would read from a printed page: zxing-cpp's reader, trying
// hard, over the page as 8-bit grey.
struct SymbolReader
{
    QString text;
    QByteArray bytes; // the data bytes as the symbol holds them, before any character set
    QString level; // error-correction level as the reader reports it
    bool ok = false;

    static SymbolReader read(const QImage &page, ZXing::BarcodeFormat format);
    // A picture file; not ok when it cannot be loaded.
    static SymbolReader read(const QString &file, ZXing::BarcodeFormat format);
};
