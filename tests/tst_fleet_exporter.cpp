// quillmark exporter run as a process against virtual printers and print
// ports that misbehave (127.0.13.x): series over HTTP, bad target lines named
// while the rest runs, scrapes that never wait on a printer or on idle
// clients, SIGHUP rereads the targets (and keeps them when the file holds no
// valid line), a port already in use, bad options.

#include "support/fleet_BadPrinter.h"
#include "support/fleet_http.h"

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include <csignal>

#if __has_include("VirtualPrinter.h") && defined(QM_CLI_BIN)
#define QM_HAVE_EXPORTER_TEST 1
#include "VirtualPrinter.h"
#endif

namespace {
constexpr int WaitMs = 15000;
// A scrape is answered within this while idle clients hold connections open
// (they were held half a minute each).
constexpr int ScrapeAnsweredMs = 5000;
const QString ListenAddress = QStringLiteral("127.0.13.1");

QProcessEnvironment englishEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QM_LANGUAGE"), QStringLiteral("en_US"));
    return env;
}

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}
using FleetHttp::valueOf;

QString httpGet(const QString &hostPort)
{
    return FleetHttp::get(hostPort, QStringLiteral("/metrics"), WaitMs);
}

#ifdef QM_HAVE_EXPORTER_TEST
// A printer at address with its print port only.
VirtualPrinterOptions rawPrinter(const QString &address)
{
    VirtualPrinterOptions o;
    o.address = address;
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    return o;
}
#endif
} // namespace

class FleetExporterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void usageErrors_data();
    void usageErrors();
    void helpNamesEverySeries();
    void aPortAlreadyInUse();
    void servesReportsAndRereads();
    void modelFromTheWebPage_data();
    void modelFromTheWebPage();
    void leadingZerosAreDecimal();
    void idleConnectionsHoldUpNoScrape_data();
    void idleConnectionsHoldUpNoScrape();
    void aRereadWithNoValidLineKeepsThePrinters();

#ifdef QM_HAVE_EXPORTER_TEST
private:
    // Starts the exporter; returns the address it serves on ("" on failure).
    QString startExporter(QProcess *p, const QStringList &args);

    QTemporaryDir m_dir;
    QString m_cli;
#endif
};

#ifdef QM_HAVE_EXPORTER_TEST

void FleetExporterTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // A copy of its own, so that its log lands in this folder.
    m_cli = m_dir.filePath(QStringLiteral("quillmark"));
    QVERIFY(QFile::copy(QStringLiteral(QM_CLI_BIN), m_cli));
    QFile::setPermissions(m_cli, QFile::permissions(m_cli) | QFile::ExeOwner);
}

QString FleetExporterTest::startExporter(QProcess *p, const QStringList &args)
{
    p->setProcessEnvironment(englishEnvironment());
    p->start(m_cli, QStringList{QStringLiteral("exporter")} + args);
    if (!p->waitForStarted(WaitMs))
        return QString();
    QByteArray out;
    while (!out.contains('\n') && p->waitForReadyRead(WaitMs))
        out += p->readAllStandardOutput();
    static const QRegularExpression re(QStringLiteral("http://([0-9.]+:[0-9]+)/metrics"));
    return re.match(QString::fromUtf8(out)).captured(1);
}

void FleetExporterTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no targets") << QStringList{} << "Missing targets file: --targets FILE";
    QTest::newRow("unknown option") << QStringList{"--targets", "t", "--frob"} << "frob";
    QTest::newRow("stray word") << QStringList{"--targets", "t", "now"} << "Unknown argument: now";
    QTest::newRow("interval zero") << QStringList{"--targets", "t", "--interval", "0"} << "--interval";
    QTest::newRow("interval text") << QStringList{"--targets", "t", "--interval", "soon"} << "--interval";
    // Not a number, or none a clock can wait: polls without a pause otherwise.
    for (const char *option : {"--interval", "--timeout", "--connect-timeout"}) {
        for (const char *value : {"nan", "NaN", "-nan", "inf", "-inf", "+inf", "infinity", "1e999", "-1e999"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(option), QLatin1String(value))))
                << QStringList{"--targets", "t", option, value} << QString::fromLatin1(option);
        }
    }
    QTest::newRow("timeout text") << QStringList{"--targets", "t", "--timeout", "2s"} << "--timeout";
    QTest::newRow("connect timeout zero") << QStringList{"--targets", "t", "--connect-timeout", "0"}
                                          << "--connect-timeout";
    QTest::newRow("listen without port") << QStringList{"--targets", "t", "--listen", "127.0.0.1"} << "--listen";
    QTest::newRow("listen on a name") << QStringList{"--targets", "t", "--listen", "localhost:9731"} << "--listen";
    QTest::newRow("listen port too big") << QStringList{"--targets", "t", "--listen", "127.0.0.1:70000"} << "--listen";
    QTest::newRow("unreadable targets") << QStringList{"--targets", "/nonexistent/targets"}
                                        << "Cannot read the targets file /nonexistent/targets";
}

