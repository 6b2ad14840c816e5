#pragma once

#include "services/PreviewPageStore.h"

#include <QQuickImageProvider>
#include <QString>

#include <memory>

// Serves the pages of the print previews as "image://preview/<owner>/<revision>/<page>".
// Every preview (PrintPreview) keeps its latest pages in the store under an
// owner name of its own; the revision only makes a new URL for each
// rendering. The previews share the store with the provider, so neither
// outlives what it reads, whichever the engine destroys first.
class PreviewImageProvider : public QQuickImageProvider
{
public:
    // The provider's name in image URLs.
    static const QString Name;

    PreviewImageProvider();

    std::shared_ptr<PreviewPageStore> store() const { return m_store; }

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

private:
    std::shared_ptr<PreviewPageStore> m_store;
};
