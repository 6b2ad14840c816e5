#include "platform/ThreadMailbox.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

ThreadMailbox::ThreadMailbox(QObject *parent) : QObject(parent)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_readFd = ends[0];
        m_writeFd = ends[1];
        m_notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &ThreadMailbox::deliver);
    }
}

ThreadMailbox::~ThreadMailbox()
{
    delete m_notifier;
    if (m_readFd >= 0)
        ::close(m_readFd);
    if (m_writeFd >= 0)
        ::close(m_writeFd);
}

void ThreadMailbox::post(std::function<void()> call)
{
    bool wake = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_calls.push_back(std::move(call));
        wake = !m_woken;
        m_woken = true;
    }
    if (!wake)
        return;
    const char byte = 1;
    if (m_writeFd < 0 || ::write(m_writeFd, &byte, 1) != 1) {
        // No pipe (out of descriptors): the event loop carries the wake-up.
        QMetaObject::invokeMethod(this, &ThreadMailbox::deliver, Qt::QueuedConnection);
    }
}

void ThreadMailbox::deliver()
{
    if (m_readFd >= 0) {
        char bytes[64];
        while (::read(m_readFd, bytes, sizeof bytes) > 0) {
        }
    }
    std::vector<std::function<void()>> calls;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        calls.swap(m_calls);
        m_woken = false;
    }
    for (const std::function<void()> &call : calls)
        call();
}
