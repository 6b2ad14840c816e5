// quillmark's commands for many printers, run as a separate process against
// virtual printers on 127.0.90.x-127.0.94.x and misbehaving print ports:
// scan --range, inventory (a printer that moves to another address keeps its
// MAC address and its labels in the targets file), run --targets (results
// line by line, exit statuses, the bound on printers at once) and bad input.

#include "support/cli_Run.h"
#include "support/fleet_BadPrinter.h"

#include <QtTest>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

#if __has_include("VirtualPrinter.h") && defined(QM_CLI_BIN)
#define QM_HAVE_CLI_TEST 1
#include "VirtualPrinter.h"
#include "VirtualPrinterFleet.h"
#endif

namespace {
constexpr int ProcessLimitMs = 120000;

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
    void inventoryKeepsADamagedFile();
    void badInputIsRefused_data();
    void badInputIsRefused();
    void runTargetsExitStatus_data();
    void runTargetsExitStatus();
    void runTargetsJson();
    void runTargetsScriptFromStandardInput();
    void runTargetsKeepsToTheJobBound_data();
    void runTargetsKeepsToTheJobBound();
    void runTargetsSurvivesMisbehavingPrinters();

#ifdef QM_HAVE_CLI_TEST
private:
    CliResult runCli(const QStringList &args, const QByteArray &input = QByteArray()) const;
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

#else

void CliFleetTest::initTestCase()
{
    QSKIP("needs the quillmark program and the virtual printer in the build");
}
void CliFleetTest::scanRangeStreamsThePrinters() {}
void CliFleetTest::inventoryFollowsAMovedPrinter() {}
void CliFleetTest::inventoryKeepsADamagedFile() {}
void CliFleetTest::badInputIsRefused_data() {}
void CliFleetTest::badInputIsRefused() {}
void CliFleetTest::runTargetsExitStatus_data() {}
void CliFleetTest::runTargetsExitStatus() {}
void CliFleetTest::runTargetsJson() {}
void CliFleetTest::runTargetsScriptFromStandardInput() {}
void CliFleetTest::runTargetsKeepsToTheJobBound_data() {}
void CliFleetTest::runTargetsKeepsToTheJobBound() {}
void CliFleetTest::runTargetsSurvivesMisbehavingPrinters() {}

#endif

QTEST_MAIN(CliFleetTest)
#include "tst_cli_fleet.moc"
