#include "transport/usb/USBSyncWriter.h"

#include "platform/IoCanceller.h"

USBSyncWriter::USBSyncWriter(WriteFunction write, QObject *parent) : QObject(parent), m_write(std::move(write))
{
    connect(this, &USBSyncWriter::writtenOnWriter, this, &USBSyncWriter::blockWritten, Qt::QueuedConnection);
}

USBSyncWriter::~USBSyncWriter()
{
    stop();
}

void USBSyncWriter::enqueue(const QByteArray &block, bool report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queue.push_back({block, report});
    if (!m_thread.joinable()) {
        m_stopping = false;
        m_canceller = std::make_unique<IoCanceller>();
        m_thread = std::thread(&USBSyncWriter::run, this, m_canceller.get());
    }
    m_wake.notify_one();
}

bool USBSyncWriter::hasWork() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_busy || !m_queue.empty();
}

void USBSyncWriter::stop()
{
    int dropped = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_thread.joinable())
            return;
        m_stopping = true;
        for (const Block &b : m_queue)
            dropped += b.report ? 1 : 0;
        m_queue.clear();
        m_canceller->cancel();
        m_wake.notify_all();
    }
    m_thread.join();
    m_canceller.reset();
    for (int i = 0; i < dropped; ++i)
        emit blockWritten(0);
}

void USBSyncWriter::run(IoCanceller *canceller)
{
    for (;;) {
        Block block;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_busy = false;
            m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_stopping)
                return;
            block = std::move(m_queue.front());
            m_queue.pop_front();
            m_busy = true;
        }
        const quint32 written = m_write(block.data, canceller);
        if (block.report)
            emit writtenOnWriter(written, QPrivateSignal());
    }
}
