// The Linux layers under the LAN search: MAC addresses from the neighbour
// table and NetBIOS names by node-status query.

#include "platform/LinuxNeighbourTable.h"
#include "platform/NetbiosNameQuery.h"
#include "support/tcp_fixtures.h"

#include <QSignalSpy>
#include <QTemporaryFile>
#include <QtTest>

class TcpPlatformTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { tcpPrepareApp(QStringLiteral("127.0.60.")); }
    void arpTable_data();
    void arpTable();
    void arpFileIsRead();
    void netbiosReply_data();
    void netbiosReply();
    void netbiosQuery_data();
    void netbiosQuery();
    void netbiosQueryOfNonAddress();
};

static const QByteArray ArpTable =
    "IP address       HW type     Flags       HW address            Mask     Device\n"
    "10.0.0.10        0x1         0x2         aa:bb:cc:dd:ee:10     *        eth0\n"
    "10.0.0.1         0x1         0x2         AA:BB:CC:DD:EE:01     *        eth0\n"
    "10.0.0.7         0x1         0x0         00:00:00:00:00:00     *        eth0\n"
    "10.0.0.8         0x1         0x6         aa:bb:cc:dd:ee:08     *        eth0\n"
    "10.0.0.9         0x1\n";

void TcpPlatformTest::arpTable_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("mac");
    QTest::newRow("exact address, not its longer neighbour") << "10.0.0.1" << "aa:bb:cc:dd:ee:01";
    QTest::newRow("longer address") << "10.0.0.10" << "aa:bb:cc:dd:ee:10";
    QTest::newRow("unresolved entry") << "10.0.0.7" << "";
    QTest::newRow("permanent entry") << "10.0.0.8" << "aa:bb:cc:dd:ee:08";
    QTest::newRow("short line") << "10.0.0.9" << "";
    QTest::newRow("absent") << "10.0.0.2" << "";
    QTest::newRow("prefix of an entry") << "10.0.0." << "";
    QTest::newRow("empty") << "" << "";
}

void TcpPlatformTest::arpTable()
{
    QFETCH(QString, ip);
    QFETCH(QString, mac);
    QString entry;
    QCOMPARE(LinuxNeighbourTable::macFromArpTable(ArpTable, ip, &entry), mac);
    QCOMPARE(entry.isEmpty(), mac.isEmpty());
}

void TcpPlatformTest::arpFileIsRead()
{
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(ArpTable);
    file.flush();
    LinuxNeighbourTable table(file.fileName());
    QCOMPARE(table.macAddress(QStringLiteral("10.0.0.10")), QStringLiteral("aa:bb:cc:dd:ee:10"));
    LinuxNeighbourTable missing(QStringLiteral("/nonexistent/arp"));
    QCOMPARE(missing.macAddress(QStringLiteral("10.0.0.10")), QString());
    // Addresses of this machine are no neighbours: no MAC address, not the
    // loopback's zeros nor an interface's own (the NetBIOS answer names the
    // printer's).
    QString entry = QStringLiteral("x");
    QCOMPARE(table.macAddress(QStringLiteral("127.0.60.9"), &entry), QString());
    QCOMPARE(entry, QString());
    QCOMPARE(table.macAddress(QStringLiteral("127.0.0.1")), QString());
}

using Names = QList<QPair<QByteArray, quint8>>;

