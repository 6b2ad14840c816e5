#include "transport/tcp/HttpRequest.h"

#include <QCoreApplication>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace {
constexpr quint16 DefaultHttpPort = 80;
const QByteArray UserAgent = QByteArrayLiteral("Mozilla/5.0");
} // namespace

HttpRequest::HttpRequest(QObject *parent) : QObject(parent)
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        fail(QCoreApplication::translate("QAbstractSocket", "Socket operation timed out"));
    });
}

HttpRequest::~HttpRequest()
{
    stop();
}

void HttpRequest::get(const QString &url, qint64 maxBodyBytes, int timeoutMs)
{
    start(QByteArrayLiteral("GET"), url, QByteArray(), QByteArray(), maxBodyBytes, timeoutMs);
}

void HttpRequest::post(const QString &url, const QByteArray &contentType, const QByteArray &body,
                       qint64 maxBodyBytes, int timeoutMs)
{
    start(QByteArrayLiteral("POST"), url, contentType, body, maxBodyBytes, timeoutMs);
}

void HttpRequest::start(const QByteArray &method, const QString &urlText, const QByteArray &contentType,
                        const QByteArray &body, qint64 maxBodyBytes, int timeoutMs)
{
    stop();
    m_running = true;
    m_received = 0;
    m_parser = std::make_unique<HttpAnswerParser>(maxBodyBytes);

    const QUrl url(urlText);
    const QString host = url.host();
    if (!url.isValid() || host.isEmpty()
        || (!url.scheme().isEmpty() && url.scheme() != QLatin1String("http"))) {
        QTimer::singleShot(0, this, [this] { fail(tr("无效URL")); });
        return;
    }
    const quint16 port = quint16(url.port(DefaultHttpPort));
    QByteArray path = url.path(QUrl::FullyEncoded).toLatin1();
    if (path.isEmpty())
        path = "/";
    if (url.hasQuery())
        path += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray hostField = url.host(QUrl::FullyEncoded).toLatin1();
    if (port != DefaultHttpPort)
        hostField += ':' + QByteArray::number(port);

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

    m_socket = new QTcpSocket(this);
    m_socket->setProxy(QNetworkProxy::NoProxy); // printers sit on the local network
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        if (m_socket->write(m_request) != m_request.size())
            fail(m_socket->errorString());
    });
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpRequest::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpRequest::onClosed);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (!m_running)
            return;
        if (error == QAbstractSocket::RemoteHostClosedError
            || m_parser->state() == HttpAnswerParser::State::Body) {
            // What arrived before the end still counts.
            onClosed();
            return;
        }
        fail(m_socket->errorString());
    });
    if (timeoutMs > 0)
        m_timer->start(timeoutMs);
    m_socket->connectToHost(host, port);
}

void HttpRequest::onReadyRead()
{
    if (!m_running)
        return;
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
    if (!m_running)
        return;
    if (m_socket->bytesAvailable() > 0) {
        onReadyRead();
        if (!m_running)
            return;
    }
    if (m_parser->closed() == HttpAnswerParser::State::Complete)
        succeed();
    else if (m_received == 0)
        fail(m_socket->errorString());
    else
        fail(tr("打印机的回答不是HTTP"));
}

void HttpRequest::succeed()
{
    const int status = m_parser->status();
    const QByteArray body = m_parser->body();
    stop();
    emit finished(status, body, QString());
}

void HttpRequest::fail(const QString &errorText)
{
    if (!m_running)
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
    m_running = false;
    m_timer->stop();
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
}
