#pragma once

#include "transport/tcp/HttpAnswerParser.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QTcpSocket;
class QTimer;

// The one HTTP client of the TCP transport: the GET of a printer's web page
// during a search, the raw GET that follows when that page gives nothing, and
// the POST of the network settings form. Each request runs over a socket of
// its own on the calling thread's event loop, with no thread, proxy or
// connection pool behind it.
//
// Why not QNetworkAccessManager: in Qt 5.15 an instance created on the scan
// thread starts the bearer thread and a D-Bus connection thread at once, and
// its first request the HTTP thread ("QNetworkAccessManager thread"), which
// then carries every socket. The documented API offers no way to keep HTTP on
// the caller's thread: the synchronous-request attribute is marked internal
// and would block the scan thread during every page, and bearer management,
// obsolete since 5.15, still starts. ThreadSanitizer reports races inside
// those threads that no code of ours can order. Nor would it replace the raw
// fallback, which exists for printer web servers whose answers a strict
// client does not read, so a socket of ours is needed in any case; and each
// exchange here is one request and one answer on a connection of its own.
//
// get() and post() send HTTP/1.1 and read the answer as far as its length,
// its chunks or the end of the connection say (HttpAnswerParser), never more
// than maxBodyBytes of its body. getRaw() sends a bare HTTP/1.0 GET and hands
// back the answer as it came, status line and headers included, unparsed.
class HttpRequest : public QObject
{
    Q_OBJECT
public:
    explicit HttpRequest(QObject *parent = nullptr);
    ~HttpRequest() override;

    // timeoutMs bounds the whole exchange (0: no bound, the caller keeps time).
    void get(const QString &url, qint64 maxBodyBytes, int timeoutMs = 0);
    void post(const QString &url, const QByteArray &contentType, const QByteArray &body, qint64 maxBodyBytes,
              int timeoutMs = 0);
    // stepLimitMs bounds the connect, the write and each silence while
    // reading; totalLimitMs and maxBytes bound the whole answer, so a server
    // that drips bytes or never stops sending cannot hold the caller. Once
    // reading has begun, an error, a silence or a limit ends the answer with
    // what has arrived.
    void getRaw(const QString &url, int stepLimitMs, int totalLimitMs, qint64 maxBytes);
    // Ends the request under way; finished() does not follow.
    void abort();

    // The body reached maxBodyBytes and the rest of it was not read.
    bool bodyCut() const { return m_parser && m_parser->bodyCut(); }

signals:
    // Once per request, never from inside get(), post() or getRaw(): the HTTP
    // status and the body (also of an error status, and what arrived of a
    // body cut short by the server), or status 0, no body and the error text
    // when no HTTP answer came. After getRaw() the status is 0 and the body
    // holds the answer's bytes as they came (possibly none); the error text
    // is set only when the request could not be sent.
    void finished(int status, const QByteArray &body, const QString &errorText);

private:
    enum class Stage { Idle, Connecting, Writing, Reading };

    void start(const QString &url, bool raw, const QByteArray &method, const QByteArray &contentType,
               const QByteArray &body, qint64 maxBytes, int stepLimitMs, int totalLimitMs);
    void onConnected();
    void onBytesWritten(qint64 count);
    void onReadyRead();
    void onClosed();
    void onError();
    void onLimit();
    void succeed();
    void fail(const QString &errorText);
    void stop();

    QTcpSocket *m_socket = nullptr;
    QTimer *m_totalTimer = nullptr; // the whole exchange
    QTimer *m_stepTimer = nullptr;  // raw: connect, write, then each silence
    std::unique_ptr<HttpAnswerParser> m_parser; // none for a raw request
    QByteArray m_request;
    QByteArray m_rawAnswer;
    qint64 m_maxRawBytes = 0;
    qint64 m_received = 0;
    qint64 m_written = 0;
    quint64 m_serial = 0; // counts the requests started, so a late word of an old one is dropped
    int m_stepLimitMs = 0;
    Stage m_stage = Stage::Idle;
};