void FleetExporterTest::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QProcess p;
    p.setProcessEnvironment(englishEnvironment());
    p.start(m_cli, QStringList{QStringLiteral("exporter")} + args);
    QVERIFY(p.waitForFinished(WaitMs));
    QCOMPARE(p.exitCode(), 2);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(err.contains(message), qPrintable(err));
}

void FleetExporterTest::helpNamesEverySeries()
{
    QProcess p;
    p.setProcessEnvironment(englishEnvironment());
    p.start(m_cli, {QStringLiteral("exporter"), QStringLiteral("--help")});
    QVERIFY(p.waitForFinished(WaitMs));
    QCOMPARE(p.exitCode(), 0);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(out.startsWith(QLatin1String("Usage: quillmark exporter --targets FILE")), qPrintable(out));
    for (const char *name : {"quillmark_printer_up", "quillmark_printer_paper_state", "quillmark_printer_error",
                             "quillmark_printer_info", "quillmark_exporter_poll_duration_seconds", "127.0.0.1:9731"})
        QVERIFY2(out.contains(QLatin1String(name)), name);
    p.start(m_cli, {QStringLiteral("--help")});
    QVERIFY(p.waitForFinished(WaitMs));
    QVERIFY(p.readAllStandardOutput().contains("  exporter "));
}

void FleetExporterTest::aPortAlreadyInUse()
{
    QTcpServer taken;
    QVERIFY(taken.listen(QHostAddress(ListenAddress), 0));
    const QString targets = m_dir.filePath(QStringLiteral("port-targets"));
    QVERIFY(writeFile(targets, "tcp:127.0.13.9\n"));
    QProcess p;
    p.setProcessEnvironment(englishEnvironment());
    p.start(m_cli, {QStringLiteral("exporter"), QStringLiteral("--targets"), targets, QStringLiteral("--listen"),
                    QStringLiteral("%1:%2").arg(ListenAddress).arg(taken.serverPort())});
    QVERIFY(p.waitForFinished(WaitMs));
    QCOMPARE(p.exitCode(), 1);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(err.contains(QStringLiteral("Cannot serve metrics on %1:%2: Address already in use")
                              .arg(ListenAddress)
                              .arg(taken.serverPort())),
             qPrintable(err));
}

