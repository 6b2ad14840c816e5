#pragma once

#include <QImage>
#include <QString>

// Compares what the virtual printer printed with the dots it was meant to print.
namespace PrintedDots {

// Where a page (0 dot, 255 paper) and `dots` (a 1-bit picture, colour 1 a
// dot) scaled by `scale` and centred on paper `paperDots` wide disagree, from
// the top of the page: a text naming the number of differing dots and the
// first of them, or an empty text when the page holds exactly those dots
// above blank paper.
QString differences(const QImage &page, const QImage &dots, int scale, int paperDots = 576);

} // namespace PrintedDots
