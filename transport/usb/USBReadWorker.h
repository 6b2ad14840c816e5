#pragma once

#include "platform/IoCanceller.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>

class DeviceIo;

// Runs on the read thread: reads the printer's replies in chunks of at most
// ReadChunkSize bytes and hands each on as dataReceived until stopped.
class USBReadWorker : public QObject
{
    Q_OBJECT
public:
    static constexpr int ReadChunkSize = 1024;

    // The device stays the controller's; the worker never closes it.
    explicit USBReadWorker(DeviceIo *device);
    ~USBReadWorker() override;

    bool isRunning() const { return m_running.load(); }
    // True once the read loop has returned (or was never entered).
    bool hasFinished() const;
    // Blocks until the loop has returned; it does so promptly once stopped.
    void waitUntilFinished() const;

signals:
    void dataReceived(QByteArray data);
    void errorOccurred(QString error);
    // The loop has returned (emitted on the worker's thread).
    void loopFinished();

public slots:
    // The read loop; occupies the thread until stopReading.
    void startReading();
    // May be called from any thread; wakes a read that is waiting.
    void stopReading();

private:
    void readLoop();
    void markFinished();

    DeviceIo *m_device;
    std::atomic<bool> m_running{false};
    mutable std::mutex m_finishMutex;
    mutable std::condition_variable m_finishedCondition;
    bool m_finished = false;
    IoCanceller m_canceller;
};
