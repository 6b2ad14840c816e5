#pragma once

// A print port that misbehaves in one chosen way, for the status poller and
// the exporter: it answers garbage, never answers, resets the connection in
// the middle of the answers, closes at once, or takes no connections at all.

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>

class QTcpSocket;

class BadPrinter : public QObject
{
    Q_OBJECT
public:
    enum class Mode {
        Garbage,       // answers every request with an HTTP error line
        WrongBits,     // answers 00 (not a status byte)
        TwoBytes,      // answers 16 16
        Silent,        // reads and never answers
        ResetMidway,   // answers the first request, resets the connection at the second
        CloseAtOnce,   // closes each connection as soon as it is made
        FullBacklog,   // listens with a full backlog and never accepts: connections hang
    };

    explicit BadPrinter(QObject *parent = nullptr) : QObject(parent) {}
    ~BadPrinter() override;

    bool listen(const QHostAddress &address, Mode mode, quint16 port = 9100);

    int connectionsMade() const { return m_made; }
    // The most connections open at the same time so far.
    int mostAtOnce() const { return m_most; }
    int openNow() const;

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);

    Mode m_mode = Mode::Silent;
    QTcpServer m_server;
    QList<QPointer<QTcpSocket>> m_clients;
    int m_made = 0;
    int m_most = 0;
    int m_backlogFd = -1;
    QList<int> m_fillers; // connections that fill the backlog
};
