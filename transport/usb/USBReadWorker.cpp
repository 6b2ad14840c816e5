#include "transport/usb/USBReadWorker.h"

#include "platform/DeviceIo.h"

#include <QVector>

namespace {
// A device that keeps reporting end of file is asked again only after this pause.
const int kEmptyReadPauseMs = 10;
} // namespace

USBReadWorker::USBReadWorker(DeviceIo *device) : m_device(device) {}

USBReadWorker::~USBReadWorker()
{
    m_running.store(false);
    m_canceller.cancel();
}

void USBReadWorker::startReading()
{
    if (!m_canceller.isCancelled()) {
        m_running.store(true);
        readLoop();
    }
    emit loopFinished();
    markFinished();
}

void USBReadWorker::readLoop()
{
    QVector<char> buffer(ReadChunkSize, 0);
    while (m_running.load() && !m_canceller.isCancelled()) {
        const DeviceIo::Result r = m_device->read(buffer.data(), ReadChunkSize, &m_canceller, DeviceIo::NoTimeLimit);
        if (r.status == DeviceIo::Status::Cancelled)
            break;
        if (r.status == DeviceIo::Status::Failed) {
            emit errorOccurred(tr("读取错误: %1").arg(r.error));
            break;
        }
        if (r.bytes > 0)
            emit dataReceived(QByteArray(buffer.constData(), int(r.bytes)));
        else if (m_canceller.waitFor(kEmptyReadPauseMs))
            break;
    }
}

void USBReadWorker::stopReading()
{
    m_running.store(false);
    m_canceller.cancel();
}

void USBReadWorker::markFinished()
{
    std::lock_guard<std::mutex> lock(m_finishMutex);
    m_finished = true;
    m_finishedCondition.notify_all();
}

bool USBReadWorker::hasFinished() const
{
    std::lock_guard<std::mutex> lock(m_finishMutex);
    return m_finished;
}

void USBReadWorker::waitUntilFinished() const
{
    std::unique_lock<std::mutex> lock(m_finishMutex);
    m_finishedCondition.wait(lock, [this] { return m_finished; });
}
