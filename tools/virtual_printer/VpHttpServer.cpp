#include "VpHttpServer.h"

#include "VpEventLog.h"
#include "VpState.h"
#include "VpWebPages.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

namespace {
const QString Source = QStringLiteral("http");
const QByteArray HeaderEnd = "\r\n\r\n";
} // namespace

VpHttpServer::VpHttpServer(VpState *state, VpEventLog *log, int requestTimeoutMs, QObject *parent)
    : QObject(parent), m_state(state), m_log(log), m_requestTimeoutMs(requestTimeoutMs)
{
    connect(&m_server, &QTcpServer::newConnection, this, &VpHttpServer::onNewConnection);
}

bool VpHttpServer::listen(const QHostAddress &address, quint16 port, QString *error)
{
    if (!m_server.listen(address, port)) {
        *error = m_server.errorString();
        return false;
    }
    return true;
}

bool VpHttpServer::relisten(const QHostAddress &address, quint16 port, QString *error)
{
    m_server.close();
    return listen(address, port, error);
}

void VpHttpServer::close()
{
    m_server.close();
    for (QTcpSocket *s : m_buffers.keys()) {
        s->abort();
        s->deleteLater();
    }
    m_buffers.clear();
}

void VpHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        if (m_buffers.size() >= MaxConnections) {
            event(QStringLiteral("http_refused"), socket);
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setReadBufferSize(ReceiveBufferBytes);
        m_buffers.insert(socket, QByteArray());
        auto *deadline = new QTimer(socket);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, this, [this, socket]() {
            if (socket->state() != QAbstractSocket::ConnectedState)
                return;
            event(QStringLiteral("http_timeout"), socket);
            respond(socket, 408, "Request Timeout", QByteArray());
        });
        deadline->start(m_requestTimeoutMs);
        connect(socket, &QTcpSocket::readyRead, this, &VpHttpServer::onReadyRead);
        connect(socket, &QTcpSocket::disconnected, this, [this, socket]() {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
        if (socket->bytesAvailable() > 0)
            QMetaObject::invokeMethod(this, "onReadyRead", Qt::QueuedConnection);
    }
}

void VpHttpServer::onReadyRead()
{
    const QList<QTcpSocket *> sockets = m_buffers.keys();
    for (QTcpSocket *socket : sockets) {
        // A connection being closed has had its answer.
        if (!m_buffers.contains(socket) || socket->state() != QAbstractSocket::ConnectedState
            || socket->bytesAvailable() <= 0)
            continue;
        QByteArray &buf = m_buffers[socket];
        buf += socket->readAll();
        const int headerEnd = buf.indexOf(HeaderEnd);
        if (headerEnd < 0) {
            if (buf.size() > MaxHeaderBytes)
                respond(socket, 431, "Request Header Fields Too Large", QByteArray());
            continue;
        }
        const QList<QByteArray> lines = buf.left(headerEnd).split('\n');
        const QList<QByteArray> request = lines.value(0).trimmed().split(' ');
        if (request.size() < 2) {
            respond(socket, 400, "Bad Request", QByteArray());
            continue;
        }
        qint64 length = 0;
        bool expectContinue = false;
        for (int i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).trimmed();
            const int colon = line.indexOf(':');
            if (colon < 0)
                continue;
            const QByteArray key = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (key == "content-length")
                length = value.toLongLong();
            else if (key == "expect" && value.toLower() == "100-continue")
                expectContinue = true;
        }
        if (length < 0 || length > MaxBodyBytes) {
            respond(socket, 413, "Payload Too Large", QByteArray());
            continue;
        }
        const qint64 have = buf.size() - headerEnd - HeaderEnd.size();
        if (have < length) {
            if (expectContinue && have == 0 && !socket->property("continued").toBool()) {
                socket->setProperty("continued", true);
                socket->write("HTTP/1.1 100 Continue\r\n\r\n");
            }
            continue;
        }
        const QByteArray body = buf.mid(headerEnd + HeaderEnd.size(), int(length));
        buf.clear();
        handle(socket, request.at(0), request.at(1), body);
    }
}

void VpHttpServer::event(const QString &name, QTcpSocket *socket)
{
    m_log->append(QJsonObject{{QStringLiteral("kind"), QStringLiteral("event")},
                              {QStringLiteral("name"), name},
                              {QStringLiteral("source"), Source},
                              {QStringLiteral("params"),
                               QJsonObject{{QStringLiteral("peer"), socket->peerAddress().toString()},
                                           {QStringLiteral("peer_port"), socket->peerPort()}}}});
}

void VpHttpServer::handle(QTcpSocket *socket, const QByteArray &method, const QByteArray &target,
                          const QByteArray &body)
{
    const QString path = QUrl(QString::fromLatin1(target)).path();
    m_log->append(QJsonObject{{QStringLiteral("kind"), QStringLiteral("event")},
                              {QStringLiteral("name"), QStringLiteral("http_request")},
                              {QStringLiteral("source"), Source},
                              {QStringLiteral("params"),
                               QJsonObject{{QStringLiteral("method"), QString::fromLatin1(method)},
                                           {QStringLiteral("path"), QString::fromLatin1(target)},
                                           {QStringLiteral("peer"), socket->peerAddress().toString()}}}});
    if (method == "GET" && (path == QLatin1String("/") || path == QLatin1String("/index.html"))) {
        respond(socket, 200, "OK", VpWebPages::configPage(m_state->model()));
        return;
    }
    if (method == "POST" && path == QLatin1String("/config.cgi")) {
        QString text = QString::fromUtf8(body);
        text.replace(QLatin1Char('+'), QLatin1Char(' '));
        const QUrlQuery query(text);
        QList<QPair<QString, QString>> fields;
        QJsonArray fieldArray;
        QJsonObject fieldObject;
        for (const auto &item : query.queryItems(QUrl::FullyDecoded)) {
            fields.append(item);
            fieldArray.append(QJsonArray{item.first, item.second});
            fieldObject.insert(item.first, item.second);
        }
        m_state->recordForm(body);
        m_log->append(QJsonObject{{QStringLiteral("kind"), QStringLiteral("event")},
                                  {QStringLiteral("name"), QStringLiteral("network_form")},
                                  {QStringLiteral("source"), Source},
                                  {QStringLiteral("params"),
                                   QJsonObject{{QStringLiteral("body"), QString::fromUtf8(body)},
                                               {QStringLiteral("fields"), fieldObject},
                                               {QStringLiteral("order"), fieldArray}}}});
        respond(socket, 200, "OK", VpWebPages::formReply(m_state->model(), fields));
        const QString dhcp = fieldObject.value(QStringLiteral("dhcp")).toString();
        emit networkFormApplied(fieldObject.value(QStringLiteral("ip")).toString(),
                                dhcp == QLatin1String("1") || dhcp == QLatin1String("dhcpy"));
        return;
    }
    if (method != "GET" && method != "POST" && method != "HEAD") {
        respond(socket, 405, "Method Not Allowed", QByteArray());
        return;
    }
    respond(socket, 404, "Not Found", VpWebPages::notFoundPage());
}

void VpHttpServer::respond(QTcpSocket *socket, int status, const QByteArray &reason, const QByteArray &body)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
    out += "Content-Type: text/html; charset=utf-8\r\n";
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += "Connection: close\r\n\r\n";
    out += body;
    socket->write(out);
    socket->disconnectFromHost();
}
