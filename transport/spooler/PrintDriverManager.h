#pragma once

#include "device/BaseDeviceManager.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class PrintQueueService;
class PrintQueueWorker;

// The transport for printers installed in the system's print spooler: command
// bytes go out as raw jobs, one job per call, so they bypass the driver.
// Every request to the spooler runs on the manager's spooler thread, in order;
// results come back as queued calls. Builder output and list refreshes do not
// wait for them; the calls that return the spooler's answer wait for it at
// most ResultWaitMs, still handling the event loop's timers, sockets and
// paint events meanwhile (not user input).
class PrintDriverManager : public BaseDeviceManager
{
    Q_OBJECT
    Q_PROPERTY(QStringList availablePrinters READ getAvailablePrinters NOTIFY availablePrintersChanged)
    Q_PROPERTY(QString currentPrinter READ currentPrinter WRITE setCurrentPrinter NOTIFY currentPrinterChanged)
    Q_PROPERTY(bool isPrinting READ isPrinting NOTIFY printingStatusChanged)
public:
    // The document name every raw job carries.
    static const char *const JobDocumentName;
    // The longest a call that returns the spooler's answer waits for it.
    static constexpr int ResultWaitMs = 2000;

    // Uses the system's spooler (CUPS, its default server).
    explicit PrintDriverManager(QObject *parent = nullptr);
    // Uses the given queue service and owns it.
    explicit PrintDriverManager(PrintQueueService *service, QObject *parent = nullptr);
    ~PrintDriverManager() override;

    QString currentPrinter() const { return m_currentPrinter; }
    void setCurrentPrinter(const QString &printerName);
    bool isPrinting() const { return false; }

    Q_INVOKABLE QStringList getAvailablePrinters() const { return m_availablePrinters; }
    Q_INVOKABLE void refreshPrinters();
    Q_INVOKABLE bool isPrinterAvailable(const QString &printerName);
    Q_INVOKABLE bool sendESCposData(const QString &printerName, const QByteArray &escPosData);
    Q_INVOKABLE bool sendTextData(const QString &text);
    Q_INVOKABLE void openPrinterGeneralTab(const QString &printerName);
    Q_INVOKABLE void openPrinterQueue(const QString &printerName);

    bool openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath) override;
    void closeDevice() override;
    bool writeRaw(const QByteArray &data) override;
    void refreshDevices() override;
    QVariantList deviceList() override;
    QString modeName() const override { return QStringLiteral("Driver"); }

    // System printers that are never offered for raw printing.
    static bool isExcludedPrinter(const QString &printerName);

public slots:
    void onBuilderData(CommType type, const QByteArray &data) override;

signals:
    void printJobCompleted(QString printerName);
    void printJobFailed(QString printerName, QString error);
    void availablePrintersChanged();
    void currentPrinterChanged();
    void printingStatusChanged();
    // From the spooler thread to this object's thread (queued).
    void queueNamesAnswered(quint64 request, QStringList names, QPrivateSignal);
    void jobAnswered(quint64 request, QString printerName, int result, QPrivateSignal);

private:
    struct Reply;
    struct PendingList
    {
        std::function<bool(const QStringList &)> done;
        std::shared_ptr<Reply> reply;
    };

    // Submits a raw job on the spooler thread; its outcome is signalled when
    // it has come back. With wait set, the call returns that outcome (false
    // when it has not come back within ResultWaitMs).
    bool rawJob(const QString &printerName, const QByteArray &data, bool wait);
    void handleJob(quint64 request, const QString &printerName, int result);
    void reportJob(const QString &printerName, int result);
    // Asks the spooler for its queue names; done runs on this thread with
    // them, and its result completes the reply (when one is given).
    void requestQueueNames(std::function<bool(const QStringList &)> done, const std::shared_ptr<Reply> &reply);
    // Waits for the reply, at most ResultWaitMs; true when it came.
    bool waitFor(const std::shared_ptr<Reply> &reply);
    void handleQueueNames(quint64 request, const QStringList &names);
    bool applyQueueNames(const QStringList &names);
    void openPage(const QUrl &url);

    std::unique_ptr<PrintQueueWorker> m_worker;
    quint64 m_nextRequest = 1;
    QHash<quint64, PendingList> m_pendingLists;
    QHash<quint64, std::shared_ptr<Reply>> m_pendingJobs;
    QStringList m_availablePrinters;
    QString m_currentPrinter;
};
