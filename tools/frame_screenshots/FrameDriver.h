#pragma once

#include <QImage>
#include <QString>

#include <functional>

class QQuickItem;
class QQuickWindow;

// Drives a scene the way a person would: finds items by objectName in the
// window's item tree (popups included), clicks their centre and waits for the
// scene to settle. Used by the frame tests and the screenshot tool.
class FrameDriver
{
public:
    static constexpr int DefaultTimeoutMs = 5000;

    explicit FrameDriver(QQuickWindow *window) : m_window(window) {}

    QQuickWindow *window() const { return m_window; }
    // The first item below `from` (the window's root item when null) with that
    // objectName, or null.
    QQuickItem *item(const QString &objectName, QQuickItem *from = nullptr) const;
    // Every visible item of the tree, depth first.
    QList<QQuickItem *> visibleItems() const;
    // Clicks the centre of the item; false when it is missing or not visible.
    bool click(const QString &objectName);
    bool click(QQuickItem *item);
    // Processes events until `condition` holds; false on time-out.
    static bool waitFor(const std::function<bool()> &condition, int timeoutMs = DefaultTimeoutMs);
    // The window's current frame.
    QImage grab() const;

private:
    QQuickWindow *m_window;
};
