#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVector>

// Bar and module patterns for what GS k and GS ( k ask for, drawn by
// zxing-cpp's writers. Symbology numbers are those of GS k's second form:
// 41 UPC-A, 42 UPC-E, 43 JAN13, 44 JAN8, 45 CODE39, 46 ITF, 47 CODABAR,
// 48 CODE93, 49 CODE128 (hexadecimal).
class VpBarcode
{
public:
    static QString symbologyName(int symbology);

    // One module per entry, true for a bar, without quiet zones. text is the
    // human-readable interpretation. False with error on content the
    // symbology cannot carry.
    static bool encodeLinear(int symbology, const QByteArray &data, QVector<bool> *modules,
                             QString *text, QString *error);

    // A QR code, one pixel per module, 0 dark and 255 light, without quiet
    // zone. level: 0 L, 1 M, 2 Q, 3 H. 2D codes hold the data bytes as they
    // are (byte mode where they are not digits or capitals), whatever their
    // encoding: a reader gets back the bytes the printer received.
    static bool encodeQr(const QByteArray &data, int level, QImage *matrix, QString *error);

    // A PDF417 symbol, one pixel per module and one pixel row per symbol row,
    // 0 dark and 255 light, without quiet zone. level: 0..8, or -1 for the
    // writer's choice. Columns and rows are the writer's choice.
    static bool encodePdf417(const QByteArray &data, int level, QImage *matrix, QString *error);
};
