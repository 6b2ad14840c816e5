#include "platform/NetbiosNameQuery.h"

#include <QRandomGenerator>
#include <QTimer>
#include <QUdpSocket>

namespace {

constexpr int HeaderSize = 12;
constexpr quint16 FlagResponse = 0x8000;
constexpr quint16 TypeNodeStatus = 0x0021;
constexpr quint16 ClassInternet = 0x0001;
constexpr int EncodedNameLength = 32;
constexpr int NetbiosNameLength = 16;
constexpr int NameEntrySize = 18; // 15 name bytes, suffix, 2 flag bytes
constexpr int NameTextLength = 15;
constexpr quint8 SuffixWorkstation = 0x00;
constexpr quint8 LabelPointerMask = 0xC0;
constexpr int MaxDatagram = 1500;
constexpr int UnitIdLength = 6; // the statistics begin with the MAC address

quint16 be16(const QByteArray &b, int at)
{
    return quint16((quint8(b.at(at)) << 8) | quint8(b.at(at + 1)));
}

void appendBe16(QByteArray &b, quint16 v)
{
    b.append(char(v >> 8));
    b.append(char(v & 0xFF));
}

} // namespace

NetbiosNameQuery::NetbiosNameQuery(QObject *parent) : QObject(parent)
{
    m_retryTimer = new QTimer(this);
    m_retryTimer->setInterval(RetryIntervalMs);
    connect(m_retryTimer, &QTimer::timeout, this, &NetbiosNameQuery::sendRequest);
    m_deadline = new QTimer(this);
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, [this] { finish(QString()); });
}

NetbiosNameQuery::~NetbiosNameQuery() = default;

QByteArray NetbiosNameQuery::nodeStatusRequest(quint16 transactionId)
{
    QByteArray packet;
    appendBe16(packet, transactionId);
    appendBe16(packet, 0);  // query, no recursion
    appendBe16(packet, 1);  // one question
    appendBe16(packet, 0);
    appendBe16(packet, 0);
    appendBe16(packet, 0);
    // The wildcard name "*" padded with zero bytes, first-level encoded.
    QByteArray raw(NetbiosNameLength, '\0');
    raw[0] = '*';
    packet.append(char(EncodedNameLength));
    for (char c : raw) {
        packet.append(char('A' + ((quint8(c) >> 4) & 0x0F)));
        packet.append(char('A' + (quint8(c) & 0x0F)));
    }
    packet.append('\0');
    appendBe16(packet, TypeNodeStatus);
    appendBe16(packet, ClassInternet);
    return packet;
}

bool NetbiosNameQuery::parseNodeStatusReply(const QByteArray &reply, quint16 transactionId, QString *name,
                                            QString *unitId)
{
    if (reply.size() < HeaderSize)
        return false;
    if (be16(reply, 0) != transactionId || !(be16(reply, 2) & FlagResponse) || be16(reply, 6) < 1)
        return false;
    int pos = HeaderSize;
    // The owner name of the answer: a pointer or a sequence of labels.
    for (;;) {
        if (pos >= reply.size())
            return false;
        const quint8 len = quint8(reply.at(pos));
        if ((len & LabelPointerMask) == LabelPointerMask) {
            pos += 2;
            break;
        }
        if (len & LabelPointerMask)
            return false;
        pos += 1 + len;
        if (len == 0)
            break;
    }
    constexpr int FixedPart = 2 + 2 + 4 + 2; // type, class, TTL, data length
    if (pos + FixedPart > reply.size())
        return false;
    if (be16(reply, pos) != TypeNodeStatus)
        return false;
    const int dataLength = be16(reply, pos + 8);
    pos += FixedPart;
    if (dataLength < 1 || pos + dataLength > reply.size())
        return false;
    const int count = quint8(reply.at(pos));
    ++pos;
    if (1 + count * NameEntrySize > dataLength)
        return false;
    const int statistics = pos + count * NameEntrySize;
    const bool haveUnitId = 1 + count * NameEntrySize + UnitIdLength <= dataLength;
    for (int i = 0; i < count; ++i, pos += NameEntrySize) {
        if (quint8(reply.at(pos + NameTextLength)) != SuffixWorkstation)
            continue;
        QString text;
        for (int k = 0; k < NameTextLength; ++k) {
            const quint8 c = quint8(reply.at(pos + k));
            if (c == 0)
                break;
            if (c < 0x20 || c == 0x7F)
                return false;
            text.append(QChar::fromLatin1(char(c)));
        }
        text = text.trimmed();
        if (text.isEmpty())
            continue;
        if (name)
            *name = text;
        if (unitId) {
            const QByteArray mac = haveUnitId ? reply.mid(statistics, UnitIdLength) : QByteArray();
            *unitId = mac.isEmpty() || mac.count('\0') == UnitIdLength ? QString()
                                                                        : QString::fromLatin1(mac.toHex(':'));
        }
        return true;
    }
    return false;
}

void NetbiosNameQuery::start(const QString &ip, int timeoutMs)
{
    if (m_running)
        return;
    m_running = true;
    m_unitId.clear();
    m_target = QHostAddress(ip.trimmed());
    if (m_target.protocol() != QAbstractSocket::IPv4Protocol) {
        QTimer::singleShot(0, this, [this] { finish(QString()); });
        return;
    }
    m_id = quint16(QRandomGenerator::global()->bounded(1, 0x10000));
    delete m_socket;
    m_socket = new QUdpSocket(this);
    connect(m_socket, &QUdpSocket::readyRead, this, &NetbiosNameQuery::readAnswers);
    if (!m_socket->bind(QHostAddress(QHostAddress::AnyIPv4), 0)) {
        QTimer::singleShot(0, this, [this] { finish(QString()); });
        return;
    }
    m_deadline->start(timeoutMs);
    m_retryTimer->start();
    sendRequest();
}

void NetbiosNameQuery::sendRequest()
{
    if (m_socket)
        m_socket->writeDatagram(nodeStatusRequest(m_id), m_target, m_port);
}

void NetbiosNameQuery::readAnswers()
{
    while (m_socket && m_socket->hasPendingDatagrams()) {
        QByteArray datagram(int(qMin<qint64>(m_socket->pendingDatagramSize(), MaxDatagram)), '\0');
        QHostAddress sender;
        const qint64 n = m_socket->readDatagram(datagram.data(), datagram.size(), &sender);
        if (n < 0)
            break;
        datagram.truncate(int(n));
        if (!sender.isEqual(m_target, QHostAddress::TolerantConversion))
            continue;
        QString name;
        if (parseNodeStatusReply(datagram, m_id, &name, &m_unitId)) {
            finish(name);
            return;
        }
    }
}

void NetbiosNameQuery::finish(const QString &name)
{
    if (!m_running)
        return;
    m_running = false;
    m_retryTimer->stop();
    m_deadline->stop();
    if (m_socket) {
        m_socket->close();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    emit finished(name);
}
