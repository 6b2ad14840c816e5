#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;

// A bare HTTP/1.0 GET over a socket of its own, for printer web servers that
// QNetworkAccessManager cannot read. The answer (status line, headers and body
// together) is returned unparsed.
class RawHttpGet : public QObject
{
    Q_OBJECT
public:
    explicit RawHttpGet(QObject *parent = nullptr);

    // limitMs bounds the connect, the write and each silence while reading;
    // totalLimitMs and maxBytes bound the whole answer, so a server that drips
    // bytes or never stops sending cannot hold the caller. Emits finished()
    // once, never from inside start().
    void start(const QString &url, int limitMs, int totalLimitMs, qint64 maxBytes);
    void abort();

signals:
    void finished(const QByteArray &data, const QString &errorText);

private:
    void onConnected();
    void onReadyRead();
    void fail(const QString &errorText);
    void done();

    QTcpSocket *m_socket = nullptr;
    QTimer *m_stepTimer = nullptr;  // connect, write, then idle limit
    QTimer *m_totalTimer = nullptr;
    QByteArray m_request;
    QByteArray m_data;
    qint64 m_maxBytes = 0;
    qint64 m_written = 0;
    int m_limitMs = 0;
    enum class Stage { Idle, Connecting, Writing, Reading, Done } m_stage = Stage::Idle;
};