void FleetExporterTest::servesReportsAndRereads()
{
    VirtualPrinter paperOut(rawPrinter(QStringLiteral("127.0.13.2")));
    VirtualPrinter later(rawPrinter(QStringLiteral("127.0.13.3")));
    QVERIFY(paperOut.start() && later.start());
    paperOut.setFlag(VpState::PaperOut, true);
    BadPrinter silent, garbage;
    QVERIFY(silent.listen(QHostAddress(QStringLiteral("127.0.13.4")), BadPrinter::Mode::Silent));
    QVERIFY(garbage.listen(QHostAddress(QStringLiteral("127.0.13.5")), BadPrinter::Mode::Garbage));

    const QString targets = m_dir.filePath(QStringLiteral("targets"));
    QVERIFY(writeFile(targets, "# shop 17\n"
                               "tcp:127.0.13.2 site=shop-17 till=1\n"
                               "tcp:127.0.13.4 site=shop-17 till=2\n"
                               "lpt:/dev/lp0\n"
                               "tcp:127.0.13.5 site=\"shop 18\"\n"
                               "queue:Kitchen\n"));
    QProcess p;
    QString err;
    connect(&p, &QProcess::readyReadStandardError, this, [&] { err += QString::fromUtf8(p.readAllStandardError()); });
    // The silent printer's poll outlasts the test: scrapes must not wait for it.
    const QString served = startExporter(&p, {"--targets", targets, "--listen", ListenAddress + ":0", "--interval",
                                              "0.5", "--timeout", "60000"});
    QVERIFY2(!served.isEmpty(), p.readAllStandardError().constData());

    const QString a = QStringLiteral("{site=\"shop-17\",target=\"tcp:127.0.13.2\",till=\"1\"}");
    const QString c = QStringLiteral("{site=\"shop-17\",target=\"tcp:127.0.13.4\",till=\"2\"}");
    const QString d = QStringLiteral("{site=\"shop 18\",target=\"tcp:127.0.13.5\"}");
    QString text;
    QTRY_VERIFY_WITH_TIMEOUT(valueOf(text = httpGet(served), "quillmark_printer_up" + a) == 1.0, WaitMs);
    QCOMPARE(valueOf(text, "quillmark_printer_paper_state{site=\"shop-17\",state=\"out\",target=\"tcp:127.0.13.2\","
                           "till=\"1\"}"),
             1.0);
    QCOMPARE(valueOf(text, "quillmark_printer_online" + a), 0.0);
    QTRY_VERIFY_WITH_TIMEOUT(valueOf(text = httpGet(served), "quillmark_printer_up" + d) == 0.0, WaitMs);
    QCOMPARE(valueOf(text, "quillmark_printer_up" + c), 0.0);
    QCOMPARE(valueOf(text, "quillmark_exporter_targets"), 3.0);
    QVERIFY(!text.contains(QLatin1String("Kitchen")));
    // Many scrapes while the silent printer's poll still hangs.
    QTRY_COMPARE_WITH_TIMEOUT(silent.openNow(), 1, WaitMs);
    for (int i = 0; i < 5; ++i)
        QVERIFY(!httpGet(served).isEmpty());
    QCOMPARE(silent.openNow(), 1);

    QTRY_VERIFY2_WITH_TIMEOUT(err.contains(targets + QStringLiteral(" line 4: Unknown transport: lpt")), qPrintable(err),
                              WaitMs);
    QVERIFY2(err.contains(targets + QStringLiteral(" line 6: A printer queue does not answer status requests")),
             qPrintable(err));

    // SIGHUP: the garbage printer leaves, another comes, the silent one stays.
    QVERIFY(writeFile(targets, "tcp:127.0.13.2 site=shop-17 till=1\n"
                               "tcp:127.0.13.4 site=shop-17 till=2\n"
                               "tcp:127.0.13.3 site=shop-19\n"));
    ::kill(pid_t(p.processId()), SIGHUP);
    const QString b = QStringLiteral("{site=\"shop-19\",target=\"tcp:127.0.13.3\"}");
    QTRY_VERIFY_WITH_TIMEOUT(valueOf(text = httpGet(served), "quillmark_printer_up" + b) == 1.0, WaitMs);
    QVERIFY(!text.contains(QLatin1String("127.0.13.5")));
    QCOMPARE(valueOf(text, "quillmark_exporter_targets"), 3.0);
    QCOMPARE(silent.openNow(), 1);

    // A file that cannot be read keeps what is polled.
    QVERIFY(QFile::remove(targets));
    ::kill(pid_t(p.processId()), SIGHUP);
    QTRY_VERIFY_WITH_TIMEOUT(err.contains(QLatin1String("; polling the 3 printers as before")), WaitMs);
    QCOMPARE(valueOf(httpGet(served), "quillmark_printer_up" + b), 1.0);

    p.terminate();
    QVERIFY(p.waitForFinished(WaitMs));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(silent.openNow(), 0, WaitMs);
}

// The info series names the model from the web page and the MAC address from
// the NetBIOS answer (on loopback no neighbour table names one), and an
// empty MAC address when nothing names it.
void FleetExporterTest::modelFromTheWebPage_data()
{
    QTest::addColumn<bool>("netbios");
    QTest::addColumn<QString>("mac");
    QTest::newRow("NetBIOS answer") << true << "02:00:00:00:0d:06";
    QTest::newRow("no MAC address known") << false << "";
}

void FleetExporterTest::modelFromTheWebPage()
{
    QFETCH(bool, netbios);
    QFETCH(QString, mac);
    VirtualPrinterOptions o;
    o.address = QStringLiteral("127.0.13.6");
    o.model = QStringLiteral("KVZ-L7S");
    o.httpPort = VirtualPrinterOptions::DefaultHttpPort; // the page the model is read from
    o.netbiosPort = netbios ? VirtualPrinterOptions::DefaultNetbiosPort : VirtualPrinterOptions::Off;
    o.mac = QByteArray::fromHex("020000000d06");
    VirtualPrinter printer(o);
    if (!printer.start() || printer.httpPort() != 80)
        QSKIP("port 80 cannot be bound here (root in the test namespace can)");
    const QString targets = m_dir.filePath(QStringLiteral("web-targets"));
    QVERIFY(writeFile(targets, "tcp:127.0.13.6\n"));
    QProcess p;
    const QString served = startExporter(&p, {"--targets", targets, "--listen", ListenAddress + ":0", "--interval", "1"});
    QVERIFY(!served.isEmpty());
    const QString info = QStringLiteral("quillmark_printer_info{mac=\"%1\",model=\"KVZ-L7S\","
                                        "target=\"tcp:127.0.13.6\",transport=\"tcp\"} 1")
                             .arg(mac);
    QString metrics;
    QTRY_VERIFY2_WITH_TIMEOUT((metrics = httpGet(served)).contains(info),
                              qPrintable(metrics.section(QLatin1String("quillmark_printer_info{"), 1, 1).left(200)),
                              WaitMs);
    QVERIFY(!httpGet(served).contains(QLatin1String("00:00:00:00:00:00")));
    p.terminate();
    QVERIFY(p.waitForFinished(WaitMs));
}

