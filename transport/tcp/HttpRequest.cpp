#include "transport/tcp/HttpRequest.h"

#include <QCoreApplication>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace {
constexpr quint16 DefaultHttpPort = 80;
const QByteArray UserAgent = QByteArrayLiteral("Mozilla/5.0");
const QByteArray RawUserAgent = QByteArrayLiteral("Qt-TcpSocket/1.0");

QString timedOut()
{
    return QCoreApplication::translate("QAbstractSocket", "Socket operation timed out");
}
} // namespace

HttpRequest::HttpRequest(QObject *parent) : QObject(parent)
{
    m_totalTimer = new QTimer(this);
    m_totalTimer->setSingleShot(true);
    connect(m_totalTimer, &QTimer::timeout, this, &HttpRequest::onLimit);
    m_stepTimer = new QTimer(this);
    m_stepTimer->setSingleShot(true);
    connect(m_stepTimer, &QTimer::timeout, this, &HttpRequest::onLimit);
}

HttpRequest::~HttpRequest()
{
    stop();
}

void HttpRequest::get(const QString &url, qint64 maxBodyBytes, int timeoutMs)
{
    start(url, false, QByteArrayLiteral("GET"), QByteArray(), QByteArray(), maxBodyBytes, 0, timeoutMs);
}

void HttpRequest::post(const QString &url, const QByteArray &contentType, const QByteArray &body,
                       qint64 maxBodyBytes, int timeoutMs)
{
    start(url, false, QByteArrayLiteral("POST"), contentType, body, maxBodyBytes, 0, timeoutMs);
}

void HttpRequest::getRaw(const QString &url, int stepLimitMs, int totalLimitMs, qint64 maxBytes)
{
    start(url, true, QByteArrayLiteral("GET"), QByteArray(), QByteArray(), maxBytes, stepLimitMs, totalLimitMs);
}

void HttpRequest::start(const QString &urlText, bool raw, const QByteArray &method, const QByteArray &contentType,
                        const QByteArray &body, qint64 maxBytes, int stepLimitMs, int totalLimitMs)
{
    stop();
    m_stage = Stage::Connecting;
    const quint64 serial = ++m_serial;
    m_parser = raw ? nullptr : std::make_unique<HttpAnswerParser>(maxBytes);
    m_rawAnswer.clear();
    m_maxRawBytes = maxBytes;
    m_received = 0;
    m_written = 0;
    m_stepLimitMs = stepLimitMs;

    const QUrl url(urlText);
    QString error;
    if (!url.isValid() || (!url.scheme().isEmpty() && url.scheme() != QLatin1String("http")))
        error = tr("无效URL");
    else if (url.host().isEmpty())
        error = raw ? tr("缺少主机名") : tr("无效URL");
    if (!error.isEmpty()) {
        QTimer::singleShot(0, this, [this, serial, error] {
            if (serial == m_serial)
                fail(error);
        });
        return;
    }

    const quint16 port = quint16(url.port(DefaultHttpPort));
    QByteArray path = url.path(QUrl::FullyEncoded).toLatin1();
    if (path.isEmpty())
        path = "/";
    if (url.hasQuery())
        path += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    const QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (raw) {
        // The least a web server can want: no port in Host, no Connection.
        m_request = "GET " + path + " HTTP/1.0\r\n"
                  + "Host: " + host + "\r\n"
                  + "User-Agent: " + RawUserAgent + "\r\n"
                  + "Accept: */*\r\n"
                  + "\r\n";
    } else {
        const QByteArray hostField = port == DefaultHttpPort ? host : host + ':' + QByteArray::number(port);
        m_request = method + ' ' + path + " HTTP/1.1\r\n"
                  + "Host: " + hostField + "\r\n"
                  + "User-Agent: " + UserAgent + "\r\n"
                  + "Accept: */*\r\n"
                  + "Connection: close\r\n";
        if (method == "POST") {
            m_request += "Content-Type: " + contentType + "\r\n"
                       + "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        }
        m_request += "\r\n" + body;
    }

    m_socket = new QTcpSocket(this);
    m_socket->setProxy(QNetworkProxy::NoProxy); // printers sit on the local network
    connect(m_socket, &QTcpSocket::connected, this, &HttpRequest::onConnected);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &HttpRequest::onBytesWritten);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpRequest::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpRequest::onClosed);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &HttpRequest::onError);
    if (totalLimitMs > 0)
        m_totalTimer->start(totalLimitMs);
    if (m_stepLimitMs > 0)
        m_stepTimer->start(m_stepLimitMs);
    m_socket->connectToHost(url.host(), port);
}

