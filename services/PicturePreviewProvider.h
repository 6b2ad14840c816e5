#pragma once

#include <QImage>
#include <QQuickImageProvider>
#include <QString>

// Serves "image://picture/<preview>-<generation>": the newest converted picture
// of each live PicturePreview. The pictures live in one PreviewPageStore for
// the whole process, so that a preview and the engine that owns the provider
// may end in either order; the store is locked, as the scene engine may ask
// from its image loading thread.
class PicturePreviewProvider : public QQuickImageProvider
{
public:
    static constexpr const char *Name = "picture";

    PicturePreviewProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

    // The part of an id before the last "-", which tells generations apart.
    static void publish(const QString &preview, const QImage &image);
    static void withdraw(const QString &preview);
    static QImage published(const QString &preview);

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
};
