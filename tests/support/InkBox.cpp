#include "InkBox.h"

InkBox InkBox::of(const QImage &image, const QRect &area)
{
    const QImage g = image.convertToFormat(QImage::Format_Grayscale8);
    const QRect r = area.isNull() ? g.rect() : area.intersected(g.rect());
    InkBox b;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const uchar *row = g.constScanLine(y);
        for (int x = r.left(); x <= r.right(); ++x) {
            if (row[x] >= 128)
                continue;
            if (b.left < 0 || x < b.left)
                b.left = x;
            if (b.right < 0 || x > b.right)
                b.right = x;
            if (b.top < 0)
                b.top = y;
            b.bottom = y;
        }
    }
    return b;
}
