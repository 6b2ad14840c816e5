#pragma once

#include "commands/PictureOptions.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// Pictures as stored printer logos (FS q) and the print of a stored logo (FS p).
namespace LogoCommands {

// Pictures with more pixels than this are never decoded at full size: JPEG
// files are decoded straight at the size they are scaled to, other formats
// count as unreadable. Keeps a huge or hostile file from exhausting memory.
constexpr qint64 MaxDecodedPixels = 40LL * 1000 * 1000;

// FS q carries the size in bytes of eight dots in one byte each (xL, yL; the
// high bytes are 00): a stored logo is at most 255 * 8 = 2040 dots each way.
// The limits from the configuration are clamped to 8..2040 dots.
constexpr int MaxLogoDots = 255 * 8;
constexpr int MinLogoDots = 8;
int clampLimit(int limit);

// The size a picture of `original` size is scaled to: within the bound, its
// own height and its width rounded up to a multiple of 8; beyond the bound,
// both scaled by the smaller of the two ratios (truncated), then the width
// rounded up to a multiple of 8. The bounds are clamped first (clampLimit).
QSize scaledSize(const QSize &original, int maxWidth, int maxHeight);

// True when the file holds a picture that loadMonochrome() can decode: a known
// format within the pixel bound (or a JPEG, decoded straight at its scaled size).
// Looks only at the file's header.
bool isUsablePicture(const QString &path);

// Reads the picture at path (format decided by the contents) and scales it
// without smoothing to scaledSize(). A null image when the file cannot be read.
QImage loadScaled(const QString &path, int maxWidth, int maxHeight);

// loadScaled(), then PictureConversion::toMonochrome(): the dots that are
// printed (Format_Mono, colour 1 a dot). A null image when the file cannot be
// read. Without options: the conversion of earlier versions.
QImage loadMonochrome(const QString &path, int maxWidth, int maxHeight);
QImage loadMonochrome(const QString &path, int maxWidth, int maxHeight, const PictureOptions &options);

// The picture column by column: each column from the top pixel to the bottom,
// eight pixels to a byte (first pixel in the most significant bit, a short last
// byte padded with 0 bits). A pixel is a dot when its grey level
// (11 R + 16 G + 5 B) / 32 is below 200.
QByteArray packColumns(const QImage &picture);

// FS q n: the definition block of logo n: xL 00 yL 00 and the columns.
// An unreadable picture gives 1C 71 n 00 00 00 00.
QByteArray defineLogo(int number, const QString &path, int maxWidth, int maxHeight);
QByteArray defineLogo(int number, const QString &path, int maxWidth, int maxHeight, const PictureOptions &options);
// The block of a picture already converted (a null image: the empty block).
QByteArray defineLogo(int number, const QImage &dots);
// One block per path, numbered from 1: what the logo load keeps.
QByteArray defineLogos(const QStringList &paths, int maxWidth, int maxHeight, const PictureOptions &options);

// ESC @, centre, 1D 54, FS p n m, ESC @, 00, four line feeds, 00, partial cut, 00.
QByteArray printLogo(int number, int mode);

} // namespace LogoCommands