// "010" is 10 in the listen address and in a target, as everywhere a person
// types an address (socket and QHostAddress text parsing would read octal 8 or
// refuse it).
void FleetExporterTest::leadingZerosAreDecimal()
{
    VirtualPrinter printer(rawPrinter(QStringLiteral("127.0.13.12")));
    QVERIFY(printer.start());
    const QString targets = m_dir.filePath(QStringLiteral("zero-targets"));
    QVERIFY(writeFile(targets, "tcp:127.0.13.012\n"));
    QProcess p;
    const QString served =
        startExporter(&p, {"--targets", targets, "--listen", "127.0.13.010:0", "--interval", "1"});
    QVERIFY2(served.startsWith(QLatin1String("127.0.13.10:")), qPrintable(served));
    QTRY_COMPARE_WITH_TIMEOUT(valueOf(httpGet(served), "quillmark_printer_up{target=\"tcp:127.0.13.012\"}"), 1.0,
                              WaitMs);
    QVERIFY(!printer.events(QStringLiteral("status_request")).isEmpty());
    p.terminate();
    QVERIFY(p.waitForFinished(WaitMs));
}

void FleetExporterTest::idleConnectionsHoldUpNoScrape_data()
{
    QTest::addColumn<int>("idle");
    QTest::newRow("4 idle") << 4;
    QTest::newRow("64 idle") << 64;
}

// Clients that connect and send nothing (or stall) must not keep scrapes
// waiting: each held a thread of the exposer for half a minute.
void FleetExporterTest::idleConnectionsHoldUpNoScrape()
{
    QFETCH(int, idle);
    const QString targets = m_dir.filePath(QStringLiteral("idle-targets"));
    QVERIFY(writeFile(targets, "tcp:127.0.13.30\n"));
    QProcess p;
    const QString served = startExporter(&p, {"--targets", targets, "--listen", ListenAddress + ":0"});
    QVERIFY(!served.isEmpty());
    QVERIFY(!httpGet(served).isEmpty());
    const quint16 port = quint16(served.section(QLatin1Char(':'), 1).toUInt());
    std::vector<std::unique_ptr<QTcpSocket>> held;
    for (int i = 0; i < idle; ++i) {
        held.push_back(std::make_unique<QTcpSocket>());
        held.back()->connectToHost(QHostAddress(ListenAddress), port);
        QVERIFY(held.back()->waitForConnected(WaitMs));
    }
    // One more that sends half a request and stops.
    QTcpSocket stalled;
    stalled.connectToHost(QHostAddress(ListenAddress), port);
    QVERIFY(stalled.waitForConnected(WaitMs));
    stalled.write("GET /metrics HTTP/1.1\r\nHost: x\r\n");
    QVERIFY(stalled.waitForBytesWritten(WaitMs));
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer clock;
        clock.start();
        const QString text = FleetHttp::get(served, QStringLiteral("/metrics"), ScrapeAnsweredMs);
        QVERIFY2(text.contains(QLatin1String("quillmark_printer_up{target=\"tcp:127.0.13.30\"}")),
                 qPrintable(QStringLiteral("scrape %1 unanswered after %2 ms").arg(i).arg(clock.elapsed())));
    }
    p.terminate();
    QVERIFY(p.waitForFinished(WaitMs));
}

