#include "tcp_fixtures.h"

#include "app/base/AppPaths.h"
#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"

#include <QDir>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTimer>

#include <sys/socket.h>

namespace {

// Closing with a zero linger time sends RST instead of FIN.
void resetConnection(QTcpSocket *socket)
{
    struct linger lg { 1, 0 };
    ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &lg, sizeof lg);
    socket->abort();
    socket->deleteLater();
}

constexpr qint64 EndlessPageBytes = 100LL * 1024 * 1024;
constexpr int EndlessChunk = 64 * 1024;
constexpr int DripIntervalMs = 1000;

} // namespace

bool TcpFakePrintPort::listen(const QHostAddress &address, quint16 port, Mode mode)
{
    m_mode = mode;
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = m_server.nextPendingConnection()) {
            ++m_connections;
            if (m_mode == Mode::AcceptAndReset) {
                resetConnection(s);
                continue;
            }
            m_client = s;
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                m_received.append(s->readAll());
                emit dataArrived();
            });
        }
    });
    return m_server.listen(address, port);
}

void TcpFakePrintPort::reply(const QByteArray &bytes)
{
    if (m_client) {
        m_client->write(bytes);
        m_client->flush();
    }
}

bool TcpFakeWebServer::listen(const QHostAddress &address, quint16 port)
{
    connect(&m_server, &QTcpServer::newConnection, this, &TcpFakeWebServer::onConnection);
    return m_server.listen(address, port);
}

void TcpFakeWebServer::onConnection()
{
    while (QTcpSocket *s = m_server.nextPendingConnection()) {
        if (m_mode == Mode::Reset) {
            resetConnection(s);
            continue;
        }
        s->setProperty("buf", QByteArray());
        connect(s, &QTcpSocket::readyRead, this, [this, s] { handle(s); });
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
    }
}

void TcpFakeWebServer::handle(QTcpSocket *s)
{
    if (s->property("answered").toBool()) {
        s->readAll();
        return;
    }
    QByteArray buf = s->property("buf").toByteArray() + s->readAll();
    s->setProperty("buf", buf);
    const int headerEnd = buf.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    const QList<QByteArray> lines = buf.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    const QByteArray method = requestLine.value(0);
    Post post;
    post.path = QString::fromLatin1(requestLine.value(1));
    int contentLength = 0;
    for (const QByteArray &l : lines.mid(1)) {
        const int colon = l.indexOf(':');
        const QByteArray key = l.left(colon).trimmed().toLower();
        const QByteArray value = l.mid(colon + 1).trimmed();
        if (key == "content-length")
            contentLength = value.toInt();
        else if (key == "content-type")
            post.contentType = QString::fromLatin1(value);
    }
    if (method == "POST") {
        if (buf.size() < headerEnd + 4 + contentLength)
            return;
        post.body = buf.mid(headerEnd + 4, contentLength);
        s->setProperty("answered", true);
        m_posts.append(post);
        emit postArrived();
        if (m_holdPosts)
            return;
        s->write("HTTP/1.0 " + QByteArray::number(m_postStatus) + " Status\r\nContent-Length: 2\r\n\r\nOK");
        s->disconnectFromHost();
        return;
    }
    s->setProperty("answered", true);
    ++m_gets;
    switch (m_mode) {
    case Mode::Silent:
        return;
    case Mode::Page:
        s->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(m_page.size())
                 + "\r\n\r\n" + m_page);
        s->disconnectFromHost();
        return;
    case Mode::Bare:
        s->write(m_page);
        s->disconnectFromHost();
        return;
    case Mode::Endless:
        s->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + m_page);
        connect(s, &QTcpSocket::bytesWritten, this, [this, s] { pump(s); });
        pump(s);
        return;
    case Mode::Drip: {
        s->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n");
        auto *timer = new QTimer(s);
        connect(timer, &QTimer::timeout, s, [this, s] {
            s->write("x");
            ++m_served;
        });
        timer->start(DripIntervalMs);
        return;
    }
    case Mode::Reset:
        return;
    }
}

