#include "services/PicturePreviewProvider.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {

struct Table
{
    QMutex mutex;
    QHash<QString, QImage> images;
};

Table &table()
{
    static Table t;
    return t;
}

} // namespace

void PicturePreviewProvider::publish(const QString &preview, const QImage &image)
{
    Table &t = table();
    QMutexLocker lock(&t.mutex);
    t.images.insert(preview, image);
}

void PicturePreviewProvider::withdraw(const QString &preview)
{
    Table &t = table();
    QMutexLocker lock(&t.mutex);
    t.images.remove(preview);
}

QImage PicturePreviewProvider::published(const QString &preview)
{
    Table &t = table();
    QMutexLocker lock(&t.mutex);
    return t.images.value(preview);
}

QImage PicturePreviewProvider::requestImage(const QString &id, QSize *size, const QSize &)
{
    const int dash = id.lastIndexOf(QLatin1Char('-'));
    const QImage image = published(dash > 0 ? id.left(dash) : id);
    if (size)
        *size = image.size();
    return image;
}
