#include "VpNetbiosResponder.h"

#include "VpEventLog.h"

#include <QJsonObject>
#include <QNetworkDatagram>

namespace {

constexpr int HeaderSize = 12;
constexpr quint16 TypeNbstat = 0x0021;
constexpr quint16 ClassIn = 0x0001;
constexpr quint16 ResponseFlags = 0x8400; // response, opcode query, authoritative answer
constexpr quint16 FlagActive = 0x0400;
constexpr quint16 FlagGroup = 0x8000;
constexpr int StatisticsSize = 46;
constexpr int MaxNameBytes = 255;
const char *const Workgroup = "WORKGROUP";

quint16 be16(const QByteArray &b, int at)
{
    return quint16((uchar(b.at(at)) << 8) | uchar(b.at(at + 1)));
}

void put16(QByteArray &b, quint16 v)
{
    b.append(char(v >> 8));
    b.append(char(v & 0xFF));
}

QByteArray nameEntry(const QString &name, uchar suffix, quint16 flags)
{
    QByteArray n = name.toUpper().toLatin1().left(VpNetbiosResponder::NameLength);
    n = n.leftJustified(VpNetbiosResponder::NameLength, ' ');
    n.append(char(suffix));
    put16(n, flags);
    return n;
}

} // namespace

VpNetbiosResponder::VpNetbiosResponder(const QString &name, const QByteArray &mac, VpEventLog *log, QObject *parent)
    : QObject(parent), m_name(name), m_mac(mac), m_log(log)
{
    connect(&m_socket, &QUdpSocket::readyRead, this, &VpNetbiosResponder::onReadyRead);
}

bool VpNetbiosResponder::bind(const QHostAddress &address, quint16 port, QString *error)
{
    if (!m_socket.bind(address, port)) {
        *error = m_socket.errorString();
        return false;
    }
    return true;
}

QByteArray VpNetbiosResponder::nodeStatusResponse(const QByteArray &request, const QString &name, const QByteArray &mac)
{
    if (request.size() < HeaderSize + 1)
        return {};
    const quint16 flags = be16(request, 2);
    if (flags & 0x8000) // a response, not a request
        return {};
    if (be16(request, 4) < 1)
        return {};
    // The question name: labels up to a zero length.
    int at = HeaderSize;
    while (at < request.size()) {
        const int len = uchar(request.at(at));
        if (len == 0)
            break;
        if ((len & 0xC0) != 0 || at + 1 + len > request.size() || at - HeaderSize > MaxNameBytes)
            return {};
        at += 1 + len;
    }
    if (at >= request.size())
        return {};
    const QByteArray questionName = request.mid(HeaderSize, at + 1 - HeaderSize);
    at += 1;
    if (at + 4 > request.size())
        return {};
    if (be16(request, at) != TypeNbstat || be16(request, at + 2) != ClassIn)
        return {};

    QByteArray rdata;
    rdata.append(char(3));
    rdata += nameEntry(name, 0x00, FlagActive);
    rdata += nameEntry(name, 0x20, FlagActive);
    rdata += nameEntry(QLatin1String(Workgroup), 0x00, FlagActive | FlagGroup);
    QByteArray stats(StatisticsSize, '\0');
    for (int i = 0; i < 6 && i < mac.size(); ++i)
        stats[i] = mac.at(i);
    rdata += stats;

    QByteArray out;
    out.append(request.left(2)); // transaction id
    put16(out, ResponseFlags);
    put16(out, 0); // questions
    put16(out, 1); // answers
    put16(out, 0);
    put16(out, 0);
    out += questionName;
    put16(out, TypeNbstat);
    put16(out, ClassIn);
    out.append(QByteArray(4, '\0')); // TTL
    put16(out, quint16(rdata.size()));
    out += rdata;
    return out;
}

void VpNetbiosResponder::onReadyRead()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram dg = m_socket.receiveDatagram();
        const QByteArray reply = nodeStatusResponse(dg.data(), m_name, m_mac);
        m_log->append(QJsonObject{{QStringLiteral("kind"), QStringLiteral("event")},
                                  {QStringLiteral("name"), QStringLiteral("netbios_query")},
                                  {QStringLiteral("source"), QStringLiteral("netbios")},
                                  {QStringLiteral("params"),
                                   QJsonObject{{QStringLiteral("peer"), dg.senderAddress().toString()},
                                               {QStringLiteral("answered"), !reply.isEmpty()}}}});
        if (!reply.isEmpty())
            m_socket.writeDatagram(reply, dg.senderAddress(), quint16(dg.senderPort()));
    }
}
