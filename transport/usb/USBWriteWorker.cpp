#include "transport/usb/USBWriteWorker.h"

#include "platform/DeviceIo.h"

#include <chrono>

USBWriteWorker::USBWriteWorker(DeviceIo *device) : m_device(device) {}

USBWriteWorker::~USBWriteWorker()
{
    stopWriting();
}

void USBWriteWorker::startWriting()
{
    if (!m_canceller.isCancelled()) {
        m_running.store(true);
        writeLoop();
    }
    emit loopFinished();
    markFinished();
}

void USBWriteWorker::writeLoop()
{
    while (m_running.load() && !m_canceller.isCancelled()) {
        QByteArray block;
        {
            std::unique_lock<std::mutex> lock(m_queueMutex);
            if (m_queue.isEmpty() && !m_canceller.isCancelled())
                m_queueCondition.wait_for(lock, std::chrono::milliseconds(QueueWaitMs));
            if (!m_queue.isEmpty())
                block = m_queue.takeFirst();
        }
        if (block.isEmpty())
            continue;
        const DeviceIo::Result r = m_device->write(block.constData(), block.size(), &m_canceller,
                                                   DeviceIo::NoTimeLimit);
        if (r.status == DeviceIo::Status::Failed) {
            emit errorOccurred(tr("写入错误: %1").arg(r.error));
            return;
        }
    }
}

void USBWriteWorker::stopWriting()
{
    m_running.store(false);
    // Taking the lock orders the stop before a writer that is about to wait.
    std::lock_guard<std::mutex> lock(m_queueMutex);
    m_canceller.cancel();
    m_queueCondition.notify_all();
}

void USBWriteWorker::sendData(const QByteArray &data)
{
    std::lock_guard<std::mutex> lock(m_queueMutex);
    m_queue.append(data);
    m_queueCondition.notify_one();
}

void USBWriteWorker::markFinished()
{
    std::lock_guard<std::mutex> lock(m_finishMutex);
    m_finished = true;
    m_finishedCondition.notify_all();
}

bool USBWriteWorker::hasFinished() const
{
    std::lock_guard<std::mutex> lock(m_finishMutex);
    return m_finished;
}

void USBWriteWorker::waitUntilFinished() const
{
    std::unique_lock<std::mutex> lock(m_finishMutex);
    m_finishedCondition.wait(lock, [this] { return m_finished; });
}