void HttpRequest::onConnected()
{
    if (m_stage != Stage::Connecting)
        return;
    m_stage = Stage::Writing;
    if (m_stepLimitMs > 0)
        m_stepTimer->start(m_stepLimitMs);
    if (m_socket->write(m_request) != m_request.size())
        fail(m_socket->errorString());
}

void HttpRequest::onBytesWritten(qint64 count)
{
    m_written += count;
    if (m_stage != Stage::Writing || m_written < m_request.size())
        return;
    m_stage = Stage::Reading;
    if (m_stepLimitMs > 0)
        m_stepTimer->start(m_stepLimitMs);
}

void HttpRequest::onReadyRead()
{
    if (m_stage != Stage::Writing && m_stage != Stage::Reading)
        return;
    if (!m_parser) {
        const qint64 room = m_maxRawBytes - m_rawAnswer.size();
        m_rawAnswer.append(m_socket->read(qMax<qint64>(0, room)));
        if (m_rawAnswer.size() >= m_maxRawBytes)
            succeed();
        else if (m_stage == Stage::Reading && m_stepLimitMs > 0)
            m_stepTimer->start(m_stepLimitMs); // the silence is counted afresh
        return;
    }
    const QByteArray bytes = m_socket->readAll();
    m_received += bytes.size();
    switch (m_parser->feed(bytes)) {
    case HttpAnswerParser::State::Complete:
        succeed();
        break;
    case HttpAnswerParser::State::Invalid:
        fail(tr("打印机的回答不是HTTP"));
        break;
    default:
        break;
    }
}

void HttpRequest::onClosed()
{
    if (m_stage == Stage::Idle)
        return;
    if (!m_parser) {
        if (m_stage == Stage::Reading)
            succeed();
        return;
    }
    if (m_socket->bytesAvailable() > 0) {
        onReadyRead();
        if (m_stage == Stage::Idle)
            return;
    }
    if (m_parser->closed() == HttpAnswerParser::State::Complete)
        succeed();
    else if (m_received == 0)
        fail(m_socket->errorString());
    else
        fail(tr("打印机的回答不是HTTP"));
}

void HttpRequest::onError()
{
    if (m_stage == Stage::Idle)
        return;
    if (!m_parser) {
        // Once reading, whatever arrived before the error is the answer.
        if (m_stage == Stage::Reading)
            succeed();
        else
            fail(m_socket->errorString());
        return;
    }
    if (m_socket->error() == QAbstractSocket::RemoteHostClosedError
        || m_parser->state() == HttpAnswerParser::State::Body) {
        // What arrived before the end still counts.
        onClosed();
        return;
    }
    fail(m_socket->errorString());
}

void HttpRequest::onLimit()
{
    if (m_stage == Stage::Idle)
        return;
    // A raw answer ends with what has arrived; anything else has failed.
    if (!m_parser && m_stage == Stage::Reading)
        succeed();
    else
        fail(timedOut());
}

void HttpRequest::succeed()
{
    int status = 0;
    QByteArray body;
    if (m_parser) {
        status = m_parser->status();
        body = m_parser->body();
    } else {
        if (m_socket->bytesAvailable() > 0 && m_rawAnswer.size() < m_maxRawBytes)
            m_rawAnswer.append(m_socket->read(m_maxRawBytes - m_rawAnswer.size()));
        body = m_rawAnswer;
    }
    stop();
    emit finished(status, body, QString());
}

void HttpRequest::fail(const QString &errorText)
{
    if (m_stage == Stage::Idle)
        return;
    stop();
    emit finished(0, QByteArray(), errorText);
}

void HttpRequest::abort()
{
    stop();
}

void HttpRequest::stop()
{
    m_stage = Stage::Idle;
    m_totalTimer->stop();
    m_stepTimer->stop();
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
}
