#pragma once

#include "commands/RasterCommands.h"

#include <QImage>
#include <QString>

// Text drawn as a picture, for text the printer's code pages cannot carry and
// for scripts it has no table for. The font is the system's CJK font
// (WenQuanYi Micro Hei, packaged with the program), whose fallbacks cover the
// other scripts; characters are 24 dots high like the printer's own Chinese
// characters, without smoothing, black on white, wrapped at word boundaries
// (between any two Chinese characters) to the given width.
namespace TextPicture {

constexpr int PixelSize = 24;
constexpr const char *FontFamily = "WenQuanYi Micro Hei";

// A null picture when there is nothing to draw (an empty text) or nothing to
// draw with: fonts need a QGuiApplication in the process.
QImage render(const QString &text, int widthDots = RasterCommands::MaxWidthDots);

} // namespace TextPicture
