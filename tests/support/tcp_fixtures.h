#pragma once

// Small hand-written peers for the TCP transport tests: a printer's raw port,
// its web server and its NetBIOS name service, each on one address of this
// machine (127.x.x.x or inside a test namespace).

#include <QByteArray>
#include <QHostAddress>
#include <QList>

#include <mutex>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QUdpSocket>

class QTcpSocket;
class QTimer;

// The raw print port: records what arrives, answers on request, or accepts and
// resets at once.
class TcpFakePrintPort : public QObject
{
    Q_OBJECT
public:
    enum class Mode { Record, AcceptAndReset };
    explicit TcpFakePrintPort(QObject *parent = nullptr) : QObject(parent) {}
    bool listen(const QHostAddress &address, quint16 port = 9100, Mode mode = Mode::Record);
    QByteArray received() const { return m_received; }
    int connectionCount() const { return m_connections; }
    // Writes to the most recent client at once.
    void reply(const QByteArray &bytes);
    QTcpSocket *client() const { return m_client; }

signals:
    void dataArrived();

private:
    QTcpServer m_server;
    Mode m_mode = Mode::Record;
    QTcpSocket *m_client = nullptr;
    QByteArray m_received;
    int m_connections = 0;
};

// The printer's web server: one page for GET, recording of POSTs; or a page
// without end, a page that drips one byte a second, a reset, or the page bare,
// without any HTTP head (as some printers' servers answer).
class TcpFakeWebServer : public QObject
{
    Q_OBJECT
public:
    enum class Mode { Page, Endless, Drip, Reset, Silent, Bare };
    struct Post
    {
        QString path;
        QString contentType;
        QByteArray body;
    };

    explicit TcpFakeWebServer(QObject *parent = nullptr) : QObject(parent) {}
    bool listen(const QHostAddress &address, quint16 port = 80);
    void setPage(const QByteArray &body, Mode mode = Mode::Page) { m_page = body; m_mode = mode; }
    void setMode(Mode mode) { m_mode = mode; }
    void setPostStatus(int status) { m_postStatus = status; }
    // Hold POST answers until released (to have two requests in flight).
    void setHoldPosts(bool hold) { m_holdPosts = hold; }
    QList<Post> posts() const { return m_posts; }
    int getCount() const { return m_gets; }
    qint64 bytesServed() const { return m_served; }

signals:
    void postArrived();

private:
    void onConnection();
    void handle(QTcpSocket *socket);
    void pump(QTcpSocket *socket);

    QTcpServer m_server;
    QByteArray m_page;
    Mode m_mode = Mode::Page;
    int m_postStatus = 200;
    bool m_holdPosts = false;
    QList<Post> m_posts;
    int m_gets = 0;
    qint64 m_served = 0;
};

// The NetBIOS name service: answers a node-status query with a name table, or
// with the bytes given.
class TcpFakeNetbios : public QObject
{
    Q_OBJECT
public:
    explicit TcpFakeNetbios(QObject *parent = nullptr) : QObject(parent) {}
    bool listen(const QHostAddress &address, quint16 port = 137);
    // Names with their suffixes, listed in this order.
    void setNames(const QList<QPair<QByteArray, quint8>> &names) { m_names = names; m_raw.clear(); }
    // The unit id (MAC address, 6 bytes) at the start of the statistics; zeros when not set.
    void setUnitId(const QByteArray &mac) { m_unitId = mac; }
    // Answer with these bytes instead (the transaction id is patched in when
    // patchId is true and the answer has room for it).
    void setRawAnswer(const QByteArray &raw, bool patchId) { m_raw = raw; m_patchId = patchId; }
    int queryCount() const { return m_queries; }

    static QByteArray answer(quint16 id, const QList<QPair<QByteArray, quint8>> &names,
                             const QByteArray &unitId = QByteArray());

private:
    void onReadyRead();

    QUdpSocket m_socket;
    QList<QPair<QByteArray, quint8>> m_names;
    QByteArray m_unitId;
    QByteArray m_raw;
    bool m_patchId = false;
    int m_queries = 0;
};

// Log lines written through the Logger, from any thread.
class TcpLogCapture : public QObject
{
    Q_OBJECT
public:
    TcpLogCapture();
    QStringList lines() const;
    int count(const QString &text) const;
    bool contains(const QString &text) const { return count(text) > 0; }
    void clear();

private:
    // std::mutex, not QMutex: ThreadSanitizer sees its ordering between the
    // scan thread's log lines and the test's reads.
    mutable std::mutex m_mutex;
    QStringList m_lines;
};

// Points the application folder at a fresh temporary directory and sets the
// LAN search to a custom segment. Call before anything touches the Logger.
void tcpPrepareApp(const QString &segment);

// An HTTP page body that the model rules read as the model given
// ("KVZ-L7D", "KVZ-L7N", "KVZ-L7K", "KVZ-L7S", "KVZ-L7W"); anything else gives
// a page matching no rule.
QByteArray tcpModelPage(const QString &model);
