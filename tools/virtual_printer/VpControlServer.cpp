#include "VpControlServer.h"

#include <QLocalSocket>

VpControlServer::VpControlServer(Runner runner, QObject *parent) : QObject(parent), m_runner(std::move(runner))
{
    connect(&m_server, &QLocalServer::newConnection, this, &VpControlServer::onNewConnection);
}

bool VpControlServer::listen(const QString &path, QString *error)
{
    QLocalServer::removeServer(path);
    if (m_server.listen(path))
        return true;
    *error = m_server.errorString();
    return false;
}

qint64 VpControlServer::unsentBytes() const
{
    qint64 bytes = 0;
    for (const QLocalSocket *s : m_server.findChildren<QLocalSocket *>())
        bytes += s->bytesToWrite();
    return bytes;
}

void VpControlServer::onNewConnection()
{
    while (QLocalSocket *s = m_server.nextPendingConnection()) {
        s->setReadBufferSize(MaxLineBytes);
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QLocalSocket::readyRead, this, [this, s]() { serve(s); });
        // Answers taken by the client make room for the next commands.
        connect(s, &QLocalSocket::bytesWritten, this, [this, s]() { serve(s); });
    }
}

void VpControlServer::serve(QLocalSocket *s)
{
    while (s->bytesToWrite() < MaxUnsentBytes && s->canReadLine()) {
        const QString line = QString::fromUtf8(s->readLine()).trimmed();
        if (!line.isEmpty())
            s->write((m_runner(line) + QLatin1Char('\n')).toUtf8());
    }
    if (!s->canReadLine() && s->bytesAvailable() >= MaxLineBytes)
        s->abort();
}
