#pragma once

#include "services/BarcodeGenerator.h"

#include <QCache>
#include <QImage>
#include <QQuickImageProvider>
#include <QString>

// Serves "image://barcode/<id>" previews to the scenes from a cache of the
// last 50 rendered symbols; every preview gets a new id.
class BarcodeImageProvider : public QQuickImageProvider
{
public:
    static constexpr int CacheSize = 50;
    static constexpr int RenderSize = 400;

    BarcodeImageProvider();

    // Renders the symbol, caches it and returns its id:
    // barcode_<type>_<hash of content, hex>_<errorLevel>_<counter>.
    QString createBarcodeImage(const QString &type, const QString &content, const QString &errorLevel);
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

private:
    BarcodeGenerator m_generator;
    QCache<QString, QImage> m_cache;
    qint32 m_counter = 0;
};
