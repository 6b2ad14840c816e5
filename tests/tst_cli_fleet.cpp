// quillmark's commands for many printers, run as a separate process against
// virtual printers on 127.0.90.x-127.0.94.x and misbehaving print ports:
// scan --range, inventory (a printer that moves to another address keeps its
// MAC address and its labels in the targets file), run --targets (results
// line by line, exit statuses, the bound on printers at once) and bad input.

#include "support/cli_Run.h"
#include "support/fleet_BadPrinter.h"

#include <QtTest>

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <memory>

#if __has_include("VirtualPrinter.h") && defined(QM_CLI_BIN)
#define QM_HAVE_CLI_TEST 1
#include "VirtualPrinter.h"
#include "VirtualPrinterFleet.h"
#endif

Q_DECLARE_METATYPE(BadPrinter::Mode)

namespace {
constexpr int ProcessLimitMs = 120000;
// A search of a /16: seconds on an idle machine, minutes on a loaded one.
constexpr int SixteenBitLimitMs = 600000;

QString macText(const QByteArray &mac)
{
    return QString::fromLatin1(mac.toHex(':'));
}
} // namespace

class CliFleetTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void scanRangeStreamsThePrinters();
    void inventoryFollowsAMovedPrinter();
    void inventoryLabelsFollowTheMacAddress();
    void inventoryKeepsADamagedFile();
    void sixteenBitRange_data();
    void sixteenBitRange();
    void interruptedSearch_data();
    void interruptedSearch();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void badInputIsRefused_data();
    void badInputIsRefused();
    void runTargetsExitStatus_data();
    void runTargetsExitStatus();
    void runTargetsJson();
    void runTargetsScriptFromStandardInput();
    void runTargetsKeepsToTheJobBound_data();
    void runTargetsKeepsToTheJobBound();
    void runTargetsSurvivesMisbehavingPrinters();
    void strayBytesShiftNoStatus_data();
    void strayBytesShiftNoStatus();
    void runTargetsReportsFailures_data();
    void runTargetsReportsFailures();
    void rawGivesUpOnAPrinterThatNeverReads();

#ifdef QM_HAVE_CLI_TEST
private:
    CliResult runCli(const QStringList &args, const QByteArray &input = QByteArray()) const;
    // The same for printers living in this process: its event loop runs
    // while the command does.
    CliResult runServing(const QStringList &args, const QByteArray &input = QByteArray()) const;
    // A printer of the family with a web page (port 80), a NetBIOS responder
    // (port 137) giving this MAC address, and a print port.
    std::unique_ptr<VirtualPrinter> startPrinter(const QString &address, const QByteArray &mac,
                                                 const QString &model = QStringLiteral("KVZ-L7N"));
    // Printers with a print port only, one per address in range.
    std::unique_ptr<VirtualPrinterFleet> startFleet(const QString &range, QStringList *addresses) const;
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &path) const;
    bool rootServices() const { return m_rootServices; }

    QTemporaryDir m_dir;
    QString m_cli;
    bool m_rootServices = false;
#endif
};

#ifdef QM_HAVE_CLI_TEST

void CliFleetTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // A copy of its own, so the configuration and the log land in this folder.
    m_cli = m_dir.filePath(QStringLiteral("quillmark"));
    QVERIFY(QFile::copy(QStringLiteral(QM_CLI_BIN), m_cli));
    QFile::setPermissions(m_cli, QFile::permissions(m_cli) | QFile::ExeOwner);
    // The web page (80) and the NetBIOS name (137) need root, as in the test command's namespace.
    auto probe = startPrinter(QStringLiteral("127.0.90.250"), QByteArray::fromHex("020000000001"));
    m_rootServices = probe && probe->serviceLines().join('\n').contains(QStringLiteral("http listening"))
                     && probe->serviceLines().join('\n').contains(QStringLiteral("netbios listening"));
}

CliResult CliFleetTest::runCli(const QStringList &args, const QByteArray &input) const
{
    return runQuillmark(m_cli, args, input, QString(), ProcessLimitMs);
}

CliResult CliFleetTest::runServing(const QStringList &args, const QByteArray &input) const
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QM_LANGUAGE"), QStringLiteral("en_US"));
    p.setProcessEnvironment(env);
    p.start(m_cli, args);
    CliResult r;
    if (!p.waitForStarted())
        return r;
    p.write(input);
    p.closeWriteChannel();
    QElapsedTimer clock;
    clock.start();
    while (p.state() != QProcess::NotRunning && clock.elapsed() < ProcessLimitMs)
        QTest::qWait(20);
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

std::unique_ptr<VirtualPrinter> CliFleetTest::startPrinter(const QString &address, const QByteArray &mac,
                                                           const QString &model)
{
    VirtualPrinterOptions o;
    o.address = address;
    o.model = model;
    o.mac = mac;
    o.rawPort = VirtualPrinterOptions::DefaultRawPort;
    o.httpPort = VirtualPrinterOptions::DefaultHttpPort;
    o.netbiosPort = VirtualPrinterOptions::DefaultNetbiosPort;
    auto printer = std::make_unique<VirtualPrinter>(o);
    QString error;
    printer->start(&error);
    if (printer->rawPort() == 0)
        return nullptr;
    return printer;
}

std::unique_ptr<VirtualPrinterFleet> CliFleetTest::startFleet(const QString &range, QStringList *addresses) const
{
    VirtualPrinterOptions o;
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    QString error;
    if (!VirtualPrinterFleet::parseAddresses(range, addresses, &error))
        return nullptr;
    auto fleet = std::make_unique<VirtualPrinterFleet>(o, *addresses);
    QStringList failures;
    if (!fleet->start(&failures) || !failures.isEmpty())
        return nullptr;
    return fleet;
}

