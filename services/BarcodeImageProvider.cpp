#include "services/BarcodeImageProvider.h"

#include <QDebug>
#include <QHash>

namespace {
const int kImageCost = 1;
const int kHexBase = 16;
} // namespace

BarcodeImageProvider::BarcodeImageProvider() : QQuickImageProvider(QQuickImageProvider::Image)
{
    m_cache.setMaxCost(CacheSize);
}

QString BarcodeImageProvider::createBarcodeImage(const QString &type, const QString &content,
                                                 const QString &errorLevel)
{
    const BarcodeGenerator::Symbol symbol = BarcodeGenerator::symbolOf(type);
    const int levelIndex = BarcodeGenerator::levelIndexOf(errorLevel);
    const QImage image = m_generator.renderBarcode(symbol, content, RenderSize, RenderSize, levelIndex);
    ++m_counter;
    const QString id = QStringLiteral("barcode_%1_%2_%3_%4")
                           .arg(type, QString::number(qHash(content, 0), kHexBase), errorLevel,
                                QString::number(m_counter));
    m_cache.insert(id, new QImage(image), kImageCost);
    return id;
}

QImage BarcodeImageProvider::requestImage(const QString &id, QSize *size, const QSize &)
{
    // QCache::object() makes the entry the most recently used.
    if (const QImage *image = m_cache.object(id)) {
        if (size)
            *size = image->size();
        return *image;
    }
    qDebug() << "Image not found in cache for id:" << id;
    if (size)
        *size = QSize(0, 0);
    return QImage();
}
