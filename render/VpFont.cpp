#include "render/VpFont.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>

namespace {
constexpr int Threshold = 128;
std::mutex g_cacheMutex; // std::mutex: ThreadSanitizer sees its ordering
QHash<quint64, QImage> g_cache;
} // namespace

QSize VpFont::cellSize(Face face)
{
    switch (face) {
    case FontA: return QSize(FontAWidth, FontAHeight);
    case FontB: return QSize(FontBWidth, FontBHeight);
    case Chinese: return QSize(ChineseSize, ChineseSize);
    }
    return QSize(FontAWidth, FontAHeight);
}

QImage VpFont::glyph(Face face, uint codePoint)
{
    const quint64 key = (quint64(face) << 32) | codePoint;
    {
        std::lock_guard<std::mutex> lock(g_cacheMutex);
        auto it = g_cache.constFind(key);
        if (it != g_cache.constEnd())
            return *it;
    }
    const QImage img = draw(face, codePoint);
    std::lock_guard<std::mutex> lock(g_cacheMutex);
    g_cache.insert(key, img);
    return img;
}

QImage VpFont::draw(Face face, uint codePoint)
{
    const QSize size = cellSize(face);
    QImage cell(size, QImage::Format_Grayscale8);
    cell.fill(255);
    if (codePoint <= 0x20 || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return cell;

    QFont font;
    font.setStyleStrategy(QFont::NoAntialias);
    switch (face) {
    case FontA:
        font.setFamily(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(19);
        break;
    case FontB:
        font.setFamily(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(14);
        break;
    case Chinese:
        font.setFamily(QStringLiteral("WenQuanYi Micro Hei"));
        font.setPixelSize(22);
        break;
    }
    font.setStyleHint(face == Chinese ? QFont::SansSerif : QFont::Monospace);

    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const uint cps[1] = {codePoint};
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, QString::fromUcs4(cps, 1));
    }
    for (int y = 0; y < size.height(); ++y) {
        const QRgb *src = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        uchar *dst = cell.scanLine(y);
        for (int x = 0; x < size.width(); ++x)
            dst[x] = qGray(src[x]) < Threshold ? 0 : 255;
    }
    return cell;
}