QString CliFleetTest::writeFile(const QString &name, const QByteArray &bytes) const
{
    const QString path = m_dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}

QByteArray CliFleetTest::readFile(const QString &path) const
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void CliFleetTest::scanRangeStreamsThePrinters()
{
    if (!rootServices())
        QSKIP("the web page and the NetBIOS name need ports 80 and 137 (root)");
    const QByteArray macA = QByteArray::fromHex("0200000a0001");
    const QByteArray macB = QByteArray::fromHex("0200000a0002");
    auto a = startPrinter(QStringLiteral("127.0.91.10"), macA, QStringLiteral("KVZ-L7N"));
    auto b = startPrinter(QStringLiteral("127.0.91.200"), macB, QStringLiteral("KVZ-L7D"));
    // Not of the family: its print port answers, but it is no printer of ours.
    auto other = startPrinter(QStringLiteral("127.0.91.77"), QByteArray::fromHex("0200000a0003"), QStringLiteral("ACME"));
    QVERIFY(a && b && other);

    const CliResult r = runCli({"scan", "--range", "127.0.91.0/24", "--json"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QStringList got;
    for (const QString &line : r.lines()) {
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
        QVERIFY2(!o.isEmpty(), qPrintable(line)); // one JSON object a line
        got.append(QStringLiteral("%1 %2 %3 %4").arg(o.value("ip").toString(), o.value("mac").toString(),
                                                     o.value("name").toString(), o.value("netbios").toString()));
    }
    std::sort(got.begin(), got.end());
    QCOMPARE(got, (QStringList{"127.0.91.10 " + macText(macA) + " KVZ-L7N KVZ-L7N",
                               "127.0.91.200 " + macText(macB) + " KVZ-L7D KVZ-L7D"}));

    // Several ranges, overlapping: every address once; text as the segment search prints it.
    const CliResult text = runCli({"scan", "--range", "127.0.91.0/25", "--range", "127.0.91.8/29", "--range",
                                   "127.0.91.200/32"});
    QVERIFY2(text.code == 0, qPrintable(text.err));
    QStringList lines = text.lines();
    std::sort(lines.begin(), lines.end());
    QCOMPARE(lines, (QStringList{"127.0.91.10\t" + macText(macA) + "\tKVZ-L7N",
                                 "127.0.91.200\t" + macText(macB) + "\tKVZ-L7D"}));
}

void CliFleetTest::inventoryFollowsAMovedPrinter()
{
    if (!rootServices())
        QSKIP("the web page and the NetBIOS name need ports 80 and 137 (root)");
    const QByteArray moving = QByteArray::fromHex("001122334455");
    const QByteArray leaving = QByteArray::fromHex("001122334466");
    const QByteArray coming = QByteArray::fromHex("001122334477");
    const QString inventory = m_dir.filePath(QStringLiteral("moves.json"));
    const QString targets = m_dir.filePath(QStringLiteral("moves.targets"));
    const QStringList args{"inventory", "--range", "127.0.92.0/24", "--file", inventory, "--targets-out", targets};

    auto first = startPrinter(QStringLiteral("127.0.92.20"), moving);
    auto second = startPrinter(QStringLiteral("127.0.92.30"), leaving);
    QVERIFY(first && second);
    CliResult r = runCli(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.lines(), (QStringList{"appeared 00:11:22:33:44:55 127.0.92.20 KVZ-L7N",
                                     "appeared 00:11:22:33:44:66 127.0.92.30 KVZ-L7N"}));
    QCOMPARE(readFile(targets), QByteArray("tcp:127.0.92.20\ntcp:127.0.92.30\n"));
    // The user labels the lines for the exporter.
    writeFile(QStringLiteral("moves.targets"), "tcp:127.0.92.20 site=shop-17 till=2\ntcp:127.0.92.30 till=3\n");

    // Nothing changed: nothing to report.
    r = runCli(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.out, QString());

    // DHCP gives the first printer another address; the second is switched
    // off; a third comes.
    first.reset();
    second.reset();
    auto moved = startPrinter(QStringLiteral("127.0.92.87"), moving);
    auto third = startPrinter(QStringLiteral("127.0.92.40"), coming);
    QVERIFY(moved && third);
    r = runCli(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.lines(), (QStringList{"appeared 00:11:22:33:44:77 127.0.92.40 KVZ-L7N",
                                     "moved 00:11:22:33:44:55 127.0.92.20 -> 127.0.92.87",
                                     "vanished 00:11:22:33:44:66 127.0.92.30"}));
    QCOMPARE(readFile(targets),
             QByteArray("tcp:127.0.92.87 site=shop-17 till=2\ntcp:127.0.92.30 till=3\ntcp:127.0.92.40\n"));

    const QJsonObject stored = QJsonDocument::fromJson(readFile(inventory)).object();
    QCOMPARE(stored.value("printers").toArray().size(), 3);
    for (const QJsonValue &v : stored.value("printers").toArray()) {
        const QJsonObject p = v.toObject();
        QVERIFY(p.value("firstSeen").toString() <= p.value("lastSeen").toString());
        if (p.value("mac").toString() == QLatin1String("00:11:22:33:44:55")) {
            QCOMPARE(p.value("address").toString(), QStringLiteral("127.0.92.87"));
            QCOMPARE(p.value("netbios").toString(), QStringLiteral("KVZ-L7N"));
            QVERIFY(p.value("present").toBool());
        }
        if (p.value("mac").toString() == QLatin1String("00:11:22:33:44:66"))
            QVERIFY(!p.value("present").toBool());
    }

    // JSON: one change a line.
    moved.reset();
    r = runCli(args + QStringList{"--json"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.lines().size(), 1);
    const QJsonObject change = QJsonDocument::fromJson(r.lines().first().toUtf8()).object();
    QCOMPARE(change.value("change").toString(), QStringLiteral("vanished"));
    QCOMPARE(change.value("mac").toString(), QStringLiteral("00:11:22:33:44:55"));
    QCOMPARE(change.value("from").toString(), QStringLiteral("127.0.92.87"));
}

void CliFleetTest::inventoryLabelsFollowTheMacAddress()
{
    if (!rootServices())
        QSKIP("the web page and the NetBIOS name need ports 80 and 137 (root)");
    const QByteArray macA = QByteArray::fromHex("0011223344a1");
    const QByteArray macB = QByteArray::fromHex("0011223344b2");
    const QString inventory = m_dir.filePath(QStringLiteral("swap.json"));
    const QString targets = m_dir.filePath(QStringLiteral("swap.targets"));
    const QStringList args{"inventory", "--range", "127.0.97.0/24", "--file", inventory, "--targets-out", targets};
    const QString low = QStringLiteral("127.0.97.20");
    const QString high = QStringLiteral("127.0.97.30");

    auto a = startPrinter(low, macA);
    auto b = startPrinter(high, macB);
    QVERIFY(a && b);
    CliResult r = runCli(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    writeFile(QStringLiteral("swap.targets"), "tcp:127.0.97.30 till=2\ntcp:127.0.97.20 till=1\n");

    // The two swap their addresses: each line goes with its printer.
    a.reset();
    b.reset();
    a = startPrinter(high, macA);
    b = startPrinter(low, macB);
    QVERIFY(a && b);
    r = runCli(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(readFile(targets), QByteArray("tcp:127.0.97.20 till=2\ntcp:127.0.97.30 till=1\n"));

    // B is switched off and A gets the address B had: A keeps its own labels.
    a.reset();
    b.reset();
    a = startPrinter(low, macA);
    QVERIFY(a);
    r = runCli(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.lines(), (QStringList{"moved 00:11:22:33:44:a1 127.0.97.30 -> 127.0.97.20",
                                     "vanished 00:11:22:33:44:b2 127.0.97.20"}));
    QCOMPARE(readFile(targets), QByteArray("tcp:127.0.97.20 till=1\n"));
}

void CliFleetTest::inventoryKeepsADamagedFile()
{
    const QByteArray damaged = "{\"version\": 1, \"printers\": [{\"mac\": \"00:11";
    const QString inventory = writeFile(QStringLiteral("damaged.json"), damaged);
    const CliResult r = runCli({"inventory", "--range", "127.0.93.0/30", "--file", inventory});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(inventory) && r.err.contains(QStringLiteral("damaged")), qPrintable(r.err));
    QCOMPARE(readFile(inventory), damaged);

    // A targets file with a bad line is not rewritten either.
    const QString good = writeFile(QStringLiteral("good.json"), "{\"version\": 1, \"printers\": []}");
    const QByteArray badTargets = "tcp:127.0.93.1\nftp:127.0.93.2\n";
    const QString targets = writeFile(QStringLiteral("bad.targets"), badTargets);
    const CliResult t = runCli({"inventory", "--range", "127.0.93.0/30", "--file", good, "--targets-out", targets});
    QCOMPARE(t.code, 2);
    QVERIFY2(t.err.contains(QStringLiteral("line 2")) && t.err.contains(QStringLiteral("ftp")), qPrintable(t.err));
    QCOMPARE(readFile(targets), badTargets);
}

// The largest range, 65534 hosts, in a network namespace of its own that has
// nothing but loopback: any address off 127.0.0.0/8 has no route there, so
// every connect fails at once, and the loopback /16 holds stand-ins of which
// nothing else in the suite knows (other tests' printers on 127.x are not met).
// The inventory shares the search: a /18 of failures is enough for it.
void CliFleetTest::sixteenBitRange_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("standIns");
    QTest::addColumn<QStringList>("lines"); // sorted
    const QString inventory = m_dir.filePath(QStringLiteral("sixteen.json"));
    QTest::newRow("scan, no route") << QStringList{"scan", "--range", "10.77.0.0/16"} << false << QStringList();
    QTest::newRow("inventory, no route") << QStringList{"inventory", "--range", "10.77.0.0/18", "--file", inventory}
                                         << false << QStringList();
    QTest::newRow("scan, loopback with stand-ins")
        // 65,000 refusals at once on loopback: with 1024 connects in flight the
        // shared connect limit can end before a stand-in's accept is seen, so
        // this row keeps fewer in flight.
        << QStringList{"scan", "--range", "127.0.0.0/16", "--max-open", "256"} << true
        << QStringList{"127.0.200.30\t02:00:00:c8:00:1e\tKVZ-L7D", "127.0.77.10\t02:00:00:4d:00:0a\tKVZ-L7N",
                       "127.0.77.11\t02:00:00:4d:00:0b\tKVZ-L7N"};
}

void CliFleetTest::sixteenBitRange()
{
    QFETCH(QStringList, args);
    QFETCH(bool, standIns);
    QFETCH(QStringList, lines);
#ifndef QM_VPRINTER_BIN
    QSKIP("the virtual printer program is not part of this build");
#else
    // Such a search is for a test's own namespace only: never where a real
    // network could be reached.
    for (const QNetworkInterface &ni : QNetworkInterface::allInterfaces()) {
        if (!ni.flags().testFlag(QNetworkInterface::IsLoopBack))
            QSKIP("not inside a private network namespace");
    }
    // A namespace of its own again (unshare -n), checked once more inside:
    // loopback only. The stand-ins serve their print port, web page and
    // NetBIOS name there; quillmark runs once they are ready.
    const QString script = QStringLiteral(
        "ip link set lo up || exit 90\n"
        "[ \"$(ip -o link show | wc -l)\" -eq 1 ] || exit 91\n"
        "vp=\"$1\"; standins=\"$2\"; shift 2\n"
        "if [ \"$standins\" = 1 ]; then\n"
        "  \"$vp\" --fleet 127.0.77.10+2 --mac 02:00:00:4d:00:0a --http-port 80 --netbios-port 137 \\\n"
        "      </dev/null >\"$TMPDIR/fleet.out\" 2>&1 &\n"
        "  fleet=$!\n"
        "  \"$vp\" --address 127.0.200.30 --model KVZ-L7D --mac 02:00:00:c8:00:1e </dev/null >\"$TMPDIR/one.out\" 2>&1 &\n"
        "  one=$!\n"
        "  n=0\n"
        "  until grep -q '^ready' \"$TMPDIR/fleet.out\" && grep -q '^ready' \"$TMPDIR/one.out\"; do\n"
        "    n=$((n + 1)); [ $n -lt 300 ] || { kill $fleet $one; exit 92; }; sleep 0.1\n"
        "  done\n"
        "fi\n"
        "\"$@\"\n"
        "rc=$?\n"
        "[ \"$standins\" = 1 ] && kill $fleet $one && wait\n"
        "exit $rc\n");
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QM_LANGUAGE"), QStringLiteral("en_US"));
    env.insert(QStringLiteral("TMPDIR"), scratch.path());
    p.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    p.start(QStringLiteral("unshare"), QStringList{"-n", "sh", "-c", script, "sh", QStringLiteral(QM_VPRINTER_BIN),
                                                   standIns ? "1" : "0", m_cli}
                                           + args);
    QVERIFY(p.waitForStarted());
    if (!p.waitForFinished(SixteenBitLimitMs)) {
        p.kill();
        p.waitForFinished();
        QFAIL("the search did not end");
    }
    const QString err = QString::fromUtf8(p.readAllStandardError());
    if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 1 && err.contains(QLatin1String("unshare")))
        QSKIP("cannot make a network namespace here");
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QVERIFY2(p.exitCode() == 0, qPrintable(QStringLiteral("exit %1: %2").arg(p.exitCode()).arg(err)));
    QStringList got = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    std::sort(got.begin(), got.end());
    QCOMPARE(got, lines);
    qInfo("%s: %lld ms", QTest::currentDataTag(), clock.elapsed());
#endif
}

// Ctrl-C (SIGINT) or SIGTERM while a range is searched: the run says so and
// exits as a shell reports the signal, and an inventory leaves its files as
// they were, since it knows only part of the range.
void CliFleetTest::interruptedSearch_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("code");
    QTest::newRow("scan, Ctrl-C") << "scan" << int(SIGINT) << 130;
    QTest::newRow("inventory, Ctrl-C") << "inventory" << int(SIGINT) << 130;
    QTest::newRow("inventory, SIGTERM") << "inventory" << int(SIGTERM) << 143;
}

void CliFleetTest::interruptedSearch()
{
    QFETCH(QString, command);
    QFETCH(int, signal);
    QFETCH(int, code);
    // A host whose print port and web server accept and never answer: the
    // search waits for its page (8 s) when the signal comes.
    const QHostAddress host(QStringLiteral("127.0.95.5"));
    QTcpServer printPort;
    QTcpServer web;
    if (!web.listen(host, 80))
        QSKIP("the web page needs port 80 (root)");
    QVERIFY(printPort.listen(host, 9100));

    const QByteArray inventoryBytes = "{\"version\": 1, \"printers\": []}\n";
    const QByteArray targetsBytes = "tcp:127.0.95.9 site=shop-3\n";
    const QString inventory = writeFile(QStringLiteral("interrupted.json"), inventoryBytes);
    const QString targets = writeFile(QStringLiteral("interrupted.targets"), targetsBytes);
    QStringList args{command, "--range", "127.0.95.0/24"};
    if (command == QLatin1String("inventory"))
        args << "--file" << inventory << "--targets-out" << targets;

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QM_LANGUAGE"), QStringLiteral("en_US"));
    p.setProcessEnvironment(env);
    p.start(m_cli, args);
    QVERIFY(p.waitForStarted());
    QVERIFY2(web.waitForNewConnection(ProcessLimitMs), "the search never asked for the page");
    QCOMPARE(::kill(pid_t(p.processId()), signal), 0);
    const bool ended = p.waitForFinished(ProcessLimitMs);
    if (!ended)
        p.kill();
    p.waitForFinished();
    QVERIFY(ended);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QVERIFY2(p.exitCode() == code, qPrintable(QStringLiteral("exit %1: %2").arg(p.exitCode()).arg(err)));
    QVERIFY2(err.contains(QLatin1String("interrupted")), qPrintable(err));
    QCOMPARE(readFile(inventory), inventoryBytes);
    QCOMPARE(readFile(targets), targetsBytes);
}

void CliFleetTest::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("inventoryOnFullDisk");
    QTest::newRow("inventory") << true;
    QTest::newRow("targets file") << false;
}

