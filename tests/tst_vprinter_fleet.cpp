// The virtual printer switched off and on, and many printers in one process
// (VirtualPrinterFleet and the program's --fleet mode): address lists, a
// state of their own per printer, control commands addressed to one printer.

#include "VirtualPrinter.h"
#include "VirtualPrinterFleet.h"
#include "support/vprinter_client.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTcpSocket>
#include <QtTest>

using VprinterClient::exchange;
using VprinterClient::hex;

namespace {
constexpr int WaitMs = 5000;
const QString FleetSpec = QStringLiteral("127.0.11.1+12");

// Whether a connection to address:9100 is refused (a switched-off printer).
bool refused(const QString &address, quint16 port = 9100)
{
    QTcpSocket s;
    s.connectToHost(address, port);
    if (s.waitForConnected(WaitMs))
        return false;
    return s.error() == QAbstractSocket::ConnectionRefusedError;
}

QByteArray allFour(const QString &address)
{
    return exchange(9100, hex("10 04 01 10 04 02 10 04 03 10 04 04"), 4, WaitMs, address);
}
} // namespace

class TestVprinterFleet : public QObject
{
    Q_OBJECT
private slots:
    void addressLists_data();
    void addressLists();
    void badAddressLists_data();
    void badAddressLists();
    void singlePrinterSwitchedOffAndOn();
    void eachPrinterHasItsOwnState();
    void controlCommandsOfTheFleet_data();
    void controlCommandsOfTheFleet();
    void commandLineFleet();
    void commandLineRefusesBadFleets_data();
    void commandLineRefusesBadFleets();
};

void TestVprinterFleet::addressLists_data()
{
    QTest::addColumn<QString>("range");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("/24 hosts") << "127.0.10.0/24" << 254 << "127.0.10.1" << "127.0.10.254";
    QTest::newRow("/24 from any host") << "127.0.10.77/24" << 254 << "127.0.10.1" << "127.0.10.254";
    QTest::newRow("/22") << "127.0.8.0/22" << 1022 << "127.0.8.1" << "127.0.11.254";
    QTest::newRow("/31 both") << "127.0.10.4/31" << 2 << "127.0.10.4" << "127.0.10.5";
    QTest::newRow("/32 one") << "127.0.10.4/32" << 1 << "127.0.10.4" << "127.0.10.4";
    QTest::newRow("range over a boundary") << "127.0.10.250-127.0.11.3" << 10 << "127.0.10.250" << "127.0.11.3";
    QTest::newRow("count of 1000") << "127.0.10.1+1000" << 1000 << "127.0.10.1" << "127.0.13.232";
    QTest::newRow("one address") << " 127.0.10.9 " << 1 << "127.0.10.9" << "127.0.10.9";
}

void TestVprinterFleet::addressLists()
{
    QFETCH(QString, range);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QStringList addresses;
    QString error;
    QVERIFY2(VirtualPrinterFleet::parseAddresses(range, &addresses, &error), qPrintable(error));
    QCOMPARE(addresses.size(), count);
    QCOMPARE(addresses.first(), first);
    QCOMPARE(addresses.last(), last);
    QCOMPARE(addresses.removeDuplicates(), 0);
}

void TestVprinterFleet::badAddressLists_data()
{
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("message");
    QTest::newRow("off loopback") << "10.0.0.0/24" << "not an address on loopback";
    QTest::newRow("range off loopback") << "127.0.0.1-10.0.0.1" << "not addresses on loopback";
    QTest::newRow("prefix too short") << "127.0.0.0/7" << "prefix length";
    QTest::newRow("prefix not a number") << "127.0.0.0/x" << "prefix length";
    QTest::newRow("reversed range") << "127.0.10.9-127.0.10.1" << "comes before";
    QTest::newRow("count zero") << "127.0.10.1+0" << "the count";
    QTest::newRow("count too large") << "127.0.0.1+65537" << "the count";
    QTest::newRow("beyond 127/8") << "127.255.255.250+10" << "beyond";
    QTest::newRow("too many in a network") << "127.0.0.0/8" << "more than";
    QTest::newRow("short form") << "127.1" << "not an address";
    QTest::newRow("garbage") << "printers" << "not an address";
    QTest::newRow("empty") << "" << "not an address";
}

