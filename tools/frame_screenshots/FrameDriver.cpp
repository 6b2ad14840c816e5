#include "FrameDriver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace {

QQuickItem *findItem(QQuickItem *item, const QString &name)
{
    if (!item)
        return nullptr;
    if (item->objectName() == name)
        return item;
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

void collectVisible(QQuickItem *item, QList<QQuickItem *> &out)
{
    if (!item || !item->isVisible())
        return;
    out.append(item);
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children)
        collectVisible(child, out);
}

} // namespace

QQuickItem *FrameDriver::item(const QString &objectName, QQuickItem *from) const
{
    return findItem(from ? from : m_window->contentItem(), objectName);
}

QList<QQuickItem *> FrameDriver::visibleItems() const
{
    QList<QQuickItem *> out;
    collectVisible(m_window->contentItem(), out);
    return out;
}

bool FrameDriver::click(const QString &objectName)
{
    return click(item(objectName));
}

bool FrameDriver::click(QQuickItem *target)
{
    if (!target || !target->isVisible() || !target->window())
        return false;
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(target->window(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    return true;
}

bool FrameDriver::waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qSleep(5);
    }
    return true;
}

QImage FrameDriver::grab() const
{
    return m_window->grabWindow();
}