void CliFleetTest::fullDiskKeepsTheOldFile()
{
    QFETCH(bool, inventoryOnFullDisk);
    // The file sits on a small file system of its own (in a mount namespace
    // of the run), filled up before quillmark writes.
    const QString script = QStringLiteral(
        "full=$1; file=$2; shift 2\n"
        "mount -t tmpfs -o size=64k quillmark-full \"$full\" || exit 97\n"
        "cp \"$file\" \"$full/\" || exit 98\n"
        "dd if=/dev/zero of=\"$full/filler\" bs=4096 >/dev/null 2>&1\n"
        "\"$@\"; rc=$?\n"
        "cp \"$full/$(basename \"$file\")\" \"$file.after\"\n"
        "exit $rc\n");
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
    const QByteArray oldInventory = "{\"version\": 1, \"printers\": [{\"mac\": \"00:11:22:33:44:88\", "
                                    "\"address\": \"127.0.95.1\", \"firstSeen\": \"2024-05-01T08:00:00Z\", "
                                    "\"lastSeen\": \"2024-05-01T08:00:00Z\", \"present\": true}]}";
    const QByteArray oldTargets = "tcp:127.0.95.1 till=1\n";
    const QString inventory = writeFile(QStringLiteral("full-%1.json").arg(tag), oldInventory);
    const QString targets = writeFile(QStringLiteral("full-%1.targets").arg(tag), oldTargets);
    const QString full = m_dir.filePath(QStringLiteral("full-%1").arg(tag));
    QVERIFY(QDir().mkpath(full));
    const QString onFullDisk = inventoryOnFullDisk ? inventory : targets;
    const QString inside = QDir(full).filePath(QFileInfo(onFullDisk).fileName());
    const QStringList args{"inventory", "--range", "127.0.95.0/30", "--file", inventoryOnFullDisk ? inside : inventory,
                           "--targets-out", inventoryOnFullDisk ? targets : inside};
    const CliResult r = runQuillmark(QStringLiteral("unshare"),
                                     QStringList{"-m", "bash", "-c", script, "bash", full, onFullDisk, m_cli} + args,
                                     QByteArray(), QString(), ProcessLimitMs);
    if (r.code == 97 || r.err.startsWith(QLatin1String("unshare:")))
        QSKIP("a small file system of its own needs root and a mount namespace");
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(inside) && r.err.contains(QStringLiteral("No space left on device")), qPrintable(r.err));
    // The file on the full disk is what it was.
    QCOMPARE(readFile(onFullDisk + QStringLiteral(".after")), inventoryOnFullDisk ? oldInventory : oldTargets);
}

