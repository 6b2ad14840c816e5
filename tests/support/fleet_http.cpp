#include "support/fleet_http.h"

#include <QTcpSocket>
#include <QtNumeric>
#include <QStringList>

namespace FleetHttp {

QString get(const QString &hostPort, const QString &path, int timeoutMs)
{
    QTcpSocket s;
    s.connectToHost(hostPort.section(QLatin1Char(':'), 0, 0), quint16(hostPort.section(QLatin1Char(':'), 1).toUInt()));
    if (!s.waitForConnected(timeoutMs))
        return QString();
    s.write(QStringLiteral("GET %1 HTTP/1.0\r\nHost: %2\r\n\r\n").arg(path, hostPort).toLatin1());
    QByteArray answer;
    while (s.state() == QAbstractSocket::ConnectedState && s.waitForReadyRead(timeoutMs))
        answer += s.readAll();
    answer += s.readAll();
    const int body = answer.indexOf("\r\n\r\n");
    return body < 0 ? QString() : QString::fromUtf8(answer.mid(body + 4));
}

double valueOf(const QString &exposition, const QString &series)
{
    for (const QString &line : exposition.split(QLatin1Char('\n'))) {
        if (line.startsWith(series + QLatin1Char(' ')))
            return line.mid(series.size() + 1).toDouble();
    }
    return qQNaN();
}

} // namespace FleetHttp