void TestVprinterFleet::badAddressLists()
{
    QFETCH(QString, range);
    QFETCH(QString, message);
    QStringList addresses{QStringLiteral("kept")};
    QString error;
    QVERIFY(!VirtualPrinterFleet::parseAddresses(range, &addresses, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(addresses, QStringList{QStringLiteral("kept")});
}

void TestVprinterFleet::singlePrinterSwitchedOffAndOn()
{
    VirtualPrinterOptions o;
    o.address = QStringLiteral("127.0.11.200");
    o.httpPort = 0;
    o.netbiosPort = VirtualPrinterOptions::Off;
    VirtualPrinter printer(o);
    QVERIFY(printer.start());
    const quint16 http = printer.httpPort();
    // A client connected when the power goes loses its line.
    QTcpSocket client;
    client.connectToHost(o.address, 9100);
    QVERIFY(client.waitForConnected(WaitMs));
    QCOMPARE(printer.control(QStringLiteral("set cover_open on")), QStringLiteral("ok cover_open on"));
    QCOMPARE(printer.control(QStringLiteral("off")), QStringLiteral("ok off"));
    QVERIFY(!printer.isPowered());
    QVERIFY(client.state() == QAbstractSocket::UnconnectedState || client.waitForDisconnected(WaitMs));
    QVERIFY(refused(o.address));
    QVERIFY(refused(o.address, http));
    QVERIFY(printer.control(QStringLiteral("status")).contains(QLatin1String("\"powered\":false")));
    QVERIFY(!printer.events(QStringLiteral("power_off")).isEmpty());
    QCOMPARE(printer.control(QStringLiteral("off")), QStringLiteral("ok off")); // already off
    // On again where it was, with the state it had.
    QCOMPARE(printer.control(QStringLiteral("on")), QStringLiteral("ok on"));
    QCOMPARE(printer.rawPort(), quint16(9100));
    QCOMPARE(allFour(o.address), hex("1e 16 12 12"));
    QVERIFY(!refused(o.address, http));
    QVERIFY(!printer.events(QStringLiteral("power_on")).isEmpty());
}

void TestVprinterFleet::eachPrinterHasItsOwnState()
{
    QStringList addresses;
    QString error;
    QVERIFY(VirtualPrinterFleet::parseAddresses(FleetSpec, &addresses, &error));
    VirtualPrinterOptions o;
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    o.flags.insert(VpState::PaperNearEnd); // every printer starts with it
    VirtualPrinterFleet fleet(o, addresses);
    QStringList failures;
    QVERIFY(fleet.start(&failures));
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    QCOMPARE(fleet.size(), 12);

    QCOMPARE(fleet.control(QStringLiteral("printer 127.0.11.3 set paper_out on")), QStringLiteral("ok paper_out on"));
    QCOMPARE(fleet.control(QStringLiteral("printer 127.0.11.4 set near_end_not_a_flag on")).left(5),
             QStringLiteral("error"));
    QCOMPARE(fleet.control(QStringLiteral("printer 127.0.11.4 set paper_near_end off")),
             QStringLiteral("ok paper_near_end off"));
    QCOMPARE(fleet.control(QStringLiteral("printer 127.0.11.5 set mechanical_error on")),
             QStringLiteral("ok mechanical_error on"));
    QCOMPARE(fleet.control(QStringLiteral("printer 127.0.11.6 off")), QStringLiteral("ok off"));

    QCOMPARE(allFour(QStringLiteral("127.0.11.1")), hex("16 12 12 1e"));
    QCOMPARE(allFour(QStringLiteral("127.0.11.3")), hex("1e 32 12 7e"));
    QCOMPARE(allFour(QStringLiteral("127.0.11.4")), hex("16 12 12 12"));
    QCOMPARE(allFour(QStringLiteral("127.0.11.5")), hex("1e 52 16 1e"));
    QVERIFY(refused(QStringLiteral("127.0.11.6")));
    QCOMPARE(allFour(QStringLiteral("127.0.11.12")), hex("16 12 12 1e"));
    // Each printer logs what it was sent, and only that.
    QVERIFY(!fleet.printer(QStringLiteral("127.0.11.3"))->events(QStringLiteral("client_connected")).isEmpty());
    QVERIFY(fleet.printer(QStringLiteral("127.0.11.2"))->events(QStringLiteral("client_connected")).isEmpty());

    const QJsonArray list =
        QJsonDocument::fromJson(fleet.control(QStringLiteral("list")).mid(3).toUtf8()).array();
    QCOMPARE(list.size(), 12);
    QCOMPARE(list.at(5).toObject().value("address").toString(), QStringLiteral("127.0.11.6"));
    QCOMPARE(list.at(5).toObject().value("powered").toBool(), false);
    QCOMPARE(list.at(4).toObject().value("powered").toBool(), true);

    QCOMPARE(fleet.control(QStringLiteral("printer 127.0.11.6 on")), QStringLiteral("ok on"));
    QCOMPARE(allFour(QStringLiteral("127.0.11.6")), hex("16 12 12 1e"));
    fleet.stop();
    QVERIFY(refused(QStringLiteral("127.0.11.1")));
}

void TestVprinterFleet::controlCommandsOfTheFleet_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("answer");
    QTest::newRow("status byte of one") << "printer 127.0.11.2 status-byte 1" << "ok 16";
    QTest::newRow("outside the fleet") << "printer 127.0.11.99 off" << "error no printer at 127.0.11.99";
    QTest::newRow("printer without command") << "printer 127.0.11.2" << "error usage: printer ADDRESS COMMAND";
    QTest::newRow("quit of one printer") << "printer 127.0.11.2 quit" << "error quit stops the whole fleet: quit";
    QTest::newRow("a printer's command alone") << "set paper_out on" << "error unknown command set";
    QTest::newRow("quit") << "quit" << "ok quit";
    QTest::newRow("help") << "help" << "ok Fleet control commands";
}

void TestVprinterFleet::controlCommandsOfTheFleet()
{
    QFETCH(QString, line);
    QFETCH(QString, answer);
    QStringList addresses{QStringLiteral("127.0.11.1"), QStringLiteral("127.0.11.2")};
    VirtualPrinterOptions o;
    o.rawPort = 0;
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    VirtualPrinterFleet fleet(o, addresses);
    QStringList failures;
    QVERIFY(fleet.start(&failures));
    const QString got = fleet.control(line);
    QVERIFY2(got.startsWith(answer), qPrintable(got));
}

void TestVprinterFleet::commandLineFleet()
{
    QProcess p;
    p.start(QStringLiteral(QM_VPRINTER_BIN), {"--fleet", "127.0.11.65/29", "--cover-open"});
    QVERIFY(p.waitForStarted(WaitMs));
    QStringList lines;
    while (!lines.contains(QLatin1String("ready")) && p.waitForReadyRead(WaitMs))
        while (p.canReadLine())
            lines << QString::fromUtf8(p.readLine()).trimmed();
    QVERIFY2(lines.contains(QLatin1String("ready")), qPrintable(lines.join('\n')));
    QVERIFY(lines.contains(QStringLiteral("fleet 6 printers 127.0.11.65-127.0.11.70")));
    QCOMPARE(allFour(QStringLiteral("127.0.11.70")), hex("1e 16 12 12"));
    // No web page in a fleet unless asked for.
    QVERIFY(refused(QStringLiteral("127.0.11.66"), 80));

    p.write("printer 127.0.11.66 set cover_open off\nprinter 127.0.11.67 off\n");
    QStringList answers;
    while (answers.size() < 2 && p.waitForReadyRead(WaitMs))
        while (p.canReadLine())
            answers << QString::fromUtf8(p.readLine()).trimmed();
    QCOMPARE(answers, (QStringList{"ok cover_open off", "ok off"}));
    QCOMPARE(allFour(QStringLiteral("127.0.11.66")), hex("16 12 12 12"));
    QVERIFY(refused(QStringLiteral("127.0.11.67")));
    QCOMPARE(allFour(QStringLiteral("127.0.11.68")), hex("1e 16 12 12"));

    p.terminate();
    QVERIFY(p.waitForFinished(WaitMs));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
}

void TestVprinterFleet::commandLineRefusesBadFleets_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("off loopback") << QStringList{"--fleet", "192.168.1.0/24"} << "not an address on loopback";
    QTest::newRow("with --address") << QStringList{"--fleet", "127.0.11.1+2", "--address", "127.0.0.1"}
                                    << "--fleet takes no --address";
    QTest::newRow("with --serial") << QStringList{"--fleet", "127.0.11.1+2", "--serial", "-"}
                                   << "--fleet takes no --address, --serial";
}

void TestVprinterFleet::commandLineRefusesBadFleets()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QProcess p;
    p.start(QStringLiteral(QM_VPRINTER_BIN), args);
    QVERIFY(p.waitForFinished(WaitMs));
    QCOMPARE(p.exitCode(), 2);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(err.contains(message), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestVprinterFleet)
#include "tst_vprinter_fleet.moc"