void CliFleetTest::badInputIsRefused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("targets"); // written to bad.targets when not empty
    QTest::addColumn<QString>("message");
    QTest::newRow("prefix too short") << QStringList{"scan", "--range", "10.0.0.0/15"} << QByteArray() << "16 to 32";
    QTest::newRow("prefix too long") << QStringList{"scan", "--range", "10.0.0.0/33"} << QByteArray() << "16 to 32";
    QTest::newRow("malformed range") << QStringList{"scan", "--range", "10.0.0/24"} << QByteArray() << "10.0.0/24";
    QTest::newRow("host bits") << QStringList{"scan", "--range", "10.1.0.5/22"} << QByteArray() << "10.1.0.0/22";
    QTest::newRow("segment and range") << QStringList{"scan", "--segment", "10.1.2.", "--range", "10.1.2.0/24"}
                                       << QByteArray() << "--segment";
    QTest::newRow("connect limit without range") << QStringList{"scan", "--connect-timeout", "50"} << QByteArray()
                                                 << "--range";
    QTest::newRow("connect limit not a number")
        << QStringList{"scan", "--range", "10.1.2.0/24", "--connect-timeout", "soon"} << QByteArray() << "soon";
    QTest::newRow("inventory without file") << QStringList{"inventory", "--range", "10.1.2.0/24"} << QByteArray()
                                            << "--file";
    QTest::newRow("inventory without range") << QStringList{"inventory", "--file", "x.json"} << QByteArray()
                                             << "--range";
    QTest::newRow("unknown transport") << QStringList{"run", "--targets", "@", "setPrinterStatusClicked"}
                                       << QByteArray("tcp:127.0.93.1\nfax:12345\n") << "line 2";
    QTest::newRow("unreadable line") << QStringList{"run", "--targets", "@", "setPrinterStatusClicked"}
                                     << QByteArray("tcp:127.0.93.1 \"site\n") << "line 1";
    QTest::newRow("not an address") << QStringList{"run", "--targets", "@", "setPrinterStatusClicked"}
                                    << QByteArray("tcp:printer.local\n") << "printer.local";
    QTest::newRow("no targets") << QStringList{"run", "--targets", "@", "setPrinterStatusClicked"}
                                << QByteArray("# none yet\n") << "no targets";
    QTest::newRow("missing targets file")
        << QStringList{"run", "--targets", "/nonexistent/t.txt", "setPrinterStatusClicked"} << QByteArray()
        << "/nonexistent/t.txt";
    QTest::newRow("targets and a target")
        << QStringList{"run", "--targets", "@", "--tcp", "127.0.93.1", "setPrinterStatusClicked"}
        << QByteArray("tcp:127.0.93.1\n") << "--targets";
    QTest::newRow("jobs out of range") << QStringList{"run", "--targets", "@", "--jobs", "0", "setPrinterStatusClicked"}
                                       << QByteArray("tcp:127.0.93.1\n") << "--jobs";
    QTest::newRow("jobs without targets")
        << QStringList{"run", "--tcp", "127.0.93.1", "--jobs", "2", "setPrinterStatusClicked"} << QByteArray()
        << "--jobs";
    QTest::newRow("unknown operation") << QStringList{"run", "--targets", "@", "noSuchOperation"}
                                       << QByteArray("tcp:127.0.93.1\n") << "noSuchOperation";
}

