#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>

class VpEventLog;

// Answers NetBIOS node status requests (RFC 1002, 4.2.17/4.2.18) on UDP 137
// with the printer's name table: NAME<00>, NAME<20> and WORKGROUP<00>.
class VpNetbiosResponder : public QObject
{
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 137;
    static constexpr int NameLength = 15;

    VpNetbiosResponder(const QString &name, const QByteArray &mac, VpEventLog *log, QObject *parent = nullptr);

    bool bind(const QHostAddress &address, quint16 port, QString *error);
    quint16 port() const { return m_socket.localPort(); }
    void close() { m_socket.close(); }
    bool rebind(const QHostAddress &address, quint16 port, QString *error)
    {
        m_socket.close();
        return bind(address, port, error);
    }

    // The NODE STATUS RESPONSE for a request, or empty when the request is
    // not a node status request. Public for tests.
    static QByteArray nodeStatusResponse(const QByteArray &request, const QString &name, const QByteArray &mac);

private slots:
    void onReadyRead();

private:
    QString m_name;
    QByteArray m_mac;
    VpEventLog *m_log;
    QUdpSocket m_socket;
};
