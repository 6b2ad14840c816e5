#include "transport/spooler/PrintDriverManager.h"

#include "platform/CupsPrintQueueService.h"
#include "text/TextEncoding.h"

#include <QDebug>
#include <QDesktopServices>
#include <QUrl>
#include <QVariantMap>

namespace {

const char *const ExcludedPrinters[] = {"Microsoft Print to PDF", "Microsoft XPS Document Writer"};

// ESC @ resets the printer before the text; two line feeds print and advance it.
const char InitPrinter[] = {'\x1B', '\x40'};
const char TextTrailer[] = {'\x0A', '\x0A'};

} // namespace

const char *const PrintDriverManager::JobDocumentName = "ESC_POS_Print";

PrintDriverManager::PrintDriverManager(QObject *parent) : PrintDriverManager(new CupsPrintQueueService, parent) {}

PrintDriverManager::PrintDriverManager(PrintQueueService *service, QObject *parent)
    : BaseDeviceManager(parent), m_service(service)
{
    refreshPrinters();
}

PrintDriverManager::~PrintDriverManager() = default;

bool PrintDriverManager::isExcludedPrinter(const QString &printerName)
{
    for (const char *excluded : ExcludedPrinters) {
        if (printerName == QLatin1String(excluded))
            return true;
    }
    return false;
}

void PrintDriverManager::refreshPrinters()
{
    QStringList printers;
    const QStringList names = m_service->queueNames();
    for (const QString &name : names) {
        if (!isExcludedPrinter(name))
            printers.append(name);
    }
    m_availablePrinters = printers;
    emit availablePrintersChanged();
}

bool PrintDriverManager::isPrinterAvailable(const QString &printerName)
{
    return m_service->queueNames().contains(printerName);
}

void PrintDriverManager::setCurrentPrinter(const QString &printerName)
{
    if (m_currentPrinter == printerName)
        return;
    m_currentPrinter = printerName;
    emit currentPrinterChanged();
}

bool PrintDriverManager::openDevice(const QString &name, const QString &, const QString &, const QString &)
{
    QString message;
    if (name.isEmpty()) {
        message = tr("打印机名称为空");
    } else if (!isPrinterAvailable(name)) {
        message = tr("打印机不可用: ") + name;
    } else {
        setCurrentPrinter(name);
        emit connectionStatusChanged(true);
        setupBuilders(CommType::Driver, nullptr, DevInfo());
        return true;
    }
    emit sigConnectionFailTcp(message);
    return false;
}

void PrintDriverManager::closeDevice()
{
    if (m_currentPrinter.isEmpty())
        return;
    m_currentPrinter.clear();
    emit connectionStatusChanged(false);
    emit currentPrinterChanged();
}

bool PrintDriverManager::rawJob(const QString &printerName, const QByteArray &data)
{
    const PrintQueueService::JobResult result =
        m_service->submitRawJob(printerName, QString::fromLatin1(JobDocumentName), data);
    switch (result) {
    case PrintQueueService::JobResult::Completed:
        emit printJobCompleted(printerName);
        return true;
    case PrintQueueService::JobResult::OpenFailed:
        emit printJobFailed(printerName, tr("无法打开打印机: %1").arg(printerName));
        return false;
    case PrintQueueService::JobResult::Failed:
        break;
    }
    emit printJobFailed(printerName, tr("发送数据到打印机失败"));
    return false;
}

bool PrintDriverManager::sendESCposData(const QString &printerName, const QByteArray &escPosData)
{
    return rawJob(printerName, escPosData);
}

bool PrintDriverManager::sendTextData(const QString &text)
{
    if (m_currentPrinter.isEmpty()) {
        emit printJobFailed(QString(), tr("未选择打印机"));
        return false;
    }
    if (text.isEmpty()) {
        emit printJobFailed(m_currentPrinter, tr("打印内容为空"));
        return false;
    }

    QByteArray bytes(InitPrinter, sizeof(InitPrinter));
    bytes += TextEncoding::gbk(text);
    bytes.append(TextTrailer, sizeof(TextTrailer));
    return rawJob(m_currentPrinter, bytes);
}

void PrintDriverManager::openPage(const QUrl &url)
{
    if (!QDesktopServices::openUrl(url))
        qWarning().noquote() << "打开失败，错误码：" << url.toString();
}

void PrintDriverManager::openPrinterGeneralTab(const QString &printerName)
{
    if (printerName.isEmpty()) {
        qWarning().noquote() << "打印机名称为空";
        return;
    }
    openPage(m_service->propertiesPageUrl(printerName));
}

void PrintDriverManager::openPrinterQueue(const QString &printerName)
{
    if (printerName.isEmpty()) {
        qWarning().noquote() << "打印机名称为空";
        return;
    }
    openPage(m_service->queuePageUrl(printerName));
}

bool PrintDriverManager::writeRaw(const QByteArray &data)
{
    if (m_currentPrinter.isEmpty())
        return false;
    return rawJob(m_currentPrinter, data);
}

void PrintDriverManager::refreshDevices()
{
    refreshPrinters();
}

QVariantList PrintDriverManager::deviceList()
{
    return nameOnlyDeviceList(m_availablePrinters);
}

void PrintDriverManager::onBuilderData(CommType type, const QByteArray &data)
{
    if (type != CommType::Driver)
        return;
    // Without a selection the job goes to an empty name, fails and says so.
    rawJob(m_currentPrinter, data);
}
