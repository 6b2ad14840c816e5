#pragma once

#include "commands/PictureOptions.h"

#include <QImage>

#include <array>

// A picture, already at its printed size, turned into printer dots. Pure
// functions: the same picture and options always give the same dots, so the
// preview on the screen and the bytes sent to the printer come from one call.
//
// Our own dithering rather than QImage::convertToFormat(Format_Mono): Qt's
// conversion knows only its own error diffusion on unchanged greys, ignores
// transparency and has no ordered 8 x 8 or Atkinson dithering. Its error
// diffusion is reproduced exactly, so the conversion of earlier versions
// (which used it) stays byte for byte the same.
namespace PictureConversion {

// The grey the printer driver sees: (11 R + 16 G + 5 B) / 32 (0 black, 255 white).
int greyLevel(QRgb pixel);

// For a 1-bit picture: whether its colour 0 and colour 1 are dots (grey below
// `threshold`). A short colour table reads as QImage reads it: black for a
// missing colour 0, white for a missing colour 1.
std::array<bool, 2> monoDotColours(const QImage &picture, int threshold);

// What each grey level becomes after brightness, then contrast (around the
// middle grey 128), then inversion; clamped to 0..255. All zero choices give
// the levels unchanged.
std::array<uchar, 256> levelTable(const PictureOptions &options);

// The picture as dots, the same size: QImage::Format_Mono whose colour 0 is
// white paper and colour 1 a black dot. A null picture gives a null image.
//   threshold        a dot where the grey is below 128;
//   floyd-steinberg  error diffusion, 7/16 right, 3/16, 5/16, 1/16 below,
//                    rows left to right (the diffusion of earlier versions);
//   atkinson         1/8 of the error to six neighbours (two right, three
//                    below, one two rows below), the rest dropped: lighter
//                    shadows, crisper edges;
//   bayer            ordered: a dot where the grey is below the 8 x 8 matrix
//                    threshold of the dot's position (4 m + 2, m = 0..63).
QImage toMonochrome(const QImage &picture, const PictureOptions &options);

} // namespace PictureConversion
