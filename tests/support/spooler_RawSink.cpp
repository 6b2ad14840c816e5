#include "support/spooler_RawSink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>

namespace {
constexpr int SliceMs = 20;
}

RawSink::RawSink(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &RawSink::handleConnection);
}

bool RawSink::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QString RawSink::socketUri() const
{
    return QStringLiteral("socket://127.0.0.1:%1").arg(port());
}

void RawSink::handleConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        m_open.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { m_open[socket] += socket->readAll(); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_open[socket] += socket->readAll();
            m_jobs.append(m_open.take(socket));
            socket->deleteLater();
        });
    }
}

bool RawSink::waitForJobs(int count, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (m_jobs.size() < count && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, SliceMs);
    return m_jobs.size() >= count;
}
