// The exporter's status poller (fleet/StatusPoller) against virtual printers,
// ptys and print ports that misbehave: the four answers of a good printer,
// a clear reason for every one that cannot answer, one request at a time per
// printer, no printer holding up another, deadlines that go with their polls
// and no more lines open at once than the open-file limit allows.

#include "fleet/PrinterMetrics.h"
#include "fleet/StatusPoller.h"
#include "support/fleet_BadPrinter.h"
#include "support/serial_PtyPair.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <mutex>

#include <sys/resource.h>

#if __has_include("VirtualPrinter.h")
#define QM_HAVE_VPRINTER 1
#include "VirtualPrinter.h"
#endif

Q_DECLARE_METATYPE(BadPrinter::Mode)

namespace {
constexpr int WaitMs = 10000;
// Short limits: the printers live on this machine.
constexpr int ConnectMs = 500;
constexpr int AnswerMs = 400;

// The outcomes, collected from the poller's thread.
class Collector : public StatusPoller::Sink
{
public:
    void pollFinished(const StatusPoller::Result &result) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_results.append(result);
    }
    void roundFinished(double, int printers) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_rounds.append(printers);
    }
    QList<StatusPoller::Result> results(const QString &identity = QString()) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        QList<StatusPoller::Result> out;
        for (const StatusPoller::Result &r : m_results) {
            if (identity.isEmpty() || r.identity == identity)
                out.append(r);
        }
        return out;
    }
    QList<int> rounds() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_rounds;
    }

private:
    mutable std::mutex m_mutex;
    QList<StatusPoller::Result> m_results;
    QList<int> m_rounds;
};

PrinterTarget tcp(const QString &address)
{
    PrinterTarget t;
    t.transport = PrinterTarget::Transport::Tcp;
    t.address = address;
    return t;
}

PrinterTarget device(PrinterTarget::Transport transport, const QString &path)
{
    PrinterTarget t;
    t.transport = transport;
    t.address = path;
    return t;
}

StatusPoller::Settings quick(int intervalMs = 60000)
{
    StatusPoller::Settings s;
    s.intervalMs = intervalMs;
    s.connectTimeoutMs = ConnectMs;
    s.answerTimeoutMs = AnswerMs;
    return s;
}

#ifdef QM_HAVE_VPRINTER
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

class FleetPollerTest : public QObject
{
    Q_OBJECT
private slots:
    void requestsAreDleEot();
    void statusOfAVirtualPrinter_data();
    void statusOfAVirtualPrinter();
    void printersThatCannotAnswer_data();
    void printersThatCannotAnswer();
    void strayBytesShiftNoAnswer_data();
    void strayBytesShiftNoAnswer();
    void deviceNodes();
    void aVanishingDeviceNode();
    void aSlowPrinterHoldsUpNoOther();
    void oneRequestAtATimePerPrinter();
    void targetsChangeWhileRunning();
    void roundsAreReported();
    void finishedPollsReleaseTheirDeadlines();
    void moreLinesThanTheOpenFileLimit();
};

void FleetPollerTest::requestsAreDleEot()
{
    QCOMPARE(StatusPoller::request(0), QByteArray("\x10\x04\x01", 3));
    QCOMPARE(StatusPoller::request(3), QByteArray("\x10\x04\x04", 3));
}

void FleetPollerTest::statusOfAVirtualPrinter_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("conditions");
    QTest::newRow("ready") << QString() << "ok";
    QTest::newRow("paper out") << "paper_out" << "offline paper=out";
    QTest::newRow("paper near end") << "paper_near_end" << "paper=near_end";
    QTest::newRow("cover open") << "cover_open" << "offline cover_open";
    QTest::newRow("drawer open") << "drawer_open" << "drawer_open";
    QTest::newRow("offline") << "offline" << "offline";
    QTest::newRow("cutter error") << "cutter_error" << "offline error=cutter";
    QTest::newRow("unrecoverable error") << "unrecoverable_error" << "offline error=unrecoverable";
    QTest::newRow("auto-recoverable error") << "auto_recoverable_error" << "offline error=auto_recoverable";
    QTest::newRow("head overheat") << "head_overheat" << "offline error=auto_recoverable";
    QTest::newRow("mechanical error") << "mechanical_error" << "offline error=mechanical";
}

