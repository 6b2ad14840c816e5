#pragma once

#include "platform/IoCanceller.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QWaitCondition>

#include <atomic>

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
    int queuedBlocks() const;

signals:
    void errorOccurred(QString error);

public slots:
    // The write loop; occupies the thread until stopWriting.
    void startWriting();
    // May be called from any thread; wakes the queue wait and a pending write.
    void stopWriting();
    // May be called from any thread: queues one block.
    void sendData(const QByteArray &data);

private:
    DeviceIo *m_device;
    std::atomic<bool> m_running{false};
    IoCanceller m_canceller;
    QList<QByteArray> m_queue;
    mutable QMutex m_queueMutex;
    QWaitCondition m_queueCondition;
};
