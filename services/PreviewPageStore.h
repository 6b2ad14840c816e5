#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QString>

#include <mutex>

// The latest pages of every print preview, by owner name: written by the
// previews on the GUI thread, read by the image provider on the scene
// engine's threads.
class PreviewPageStore
{
public:
    void setPages(const QString &owner, const QList<QImage> &pages);
    void remove(const QString &owner);
    // A null image for an unknown owner or page.
    QImage page(const QString &owner, int index) const;

private:
    mutable std::mutex m_mutex; // std::mutex: ThreadSanitizer sees its ordering
    QHash<QString, QList<QImage>> m_pages;
};