void CliFleetTest::badInputIsRefused()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, targets);
    QFETCH(QString, message);
    if (!targets.isEmpty())
        args.replaceInStrings(QStringLiteral("@"), writeFile(QStringLiteral("bad.targets"), targets));
    const CliResult r = runCli(args);
    QCOMPARE(r.code, 2);
    QCOMPARE(r.out, QString()); // nothing ran
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
}

void CliFleetTest::runTargetsExitStatus_data()
{
    QTest::addColumn<QByteArray>("targets");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("results"); // target and result word, sorted
    QTest::newRow("all succeed") << QByteArray("tcp:127.0.94.1\ntcp:127.0.94.2 site=a\ntcp:127.0.94.3\n") << 0
                                 << QStringList{"tcp:127.0.94.1 ok", "tcp:127.0.94.2 ok", "tcp:127.0.94.3 ok"};
    QTest::newRow("one unreachable") << QByteArray("tcp:127.0.94.1\ntcp:127.0.94.99\ntcp:127.0.94.3\n") << 3
                                     << QStringList{"tcp:127.0.94.1 ok", "tcp:127.0.94.3 ok",
                                                    "tcp:127.0.94.99 unreachable"};
    QTest::newRow("a serial line that is not there")
        << QByteArray("tcp:127.0.94.1\nserial:/nonexistent/ttyX:9600\n") << 3
        << QStringList{"serial:/nonexistent/ttyX:9600 unreachable", "tcp:127.0.94.1 ok"};
}

