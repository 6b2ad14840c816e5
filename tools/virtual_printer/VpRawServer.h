#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

class VpEventLog;
class VpPrinterCore;

// The raw print port: one client at a time; clients that connect meanwhile
// wait their turn and are served in the order they came (what they sent while
// waiting is kept and printed when their turn comes). Like a printer's receive
// buffer, each connection holds at most ReceiveBufferBytes: then the port
// stops reading it and the TCP window holds the sender back. The decoder gets
// the bytes in pieces of at most that size.
class VpRawServer : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 ReceiveBufferBytes = 64 * 1024;

    VpRawServer(VpPrinterCore *core, VpEventLog *log, QObject *parent = nullptr);
    ~VpRawServer() override;

    bool listen(const QHostAddress &address, quint16 port, QString *error);
    quint16 port() const { return m_server.serverPort(); }
    void close();
    // The bytes received and not yet decoded, over all connections.
    qint64 bufferedBytes() const;
    // Stops listening here and listens on address:port instead; a connected
    // client keeps its line. False (and listening nowhere) when the new
    // address cannot be bound.
    bool relisten(const QHostAddress &address, quint16 port, QString *error);

private slots:
    void onNewConnection();
    void onReadyRead();
    void onDisconnected();

private:
    void serveNext();
    void finishActive();
    void event(const QString &name, QTcpSocket *socket);

    VpPrinterCore *m_core;
    VpEventLog *m_log;
    QTcpServer m_server;
    QPointer<QTcpSocket> m_active;
    QList<QPointer<QTcpSocket>> m_waiting;
};
