#include "services/BarcodeImageProvider.h"

BarcodeImageProvider::BarcodeImageProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

QImage BarcodeImageProvider::requestImage(const QString &, QSize *size, const QSize &)
{
    if (size)
        *size = QSize();
    return QImage();
}