void CliFleetTest::runTargetsExitStatus()
{
    QFETCH(QByteArray, targets);
    QFETCH(int, code);
    QFETCH(QStringList, results);
    QStringList addresses;
    const auto fleet = startFleet(QStringLiteral("127.0.94.1+3"), &addresses);
    QVERIFY(fleet);

    const QString file = writeFile(QStringLiteral("status.targets"), targets);
    const CliResult r = runCli({"run", "--targets", file, "--connect-timeout", "1000", "setBuzzerClicked", "2", "1"});
    QCOMPARE(r.code, code);
    QStringList got;
    for (const QString &line : r.lines()) {
        const QStringList cols = line.split(QLatin1Char('\t'));
        QVERIFY2(cols.size() >= 2, qPrintable(line));
        got.append(cols.at(0) + QLatin1Char(' ') + cols.at(1));
        if (cols.at(1) != QLatin1String("ok")) // the failure is named
            QVERIFY2(cols.size() == 3 && !cols.at(2).isEmpty(), qPrintable(line));
    }
    std::sort(got.begin(), got.end());
    QCOMPARE(got, results);
    // The command reached every printer that answered (ESC B n t).
    for (const QString &address : addresses) {
        if (!targets.contains(address.toLatin1()))
            continue;
        const QByteArray bytes = fleet->printer(address)->receivedBytes(QStringLiteral("tcp"));
        QVERIFY2(bytes.contains(QByteArray::fromHex("1b420201")), qPrintable(address));
    }
}

void CliFleetTest::runTargetsJson()
{
    VirtualPrinterOptions o;
    o.address = QStringLiteral("127.0.94.11");
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    VirtualPrinter printer(o);
    QVERIFY(printer.start());
    const QString file = writeFile(QStringLiteral("json.targets"),
                                   "tcp:127.0.94.11 site=\"shop 17\"\ntcp:127.0.94.12\n");
    const CliResult r = runCli({"run", "--targets", file, "--json", "--connect-timeout", "500", "setCutClicked", "1", "0"});
    QCOMPARE(r.code, 3);
    QMap<QString, QJsonObject> byTarget;
    for (const QString &line : r.lines()) {
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
        QVERIFY2(!o.isEmpty(), qPrintable(line));
        byTarget.insert(o.value("target").toString(), o);
    }
    QCOMPARE(byTarget.size(), 2);
    const QJsonObject ok = byTarget.value("tcp:127.0.94.11");
    QCOMPARE(ok.value("exit").toInt(), 0);
    QCOMPARE(ok.value("result").toString(), QStringLiteral("ok"));
    QCOMPARE(ok.value("labels").toObject().value("site").toString(), QStringLiteral("shop 17"));
    QVERIFY(ok.value("errors").toArray().isEmpty());
    const QJsonObject gone = byTarget.value("tcp:127.0.94.12");
    QCOMPARE(gone.value("exit").toInt(), 3);
    QCOMPARE(gone.value("result").toString(), QStringLiteral("unreachable"));
    QVERIFY(gone.value("errors").toArray().first().toString().contains(QStringLiteral("127.0.94.12")));
}

void CliFleetTest::runTargetsScriptFromStandardInput()
{
    QStringList addresses;
    const auto fleet = startFleet(QStringLiteral("127.0.94.21+2"), &addresses);
    QVERIFY(fleet);
    const QString file = writeFile(QStringLiteral("script.targets"), "tcp:127.0.94.21\ntcp:127.0.94.22\n");
    const CliResult r = runCli({"run", "--targets", file, "--script", "-"},
                               "setBuzzerClicked 3 2\n# and cut\nsetCutClicked 1 0\n");
    QVERIFY2(r.code == 0, qPrintable(r.err + r.out));
    QCOMPARE(r.lines().size(), 2);
    for (const QString &address : addresses) {
        const QByteArray bytes = fleet->printer(address)->receivedBytes(QStringLiteral("tcp"));
        QVERIFY2(bytes.contains(QByteArray::fromHex("1b420302")), qPrintable(address));
    }
    // A bad script line stops everything before any printer is touched.
    const CliResult bad = runCli({"run", "--targets", file, "--script", "-"}, "setBuzzerClicked 3 2\nnoSuchOp\n");
    QCOMPARE(bad.code, 2);
    QVERIFY2(bad.err.contains(QStringLiteral("line 2")), qPrintable(bad.err));
}

void CliFleetTest::runTargetsKeepsToTheJobBound_data()
{
    QTest::addColumn<int>("jobs");
    QTest::newRow("one at a time") << 1;
    QTest::newRow("three at a time") << 3;
}

