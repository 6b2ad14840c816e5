#pragma once

#include "platform/IoCanceller.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>

class DeviceIo;

// Runs on the write thread: drains a queue of byte blocks to the printer.
class USBWriteWorker : public QObject
{
    Q_OBJECT
public:
    // How long the idle writer sleeps on the queue before looking again.
    static constexpr unsigned long QueueWaitMs = 100;

    // The device stays the controller's; the worker never closes it.
    explicit USBWriteWorker(DeviceIo *device);
    ~USBWriteWorker() override;

    bool isRunning() const { return m_running.load(); }
    // True once the write loop has returned (or was never entered).
    bool hasFinished() const;
    // Blocks until the loop has returned; it does so promptly once stopped.
    void waitUntilFinished() const;

signals:
    void errorOccurred(QString error);
    // The loop has returned (emitted on the worker's thread).
    void loopFinished();

public slots:
    // The write loop; occupies the thread until stopWriting.
    void startWriting();
    // May be called from any thread; wakes the queue wait and a pending write.
    void stopWriting();
    // May be called from any thread: queues one block.
    void sendData(const QByteArray &data);

private:
    void writeLoop();
    void markFinished();

    DeviceIo *m_device;
    std::atomic<bool> m_running{false};
    IoCanceller m_canceller;
    mutable std::mutex m_finishMutex;
    mutable std::condition_variable m_finishedCondition;
    bool m_finished = false;
    QList<QByteArray> m_queue;
    std::mutex m_queueMutex;
    std::condition_variable m_queueCondition;
};