void TcpPlatformTest::netbiosReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("unitId"); // the MAC address at the start of the statistics
    const quint16 id = 0x1234;
    const QByteArray good = TcpFakeNetbios::answer(id, Names{{"WORKGROUP", 0x1E}, {"KVZ-L7X", 0x00}, {"KVZ-L7X", 0x20}});
    QTest::newRow("first <00> name") << good << true << "KVZ-L7X" << "";
    QTest::newRow("other transaction") << TcpFakeNetbios::answer(0x4321, Names{{"KVZ-L7X", 0x00}}) << false << "" << "";
    QTest::newRow("no <00> name") << TcpFakeNetbios::answer(id, Names{{"KVZ-L7X", 0x20}}) << false << "" << "";
    QTest::newRow("no names") << TcpFakeNetbios::answer(id, Names{}) << false << "" << "";
    QTest::newRow("cut in the name table") << good.left(good.size() - 46 - 20) << false << "" << "";
    QTest::newRow("cut in the header") << good.left(7) << false << "" << "";
    QByteArray query = good;
    query[2] = 0; // the response bit is missing
    QTest::newRow("a query, not an answer") << query << false << "" << "";
    QByteArray tooMany = good;
    tooMany[12 + 34 + 10] = char(200); // more names than the data holds
    QTest::newRow("name count past the end") << tooMany << false << "" << "";
    QByteArray control = TcpFakeNetbios::answer(id, Names{{QByteArray("KVZ\x01L7"), 0x00}});
    QTest::newRow("control characters") << control << false << "" << "";
    QByteArray loop = good.left(12);
    loop.append(char(0x3F)); // a label longer than the packet
    QTest::newRow("label past the end") << loop << false << "" << "";
    QTest::newRow("empty") << QByteArray() << false << "" << "";
    QByteArray withMac = good;
    withMac.replace(good.size() - 46, 6, QByteArray::fromHex("0011223344a5"));
    QTest::newRow("unit id in the statistics") << withMac << true << "KVZ-L7X" << "00:11:22:33:44:a5";
    QTest::newRow("statistics cut before the unit id")
        << withMac.left(withMac.size() - 46 + 3) << false << "" << "";
    QByteArray shortStats = withMac.left(withMac.size() - 46 + 3);
    shortStats[12 + 34 + 8] = 0; // data length: the names only
    shortStats[12 + 34 + 9] = char(1 + 3 * 18);
    QTest::newRow("no statistics") << shortStats << true << "KVZ-L7X" << "";
}

void TcpPlatformTest::netbiosReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, ok);
    QFETCH(QString, name);
    QFETCH(QString, unitId);
    QString got;
    QString gotUnitId;
    QCOMPARE(NetbiosNameQuery::parseNodeStatusReply(reply, 0x1234, &got, &gotUnitId), ok);
    QCOMPARE(got, name);
    QCOMPARE(gotUnitId, unitId);
}

void TcpPlatformTest::netbiosQuery_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("kind"); // 0 names, 1 malformed, 2 silent
    QTest::addColumn<QString>("name");
    QTest::newRow("answer") << "127.0.60.1" << 0 << "KVZ-L7Q";
    QTest::newRow("malformed answer") << "127.0.60.2" << 1 << "";
    QTest::newRow("no answer") << "127.0.60.3" << 2 << "";
}

void TcpPlatformTest::netbiosQuery()
{
    QFETCH(QString, address);
    QFETCH(int, kind);
    QFETCH(QString, name);
    TcpFakeNetbios peer;
    QVERIFY(peer.listen(QHostAddress(address)));
    if (kind == 0)
        peer.setNames(Names{{"KVZ-L7Q", 0x00}});
    else if (kind == 1)
        peer.setRawAnswer(QByteArray::fromHex("0000840000010000") + QByteArray(3, '\xff'), true);

    NetbiosNameQuery query;
    QSignalSpy spy(&query, &NetbiosNameQuery::finished);
    query.start(address, 800);
    QVERIFY(spy.wait(3000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), name);
    QVERIFY(peer.queryCount() >= 1);
    // The request is the wildcard node-status question.
    QCOMPARE(NetbiosNameQuery::nodeStatusRequest(0x0102).toHex(),
             QByteArray("010200000001000000000000" "20" "434b") + QByteArray("41").repeated(30) + "00" "0021" "0001");
}

void TcpPlatformTest::netbiosQueryOfNonAddress()
{
    NetbiosNameQuery query;
    QSignalSpy spy(&query, &NetbiosNameQuery::finished);
    query.start(QStringLiteral("printer.example"), 500);
    QVERIFY(spy.wait(1000));
    QCOMPARE(spy.at(0).at(0).toString(), QString());
}

QTEST_GUILESS_MAIN(TcpPlatformTest)
#include "tst_tcp_platform.moc"
