#pragma once

#include "platform/PrintQueueService.h"

#include <memory>

// Print queues of a CUPS scheduler, reached through libcups. Every request is
// bounded in time, so a scheduler that died or hangs costs the caller a few
// seconds at most instead of blocking it for good.
class CupsPrintQueueService : public PrintQueueService
{
public:
    static constexpr int ConnectTimeoutMs = 3000;
    static constexpr double IoTimeoutSeconds = 5.0;
    static constexpr int DefaultIppPort = 631;

    // server: "host", "host:port" or the path of the scheduler's local socket;
    // empty means the client default (CUPS_SERVER, client.conf, the system one).
    explicit CupsPrintQueueService(const QString &server = QString());
    ~CupsPrintQueueService() override;

    QStringList queueNames() override;
    // The same, telling a scheduler that could not be asked (why: libcups'
    // reason) from one without queues.
    bool askQueueNames(QStringList *names, QString *why);
    JobResult submitRawJob(const QString &queueName, const QString &documentName, const QByteArray &data) override;
    QUrl queuePageUrl(const QString &queueName) const override;
    QUrl propertiesPageUrl(const QString &queueName) const override;
    // Cuts the request in progress short by shutting its socket down (from
    // any thread); later requests fail at once.
    void cancelRequests() override;

    // The socket of the request in progress, shared with cancelRequests.
    struct RequestGuard;

private:
    struct Endpoint
    {
        QString host; // a host name or a socket path
        int port = DefaultIppPort;
    };
    Endpoint endpoint() const;
    QUrl printerPageUrl(const QString &queueName) const;

    QString m_server;
    std::unique_ptr<RequestGuard> m_guard;
};