void CliFleetTest::runTargetsKeepsToTheJobBound()
{
    QFETCH(int, jobs);
    QStringList addresses;
    const auto fleet = startFleet(QStringLiteral("127.0.94.31+8"), &addresses);
    QVERIFY(fleet);
    // Connections open at once over all the printers, as they see them. The
    // printers' threads post their events here, in the order they happen.
    QObject counter;
    int open = 0;
    int most = 0;
    int made = 0;
    for (const QString &address : addresses) {
        QObject::connect(fleet->printer(address)->eventLog(), &VpEventLog::entryAdded, &counter,
                         [&](const QJsonObject &e) {
                             const QString name = e.value(QStringLiteral("name")).toString();
                             if (name == QLatin1String("client_connected")) {
                                 ++made;
                                 most = std::max(most, ++open);
                             } else if (name == QLatin1String("client_disconnected")) {
                                 --open;
                             }
                         });
    }
    QByteArray lines;
    for (const QString &address : addresses)
        lines += "tcp:" + address.toLatin1() + "\n";
    const QString file = writeFile(QStringLiteral("jobs.targets"), lines);
    // Each printer holds its connection a while: three status requests, each answered.
    const CliResult r = runCli({"run", "--targets", file, "--jobs", QString::number(jobs), "--script", "-"},
                               "setPrinterStatusClicked\nsetPaperStatusClicked\nsetErrorStatusClicked\n");
    QVERIFY2(r.code == 0, qPrintable(r.err + r.out));
    QCOMPARE(r.lines().size(), addresses.size());
    for (const QString &address : addresses)
        fleet->printer(address)->waitForEvent(QStringLiteral("client_disconnected"), 5000);
    QTRY_COMPARE(made, addresses.size());
    QTRY_COMPARE(open, 0);
    QVERIFY2(most <= jobs, qPrintable(QStringLiteral("%1 connections at once").arg(most)));
    QVERIFY(most >= 1);
}

void CliFleetTest::runTargetsSurvivesMisbehavingPrinters()
{
    // Each misbehaves in its own way; every one gets its line, nothing hangs.
    const struct
    {
        const char *address;
        BadPrinter::Mode mode;
    } ports[] = {{"127.0.94.51", BadPrinter::Mode::Garbage},     {"127.0.94.52", BadPrinter::Mode::Silent},
                 {"127.0.94.53", BadPrinter::Mode::ResetMidway}, {"127.0.94.54", BadPrinter::Mode::CloseAtOnce},
                 {"127.0.94.55", BadPrinter::Mode::FullBacklog}};
    std::vector<std::unique_ptr<BadPrinter>> printers;
    QByteArray lines;
    for (const auto &p : ports) {
        printers.push_back(std::make_unique<BadPrinter>());
        QVERIFY(printers.back()->listen(QHostAddress(QLatin1String(p.address)), p.mode));
        lines += QByteArray("tcp:") + p.address + "\n";
    }
    const QString file = writeFile(QStringLiteral("bad.targets"), lines);
    // The printers live in this process: its event loop must run while the
    // command does.
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QM_LANGUAGE"), QStringLiteral("en_US"));
    p.setProcessEnvironment(env);
    p.start(m_cli, {"run", "--targets", file, "--connect-timeout", "500", "--timeout", "500", "--script", "-"});
    QVERIFY(p.waitForStarted());
    p.write("setPrinterStatusClicked\nsetPaperStatusClicked\nsetBuzzerClicked 1 1\n");
    p.closeWriteChannel();
    QTRY_VERIFY_WITH_TIMEOUT(p.state() == QProcess::NotRunning, 60000);
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    const QStringList out = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(out.size(), int(std::size(ports)));
    for (const QString &line : out) {
        const QStringList cols = line.split('\t');
        QVERIFY2(cols.size() >= 2, qPrintable(line));
        QVERIFY2(QStringList({"ok", "failed", "unreachable"}).contains(cols.at(1)), qPrintable(line));
    }
    // A port whose connections never complete is unreachable, and so is the run as a whole.
    QVERIFY(out.filter(QStringLiteral("tcp:127.0.94.55\tunreachable")).size() == 1);
    QCOMPARE(p.exitCode(), 3);
}

void CliFleetTest::strayBytesShiftNoStatus_data()
{
    QTest::addColumn<BadPrinter::Mode>("mode");
    QTest::newRow("one stray byte") << BadPrinter::Mode::StrayByte;
    QTest::newRow("two bytes at once") << BadPrinter::Mode::StrayPair;
    QTest::newRow("bytes that are no status") << BadPrinter::Mode::StrayGarbage;
}

void CliFleetTest::strayBytesShiftNoStatus()
{
    // quillmark status, and run asking for one status, of printers that
    // answer truly (cover closed, drawer closed) but send more than asked.
    QFETCH(BadPrinter::Mode, mode);
    static int row = 0;
    const QString address = QStringLiteral("127.0.94.%1").arg(60 + row++);
    BadPrinter printer;
    QVERIFY(printer.listen(QHostAddress(address), mode));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const CliResult r = runServing({"status", "--tcp", address, "--json"});
        QVERIFY2(r.code == 0, qPrintable(r.err + r.out));
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(o.value("ready").toBool(), true);
        const QJsonArray statuses = o.value("statuses").toArray();
        QCOMPARE(statuses.size(), 4);
        for (int n = 0; n < 4; ++n) {
            QCOMPARE(statuses.at(n).toObject().value("reply").toString(),
                     QString::fromLatin1(QByteArray(1, BadPrinter::healthyStatus(n + 1)).toHex()));
        }
    }
    const CliResult text = runServing({"status", "--tcp", address});
    QVERIFY2(text.code == 0, qPrintable(text.err + text.out));
    QVERIFY2(!text.out.contains(QStringLiteral("Cover open")), qPrintable(text.out));
    QVERIFY2(text.out.contains(QStringLiteral("Both cash drawers closed")), qPrintable(text.out));
    const CliResult offline = runServing({"run", "--tcp", address, "setOfflineStatusClicked"});
    QVERIFY2(offline.code == 0, qPrintable(offline.err + offline.out));
    QVERIFY2(!offline.out.contains(QStringLiteral("Cover open")), qPrintable(offline.out));
}

