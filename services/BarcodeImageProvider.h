#pragma once

#include <QQuickImageProvider>

// Serves "image://barcode/<id>" previews to the scenes.
class BarcodeImageProvider : public QQuickImageProvider
{
public:
    BarcodeImageProvider();
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
};
