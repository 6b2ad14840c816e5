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
        Silent,        // reads and never answers
        ResetMidway,   // answers the first request, resets the connection at the second
        CloseAtOnce,   // closes each connection as soon as it is made
        FullBacklog,   // listens with a full backlog and never accepts: connections hang
        // Printers that answer every status request truly (cover closed,
        // drawer closed, paper present) but send more than was asked for:
        StrayByte,     // one status-like byte (12) as it accepts
        StrayPair,     // two bytes at once (12 12) as it accepts
        StrayGarbage,  // bytes that are no status (ff 00 81) as it accepts and before each answer
        // And printers that fail:
        PaperOut,      // answers truly: out of paper
        ResetAtOnce,   // resets each connection as soon as it is made
        NeverReads,    // accepts, never reads; a small receive buffer
    };
    // The true status byte of a healthy printer for DLE EOT n, and of one out of paper.
    static char healthyStatus(int n);
    static char paperOutStatus(int n);

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
