#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class DeviceIo;
class QThread;
class QTimer;
class USBReadWorker;
class USBWriteWorker;

// The I/O engine behind the USB manager: owns the opened printer node, writes
// synchronously from the caller's thread, and for asynchronous sends runs a
// read thread and a write thread, started by the first SendAsync and stopped
// after IdleTimeoutMs without one, on close and on destruction.
class USBPrinterController : public QObject
{
    Q_OBJECT
public:
    static constexpr int IdleTimeoutMs = 10 * 60 * 1000;
    static constexpr int SyncWriteTimeoutMs = 3000;

    explicit USBPrinterController(QObject *parent = nullptr);
    // Works on the given device layer instead of the system's.
    explicit USBPrinterController(std::unique_ptr<DeviceIo> device, QObject *parent = nullptr);
    ~USBPrinterController() override;

    // Opens the node (a node still open is closed first); writes no log line.
    bool openPrinter(const QString &devicePath);
    void closePrinter();
    bool isOpen() const;

    // Queues the block for the write thread, starting the threads when they
    // are not running; false without an open node.
    bool SendAsync(const QByteArray &data);
    // One write from the calling thread, bounded by SyncWriteTimeoutMs. The
    // number of bytes written, or 0 when the block was not written whole.
    quint32 writeSync(const char *bytes, quint32 length);
    quint32 writeSync(const QByteArray &data) { return writeSync(data.constData(), quint32(data.size())); }

    bool startAsyncIo();
    void stopAsyncIo();
    bool isAsyncIoRunning() const { return m_running.load(); }

    // The idle interval after which the threads stop (tests shorten it).
    void setIdleInterval(int ms);
    int idleInterval() const;

signals:
    void dataReceived(QByteArray data);

private slots:
    void handleReadError(const QString &message);
    void handleWriteError(const QString &message);
    void handleIdleTimeout();

private:
    std::unique_ptr<DeviceIo> m_device;
    QThread *m_readThread = nullptr;
    QThread *m_writeThread = nullptr;
    USBReadWorker *m_readWorker = nullptr;
    USBWriteWorker *m_writeWorker = nullptr;
    std::atomic<bool> m_running{false};
    QTimer *m_idleTimer = nullptr;
};
