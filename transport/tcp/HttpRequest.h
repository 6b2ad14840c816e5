#pragma once

#include "transport/tcp/HttpAnswerParser.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QTcpSocket;
class QTimer;

// One HTTP/1.1 request over a socket of its own, on the calling thread's event
// loop and with no thread, proxy or connection pool behind it: the GET of a
// printer's web page during a search and the POST of its network settings
// form. The answer is read as far as its length, its chunks or the end of the
// connection say, and never more than maxBodyBytes of its body.
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
    // Ends the request under way; finished() does not follow.
    void abort();

    // The body reached maxBodyBytes and the rest of it was not read.
    bool bodyCut() const { return m_parser && m_parser->bodyCut(); }

signals:
    // Once per request, never from inside get() or post(): the HTTP status and
    // the body (also of an error status, and what arrived of a body cut short
    // by the server), or status 0, no body and the error text when no HTTP
    // answer came.
    void finished(int status, const QByteArray &body, const QString &errorText);

private:
    void start(const QByteArray &method, const QString &url, const QByteArray &contentType,
               const QByteArray &body, qint64 maxBodyBytes, int timeoutMs);
    void onReadyRead();
    void onClosed();
    void succeed();
    void fail(const QString &errorText);
    void stop();

    QTcpSocket *m_socket = nullptr;
    QTimer *m_timer = nullptr;
    std::unique_ptr<HttpAnswerParser> m_parser;
    QByteArray m_request;
    qint64 m_received = 0;
    bool m_running = false;
};