void CliFleetTest::runTargetsReportsFailures_data()
{
    QTest::addColumn<BadPrinter::Mode>("mode");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message"); // a regular expression, on the result line
    QTest::newRow("resets as it accepts, buzzer")
        << BadPrinter::Mode::ResetAtOnce << "setBuzzerClicked 1 1" << "unreachable" << "connection|reset";
    QTest::newRow("silent, status") << BadPrinter::Mode::Silent << "setPrinterStatusClicked" << "unreachable"
                                    << "did not answer";
    QTest::newRow("garbage, status") << BadPrinter::Mode::Garbage << "setPaperStatusClicked" << "unreachable"
                                     << "not a status byte: 48 54 54 50";
    QTest::newRow("no status byte, status") << BadPrinter::Mode::WrongBits << "setErrorStatusClicked"
                                            << "unreachable" << "did not answer";
    QTest::newRow("paper out, paper status") << BadPrinter::Mode::PaperOut << "setPaperStatusClicked" << "failed"
                                             << "Paper end";
    QTest::newRow("paper out, printer status") << BadPrinter::Mode::PaperOut << "setPrinterStatusClicked"
                                               << "failed" << "Offline";
    QTest::newRow("stray byte, status") << BadPrinter::Mode::StrayByte << "setOfflineStatusClicked" << "ok"
                                        << "Cover closed";
}

void CliFleetTest::runTargetsReportsFailures()
{
    QFETCH(BadPrinter::Mode, mode);
    QFETCH(QString, operation);
    QFETCH(QString, result);
    QFETCH(QString, message);
    static int row = 0;
    const QString address = QStringLiteral("127.0.94.%1").arg(70 + row++);
    BadPrinter printer;
    QVERIFY(printer.listen(QHostAddress(address), mode));
    const QString file = writeFile(QStringLiteral("faulty.targets"), "tcp:" + address.toLatin1() + "\n");
    // Runs of the same printer turn out alike: no outcome depends on timing.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const CliResult r = runServing(QStringList{"run", "--targets", file, "--connect-timeout", "500", "--timeout",
                                                   "500"}
                                       + operation.split(' '));
        const QStringList cols = r.out.trimmed().split('\t');
        QVERIFY2(cols.size() == 3, qPrintable(r.out + r.err));
        QCOMPARE(cols.at(1), result);
        QVERIFY2(cols.at(2).contains(QRegularExpression(message, QRegularExpression::CaseInsensitiveOption)),
                 qPrintable(cols.at(2)));
        QCOMPARE(r.code, result == QLatin1String("ok") ? 0 : result == QLatin1String("failed") ? 1 : 3);
    }
}

void CliFleetTest::rawGivesUpOnAPrinterThatNeverReads()
{
    // The printer accepts and never reads: once the buffers on the way are
    // full nothing moves, and raw gives up after its time-out.
    BadPrinter printer;
    QVERIFY(printer.listen(QHostAddress(QStringLiteral("127.0.94.90")), BadPrinter::Mode::NeverReads));
    const QString job = writeFile(QStringLiteral("large.bin"), QByteArray(16 * 1024 * 1024, 'x'));
    const CliResult r = runServing({"raw", "--tcp", "127.0.94.90", "--timeout", "1000", job});
    QCOMPARE(r.code, 3);
    QVERIFY2(r.err.contains(QStringLiteral("within 1000 ms")), qPrintable(r.err));
    const CliResult bad = runServing({"raw", "--tcp", "127.0.94.90", "--timeout", "0", job});
    QCOMPARE(bad.code, 2);
}

#else

void CliFleetTest::initTestCase()
{
    QSKIP("needs the quillmark program and the virtual printer in the build");
}
void CliFleetTest::scanRangeStreamsThePrinters() {}
void CliFleetTest::inventoryFollowsAMovedPrinter() {}
void CliFleetTest::inventoryLabelsFollowTheMacAddress() {}
void CliFleetTest::inventoryKeepsADamagedFile() {}
void CliFleetTest::sixteenBitRange_data() {}
void CliFleetTest::sixteenBitRange() {}
void CliFleetTest::interruptedSearch_data() {}
void CliFleetTest::interruptedSearch() {}
void CliFleetTest::fullDiskKeepsTheOldFile_data() {}
void CliFleetTest::fullDiskKeepsTheOldFile() {}
void CliFleetTest::badInputIsRefused_data() {}
void CliFleetTest::badInputIsRefused() {}
void CliFleetTest::runTargetsExitStatus_data() {}
void CliFleetTest::runTargetsExitStatus() {}
void CliFleetTest::runTargetsJson() {}
void CliFleetTest::runTargetsScriptFromStandardInput() {}
void CliFleetTest::runTargetsKeepsToTheJobBound_data() {}
void CliFleetTest::runTargetsKeepsToTheJobBound() {}
void CliFleetTest::runTargetsSurvivesMisbehavingPrinters() {}
void CliFleetTest::strayBytesShiftNoStatus_data() {}
void CliFleetTest::strayBytesShiftNoStatus() {}
void CliFleetTest::runTargetsReportsFailures_data() {}
void CliFleetTest::runTargetsReportsFailures() {}
void CliFleetTest::rawGivesUpOnAPrinterThatNeverReads() {}

#endif

QTEST_MAIN(CliFleetTest)
#include "tst_cli_fleet.moc"
