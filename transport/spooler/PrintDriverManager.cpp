#include "transport/spooler/PrintDriverManager.h"

#include "platform/CupsPrintQueueService.h"
#include "text/TextEncoding.h"
#include "transport/spooler/PrintQueueWorker.h"

#include <QDebug>
#include <QDesktopServices>
#include <QEventLoop>
#include <QUrl>
#include <QTimer>
#include <QVariantMap>

namespace {

const char *const ExcludedPrinters[] = {"Microsoft Print to PDF", "Microsoft XPS Document Writer"};

// ESC @ resets the printer before the text; two line feeds print and advance it.
const char InitPrinter[] = {'\x1B', '\x40'};
const char TextTrailer[] = {'\x0A', '\x0A'};

} // namespace

const char *const PrintDriverManager::JobDocumentName = "ESC_POS_Print";

// The answer to one request, filled in on this manager's thread when the
// spooler thread's result arrives.
struct PrintDriverManager::Reply
{
    bool done = false;
    bool ok = false;
    QEventLoop *waiting = nullptr;

    void finish(bool result)
    {
        done = true;
        ok = result;
        if (waiting)
            waiting->quit();
    }
};

PrintDriverManager::PrintDriverManager(QObject *parent) : PrintDriverManager(new CupsPrintQueueService, parent) {}

PrintDriverManager::PrintDriverManager(PrintQueueService *service, QObject *parent)
    : BaseDeviceManager(parent), m_worker(std::make_unique<PrintQueueWorker>(std::unique_ptr<PrintQueueService>(service)))
{
    connect(this, &PrintDriverManager::queueNamesAnswered, this, &PrintDriverManager::handleQueueNames,
            Qt::QueuedConnection);
    connect(this, &PrintDriverManager::jobAnswered, this, &PrintDriverManager::handleJob, Qt::QueuedConnection);
    // The list is there when the page first asks, unless the spooler is slow
    // to answer: then it follows with availablePrintersChanged.
    auto reply = std::make_shared<Reply>();
    requestQueueNames([this](const QStringList &names) { return applyQueueNames(names); }, reply);
    waitFor(reply);
}

// The worker goes first: it drops the requests not yet started and finishes
// the running one; its result, queued to this object, is then discarded.
PrintDriverManager::~PrintDriverManager()
{
    m_worker.reset();
}

void PrintDriverManager::requestQueueNames(std::function<bool(const QStringList &)> done,
                                           const std::shared_ptr<Reply> &reply)
{
    const quint64 request = m_nextRequest++;
    m_pendingLists.insert(request, PendingList{std::move(done), reply});
    // The spooler thread hands back only values, by a queued signal.
    m_worker->post([this, request](PrintQueueService *service) {
        emit queueNamesAnswered(request, service->queueNames(), QPrivateSignal());
    });
}

void PrintDriverManager::handleQueueNames(quint64 request, const QStringList &names)
{
    const PendingList pending = m_pendingLists.take(request);
    if (!pending.done)
        return;
    const bool ok = pending.done(names);
    if (pending.reply)
        pending.reply->finish(ok);
}

bool PrintDriverManager::waitFor(const std::shared_ptr<Reply> &reply)
{
    if (reply->done)
        return true;
    // Timers, sockets and repaints go on while the answer is awaited; user
    // input waits until it is there (at most ResultWaitMs).
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(ResultWaitMs);
    reply->waiting = &loop;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    reply->waiting = nullptr;
    return reply->done;
}

bool PrintDriverManager::applyQueueNames(const QStringList &names)
{
    QStringList printers;
    for (const QString &name : names) {
        if (!isExcludedPrinter(name))
            printers.append(name);
    }
    m_availablePrinters = printers;
    emit availablePrintersChanged();
    return true;
}

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
    requestQueueNames([this](const QStringList &names) { return applyQueueNames(names); }, nullptr);
}

// A spooler that does not answer within ResultWaitMs counts as not offering it.
bool PrintDriverManager::isPrinterAvailable(const QString &printerName)
{
    auto reply = std::make_shared<Reply>();
    requestQueueNames([printerName](const QStringList &names) { return names.contains(printerName); }, reply);
    return waitFor(reply) && reply->ok;
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

bool PrintDriverManager::rawJob(const QString &printerName, const QByteArray &data, bool wait)
{
    std::shared_ptr<Reply> reply = wait ? std::make_shared<Reply>() : nullptr;
    const quint64 request = m_nextRequest++;
    m_pendingJobs.insert(request, reply);
    m_worker->post([this, request, printerName, data](PrintQueueService *service) {
        const PrintQueueService::JobResult result =
            service->submitRawJob(printerName, QString::fromLatin1(JobDocumentName), data);
        emit jobAnswered(request, printerName, int(result), QPrivateSignal());
    });
    return reply && waitFor(reply) && reply->ok;
}

void PrintDriverManager::handleJob(quint64 request, const QString &printerName, int result)
{
    const std::shared_ptr<Reply> reply = m_pendingJobs.take(request);
    reportJob(printerName, result);
    if (reply)
        reply->finish(PrintQueueService::JobResult(result) == PrintQueueService::JobResult::Completed);
}

void PrintDriverManager::reportJob(const QString &printerName, int result)
{
    switch (PrintQueueService::JobResult(result)) {
    case PrintQueueService::JobResult::Completed:
        emit printJobCompleted(printerName);
        return;
    case PrintQueueService::JobResult::OpenFailed:
        emit printJobFailed(printerName, tr("无法打开打印机: %1").arg(printerName));
        return;
    case PrintQueueService::JobResult::Failed:
        break;
    }
    emit printJobFailed(printerName, tr("发送数据到打印机失败"));
}

bool PrintDriverManager::sendESCposData(const QString &printerName, const QByteArray &escPosData)
{
    return rawJob(printerName, escPosData, true);
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
    return rawJob(m_currentPrinter, bytes, true);
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
    openPage(m_worker->service()->propertiesPageUrl(printerName));
}

void PrintDriverManager::openPrinterQueue(const QString &printerName)
{
    if (printerName.isEmpty()) {
        qWarning().noquote() << "打印机名称为空";
        return;
    }
    openPage(m_worker->service()->queuePageUrl(printerName));
}

bool PrintDriverManager::writeRaw(const QByteArray &data)
{
    if (m_currentPrinter.isEmpty())
        return false;
    return rawJob(m_currentPrinter, data, true);
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
    // The outcome follows as a signal; the command returns at once.
    rawJob(m_currentPrinter, data, false);
}
