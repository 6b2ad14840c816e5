#pragma once

#include "device/BaseDeviceManager.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class PrintQueueService;

// The transport for printers installed in the system's print spooler: command
// bytes go out as raw jobs, one job per call, so they bypass the driver.
class PrintDriverManager : public BaseDeviceManager
{
    Q_OBJECT
    Q_PROPERTY(QStringList availablePrinters READ getAvailablePrinters NOTIFY availablePrintersChanged)
    Q_PROPERTY(QString currentPrinter READ currentPrinter WRITE setCurrentPrinter NOTIFY currentPrinterChanged)
    Q_PROPERTY(bool isPrinting READ isPrinting NOTIFY printingStatusChanged)
public:
    // The document name every raw job carries.
    static const char *const JobDocumentName;

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

private:
    bool rawJob(const QString &printerName, const QByteArray &data);
    void openPage(const QUrl &url);

    std::unique_ptr<PrintQueueService> m_service;
    QStringList m_availablePrinters;
    QString m_currentPrinter;
};
