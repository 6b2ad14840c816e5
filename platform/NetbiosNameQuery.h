#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>

class QTimer;
class QUdpSocket;

// The NetBIOS name of a host, asked with a node-status query (RFC 1002,
// NBSTAT) over UDP port 137, in process. The answer's first name of type
// <00> is the host's name, as "nbtstat -A" lists it; the unit id at the start
// of its statistics is the host's MAC address ("MAC Address = ..." of nbtstat),
// which also crosses routers, where the neighbour table knows only the gateway.
class NetbiosNameQuery : public QObject
{
    Q_OBJECT
public:
    static constexpr quint16 NetbiosNamePort = 137;
    static constexpr int RetryIntervalMs = 250;

    explicit NetbiosNameQuery(QObject *parent = nullptr);
    ~NetbiosNameQuery() override;

    // Sends the query (again every RetryIntervalMs) and emits finished() once:
    // with the name, or empty when no valid answer came within timeoutMs or ip
    // is not an IPv4 address.
    void start(const QString &ip, int timeoutMs);
    bool isRunning() const { return m_running; }
    // After finished() with a name: the MAC address of the answer
    // (aa:bb:cc:dd:ee:ff), empty when it carried none or only zeros.
    QString unitId() const { return m_unitId; }
    // Test hook: the port the query goes to.
    void setPort(quint16 port) { m_port = port; }

    static QByteArray nodeStatusRequest(quint16 transactionId);
    // The first <00> name of a node-status answer carrying transactionId,
    // trailing blanks removed, and, when unitId is given, the MAC address of
    // its statistics (empty when they are missing or all zero). False for
    // anything malformed or unrelated.
    static bool parseNodeStatusReply(const QByteArray &reply, quint16 transactionId, QString *name,
                                     QString *unitId = nullptr);

signals:
    void finished(const QString &name);

private:
    void sendRequest();
    void readAnswers();
    void finish(const QString &name);

    QUdpSocket *m_socket = nullptr;
    QTimer *m_retryTimer = nullptr;
    QTimer *m_deadline = nullptr;
    QHostAddress m_target;
    quint16 m_port = NetbiosNamePort;
    quint16 m_id = 0;
    bool m_running = false;
    QString m_unitId;
};
