#include "platform/CupsPrintQueueService.h"

#include <cups/cups.h>

#include <QDebug>
#include <QElapsedTimer>

namespace {

constexpr const char *RawFormat = CUPS_FORMAT_RAW;

// Never ask anybody for a password: the answer would block the caller.
const char *noPassword(const char *, http_t *, const char *, const char *, void *)
{
    return nullptr;
}

// Watches the waits of one connection. libcups calls back each time a wait
// has lasted CancelCheckMs without the connection moving: give up when the
// service was cancelled or the connection has not moved for IoTimeoutSeconds.
// Back-to-back calls belong to one stall; a longer pause between two means
// data moved in between, and a new stall starts.
class WaitWatch
{
public:
    explicit WaitWatch(const std::atomic<bool> *cancelled) : m_cancelled(cancelled) { m_clock.start(); }

    static int check(http_t *, void *data) { return static_cast<WaitWatch *>(data)->keepWaiting() ? 1 : 0; }

private:
    bool keepWaiting()
    {
        if (m_cancelled->load())
            return false;
        const qint64 now = m_clock.elapsed();
        const int period = CupsPrintQueueService::CancelCheckMs;
        if (m_lastCall < 0 || now - m_lastCall > period * 3 / 2)
            m_stallStart = now - period;
        m_lastCall = now;
        return now - m_stallStart < qint64(CupsPrintQueueService::IoTimeoutSeconds * 1000);
    }

    const std::atomic<bool> *m_cancelled;
    QElapsedTimer m_clock;
    qint64 m_lastCall = -1;
    qint64 m_stallStart = 0;
};

bool ippFailed(ipp_status_t status)
{
    return status > IPP_STATUS_OK_CONFLICTING;
}

// One connection to the scheduler, closed when it goes out of scope.
class Connection
{
public:
    Connection(const QByteArray &host, int port, const std::atomic<bool> *cancelled) : m_watch(cancelled)
    {
        if (cancelled->load())
            return;
        cupsSetPasswordCB2(noPassword, nullptr);
        m_http = httpConnect2(host.constData(), port, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED, 1,
                              CupsPrintQueueService::ConnectTimeoutMs, nullptr);
        if (m_http)
            httpSetTimeout(m_http, CupsPrintQueueService::CancelCheckMs / 1000.0, WaitWatch::check, &m_watch);
    }
    ~Connection()
    {
        if (m_http)
            httpClose(m_http);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    http_t *get() const { return m_http; }

private:
    WaitWatch m_watch;
    http_t *m_http = nullptr;
};

QByteArray printerUri(const QByteArray &name)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", 0, "/printers/%s",
                     name.constData());
    return QByteArray(uri);
}

// True when the scheduler knows a printer or class of this name.
bool queueExists(http_t *http, const QByteArray &name)
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(name).constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-name");
    ipp_t *response = cupsDoRequest(http, request, "/");
    const bool found = response && !ippFailed(ippGetStatusCode(response));
    ippDelete(response);
    return found;
}

} // namespace

CupsPrintQueueService::CupsPrintQueueService(const QString &server) : m_server(server) {}

CupsPrintQueueService::Endpoint CupsPrintQueueService::endpoint() const
{
    Endpoint ep;
    if (m_server.isEmpty()) {
        // libcups has already split a "host:port" default into the two.
        ep.host = QString::fromUtf8(cupsServer());
        ep.port = ippPort();
        return ep;
    }
    ep.host = m_server;
    if (m_server.startsWith(QLatin1Char('/')))
        return ep;
    const int colon = m_server.lastIndexOf(QLatin1Char(':'));
    if (colon > m_server.lastIndexOf(QLatin1Char(']'))) {
        bool ok = false;
        const int port = m_server.midRef(colon + 1).toInt(&ok);
        if (ok) {
            ep.host = m_server.left(colon);
            ep.port = port;
        }
    }
    return ep;
}

QStringList CupsPrintQueueService::queueNames()
{
    const Endpoint ep = endpoint();
    Connection connection(ep.host.toUtf8(), ep.port, &m_cancelled);
    if (!connection.get()) {
        qDebug().noquote() << "CUPS not reachable:" << ep.host << cupsLastErrorString();
        return {};
    }

    ipp_t *request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-name");
    ipp_t *response = cupsDoRequest(connection.get(), request, "/");

    QStringList names;
    if (response) {
        for (ipp_attribute_t *attr = ippFirstAttribute(response); attr; attr = ippNextAttribute(response)) {
            const char *attrName = ippGetName(attr);
            if (attrName && qstrcmp(attrName, "printer-name") == 0 && ippGetValueTag(attr) == IPP_TAG_NAME)
                names.append(QString::fromUtf8(ippGetString(attr, 0, nullptr)));
        }
        ippDelete(response);
    }
    return names;
}

PrintQueueService::JobResult CupsPrintQueueService::submitRawJob(const QString &queueName, const QString &documentName,
                                                                 const QByteArray &data)
{
    if (queueName.isEmpty())
        return JobResult::OpenFailed;

    const Endpoint ep = endpoint();
    Connection connection(ep.host.toUtf8(), ep.port, &m_cancelled);
    http_t *http = connection.get();
    const QByteArray name = queueName.toUtf8();
    if (!http || !queueExists(http, name)) {
        qDebug().noquote() << "CUPS queue not reachable:" << queueName << cupsLastErrorString();
        return JobResult::OpenFailed;
    }

    const QByteArray title = documentName.toUtf8();
    const int jobId = cupsCreateJob(http, name.constData(), title.constData(), 0, nullptr);
    if (jobId <= 0) {
        qDebug().noquote() << "CUPS refused the job:" << cupsLastErrorString();
        return JobResult::Failed;
    }

    const bool started =
        cupsStartDocument(http, name.constData(), jobId, title.constData(), RawFormat, 1) == HTTP_STATUS_CONTINUE;
    bool ok = started;
    if (ok && !data.isEmpty())
        ok = cupsWriteRequestData(http, data.constData(), static_cast<size_t>(data.size())) == HTTP_STATUS_CONTINUE;
    // A started document is finished in any case, so that the scheduler does
    // not keep a half-open job.
    if (started)
        ok = !ippFailed(cupsFinishDocument(http, name.constData())) && ok;
    if (!ok) {
        qDebug().noquote() << "CUPS job failed:" << cupsLastErrorString();
        cupsCancelJob2(http, name.constData(), jobId, 0);
        return JobResult::Failed;
    }
    return JobResult::Completed;
}

void CupsPrintQueueService::cancelRequests()
{
    m_cancelled.store(true);
}

QUrl CupsPrintQueueService::printerPageUrl(const QString &queueName) const
{
    const Endpoint ep = endpoint();
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    // The web interface of a scheduler on a local socket is served on localhost.
    url.setHost(ep.host.startsWith(QLatin1Char('/')) ? QStringLiteral("localhost") : ep.host);
    url.setPort(ep.host.startsWith(QLatin1Char('/')) ? DefaultIppPort : ep.port);
    url.setPath(QStringLiteral("/printers/") + queueName);
    return url;
}

QUrl CupsPrintQueueService::queuePageUrl(const QString &queueName) const
{
    QUrl url = printerPageUrl(queueName);
    url.setQuery(QStringLiteral("which_jobs=all"));
    return url;
}

QUrl CupsPrintQueueService::propertiesPageUrl(const QString &queueName) const
{
    return printerPageUrl(queueName);
}
