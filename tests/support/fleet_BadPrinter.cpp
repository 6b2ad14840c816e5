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
        m_clients.append(socket);
        m_most = qMax(m_most, openNow());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void BadPrinter::onReadyRead(QTcpSocket *socket)
{
    const QByteArray bytes = socket->readAll();
    const int requests = bytes.count('\x10');
    for (int i = 0; i < requests; ++i) {
        switch (m_mode) {
        case Mode::Garbage: socket->write("HTTP/1.0 400 Bad Request\r\n\r\n"); break;
        case Mode::WrongBits: socket->write(QByteArray(1, '\0')); break;
        case Mode::TwoBytes: socket->write("\x16\x16"); break;
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
