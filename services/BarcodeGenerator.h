#pragma once

#include <QImage>
#include <QString>

// Renders two-dimensional symbols into images with zxing-cpp's writer.
class BarcodeGenerator
{
public:
    enum Symbol { QrCode, Aztec, DataMatrix, Pdf417 };

    static constexpr int Margin = 10;

    // The symbol of a type text ("QR_CODE", "AZTEC", "DATA_MATRIX", "PDF417");
    // any other text is a QR code.
    static Symbol symbolOf(const QString &type);
    // The level index of an error-level text: L 0, M 1, Q 2, H 3; any other 1.
    static int levelIndexOf(const QString &errorLevel);
    // The writer's level on its 0-8 scale for a QR level index: 0, 3, 5, 8.
    static int writerLevelOf(int levelIndex);

    // The symbol as an RGB image of the matrix the writer returns for the
    // requested size: black where a module is set, white elsewhere. A null
    // image for empty content or content the symbology cannot encode.
    QImage renderBarcode(Symbol symbol, const QString &content, int width, int height, int levelIndex) const;
};
