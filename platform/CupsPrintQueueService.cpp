#include "platform/CupsPrintQueueService.h"

#include <cups/cups.h>

#include <QDebug>

#include <mutex>
#include <sys/socket.h>

namespace {

constexpr const char *RawFormat = CUPS_FORMAT_RAW;

// Never ask anybody for a password: the answer would block the caller.
const char *noPassword(const char *, http_t *, const char *, const char *, void *)
{
    return nullptr;
}

// Called when a request has waited IoTimeoutSeconds without progress: give up.
int giveUpOnTimeout(http_t *, void *)
{
    return 0;
}

bool ippFailed(ipp_status_t status)
{
    return status > IPP_STATUS_OK_CONFLICTING;
}

} // namespace

// The socket of the request in progress, so that another thread can cut it
// short; once cancelled, no request starts any more.
struct CupsPrintQueueService::RequestGuard
{
    std::mutex mutex;
    int fd = -1;
    bool cancelled = false;
};

namespace {

// One connection to the scheduler, closed when it goes out of scope.
class Connection
{
public:
    Connection(const QByteArray &host, int port, CupsPrintQueueService::RequestGuard *guard) : m_guard(guard)
    {
        {
            std::lock_guard<std::mutex> lock(guard->mutex);
            if (guard->cancelled)
                return;
        }
        cupsSetPasswordCB2(noPassword, nullptr);
        m_http = httpConnect2(host.constData(), port, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED, 1,
                              CupsPrintQueueService::ConnectTimeoutMs, nullptr);
        if (!m_http)
            return;
        httpSetTimeout(m_http, CupsPrintQueueService::IoTimeoutSeconds, giveUpOnTimeout, nullptr);
        std::lock_guard<std::mutex> lock(guard->mutex);
        guard->fd = httpGetFd(m_http);
        if (guard->cancelled)
            ::shutdown(guard->fd, SHUT_RDWR);
    }
    ~Connection()
    {
        if (!m_http)
            return;
        {
            std::lock_guard<std::mutex> lock(m_guard->mutex);
            m_guard->fd = -1;
        }
        httpClose(m_http);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    http_t *get() const { return m_http; }

private:
    CupsPrintQueueService::RequestGuard *m_guard;
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

CupsPrintQueueService::CupsPrintQueueService(const QString &server)
    : m_server(server), m_guard(std::make_unique<RequestGuard>())
{
}

CupsPrintQueueService::~CupsPrintQueueService() = default;

CupsPrintQueueService::Endpoint CupsPrintQueueService::endpoint() const
{
    Endpoint ep;
    if (m_server.isEmpty()) {
        // libcups keeps the default per thread once it has read it: read it
        // afresh (CUPS_SERVER, client.conf), whichever thread asks.
        cupsSetServer(nullptr);
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
    QStringList names;
    QString why;
    askQueueNames(&names, &why);
    return names;
}

bool CupsPrintQueueService::askQueueNames(QStringList *names, QString *why)
{
    names->clear();
    const Endpoint ep = endpoint();
    Connection connection(ep.host.toUtf8(), ep.port, m_guard.get());
    if (!connection.get()) {
        *why = QStringLiteral("%1: %2").arg(ep.host, QString::fromUtf8(cupsLastErrorString()));
        qDebug().noquote() << "CUPS not reachable:" << *why;
        return false;
    }

    ipp_t *request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-name");
    ipp_t *response = cupsDoRequest(connection.get(), request, "/");
    if (!response) {
        *why = QStringLiteral("%1: %2").arg(ep.host, QString::fromUtf8(cupsLastErrorString()));
        qDebug().noquote() << "CUPS did not answer:" << *why;
        return false;
    }
    for (ipp_attribute_t *attr = ippFirstAttribute(response); attr; attr = ippNextAttribute(response)) {
        const char *attrName = ippGetName(attr);
        if (attrName && qstrcmp(attrName, "printer-name") == 0 && ippGetValueTag(attr) == IPP_TAG_NAME)
            names->append(QString::fromUtf8(ippGetString(attr, 0, nullptr)));
    }
    ippDelete(response);
    return true;
}

PrintQueueService::JobResult CupsPrintQueueService::submitRawJob(const QString &queueName, const QString &documentName,
                                                                 const QByteArray &data)
{
    if (queueName.isEmpty())
        return JobResult::OpenFailed;

    const Endpoint ep = endpoint();
    Connection connection(ep.host.toUtf8(), ep.port, m_guard.get());
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
    // Shutting the socket down wakes the request's wait at once; it then fails.
    std::lock_guard<std::mutex> lock(m_guard->mutex);
    m_guard->cancelled = true;
    if (m_guard->fd >= 0)
        ::shutdown(m_guard->fd, SHUT_RDWR);
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
