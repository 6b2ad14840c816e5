#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

class QLocalSocket;

// The control interface on a Unix socket (--control): one command a line,
// one answer a line. Bounded per client: a client that does not read its
// answers gets no more commands run once MaxUnsentBytes of answers wait for
// it (its socket is then no longer read, and it waits as its own writes
// block); a line longer than MaxLineBytes closes the connection.
class VpControlServer : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 MaxUnsentBytes = 1024 * 1024;
    static constexpr qint64 MaxLineBytes = 64 * 1024;
    // Runs one command line and returns its answer (without the line end).
    using Runner = std::function<QString(const QString &)>;

    explicit VpControlServer(Runner runner, QObject *parent = nullptr);

    // Replaces a stale socket file at path.
    bool listen(const QString &path, QString *error);
    QString fullServerName() const { return m_server.fullServerName(); }
    // The answers written and not yet taken by the clients, all together.
    qint64 unsentBytes() const;

private:
    void onNewConnection();
    void serve(QLocalSocket *socket);

    Runner m_runner;
    QLocalServer m_server;
};
