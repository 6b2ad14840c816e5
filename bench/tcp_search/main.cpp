// The LAN-search benchmark's program, in three roles:
//   --printer MODEL IP          a printer: raw port 9100, web page on 80, NetBIOS on UDP 137
//   --flood IP PORT BYTES_PER_S QUEUE_MS SECONDS DEV
//                               UDP paced so that the shaper of that rate on DEV keeps a
//                               standing queue of about QUEUE_MS
//   --search SEGMENT            one search of SEGMENT; prints the time and the printers
// Run it only inside network namespaces made for the purpose (bench/tcp_lan_search.sh).

#include "app/base/AppPaths.h"
#include "app/base/ConfigManager.h"
#include "platform/NetbiosNameQuery.h"
#include "transport/tcp/TcpDeviceManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

#include <cstdio>

namespace {

QByteArray modelPage(const QString &model)
{
    if (model == QLatin1String("KVZ-L7D"))
        return "<html><table id=\"Table1\"></table></html>";
    if (model == QLatin1String("KVZ-L7N"))
        return "<html><script>nativeColorPicker()</script></html>";
    if (model == QLatin1String("KVZ-L7K"))
        return "<html><body>Printer</body><footer>Copyright</footer></html>";
    if (model == QLatin1String("KVZ-L7S"))
        return "<html><title>Ethernet Web Page Configuration</title><form class=\"upload-form\"></form></html>";
    if (model == QLatin1String("KVZ-L7W"))
        return QStringLiteral("<html><title>以太网网页配置</title><form class=\"upload-form\"><input size='16'></form></html>").toUtf8();
    return "<html><body>printer</body></html>"; // named only by NetBIOS
}

int runPrinter(const QString &model, const QString &ip)
{
    const QHostAddress address(ip);
    QTcpServer raw, web;
    QUdpSocket netbios;
    if (!raw.listen(address, 9100) || !web.listen(address, 80) || !netbios.bind(address, 137)) {
        std::fprintf(stderr, "cannot listen on %s\n", qPrintable(ip));
        return 1;
    }
    QObject::connect(&raw, &QTcpServer::newConnection, [&raw] {
        while (QTcpSocket *s = raw.nextPendingConnection()) {
            QObject::connect(s, &QTcpSocket::readyRead, s, [s] { s->readAll(); });
            QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    const QByteArray page = modelPage(model);
    QObject::connect(&web, &QTcpServer::newConnection, [&web, page] {
        while (QTcpSocket *s = web.nextPendingConnection()) {
            QObject::connect(s, &QTcpSocket::readyRead, s, [s, page] {
                if (!s->readAll().contains("\r\n\r\n"))
                    return;
                s->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: "
                         + QByteArray::number(page.size()) + "\r\n\r\n" + page);
                s->disconnectFromHost();
            });
            QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    QObject::connect(&netbios, &QUdpSocket::readyRead, [&netbios, model] {
        while (netbios.hasPendingDatagrams()) {
            QByteArray q(int(netbios.pendingDatagramSize()), '\0');
            QHostAddress from;
            quint16 port = 0;
            netbios.readDatagram(q.data(), q.size(), &from, &port);
            if (q.size() < 12)
                continue;
            QByteArray a = q.left(2) + QByteArray::fromHex("8400000000010000000020") + QByteArray("CK")
                           + QByteArray(30, 'A') + QByteArray::fromHex("000021000100000000");
            QByteArray name = model.toLatin1().left(15);
            name.append(QByteArray(15 - name.size(), ' '));
            const QByteArray rdata = QByteArray(1, 1) + name + QByteArray::fromHex("000400") + QByteArray(46, '\0');
            a.append(char(rdata.size() >> 8)).append(char(rdata.size() & 0xFF)).append(rdata);
            netbios.writeDatagram(a, from, port);
        }
    });
    return QCoreApplication::exec();
}

// The backlog in bytes of the root queue of dev, read with tc; -1 when unknown.
qint64 queueBacklog(const QString &dev)
{
    QProcess tc;
    tc.start(QStringLiteral("tc"), {QStringLiteral("-s"), QStringLiteral("-j"), QStringLiteral("qdisc"),
                                    QStringLiteral("show"), QStringLiteral("dev"), dev});
    if (!tc.waitForFinished(1000))
        return -1;
    const QJsonArray qdiscs = QJsonDocument::fromJson(tc.readAllStandardOutput()).array();
    for (const QJsonValue &q : qdiscs) {
        if (q.toObject().value(QStringLiteral("root")).toBool())
            return q.toObject().value(QStringLiteral("backlog")).toVariant().toLongLong();
    }
    return -1;
}

// Paced UDP that keeps the shaper on dev with a standing queue of queueMs:
// the shaper's rate plus a correction towards the wanted backlog.
int runFlood(const QString &ip, quint16 port, double bytesPerSecond, double queueMs, double seconds, const QString &dev)
{
    QUdpSocket sock;
    const QHostAddress target(ip);
    const QByteArray payload(1000, 'q');
    // What the shaper counts: the datagram with its UDP, IP and Ethernet headers.
    const int wireBytes = payload.size() + 8 + 20 + 14;
    const double wanted = bytesPerSecond * queueMs / 1000.0;
    constexpr int TickUs = 500;
    constexpr qint64 ControlIntervalMs = 50;
    QElapsedTimer clock;
    clock.start();
    double budget = wanted;
    qint64 last = clock.nsecsElapsed();
    qint64 nextControl = 0;
    double lastReported = -1;
    while (clock.elapsed() < seconds * 1000.0) {
        const qint64 now = clock.nsecsElapsed();
        budget += bytesPerSecond * double(now - last) / 1e9;
        last = now;
        if (clock.elapsed() >= nextControl) {
            nextControl = clock.elapsed() + ControlIntervalMs;
            const qint64 backlog = queueBacklog(dev);
            if (backlog >= 0) {
                budget = qMax(0.0, budget * 0.5 + (wanted - double(backlog)) * 0.5);
                const double ms = 1000.0 * double(backlog) / bytesPerSecond;
                if (clock.elapsed() > 2000 && lastReported < 0) {
                    std::printf("standing_queue_ms %.1f\n", ms);
                    std::fflush(stdout);
                    lastReported = ms;
                }
            }
        }
        while (budget >= wireBytes) {
            sock.writeDatagram(payload, target, port);
            budget -= wireBytes;
        }
        QThread::usleep(TickUs);
    }
    return 0;
}

int runSearch(const QString &segment)
{
    QTemporaryDir dir;
    AppPaths::setDirectory(dir.path());
    ConfigManager *config = ConfigManager::getInstance();
    config->initialize();
    config->setTcpNetworkMode(ConfigManager::Custom);
    config->setTcpNetworkSegment(segment);

    TcpDeviceManager manager;
    QElapsedTimer clock;
    QObject::connect(&manager, &TcpDeviceManager::sigScanOverTcp, [&] {
        const qint64 ms = clock.elapsed();
        const QVariantList list = manager.getDeviceList();
        std::printf("search_ms %lld printers %d\n", static_cast<long long>(ms), list.size());
        for (const QVariant &v : list) {
            const QVariantMap m = v.toMap();
            std::printf("  %s %s %s\n", qPrintable(m.value("ip").toString()), qPrintable(m.value("mac").toString()),
                        qPrintable(m.value("name").toString()));
        }
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    QTimer::singleShot(0, [&] {
        clock.start();
        manager.refreshDeviceList();
    });
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--printer"))
        return runPrinter(args.at(2), args.at(3));
    if (args.size() == 8 && args.at(1) == QLatin1String("--flood"))
        return runFlood(args.at(2), quint16(args.at(3).toUInt()), args.at(4).toDouble(), args.at(5).toDouble(),
                        args.at(6).toDouble(), args.at(7));
    if (args.size() == 3 && args.at(1) == QLatin1String("--search"))
        return runSearch(args.at(2));
    std::fprintf(stderr, "usage: %s --printer MODEL IP | --flood IP PORT BYTES_PER_S QUEUE_MS SECONDS DEV | --search SEGMENT\n",
                 argv[0]);
    return 2;
}
