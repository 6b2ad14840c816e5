#include "VpRawServer.h"

#include "VpEventLog.h"
#include "VpPrinterCore.h"

#include <QJsonObject>

namespace {
const QString Source = QStringLiteral("tcp");
}

VpRawServer::VpRawServer(VpPrinterCore *core, VpEventLog *log, QObject *parent)
    : QObject(parent), m_core(core), m_log(log)
{
    connect(&m_server, &QTcpServer::newConnection, this, &VpRawServer::onNewConnection);
}

VpRawServer::~VpRawServer()
{
    close();
}

bool VpRawServer::listen(const QHostAddress &address, quint16 port, QString *error)
{
    if (!m_server.listen(address, port)) {
        *error = m_server.errorString();
        return false;
    }
    return true;
}

bool VpRawServer::relisten(const QHostAddress &address, quint16 port, QString *error)
{
    m_server.close();
    return listen(address, port, error);
}

void VpRawServer::close()
{
    m_server.close();
    if (m_active) {
        m_active->disconnect(this);
        m_active->abort();
        m_active->deleteLater();
        m_core->endStream(Source);
    }
    m_active.clear();
    for (const QPointer<QTcpSocket> &s : qAsConst(m_waiting))
        if (s) {
            s->abort();
            s->deleteLater();
        }
    m_waiting.clear();
}

qint64 VpRawServer::bufferedBytes() const
{
    qint64 bytes = m_active ? m_active->bytesAvailable() : 0;
    for (const QPointer<QTcpSocket> &s : m_waiting)
        if (s)
            bytes += s->bytesAvailable();
    return bytes;
}

void VpRawServer::event(const QString &name, QTcpSocket *socket)
{
    m_log->append(QJsonObject{{QStringLiteral("kind"), QStringLiteral("event")},
                              {QStringLiteral("name"), name},
                              {QStringLiteral("source"), Source},
                              {QStringLiteral("params"),
                               QJsonObject{{QStringLiteral("peer"), socket->peerAddress().toString()},
                                           {QStringLiteral("peer_port"), socket->peerPort()}}}});
}

void VpRawServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setReadBufferSize(ReceiveBufferBytes);
        connect(socket, &QTcpSocket::readyRead, this, &VpRawServer::onReadyRead);
        connect(socket, &QTcpSocket::disconnected, this, &VpRawServer::onDisconnected);
        if (m_active) {
            event(QStringLiteral("client_queued"), socket);
            m_waiting.append(socket);
        } else {
            m_active = socket;
            event(QStringLiteral("client_connected"), socket);
            onReadyRead();
        }
    }
}

void VpRawServer::onReadyRead()
{
    // Reading makes room: the socket takes more from the network after it.
    while (m_active && m_active->bytesAvailable() > 0) {
        const QByteArray reply = m_core->feed(Source, m_active->read(ReceiveBufferBytes));
        if (!reply.isEmpty() && m_active->state() == QAbstractSocket::ConnectedState)
            m_active->write(reply);
    }
}

void VpRawServer::onDisconnected()
{
    QTcpSocket *socket = qobject_cast<QTcpSocket *>(sender());
    if (socket && socket == m_active)
        finishActive();
}

void VpRawServer::finishActive()
{
    if (!m_active)
        return;
    onReadyRead(); // whatever is still buffered
    m_core->endStream(Source);
    event(QStringLiteral("client_disconnected"), m_active);
    m_active->disconnect(this);
    m_active->deleteLater();
    m_active.clear();
    serveNext();
}

void VpRawServer::serveNext()
{
    while (!m_waiting.isEmpty() && !m_active) {
        QPointer<QTcpSocket> next = m_waiting.takeFirst();
        if (!next)
            continue;
        m_active = next;
        event(QStringLiteral("client_connected"), next);
        onReadyRead();
        if (next->state() != QAbstractSocket::ConnectedState) {
            finishActive();
            return;
        }
    }
}
