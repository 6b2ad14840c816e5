#pragma once

#include <QByteArray>
#include <QImage>

// Pictures printed at once, without storing them first: GS v 0, the raster
// bit image every printer of the family takes.
namespace RasterCommands {

// Dots per byte of a raster row.
constexpr int DotsPerByte = 8;
// The widest picture sent: 58 mm paper prints 384 dots, and 80 mm paper
// prints a picture of this width as well.
constexpr int MaxWidthDots = 384;
// GS v 0 carries the height in two bytes.
constexpr int MaxHeightDots = 0xFFFF;

// GS v 0 0 xL xH yL yH and the rows, top row first, eight dots to a byte with
// the leftmost dot in the most significant bit; a short last byte of a row is
// padded with paper. A pixel is a dot when its grey level is below 128.
// A null picture, or one taller than MaxHeightDots, gives no bytes.
QByteArray rasterImage(const QImage &picture);

} // namespace RasterCommands
