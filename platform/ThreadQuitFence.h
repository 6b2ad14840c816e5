#pragma once

#include <memory>
#include <mutex>

class QThread;

// Ends a QThread's event loop and joins it so that a thread checker sees the
// order: quit() wakes the loop through the loop's wake-up descriptor, which
// the ending thread then closes. Qt orders the two with its own locks, which
// are invisible to ThreadSanitizer; this fence holds a std::mutex around
// quit() and has the ending thread take it as it finishes.
class ThreadQuitFence
{
public:
    // Before thread->start().
    explicit ThreadQuitFence(QThread *thread);
    void quitAndWait();

private:
    QThread *m_thread = nullptr;
    std::shared_ptr<std::mutex> m_mutex = std::make_shared<std::mutex>();
};
