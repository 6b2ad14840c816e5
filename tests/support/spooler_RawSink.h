#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A printer's raw port on loopback that only listens: every connection is one
// job, recorded whole when the sender closes it.
class RawSink : public QObject
{
    Q_OBJECT
public:
    explicit RawSink(QObject *parent = nullptr);

    bool listen();
    quint16 port() const { return m_server.serverPort(); }
    QString socketUri() const;

    QList<QByteArray> jobs() const { return m_jobs; }
    void clear() { m_jobs.clear(); }
    // Runs the event loop until count jobs have arrived or timeoutMs passed.
    bool waitForJobs(int count, int timeoutMs);

private:
    void handleConnection();

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_open;
    QList<QByteArray> m_jobs;
};
