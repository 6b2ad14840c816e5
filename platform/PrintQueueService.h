#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

// What the print-spooler transport needs from the system's print queues:
// the installed queue names, a raw job to one of them, and the pages that show
// a queue's jobs and its properties.
class PrintQueueService
{
public:
    enum class JobResult {
        Completed,  // the spooler accepted every byte
        OpenFailed, // the queue could not be reached (unknown name, no spooler)
        Failed      // the queue was reached but the job was not accepted whole
    };

    virtual ~PrintQueueService() = default;

    // Installed queue names in the spooler's order; empty when it cannot be asked.
    virtual QStringList queueNames() = 0;
    // Submits the bytes as one raw job (no filtering by a driver).
    virtual JobResult submitRawJob(const QString &queueName, const QString &documentName, const QByteArray &data) = 0;
    // The page listing the queue's jobs, and the queue's own page.
    virtual QUrl queuePageUrl(const QString &queueName) const = 0;
    virtual QUrl propertiesPageUrl(const QString &queueName) const = 0;
    // May be called from another thread while a request runs: that request
    // gives up soon, and later ones fail at once. For shutting down.
    virtual void cancelRequests() {}
};
