#pragma once

#include <QImage>
#include <QRect>

// The smallest rectangle around the dark pixels (grey below 128) of a printed
// page, or of a part of it: where something was printed, and how big.
struct InkBox
{
    int left = -1, top = -1, right = -1, bottom = -1;

    bool empty() const { return left < 0; }
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }

    // area: the part of the picture to look at (the whole when null).
    static InkBox of(const QImage &image, const QRect &area = QRect());
};