// An empty file, one of comments only or one whose every line is wrong is a
// file caught half-written, not an empty fleet: the printers and their series
// stay, the log and the reload gauge say so. A good reread after it is taken,
// and a printer that only changed its labels keeps its status under them.
void FleetExporterTest::aRereadWithNoValidLineKeepsThePrinters()
{
    VirtualPrinter printer(rawPrinter(QStringLiteral("127.0.13.31")));
    QVERIFY(printer.start());
    const QString targets = m_dir.filePath(QStringLiteral("reload-targets"));
    QVERIFY(writeFile(targets, "tcp:127.0.13.31 site=shop-1\n"));
    QProcess p;
    QString err;
    connect(&p, &QProcess::readyReadStandardError, this, [&] { err += QString::fromUtf8(p.readAllStandardError()); });
    // One round in the test's time: what the series show after a reread is
    // what was carried over, not a new poll.
    const QString served = startExporter(&p, {"--targets", targets, "--listen", ListenAddress + ":0", "--interval", "3600"});
    QVERIFY(!served.isEmpty());
    const QString a = QStringLiteral("{site=\"shop-1\",target=\"tcp:127.0.13.31\"}");
    QString text;
    QTRY_VERIFY_WITH_TIMEOUT(valueOf(text = httpGet(served), "quillmark_printer_up" + a) == 1.0, WaitMs);
    QCOMPARE(valueOf(text, "quillmark_exporter_targets_last_reload_successful"), 1.0);
    const double started = valueOf(text, "quillmark_exporter_targets_last_reload_success_timestamp_seconds");
    QVERIFY2(qAbs(started - QDateTime::currentMSecsSinceEpoch() / 1000.0) < 600, qPrintable(QString::number(started)));

    const struct
    {
        const char *name;
        QByteArray text;
    } broken[] = {{"empty", ""}, {"comments only", "# shop 1\n\n"}, {"every line wrong", "lpt:/dev/lp0\ntcp:\n"}};
    for (const auto &file : broken) {
        err.clear();
        QVERIFY(writeFile(targets, file.text));
        ::kill(pid_t(p.processId()), SIGHUP);
        QTRY_VERIFY2_WITH_TIMEOUT(err.contains(QStringLiteral("The targets file %1 holds no valid line; polling the 1 "
                                                              "printers as before")
                                                   .arg(targets)),
                                  qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(file.name), err)), WaitMs);
        text = httpGet(served);
        QCOMPARE(valueOf(text, "quillmark_exporter_targets_last_reload_successful"), 0.0);
        QCOMPARE(valueOf(text, "quillmark_exporter_targets_last_reload_success_timestamp_seconds"), started);
        QCOMPARE(valueOf(text, "quillmark_printer_up" + a), 1.0);
        QCOMPARE(valueOf(text, "quillmark_exporter_targets"), 1.0);
    }
    QVERIFY2(err.contains(targets + QStringLiteral(" line 1: Unknown transport: lpt")), qPrintable(err));

    // Relabelled: up at once under the new labels, with what it reported.
    QTest::qWait(50); // a later timestamp of the good reread
    QVERIFY(writeFile(targets, "tcp:127.0.13.31 site=shop-2\n"));
    ::kill(pid_t(p.processId()), SIGHUP);
    const QString b = QStringLiteral("{site=\"shop-2\",target=\"tcp:127.0.13.31\"}");
    QTRY_VERIFY_WITH_TIMEOUT(!qIsNaN(valueOf(text = httpGet(served), "quillmark_printer_up" + b)), WaitMs);
    QCOMPARE(valueOf(text, "quillmark_printer_up" + b), 1.0);
    QCOMPARE(valueOf(text, "quillmark_printer_online" + b), 1.0);
    QVERIFY(!text.contains(QLatin1String("shop-1")));
    QCOMPARE(valueOf(text, "quillmark_exporter_targets_last_reload_successful"), 1.0);
    QVERIFY(valueOf(text, "quillmark_exporter_targets_last_reload_success_timestamp_seconds") > started);
    // Polled once, at the start: no poll since.
    QCOMPARE(printer.events(QStringLiteral("status_request")).size(), 4);

    p.terminate();
    QVERIFY(p.waitForFinished(WaitMs));
}

#else
void FleetExporterTest::initTestCase() { QSKIP("quillmark or the virtual printer is not part of this build"); }
void FleetExporterTest::usageErrors_data() {}
void FleetExporterTest::usageErrors() {}
void FleetExporterTest::helpNamesEverySeries() {}
void FleetExporterTest::aPortAlreadyInUse() {}
void FleetExporterTest::servesReportsAndRereads() {}
void FleetExporterTest::modelFromTheWebPage_data() {}
void FleetExporterTest::modelFromTheWebPage() {}
void FleetExporterTest::leadingZerosAreDecimal() {}
void FleetExporterTest::idleConnectionsHoldUpNoScrape_data() {}
void FleetExporterTest::idleConnectionsHoldUpNoScrape() {}
void FleetExporterTest::aRereadWithNoValidLineKeepsThePrinters() {}
#endif

QTEST_GUILESS_MAIN(FleetExporterTest)
#include "tst_fleet_exporter.moc"
