#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class DeviceIo;
class IoCanceller;
class QThread;
class QTimer;
class USBReadWorker;
class USBSyncWriter;
class USBWriteWorker;

// The I/O engine behind the USB manager: owns the opened printer node, writes
// synchronously from the caller's thread or, for builder output, on a writer
// thread of its own (writeSyncQueued), and for asynchronous sends runs a read
// thread and a write thread, started by the first SendAsync and stopped after
// IdleTimeoutMs without one, on close and on destruction.
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
    // are not running; false without an open node. While blocks given to
    // writeSyncQueued are still on their way, the block follows them instead.
    bool SendAsync(const QByteArray &data);
    // One write from the calling thread, bounded by SyncWriteTimeoutMs. The
    // number of bytes written, or 0 when the block was not written whole.
    quint32 writeSync(const char *bytes, quint32 length);
    quint32 writeSync(const QByteArray &data) { return writeSync(data.constData(), quint32(data.size())); }
    // writeSync without the wait: logs the bytes now and writes them on the
    // writer thread, after the blocks queued before, with the same limit.
    // syncWriteFinished follows with the number writeSync would have returned
    // (at once when there is nothing to write or no open node; 0 also for a
    // block dropped or cut short by closePrinter).
    void writeSyncQueued(const QByteArray &data);
    // Blocks given to writeSyncQueued are queued or being written.
    bool queuedWritesPending() const;

    bool startAsyncIo();
    void stopAsyncIo();
    bool isAsyncIoRunning() const { return m_running.load(); }

    // The idle interval after which the threads stop (tests shorten it).
    void setIdleInterval(int ms);
    int idleInterval() const;

signals:
    void dataReceived(QByteArray data);
    void syncWriteFinished(quint32 written);
    // A read or write failed; message is the error line just logged. May be
    // emitted on the writer thread.
    void sigIoFailed(QString message);

private slots:
    void handleReadError(const QString &message);
    void handleWriteError(const QString &message);
    void handleIdleTimeout();

private:
    // One bounded write of a whole block (writeSync without its log line).
    quint32 writeBounded(const char *bytes, quint32 length, const IoCanceller *canceller);
    // Logs message at error level and emits sigIoFailed (any thread).
    void reportIoFailure(const QString &message);

    std::unique_ptr<DeviceIo> m_device;
    USBSyncWriter *m_syncWriter = nullptr;
    QThread *m_readThread = nullptr;
    QThread *m_writeThread = nullptr;
    USBReadWorker *m_readWorker = nullptr;
    USBWriteWorker *m_writeWorker = nullptr;
    std::atomic<bool> m_running{false};
    QTimer *m_idleTimer = nullptr;
};