void TcpFakeWebServer::pump(QTcpSocket *s)
{
    while (s->bytesToWrite() < 4 * EndlessChunk && m_served < EndlessPageBytes
           && s->state() == QAbstractSocket::ConnectedState) {
        s->write(QByteArray(EndlessChunk, 'a'));
        m_served += EndlessChunk;
    }
}

bool TcpFakeNetbios::listen(const QHostAddress &address, quint16 port)
{
    connect(&m_socket, &QUdpSocket::readyRead, this, &TcpFakeNetbios::onReadyRead);
    return m_socket.bind(address, port);
}

QByteArray TcpFakeNetbios::answer(quint16 id, const QList<QPair<QByteArray, quint8>> &names,
                                  const QByteArray &unitId)
{
    QByteArray a;
    a.append(char(id >> 8)).append(char(id & 0xFF));
    a.append(char(0x84)).append(char(0x00)); // response, authoritative
    a.append(QByteArray::fromHex("0000000100000000"));
    a.append(char(0x20));
    a.append(QByteArray("CK").append(QByteArray(30, 'A')));
    a.append(char(0));
    a.append(QByteArray::fromHex("00210001")); // NBSTAT, IN
    a.append(QByteArray::fromHex("00000000")); // TTL
    const int rdLength = 1 + names.size() * 18 + 46;
    a.append(char(rdLength >> 8)).append(char(rdLength & 0xFF));
    a.append(char(names.size()));
    for (const auto &n : names) {
        QByteArray name = n.first.left(15);
        name.append(QByteArray(15 - name.size(), ' '));
        a.append(name).append(char(n.second)).append(QByteArray::fromHex("0400"));
    }
    a.append(unitId.left(6).leftJustified(46, '\0')); // statistics, the unit id first
    return a;
}

void TcpFakeNetbios::onReadyRead()
{
    while (m_socket.hasPendingDatagrams()) {
        QByteArray q(int(m_socket.pendingDatagramSize()), '\0');
        QHostAddress from;
        quint16 port = 0;
        m_socket.readDatagram(q.data(), q.size(), &from, &port);
        if (q.size() < 2)
            continue;
        ++m_queries;
        const quint16 id = quint16((quint8(q.at(0)) << 8) | quint8(q.at(1)));
        QByteArray a;
        if (!m_raw.isEmpty()) {
            a = m_raw;
            if (m_patchId && a.size() >= 2) {
                a[0] = char(id >> 8);
                a[1] = char(id & 0xFF);
            }
        } else if (!m_names.isEmpty()) {
            a = answer(id, m_names, m_unitId);
        } else {
            continue;
        }
        m_socket.writeDatagram(a, from, port);
    }
}

TcpLogCapture::TcpLogCapture()
{
    connect(Logger::getInstance(), &Logger::newLogMessage, this,
            [this](int, const QString &message) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_lines.append(message);
            },
            Qt::DirectConnection);
}

QStringList TcpLogCapture::lines() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lines;
}

int TcpLogCapture::count(const QString &text) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int n = 0;
    for (const QString &l : m_lines)
        n += l.contains(text) ? 1 : 0;
    return n;
}

void TcpLogCapture::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.clear();
}

void tcpPrepareApp(const QString &segment)
{
    static QTemporaryDir dir;
    AppPaths::setDirectory(dir.path());
    ConfigManager *config = ConfigManager::getInstance();
    config->initialize();
    config->setTcpNetworkMode(ConfigManager::Custom);
    config->setTcpNetworkSegment(segment);
}

QByteArray tcpModelPage(const QString &model)
{
    if (model == QLatin1String("KVZ-L7D"))
        return "<html><table id=\"Table1\"></table></html>";
    if (model == QLatin1String("KVZ-L7N"))
        return "<html><input class=\"color-swatch\"></html>";
    if (model == QLatin1String("KVZ-L7K"))
        return "<html><body>Printer</body><footer>Copyright 2024</footer></html>";
    if (model == QLatin1String("KVZ-L7S"))
        return "<html><title>Ethernet Web Page Configuration</title><form class=\"upload-form\"></form></html>";
    if (model == QLatin1String("KVZ-L7W"))
        return QStringLiteral("<html><title>以太网网页配置</title><form class=\"upload-form\"><input size='16'></form></html>").toUtf8();
    return "<html><body>Just a page</body></html>";
}
