#include "services/PreviewPageStore.h"

void PreviewPageStore::setPages(const QString &owner, const QList<QImage> &pages)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pages.insert(owner, pages);
}

void PreviewPageStore::remove(const QString &owner)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pages.remove(owner);
}

QImage PreviewPageStore::page(const QString &owner, int index) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pages.value(owner).value(index);
}
