#pragma once

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;
class VpEventLog;
class VpState;

// The printer's small web server: GET / answers the model's configuration
// page, POST /config.cgi records the URL-encoded network form and answers a
// page. One request per connection (the answer closes it). Like a printer's
// small server it is bounded: header and body sizes, MaxConnections at once
// (one more is closed at once), and a request not complete within the
// request time-out is answered 408 and closed.
class VpHttpServer : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxHeaderBytes = 16 * 1024;
    static constexpr int MaxBodyBytes = 1024 * 1024;
    static constexpr int MaxConnections = 16;
    static constexpr int RequestTimeoutMs = 10000;
    // What a connection's socket takes from the network before the request
    // so far has been looked at.
    static constexpr qint64 ReceiveBufferBytes = 64 * 1024;

    VpHttpServer(VpState *state, VpEventLog *log, int requestTimeoutMs = RequestTimeoutMs, QObject *parent = nullptr);

    bool listen(const QHostAddress &address, quint16 port, QString *error);
    quint16 port() const { return m_server.serverPort(); }
    void close();
    // Listens on address:port instead (requests in progress are answered).
    bool relisten(const QHostAddress &address, quint16 port, QString *error);

signals:
    // A network form was answered: the address it asks for and whether it
    // switches DHCP on ("1" or "dhcpy").
    void networkFormApplied(const QString &ip, bool dhcp);

private slots:
    void onNewConnection();
    void onReadyRead();

private:
    void respond(QTcpSocket *socket, int status, const QByteArray &reason, const QByteArray &body);
    void handle(QTcpSocket *socket, const QByteArray &method, const QByteArray &path, const QByteArray &body);
    void event(const QString &name, QTcpSocket *socket);

    VpState *m_state;
    VpEventLog *m_log;
    int m_requestTimeoutMs;
    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};
