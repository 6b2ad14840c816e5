#include "transport/usb/USBPrinterController.h"

#include "app/base/Logger.h"
#include "platform/PosixDeviceIo.h"
#include "text/HexText.h"
#include "transport/usb/USBReadWorker.h"
#include "transport/usb/USBSyncWriter.h"
#include "transport/usb/USBWriteWorker.h"

#include <QDebug>
#include <QThread>
#include <QTimer>

USBPrinterController::USBPrinterController(QObject *parent)
    : USBPrinterController(std::make_unique<PosixDeviceIo>(), parent)
{
}

USBPrinterController::USBPrinterController(std::unique_ptr<DeviceIo> device, QObject *parent)
    : QObject(parent), m_device(std::move(device)), m_idleTimer(new QTimer(this))
{
    m_syncWriter = new USBSyncWriter(
        [this](const QByteArray &block, const IoCanceller *canceller) {
            return writeBounded(block.constData(), quint32(block.size()), canceller);
        },
        this);
    // Across threads: delivered here, queued.
    connect(m_syncWriter, &USBSyncWriter::blockWritten, this, &USBPrinterController::syncWriteFinished);
    m_idleTimer->setInterval(IdleTimeoutMs);
    connect(m_idleTimer, &QTimer::timeout, this, &USBPrinterController::handleIdleTimeout);
}

USBPrinterController::~USBPrinterController()
{
    closePrinter();
    // Ends the writer thread before the device goes with the members.
    m_syncWriter->stop();
}

bool USBPrinterController::isOpen() const
{
    return m_device->isOpen();
}

bool USBPrinterController::openPrinter(const QString &devicePath)
{
    if (isOpen())
        closePrinter();
    return m_device->open(devicePath);
}

void USBPrinterController::closePrinter()
{
    if (!isOpen())
        return;
    // The writer thread lets go of the node first: its write is cancelled and
    // the blocks still queued are reported as not written.
    m_syncWriter->stop();
    stopAsyncIo();
    m_idleTimer->stop();
    m_device->close();
}

void USBPrinterController::setIdleInterval(int ms)
{
    m_idleTimer->setInterval(ms);
}

int USBPrinterController::idleInterval() const
{
    return m_idleTimer->interval();
}

bool USBPrinterController::SendAsync(const QByteArray &data)
{
    if (!isOpen())
        return false;
    if (!m_running.load() && !startAsyncIo()) {
        qDebug().noquote() << "启动异步 IO 失败";
        return false;
    }
    if (!m_writeWorker)
        return false;
    // Behind builder output still on its way the block keeps its place.
    if (m_syncWriter->hasWork())
        m_syncWriter->enqueue(data, false);
    else
        m_writeWorker->sendData(data);
    m_idleTimer->start();
    return true;
}

quint32 USBPrinterController::writeSync(const char *bytes, quint32 length)
{
    const QByteArray block = QByteArray::fromRawData(bytes, int(length));
    Logger::getInstance()->info(tr("USB发出数据 %1 ").arg(HexText::lowerPairs(block)));
    return writeBounded(bytes, length, nullptr);
}

void USBPrinterController::writeSyncQueued(const QByteArray &data)
{
    Logger::getInstance()->info(tr("USB发出数据 %1 ").arg(HexText::lowerPairs(data)));
    if (data.isEmpty() || !isOpen()) {
        // Decided without the printer: answered at once.
        emit syncWriteFinished(writeBounded(data.constData(), quint32(data.size()), nullptr));
        return;
    }
    m_syncWriter->enqueue(data, true);
}

bool USBPrinterController::queuedWritesPending() const
{
    return m_syncWriter->hasWork();
}

// May run on the writer thread: touches only the device, the logger and
// sigIoFailed (queued to the receivers on their threads).
quint32 USBPrinterController::writeBounded(const char *bytes, quint32 length, const IoCanceller *canceller)
{
    if (length == 0)
        return 0;
    if (!isOpen()) {
        reportIoFailure(tr("发送出现错误"));
        return 0;
    }
    const DeviceIo::Result r = m_device->write(bytes, length, canceller, SyncWriteTimeoutMs);
    if (r.status == DeviceIo::Status::Failed)
        reportIoFailure(tr("发送出现错误"));
    // A block not written whole within the time limit counts as not sent.
    return r.status == DeviceIo::Status::Ok ? quint32(r.bytes) : 0;
}

bool USBPrinterController::startAsyncIo()
{
    if (!isOpen())
        return false;
    bool expected = false;
    if (!m_running.compare_exchange_strong(expected, true))
        return false;

    m_readThread = new QThread(this);
    m_readWorker = new USBReadWorker(m_device.get());
    m_readWorker->moveToThread(m_readThread);
    connect(m_readWorker, &USBReadWorker::dataReceived, this, &USBPrinterController::dataReceived);
    connect(m_readWorker, &USBReadWorker::errorOccurred, this, &USBPrinterController::handleReadError);
    connect(m_readThread, &QThread::started, m_readWorker, &USBReadWorker::startReading);
    // Nothing else runs on the thread: it ends with its loop, from within.
    connect(m_readWorker, &USBReadWorker::loopFinished, m_readThread, &QThread::quit, Qt::DirectConnection);

    m_writeThread = new QThread(this);
    m_writeWorker = new USBWriteWorker(m_device.get());
    m_writeWorker->moveToThread(m_writeThread);
    connect(m_writeWorker, &USBWriteWorker::errorOccurred, this, &USBPrinterController::handleWriteError);
    connect(m_writeThread, &QThread::started, m_writeWorker, &USBWriteWorker::startWriting);
    connect(m_writeWorker, &USBWriteWorker::loopFinished, m_writeThread, &QThread::quit, Qt::DirectConnection);

    m_readThread->start();
    m_writeThread->start();
    return true;
}

void USBPrinterController::stopAsyncIo()
{
    bool expected = true;
    if (!m_running.compare_exchange_strong(expected, false))
        return;

    // Read side first, then the write side. A worker's stop cancels its wait
    // for good, so its loop returns promptly and ends the thread; waiting for
    // the loop also orders all the thread did before the worker is deleted.
    if (m_readWorker) {
        m_readWorker->stopReading();
        m_readWorker->waitUntilFinished();
        m_readThread->quit();
        m_readThread->wait();
        delete m_readWorker;
        m_readWorker = nullptr;
    }
    if (m_writeWorker) {
        m_writeWorker->stopWriting();
        m_writeWorker->waitUntilFinished();
        m_writeThread->quit();
        m_writeThread->wait();
        delete m_writeWorker;
        m_writeWorker = nullptr;
    }
    delete m_readThread;
    delete m_writeThread;
    m_readThread = nullptr;
    m_writeThread = nullptr;
}

void USBPrinterController::handleIdleTimeout()
{
    m_idleTimer->stop();
    if (m_running.load()) {
        qDebug().noquote() << "空闲超时，停止异步IO线程";
        stopAsyncIo();
    }
}

void USBPrinterController::handleReadError(const QString &message)
{
    reportIoFailure(tr("USB读取错误: %1").arg(message));
}

void USBPrinterController::handleWriteError(const QString &message)
{
    reportIoFailure(tr("USB写入错误: %1").arg(message));
}

void USBPrinterController::reportIoFailure(const QString &message)
{
    Logger::getInstance()->error(message);
    emit sigIoFailed(message);
}
