#pragma once

#include <QHash>
#include <QImage>
#include <mutex>

// Glyph cells of the printer's fonts, drawn once with a system font and kept:
// font A 12 x 24, font B 9 x 17, and 24 x 24 cells for Chinese characters.
// Cells are 8-bit grey images holding only 0 (dot) and 255 (paper).
class VpFont
{
public:
    enum Face { FontA, FontB, Chinese };

    static constexpr int FontAWidth = 12;
    static constexpr int FontAHeight = 24;
    static constexpr int FontBWidth = 9;
    static constexpr int FontBHeight = 17;
    static constexpr int ChineseSize = 24;

    static QSize cellSize(Face face);
    // The cell of one character; an empty cell when no font can be drawn
    // (no QGuiApplication in the process).
    static QImage glyph(Face face, uint codePoint);

private:
    static QImage draw(Face face, uint codePoint);
};
