#pragma once

#include <QByteArray>
#include <QString>

// Encoders of the barcode page: size and HRI settings, the nine one-dimensional
// symbologies of GS k (second form) and the QR code of GS ( k.
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

} // namespace BarcodeCommands
