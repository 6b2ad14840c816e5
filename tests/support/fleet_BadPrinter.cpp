#include "support/fleet_BadPrinter.h"

#include <QTcpSocket>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

BadPrinter::~BadPrinter()
{
    for (int fd : qAsConst(m_fillers))
        ::close(fd);
    if (m_backlogFd >= 0)
        ::close(m_backlogFd);
}

bool BadPrinter::listen(const QHostAddress &address, Mode mode, quint16 port)
{
    m_mode = mode;
    if (mode == Mode::FullBacklog) {
        // A listening socket nobody accepts from, its queue filled by
        // connections of our own: the kernel drops further connection
        // requests, so a connect neither succeeds nor fails.
        m_backlogFd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(address.toIPv4Address());
        const int one = 1;
        ::setsockopt(m_backlogFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        if (::bind(m_backlogFd, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0 || ::listen(m_backlogFd, 0) != 0)
            return false;
        for (int i = 0; i < 2; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(fd, reinterpret_cast<sockaddr *>(&a), sizeof a);
            m_fillers.append(fd);
        }
        ::usleep(100000); // the handshakes of the fillers complete
        return true;
    }
    connect(&m_server, &QTcpServer::newConnection, this, &BadPrinter::onNewConnection);
    if (mode == Mode::NeverReads) {
        // Set on the listening socket, the buffer is the accepted ones' too.
        if (!m_server.listen(address, port))
            return false;
        const int small = 4096;
        ::setsockopt(int(m_server.socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        return true;
    }
    return m_server.listen(address, port);
}

int BadPrinter::openNow() const
{
    int n = 0;
    for (const QPointer<QTcpSocket> &s : m_clients)
        n += (s && s->state() == QAbstractSocket::ConnectedState) ? 1 : 0;
    return n;
}

void BadPrinter::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        ++m_made;
        if (m_mode == Mode::CloseAtOnce) {
            socket->disconnectFromHost();
            socket->deleteLater();
            continue;
        }
        if (m_mode == Mode::ResetAtOnce) {
            const linger hard{1, 0};
            ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
            socket->abort();
            socket->deleteLater();
            continue;
        }
        if (m_mode == Mode::NeverReads) {
            socket->setReadBufferSize(1); // Qt reads no further than this
            socket->setProperty("neverReads", true);
        }
        if (m_mode == Mode::StrayByte)
            socket->write("\x12");
        else if (m_mode == Mode::StrayPair)
            socket->write("\x12\x12");
        else if (m_mode == Mode::StrayGarbage)
            socket->write("\xff\x00\x81");
        socket->flush();
        m_clients.append(socket);
        m_most = qMax(m_most, openNow());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

char BadPrinter::healthyStatus(int n)
{
    return n == 1 ? '\x16' : '\x12'; // drawer closed; online, cover closed, no error, paper present
}

char BadPrinter::paperOutStatus(int n)
{
    switch (n) {
    case 1: return '\x1e';  // offline, drawer closed
    case 2: return '\x32';  // stopped for paper end
    case 4: return '\x72';  // paper end
    default: return '\x12';
    }
}

void BadPrinter::onReadyRead(QTcpSocket *socket)
{
    if (socket->property("neverReads").toBool())
        return;
    const QByteArray bytes = socket->readAll();
    if (m_mode == Mode::StrayByte || m_mode == Mode::StrayPair || m_mode == Mode::StrayGarbage
        || m_mode == Mode::PaperOut) {
        // Every DLE EOT n is answered, truly.
        for (int i = bytes.indexOf("\x10\x04"); i >= 0 && i + 2 < bytes.size(); i = bytes.indexOf("\x10\x04", i + 3)) {
            const int n = bytes.at(i + 2);
            if (m_mode == Mode::StrayGarbage)
                socket->write("\xff\x00\x81");
            socket->write(QByteArray(1, m_mode == Mode::PaperOut ? paperOutStatus(n) : healthyStatus(n)));
        }
        return;
    }
    const int requests = bytes.count('\x10');
    for (int i = 0; i < requests; ++i) {
        switch (m_mode) {
        case Mode::Garbage: socket->write("HTTP/1.0 400 Bad Request\r\n\r\n"); break;
        case Mode::WrongBits: socket->write(QByteArray(1, '\0')); break;
        case Mode::ResetMidway: {
            const int answered = socket->property("answered").toInt();
            if (answered == 0) {
                socket->write("\x16");
                socket->setProperty("answered", 1);
                break;
            }
            // A linger of zero makes the close a reset.
            const linger hard{1, 0};
            ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
            socket->abort();
            return;
        }
        default: break;
        }
    }
}
