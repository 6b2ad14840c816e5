// The LAN search on a real (virtual) Ethernet link: a printer in a network
// namespace of its own, reached over a veth pair, so that the kernel resolves
// its address by ARP and the neighbour table carries its MAC address.

#include "platform/LinuxNeighbourTable.h"
#include "support/tcp_fixtures.h"
#include "transport/tcp/TcpDeviceManager.h"

#include <QFile>
#include <QNetworkInterface>
#include <QProcess>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

namespace {

const QString Segment = QStringLiteral("10.231.0.");
const QString HostIp = QStringLiteral("10.231.0.1");
const QString PrinterIp = QStringLiteral("10.231.0.5");
const QString PrinterMac = QStringLiteral("02:00:0a:e7:00:05");
const QString HostMac = QStringLiteral("02:00:0a:e7:00:01");

bool run(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("ip"), args);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A printer (print port and web page) serving from inside a namespace: the
// thread enters the namespace before it opens its sockets.
class NamespacePrinter : public QThread
{
public:
    NamespacePrinter(const QString &ns, const QString &model) : m_ns(ns), m_model(model) {}
    bool ready() const { return m_ready.loadAcquire() == 1; }
    bool failed() const { return m_ready.loadAcquire() == -1; }

protected:
    void run() override
    {
        const int fd = ::open(qPrintable(QStringLiteral("/run/netns/") + m_ns), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::setns(fd, CLONE_NEWNET) != 0) {
            m_ready.storeRelease(-1);
            return;
        }
        ::close(fd);
        TcpFakePrintPort port;
        TcpFakeWebServer web;
        web.setPage(tcpModelPage(m_model));
        if (!port.listen(QHostAddress(PrinterIp)) || !web.listen(QHostAddress(PrinterIp))) {
            m_ready.storeRelease(-1);
            return;
        }
        m_ready.storeRelease(1);
        exec();
    }

private:
    QString m_ns;
    QString m_model;
    QAtomicInt m_ready{0};
};

} // namespace

class TcpNetnsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void ownAddressIsNoNeighbour();
    void searchReadsMacFromNeighbourTable();
    void singleAddressTestReadsMac();

private:
    QString m_ns;
    QString m_hostIf;
    std::unique_ptr<NamespacePrinter> m_printer;
};

void TcpNetnsTest::initTestCase()
{
    // Only inside a private network namespace (the suite runs in one): no
    // link may exist here but loopback.
    for (const QNetworkInterface &ni : QNetworkInterface::allInterfaces()) {
        if (!ni.flags().testFlag(QNetworkInterface::IsLoopBack))
            QSKIP("not inside a private network namespace");
    }
    tcpPrepareApp(Segment);
    const QString tag = QString::number(QCoreApplication::applicationPid());
    m_ns = QStringLiteral("qmtcp") + tag;
    m_hostIf = QStringLiteral("qmh") + tag;
    const QString peerIf = QStringLiteral("qmp") + tag;
    if (!run({"netns", "add", m_ns})) {
        m_ns.clear();
        QSKIP("cannot create network namespaces here");
    }
    QVERIFY(run({"link", "add", m_hostIf, "type", "veth", "peer", "name", peerIf}));
    QVERIFY(run({"link", "set", peerIf, "netns", m_ns}));
    QVERIFY(run({"-n", m_ns, "link", "set", peerIf, "address", PrinterMac}));
    QVERIFY(run({"-n", m_ns, "addr", "add", PrinterIp + "/24", "dev", peerIf}));
    QVERIFY(run({"-n", m_ns, "link", "set", peerIf, "up"}));
    QVERIFY(run({"-n", m_ns, "link", "set", "lo", "up"}));
    QVERIFY(run({"link", "set", m_hostIf, "address", HostMac}));
    QVERIFY(run({"addr", "add", HostIp + "/24", "dev", m_hostIf}));
    QVERIFY(run({"link", "set", m_hostIf, "up"}));

    m_printer = std::make_unique<NamespacePrinter>(m_ns, QStringLiteral("KVZ-L7N"));
    m_printer->start();
    QTRY_VERIFY(m_printer->ready() || m_printer->failed());
    QVERIFY(m_printer->ready());
    // The link needs a moment before it carries traffic.
    QTRY_VERIFY_WITH_TIMEOUT(QNetworkInterface::interfaceFromName(m_hostIf).flags().testFlag(QNetworkInterface::IsRunning), 5000);
}

void TcpNetnsTest::cleanupTestCase()
{
    if (m_printer) {
        m_printer->quit();
        m_printer->wait();
    }
    if (!m_hostIf.isEmpty())
        run({"link", "del", m_hostIf});
    if (!m_ns.isEmpty())
        run({"netns", "del", m_ns});
}

void TcpNetnsTest::ownAddressIsNoNeighbour()
{
    // This machine's own address on the link names no MAC address: only a
    // neighbour's is a printer's.
    LinuxNeighbourTable table;
    QCOMPARE(table.macAddress(HostIp), QString());
}

void TcpNetnsTest::searchReadsMacFromNeighbourTable()
{
    TcpDeviceManager mgr;
    QSignalSpy over(&mgr, &TcpDeviceManager::sigScanOverTcp);
    mgr.refreshDeviceList();
    QVERIFY(over.wait(30000));
    const QVariantList list = mgr.getDeviceList();
    QCOMPARE(list.size(), 1);
    const QVariantMap printer = list.first().toMap();
    QCOMPARE(printer.value("ip").toString(), PrinterIp);
    QCOMPARE(printer.value("mac").toString(), PrinterMac);
    QCOMPARE(printer.value("name").toString(), QStringLiteral("KVZ-L7N"));

    QFile arp(QStringLiteral("/proc/net/arp"));
    QVERIFY(arp.open(QIODevice::ReadOnly));
    QCOMPARE(LinuxNeighbourTable::macFromArpTable(arp.readAll(), PrinterIp), PrinterMac);
}

void TcpNetnsTest::singleAddressTestReadsMac()
{
    TcpDeviceManager mgr;
    QSignalSpy result(&mgr, &TcpDeviceManager::sigTestConnectionResult);
    mgr.testDeviceConnection(PrinterIp);
    QVERIFY(result.wait(15000));
    QCOMPARE(result.at(0).at(1).toString(), PrinterMac);
    QCOMPARE(result.at(0).at(2).toString(), QStringLiteral("KVZ-L7N"));
    QCOMPARE(result.at(0).at(3).toBool(), true);
}

QTEST_GUILESS_MAIN(TcpNetnsTest)
#include "tst_tcp_netns.moc"
