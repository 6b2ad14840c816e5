#pragma once

#include <QByteArray>
#include <QObject>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <deque>

class IoCanceller;

// Writes blocks to the printer on a thread of its own, one after the other in
// the order they were queued, so that the caller's thread never waits on the
// printer. Each block is written by the given write function (which bounds
// its wait); the outcome of every block that asks for it comes back as
// blockWritten, delivered to the thread this object lives on.
class USBSyncWriter : public QObject
{
    Q_OBJECT
public:
    // Writes one block, giving up when the canceller fires; the bytes written,
    // 0 when the block did not go out whole.
    using WriteFunction = std::function<quint32(const QByteArray &block, const IoCanceller *canceller)>;

    explicit USBSyncWriter(WriteFunction write, QObject *parent = nullptr);
    ~USBSyncWriter() override;

    // Queues a block (the thread starts with the first one). With report set,
    // blockWritten follows once it has been written, cut short or dropped.
    void enqueue(const QByteArray &block, bool report);
    // True while blocks are queued or one is being written.
    bool hasWork() const;
    // Cancels the block being written, drops the queued ones and ends the
    // thread; returns once it has ended. Dropped blocks that asked for a
    // report are reported from here as not written.
    void stop();

signals:
    void blockWritten(quint32 written);
    // From the writer thread; reaches blockWritten through a queued
    // connection, on the thread this object lives on.
    void writtenOnWriter(quint32 written, QPrivateSignal);

private:
    struct Block
    {
        QByteArray data;
        bool report = false;
    };

    void run(IoCanceller *canceller);

    WriteFunction m_write;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Block> m_queue;
    bool m_busy = false;
    bool m_stopping = false;
    std::unique_ptr<IoCanceller> m_canceller;
    std::thread m_thread;
};