void FleetPollerTest::statusOfAVirtualPrinter()
{
#ifdef QM_HAVE_VPRINTER
    QFETCH(QString, flag);
    QFETCH(QString, conditions);
    VirtualPrinter printer(rawPrinter(QStringLiteral("127.0.12.1")));
    QVERIFY(printer.start());
    if (!flag.isEmpty())
        QVERIFY(printer.setFlag(flag, true));
    Collector sink;
    StatusPoller poller(quick(), &sink);
    QString error;
    QVERIFY(poller.start(&error));
    poller.setTargets({tcp(QStringLiteral("127.0.12.1"))});
    QTRY_COMPARE_WITH_TIMEOUT(sink.results().size(), 1, WaitMs);
    const StatusPoller::Result r = sink.results().first();
    QCOMPARE(r.identity, QStringLiteral("tcp:127.0.12.1"));
    QVERIFY2(r.answered, qPrintable(r.error));
    QVERIFY(r.reply.isComplete());
    for (int n = 0; n < StatusReply::StatusCount; ++n)
        QCOMPARE(r.reply.byte(n), printer.statusByte(n + 1));
    QCOMPARE(PrinterMetrics::conditionsText(r.reply), conditions);
    QVERIFY(r.roundTripSeconds > 0);
    QVERIFY(qAbs(r.finishedAtMs - QDateTime::currentMSecsSinceEpoch()) < 60000);
    // The printer saw the four requests, one connection, which has ended.
    QTRY_VERIFY_WITH_TIMEOUT(!printer.events(QStringLiteral("client_disconnected")).isEmpty(), WaitMs);
    QCOMPARE(printer.events(QStringLiteral("status_request")).size(), 4);
    QCOMPARE(printer.events(QStringLiteral("client_connected")).size(), 1);
#else
    QSKIP("the virtual printer is not part of this build");
#endif
}

void FleetPollerTest::printersThatCannotAnswer_data()
{
    QTest::addColumn<bool>("listening");
    QTest::addColumn<BadPrinter::Mode>("mode");
    QTest::addColumn<QString>("message"); // a regular expression
    QTest::newRow("nobody listens") << false << BadPrinter::Mode::Silent << "无法连接: Connection refused";
    QTest::newRow("connection hangs") << true << BadPrinter::Mode::FullBacklog << "连接超时（500 毫秒）";
    QTest::newRow("garbage") << true << BadPrinter::Mode::Garbage << "回答不是状态字节: 48 54 54 50";
    QTest::newRow("not a status byte") << true << BadPrinter::Mode::WrongBits << "回答不是状态字节: 00";
    QTest::newRow("accepts, never answers") << true << BadPrinter::Mode::Silent
                                            << "状态查询在 400 毫秒内没有得到回答";
    QTest::newRow("reset midway") << true << BadPrinter::Mode::ResetMidway << "连接被打印机重置";
    // Closed before any request: an orderly close, not a reset.
    QTest::newRow("closes at once") << true << BadPrinter::Mode::CloseAtOnce << "^打印机关闭了连接$";
    QTest::newRow("resets at once") << true << BadPrinter::Mode::ResetAtOnce << "^连接被打印机重置$";
}

void FleetPollerTest::printersThatCannotAnswer()
{
    QFETCH(bool, listening);
    QFETCH(BadPrinter::Mode, mode);
    QFETCH(QString, message);
    static int row = 0;
    const QString address = QStringLiteral("127.0.12.%1").arg(10 + row++); // an address for each row
    BadPrinter bad;
    if (listening)
        QVERIFY(bad.listen(QHostAddress(address), mode));
    Collector sink;
    StatusPoller poller(quick(), &sink);
    QString error;
    QVERIFY(poller.start(&error));
    poller.setTargets({tcp(address)});
    QTRY_COMPARE_WITH_TIMEOUT(sink.results().size(), 1, WaitMs);
    const StatusPoller::Result r = sink.results().first();
    QVERIFY(!r.answered);
    QVERIFY2(r.error.contains(QRegularExpression(message)), qPrintable(r.error));
    if (mode == BadPrinter::Mode::ResetMidway)
        QVERIFY(r.reply.hasByte(0) && !r.reply.hasByte(1));
}

void FleetPollerTest::strayBytesShiftNoAnswer_data()
{
    QTest::addColumn<BadPrinter::Mode>("mode");
    QTest::newRow("one stray byte") << BadPrinter::Mode::StrayByte;
    QTest::newRow("two bytes at once") << BadPrinter::Mode::StrayPair;
    QTest::newRow("bytes that are no status") << BadPrinter::Mode::StrayGarbage;
}

