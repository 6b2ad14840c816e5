#pragma once

#include "platform/IoCanceller.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>

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
    bool hasFinished() const { return m_finished.load(std::memory_order_acquire); }

signals:
    void dataReceived(QByteArray data);
    void errorOccurred(QString error);

public slots:
    // The read loop; occupies the thread until stopReading.
    void startReading();
    // May be called from any thread; wakes a read that is waiting.
    void stopReading();

private:
    void readLoop();

    DeviceIo *m_device;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_finished{false};
    IoCanceller m_canceller;
};
