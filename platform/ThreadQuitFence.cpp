#include "platform/ThreadQuitFence.h"

#include <QThread>

ThreadQuitFence::ThreadQuitFence(QThread *thread) : m_thread(thread)
{
    // finished is emitted in the ending thread before its event loop's
    // resources are released.
    const std::shared_ptr<std::mutex> mutex = m_mutex;
    QObject::connect(thread, &QThread::finished, [mutex] { std::lock_guard<std::mutex> lock(*mutex); });
}

void ThreadQuitFence::quitAndWait()
{
    {
        std::lock_guard<std::mutex> lock(*m_mutex);
        m_thread->quit();
    }
    m_thread->wait();
    // Taken once more after the join: whatever the thread did under the
    // fence comes before what this thread does next (freeing the fence too).
    std::lock_guard<std::mutex> lock(*m_mutex);
}