void FleetPollerTest::strayBytesShiftNoAnswer()
{
    // The printers answer truly (cover closed, drawer closed) but send more
    // than they were asked for; every round shows the true state.
    QFETCH(BadPrinter::Mode, mode);
    static int row = 0;
    const QString address = QStringLiteral("127.0.12.%1").arg(40 + row++);
    BadPrinter bad;
    QVERIFY(bad.listen(QHostAddress(address), mode));
    Collector sink;
    StatusPoller poller(quick(300), &sink);
    QString error;
    QVERIFY(poller.start(&error));
    poller.setTargets({tcp(address)});
    const int rounds = 5;
    QTRY_VERIFY_WITH_TIMEOUT(sink.results().size() >= rounds, WaitMs);
    for (const StatusPoller::Result &r : sink.results()) {
        QVERIFY2(r.answered, qPrintable(r.error));
        for (int n = 0; n < StatusReply::StatusCount; ++n)
            QCOMPARE(r.reply.byte(n), quint8(BadPrinter::healthyStatus(n + 1)));
        QCOMPARE(PrinterMetrics::conditionsText(r.reply), QStringLiteral("ok"));
    }
}

void FleetPollerTest::deviceNodes()
{
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("lp0")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    PtyPair silent;
    QVERIFY(silent.isValid());
    PtyPair answering;
    QVERIFY(answering.isValid());

    Collector sink;
    StatusPoller poller(quick(), &sink);
    QString error;
    QVERIFY(poller.start(&error));
    poller.setTargets({device(PrinterTarget::Transport::Usb, dir.filePath(QStringLiteral("missing"))),
                       device(PrinterTarget::Transport::Usb, plain.fileName()),
                       device(PrinterTarget::Transport::Usb, silent.slavePath()),
                       device(PrinterTarget::Transport::Serial, answering.slavePath())});
    // The pty printer answers each request as it comes, in raw mode.
    for (int n = 1; n <= 4; ++n) {
        QCOMPARE(answering.read(3, WaitMs).right(3), QByteArray("\x10\x04", 2) + char(n));
        QVERIFY(answering.write(QByteArray(1, n == 1 ? '\x16' : n == 4 ? '\x1e' : '\x12')));
    }
    QTRY_COMPARE_WITH_TIMEOUT(sink.results().size(), 4, WaitMs);
    const auto one = [&](const QString &path) { return sink.results(QStringLiteral("%1").arg(path)).value(0); };
    const StatusPoller::Result missing = one(QStringLiteral("usb:") + dir.filePath(QStringLiteral("missing")));
    QVERIFY2(missing.error.contains(QStringLiteral("无法打开 %1: No such file or directory")
                                        .arg(dir.filePath(QStringLiteral("missing")))),
             qPrintable(missing.error));
    QVERIFY(one(QStringLiteral("usb:") + plain.fileName()).error.startsWith(QStringLiteral("%1 不是设备节点").arg(plain.fileName())));
    QCOMPARE(one(QStringLiteral("usb:") + silent.slavePath()).error, QStringLiteral("状态查询在 400 毫秒内没有得到回答"));
    const StatusPoller::Result good = one(QStringLiteral("serial:") + answering.slavePath());
    QVERIFY2(good.answered, qPrintable(good.error));
    QCOMPARE(PrinterMetrics::conditionsText(good.reply), QStringLiteral("paper=near_end"));
}

void FleetPollerTest::aVanishingDeviceNode()
{
    // The line goes while the poller waits for an answer.
    auto pty = std::make_unique<PtyPair>();
    QVERIFY(pty->isValid());
    Collector sink;
    StatusPoller::Settings s = quick();
    s.answerTimeoutMs = 30000;
    StatusPoller poller(s, &sink);
    QString error;
    QVERIFY(poller.start(&error));
    const QString path = pty->slavePath();
    poller.setTargets({device(PrinterTarget::Transport::Usb, path)});
    QCOMPARE(pty->read(3, WaitMs), QByteArray("\x10\x04\x01", 3));
    pty->closeMaster();
    QTRY_COMPARE_WITH_TIMEOUT(sink.results().size(), 1, WaitMs);
    QVERIFY2(sink.results().first().error.startsWith(QStringLiteral("设备已断开")), qPrintable(sink.results().first().error));
}

