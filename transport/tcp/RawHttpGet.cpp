#include "transport/tcp/RawHttpGet.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace {
constexpr quint16 DefaultHttpPort = 80;
}

RawHttpGet::RawHttpGet(QObject *parent) : QObject(parent)
{
    m_stepTimer = new QTimer(this);
    m_stepTimer->setSingleShot(true);
    m_totalTimer = new QTimer(this);
    m_totalTimer->setSingleShot(true);
    connect(m_stepTimer, &QTimer::timeout, this, [this] {
        switch (m_stage) {
        case Stage::Connecting:
        case Stage::Writing:
            fail(QCoreApplication::translate("QAbstractSocket", "Socket operation timed out"));
            break;
        case Stage::Reading:
            done();
            break;
        default:
            break;
        }
    });
    connect(m_totalTimer, &QTimer::timeout, this, [this] {
        if (m_stage == Stage::Reading)
            done();
        else
            fail(QCoreApplication::translate("QAbstractSocket", "Socket operation timed out"));
    });
}

void RawHttpGet::start(const QString &urlText, int limitMs, int totalLimitMs, qint64 maxBytes)
{
    m_limitMs = limitMs;
    m_maxBytes = maxBytes;
    m_data.clear();
    m_written = 0;
    m_stage = Stage::Connecting;

    QUrl url(urlText);
    if (!url.isValid()) {
        QTimer::singleShot(0, this, [this] { fail(tr("无效URL")); });
        return;
    }
    if (url.scheme().isEmpty())
        url.setScheme(QStringLiteral("http"));
    const QString host = url.host();
    if (host.isEmpty()) {
        QTimer::singleShot(0, this, [this] { fail(tr("缺少主机名")); });
        return;
    }
    const quint16 port = quint16(url.port(DefaultHttpPort));
    QString path = url.path(QUrl::FullyEncoded);
    if (path.isEmpty())
        path = QStringLiteral("/");
    if (url.hasQuery())
        path += QLatin1Char('?') + url.query(QUrl::FullyEncoded);
    m_request = "GET " + path.toLatin1() + " HTTP/1.0\r\n"
              + "Host: " + host.toLatin1() + "\r\n"
              + "User-Agent: Qt-TcpSocket/1.0\r\n"
              + "Accept: */*\r\n"
              + "\r\n";

    m_socket = new QTcpSocket(this);
    connect(m_socket, &QTcpSocket::connected, this, &RawHttpGet::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &RawHttpGet::onReadyRead);
    connect(m_socket, &QTcpSocket::bytesWritten, this, [this](qint64 n) {
        m_written += n;
        if (m_stage == Stage::Writing && m_written >= m_request.size()) {
            m_stage = Stage::Reading;
            m_stepTimer->start(m_limitMs);
        }
    });
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        if (m_stage == Stage::Reading)
            done();
    });
    connect(m_socket, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError err) {
        if (m_stage == Stage::Reading) {
            if (err == QAbstractSocket::RemoteHostClosedError)
                done();
            else
                done(); // keep what arrived before the error
        } else if (m_stage == Stage::Connecting || m_stage == Stage::Writing) {
            fail(m_socket->errorString());
        }
    });
    m_stepTimer->start(m_limitMs);
    m_totalTimer->start(totalLimitMs);
    m_socket->connectToHost(host, port);
}

void RawHttpGet::onConnected()
{
    if (m_stage != Stage::Connecting)
        return;
    m_stage = Stage::Writing;
    m_stepTimer->start(m_limitMs);
    if (m_socket->write(m_request) != m_request.size())
        fail(m_socket->errorString());
}

void RawHttpGet::onReadyRead()
{
    if (m_stage != Stage::Reading && m_stage != Stage::Writing)
        return;
    const qint64 room = m_maxBytes - m_data.size();
    m_data.append(m_socket->read(qMax<qint64>(0, room)));
    if (m_data.size() >= m_maxBytes) {
        done();
        return;
    }
    if (m_stage == Stage::Reading)
        m_stepTimer->start(m_limitMs);
}

void RawHttpGet::abort()
{
    m_stage = Stage::Done;
    m_stepTimer->stop();
    m_totalTimer->stop();
    if (m_socket)
        m_socket->abort();
}

void RawHttpGet::fail(const QString &errorText)
{
    if (m_stage == Stage::Done)
        return;
    abort();
    m_data.clear();
    emit finished(QByteArray(), errorText);
}

void RawHttpGet::done()
{
    if (m_stage == Stage::Done)
        return;
    if (m_socket && m_socket->bytesAvailable() > 0 && m_data.size() < m_maxBytes)
        m_data.append(m_socket->read(m_maxBytes - m_data.size()));
    abort();
    emit finished(m_data, QString());
}
