#include "vprinter_client.h"

#include <QElapsedTimer>
#include <QTcpSocket>

namespace VprinterClient {

QByteArray exchange(quint16 port, const QByteArray &bytes, int replyBytes, int timeoutMs, const QString &address)
{
    QTcpSocket socket;
    socket.connectToHost(address, port);
    if (!socket.waitForConnected(timeoutMs))
        return QByteArray();
    socket.write(bytes);
    socket.waitForBytesWritten(timeoutMs);
    QByteArray reply;
    QElapsedTimer timer;
    timer.start();
    while (reply.size() < replyBytes && timer.elapsed() < timeoutMs) {
        if (socket.waitForReadyRead(int(qMax<qint64>(1, timeoutMs - timer.elapsed()))))
            reply += socket.readAll();
        else if (socket.state() != QAbstractSocket::ConnectedState)
            break;
    }
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return reply;
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

} // namespace VprinterClient