void FleetPollerTest::aSlowPrinterHoldsUpNoOther()
{
#ifdef QM_HAVE_VPRINTER
    BadPrinter silent;
    QVERIFY(silent.listen(QHostAddress(QStringLiteral("127.0.12.60")), BadPrinter::Mode::Silent));
    VirtualPrinter printer(rawPrinter(QStringLiteral("127.0.12.61")));
    QVERIFY(printer.start());
    Collector sink;
    StatusPoller::Settings s = quick(500);
    s.answerTimeoutMs = 60000; // the silent printer's poll outlasts the test
    StatusPoller poller(s, &sink);
    QString error;
    QVERIFY(poller.start(&error));
    poller.setTargets({tcp(QStringLiteral("127.0.12.60")), tcp(QStringLiteral("127.0.12.61"))});
    // Round after round the good printer answers while the silent one's
    // first poll is still waiting.
    QTRY_VERIFY_WITH_TIMEOUT(sink.results(QStringLiteral("tcp:127.0.12.61")).size() >= 3, WaitMs);
    QVERIFY(sink.results(QStringLiteral("tcp:127.0.12.60")).isEmpty());
    for (const StatusPoller::Result &r : sink.results(QStringLiteral("tcp:127.0.12.61")))
        QVERIFY(r.answered);
#else
    QSKIP("the virtual printer is not part of this build");
#endif
}

void FleetPollerTest::oneRequestAtATimePerPrinter()
{
    BadPrinter silent;
    QVERIFY(silent.listen(QHostAddress(QStringLiteral("127.0.12.62")), BadPrinter::Mode::Silent));
    Collector sink;
    StatusPoller::Settings s = quick(50); // rounds far more often than polls end
    s.answerTimeoutMs = 300;
    StatusPoller poller(s, &sink);
    QString error;
    QVERIFY(poller.start(&error));
    poller.setTargets({tcp(QStringLiteral("127.0.12.62"))});
    QTRY_VERIFY_WITH_TIMEOUT(sink.results().size() >= 3, WaitMs);
    QCOMPARE(silent.mostAtOnce(), 1);
    // A connection per poll, no more.
    QVERIFY(silent.connectionsMade() <= sink.results().size() + 1);
}

