#include "PrintedDots.h"

namespace PrintedDots {

QString differences(const QImage &page, const QImage &dots, int scale, int paperDots)
{
    const QImage g = page.convertToFormat(QImage::Format_Grayscale8);
    const int w = dots.width() * scale;
    const int h = dots.height() * scale;
    const int left = (paperDots - w) / 2;
    if (g.width() != paperDots || g.height() < h)
        return QStringLiteral("page %1 x %2 cannot hold %3 x %4").arg(g.width()).arg(g.height()).arg(w).arg(h);
    int count = 0;
    QString first;
    for (int y = 0; y < g.height(); ++y) {
        const uchar *row = g.constScanLine(y);
        for (int x = 0; x < g.width(); ++x) {
            const bool inside = y < h && x >= left && x < left + w;
            const bool expected = inside && dots.pixelIndex((x - left) / scale, y / scale) == 1;
            const bool printed = row[x] < 128;
            if (expected != printed) {
                if (first.isEmpty())
                    first = QStringLiteral("(%1, %2) printed %3").arg(x).arg(y).arg(printed);
                ++count;
            }
        }
    }
    return count ? QStringLiteral("%1 dots differ, first at %2").arg(count).arg(first) : QString();
}

} // namespace PrintedDots
