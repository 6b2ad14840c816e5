#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Encoders of the barcode page: size and HRI settings, the nine one-dimensional
// symbologies of GS k (second form), the QR code and PDF417 of GS ( k, and
// Aztec and Data Matrix codes, which the printer cannot draw itself, as
// raster pictures (GS v 0).
namespace BarcodeCommands {

enum Symbology : char {
    UpcA = 0x41,
    UpcE = 0x42,
    Jan13 = 0x43,
    Jan8 = 0x44,
    Code39 = 0x45,
    Itf = 0x46,
    Codabar = 0x47,
    Code93 = 0x48,
    Code128 = 0x49,
};

// GS w w GS h h: module width and bar height.
QByteArray size(int width, int height);
// GS f n: HRI font 0 standard, 1 compressed.
QByteArray hriFont(int font);
// GS H n: HRI position 0 none, 1 above, 2 below, 3 both.
QByteArray hriPosition(int position);
// GS k m n d...: n is the low byte of the data length.
QByteArray oneDimensional(char symbology, const QByteArray &data);
// The content as Latin-1, one byte per character (others become '?').
QByteArray latin1Data(const QString &content);
// CODE128 content: decimal byte values joined by ", " (for example
// "123, 66, 49, 50"); pieces that do not read are skipped.
QByteArray code128Data(const QString &content);
// Module size, error level (0-3 for L, M, Q, H), the UTF-8 content, then
// centre, print, left, two line feeds and a partial cut.
QByteArray qrCode(int magnification, int errorLevel, const QString &content);

// PDF417 (GS ( k, cn 48): columns and rows chosen by the printer (0), module
// width (magnification + 1) / 2 within 2..4 dots, so that the page's default
// magnification 8 still fits a one-column symbol (86 modules) on 58 mm
// paper; row height 3 module widths; error correction level 1 + errorLevel
// (L 1, M 2, Q 3, H 4: M is the level the preview is drawn with); standard
// (not truncated) symbol; the UTF-8 content; then centre, print, left, two
// line feeds and a partial cut as for the QR code.
QByteArray pdf417(int magnification, int errorLevel, const QString &content);

enum class MatrixSymbol { Aztec, DataMatrix };
// The symbol as zxing-cpp's writer draws it (the content in UTF-8, the
// writer's own error correction, as the preview), one pixel per module, dark
// 0 and light 255, without quiet zone. A null picture for a content the
// symbology cannot carry.
QImage matrixModules(MatrixSymbol symbol, const QString &content);
// The symbol as a picture: modules of `magnification` dots (fewer when the
// symbol would be wider than RasterCommands::MaxWidthDots), a quiet zone of
// two modules, printed centred (ESC a 1, GS v 0, ESC a 0) and followed by the
// QR code's feed and cut. No bytes for a content the symbology cannot carry.
QByteArray matrixPicture(MatrixSymbol symbol, int magnification, const QString &content);

} // namespace BarcodeCommands