void FleetPollerTest::targetsChangeWhileRunning()
{
#ifdef QM_HAVE_VPRINTER
    BadPrinter silent;
    QVERIFY(silent.listen(QHostAddress(QStringLiteral("127.0.12.63")), BadPrinter::Mode::Silent));
    VirtualPrinter printer(rawPrinter(QStringLiteral("127.0.12.64")));
    QVERIFY(printer.start());
    Collector sink;
    StatusPoller::Settings s = quick();
    s.answerTimeoutMs = 60000;
    StatusPoller poller(s, &sink);
    QString error;
    QVERIFY(poller.start(&error));
    poller.setTargets({tcp(QStringLiteral("127.0.12.63"))});
    QTRY_COMPARE_WITH_TIMEOUT(silent.openNow(), 1, WaitMs);
    // The silent printer leaves the list: its poll is cut short, and the
    // new printer is asked at once, not at the next round a minute later.
    poller.setTargets({tcp(QStringLiteral("127.0.12.64"))});
    QTRY_COMPARE_WITH_TIMEOUT(silent.openNow(), 0, WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(sink.results(QStringLiteral("tcp:127.0.12.64")).size(), 1, WaitMs);
    QVERIFY(sink.results(QStringLiteral("tcp:127.0.12.63")).isEmpty());
    // Queue targets are not polled.
    PrinterTarget queue;
    queue.transport = PrinterTarget::Transport::Queue;
    queue.address = QStringLiteral("Kitchen");
    poller.setTargets({queue});
    QTest::qWait(200);
    QVERIFY(sink.results(QStringLiteral("queue:Kitchen")).isEmpty());
#else
    QSKIP("the virtual printer is not part of this build");
#endif
}

void FleetPollerTest::roundsAreReported()
{
#ifdef QM_HAVE_VPRINTER
    VirtualPrinter a(rawPrinter(QStringLiteral("127.0.12.65")));
    VirtualPrinter b(rawPrinter(QStringLiteral("127.0.12.66")));
    QVERIFY(a.start() && b.start());
    Collector sink;
    // The first round has ended before the second starts: a round skips the
    // printers still being asked, so a slow first answer would make a smaller
    // second round finish first.
    StatusPoller poller(quick(1000), &sink);
    poller.setTargets({tcp(QStringLiteral("127.0.12.65")), tcp(QStringLiteral("127.0.12.66")),
                       tcp(QStringLiteral("127.0.12.67"))});
    QString error;
    QVERIFY(poller.start(&error));
    QTRY_VERIFY_WITH_TIMEOUT(sink.rounds().size() >= 2, WaitMs);
    QCOMPARE(sink.rounds().first(), 3);
    poller.stop();
    const int after = sink.results().size();
    QTest::qWait(400);
    QCOMPARE(sink.results().size(), after);
#else
    QSKIP("the virtual printer is not part of this build");
#endif
}

// Long limits and a short interval: the deadlines of polls that ended long
// before their limits must not stay behind round after round.
void FleetPollerTest::finishedPollsReleaseTheirDeadlines()
{
#ifdef QM_HAVE_VPRINTER
    VirtualPrinter a(rawPrinter(QStringLiteral("127.0.12.70")));
    VirtualPrinter b(rawPrinter(QStringLiteral("127.0.12.71")));
    QVERIFY(a.start() && b.start());
    BadPrinter silent;
    QVERIFY(silent.listen(QHostAddress(QStringLiteral("127.0.12.72")), BadPrinter::Mode::Silent));
    Collector sink;
    StatusPoller::Settings s = quick(20);
    s.connectTimeoutMs = s.answerTimeoutMs = 60000;
    StatusPoller poller(s, &sink);
    QString error;
    QVERIFY(poller.start(&error));
    poller.setTargets({tcp(QStringLiteral("127.0.12.70")), tcp(QStringLiteral("127.0.12.71")),
                       tcp(QStringLiteral("127.0.12.72"))});
    QTRY_VERIFY_WITH_TIMEOUT(sink.results(QStringLiteral("tcp:127.0.12.71")).size() >= 40, WaitMs);
    // One deadline for each poll under way, however many have ended.
    QVERIFY2(poller.deadlineCount() <= 3, qPrintable(QString::number(poller.deadlineCount())));
    QVERIFY(sink.results(QStringLiteral("tcp:127.0.12.72")).isEmpty());
    QVERIFY(poller.deadlineCount() >= 1); // the silent printer's
    poller.stop();
    QCOMPARE(poller.deadlineCount(), std::size_t(0));
#else
    QSKIP("the virtual printer is not part of this build");
#endif
}

// A fleet larger than the files the process may open: the polls beyond the
// limit wait for lines to close instead of failing, and every printer answers.
void FleetPollerTest::moreLinesThanTheOpenFileLimit()
{
#ifndef QM_VPRINTER_BIN
    QSKIP("the virtual printer is not part of this build");
#else
    constexpr int Printers = 200;
    constexpr int Room = 40; // descriptors beyond those kept for the rest of the program
    QProcess fleet;
    fleet.setProcessChannelMode(QProcess::MergedChannels);
    fleet.start(QStringLiteral(QM_VPRINTER_BIN), {QStringLiteral("--fleet"), QStringLiteral("127.0.15.1+%1").arg(Printers)});
    QByteArray out;
    while (!out.contains("ready") && fleet.waitForReadyRead(WaitMs))
        out += fleet.readAll();
    QVERIFY2(out.contains("ready"), out.constData());

    // The limit of this process, for the time of the test.
    struct LowLimit
    {
        rlimit before{};
        bool set = false;
        ~LowLimit()
        {
            if (set)
                ::setrlimit(RLIMIT_NOFILE, &before);
        }
    } limit;
    QCOMPARE(::getrlimit(RLIMIT_NOFILE, &limit.before), 0);
    rlimit low = limit.before;
    low.rlim_cur = StatusPoller::ReservedFiles + Room;
    QVERIFY(low.rlim_cur < rlim_t(Printers) && low.rlim_cur <= limit.before.rlim_max);
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &low), 0);
    limit.set = true;
    QList<PrinterTarget> targets;
    QStringList identities;
    for (int i = 1; i <= Printers; ++i) {
        targets << tcp(QStringLiteral("127.0.15.%1").arg(i));
        identities << targets.last().identity();
    }
    Collector sink;
    {
        StatusPoller poller(quick(200), &sink);
        QString error;
        QVERIFY(poller.start(&error));
        poller.setTargets(targets);
        QTRY_VERIFY_WITH_TIMEOUT(sink.rounds().size() >= 3, WaitMs * 3);
        poller.stop();
        QCOMPARE(poller.maxOpen(), Room);
    }
    fleet.terminate();
    fleet.waitForFinished(WaitMs);

    QStringList failed;
    for (const StatusPoller::Result &r : sink.results()) {
        if (!r.answered)
            failed << r.identity + QStringLiteral(": ") + r.error;
        identities.removeAll(r.identity);
    }
    QVERIFY2(failed.isEmpty(), qPrintable(failed.mid(0, 5).join(QLatin1Char('\n'))));
    QVERIFY2(identities.isEmpty(), qPrintable(identities.join(QLatin1Char(' '))));
#endif
}

QTEST_GUILESS_MAIN(FleetPollerTest)
#include "tst_fleet_poller.moc"
