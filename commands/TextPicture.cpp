#include "commands/TextPicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

namespace TextPicture {

namespace {
const int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;
} // namespace

QImage render(const QString &text, int widthDots)
{
    if (text.isEmpty() || widthDots <= 0 || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QImage();
    QFont font(QString::fromLatin1(FontFamily));
    font.setPixelSize(PixelSize);
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    const QRect bounds = metrics.boundingRect(QRect(0, 0, widthDots, RasterCommands::MaxHeightDots), kFlags, text);
    if (bounds.isEmpty())
        return QImage();
    const int width = qBound(1, bounds.right() + 1, widthDots);
    const int height = qBound(1, bounds.bottom() + 1, RasterCommands::MaxHeightDots);

    // Drawn in the full width, so that the lines break where they were measured.
    QImage canvas(widthDots, height, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, widthDots, height), kFlags, text);
    painter.end();
    return canvas.copy(0, 0, width, height);
}

} // namespace TextPicture
