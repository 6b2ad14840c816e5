#include "services/PreviewImageProvider.h"

#include <QStringList>

const QString PreviewImageProvider::Name = QStringLiteral("preview");

PreviewImageProvider::PreviewImageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image), m_store(std::make_shared<PreviewPageStore>())
{
}

QImage PreviewImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    // <owner>/<revision>/<page>
    const QStringList parts = id.split(QLatin1Char('/'));
    QImage image;
    if (parts.size() == 3)
        image = m_store->page(parts.at(0), parts.at(2).toInt());
    if (!image.isNull() && requestedSize.isValid() && !requestedSize.isEmpty())
        image = image.scaled(requestedSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (size)
        *size = image.size();
    return image;
}
