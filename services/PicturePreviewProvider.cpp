#include "services/PicturePreviewProvider.h"

#include "services/PreviewPageStore.h"

namespace {

// One picture per preview, as its page 0.
PreviewPageStore &store()
{
    static PreviewPageStore pictures;
    return pictures;
}

} // namespace

void PicturePreviewProvider::publish(const QString &preview, const QImage &image)
{
    store().setPages(preview, {image});
}

void PicturePreviewProvider::withdraw(const QString &preview)
{
    store().remove(preview);
}

QImage PicturePreviewProvider::published(const QString &preview)
{
    return store().page(preview, 0);
}

QImage PicturePreviewProvider::requestImage(const QString &id, QSize *size, const QSize &)
{
    const int dash = id.lastIndexOf(QLatin1Char('-'));
    const QImage image = published(dash > 0 ? id.left(dash) : id);
    if (size)
        *size = image.size();
    return image;
}
