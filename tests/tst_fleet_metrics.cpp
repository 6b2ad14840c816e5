// The exporter's series (fleet/PrinterMetrics) as Prometheus reads them: what
// each status bit turns into, labels from the targets file, series of a
// printer that stops answering, leaves the list or changes its labels (and
// keeps what it reported), readings of the targets file, and what a poll
// changed for the log.

#include "fleet/PrinterMetrics.h"
#include "fleet/TargetFile.h"
#include "support/fleet_http.h"

#include <prometheus/text_serializer.h>

#include <QtTest>

namespace {
// As a scrape reads it: through the kept collection, which every recording
// must renew.
QString exposition(const PrinterMetrics &metrics)
{
    const prometheus::TextSerializer serializer;
    return QString::fromStdString(serializer.Serialize(metrics.Collect()));
}

// The sample lines (no comments) of an exposition.
QStringList samples(const PrinterMetrics &metrics)
{
    QStringList out;
    for (const QString &line : exposition(metrics).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.startsWith(QLatin1Char('#')))
            out.append(line);
    }
    return out;
}

// The value of one series ("name{a=\"1\",b=\"2\"}", labels in name order);
// NaN when it is not there.
double valueOf(const PrinterMetrics &metrics, const QString &series)
{
    return FleetHttp::valueOf(exposition(metrics), series);
}

bool has(const PrinterMetrics &metrics, const QString &series)
{
    return !qIsNaN(valueOf(metrics, series));
}

StatusPoller::Result answered(const QString &identity, const QByteArray &bytes, double rtt = 0.004,
                              qint64 atMs = 1700000000123)
{
    StatusPoller::Result r;
    r.identity = identity;
    r.answered = true;
    for (int i = 0; i < bytes.size(); ++i)
        r.reply.setByte(i, quint8(bytes.at(i)));
    r.roundTripSeconds = rtt;
    r.finishedAtMs = atMs;
    return r;
}

StatusPoller::Result silent(const QString &identity, const QString &error)
{
    StatusPoller::Result r;
    r.identity = identity;
    r.error = error;
    return r;
}

QList<PrinterTarget> targets(const char *text)
{
    return TargetFile::parse(text).targets;
}

const QString A = QStringLiteral("{site=\"s1\",target=\"tcp:10.0.0.1\",till=\"2\"}");
} // namespace

class FleetMetricsTest : public QObject
{
    Q_OBJECT
private slots:
    void newPrintersStartDown();
    void statusBitsBecomeSeries_data();
    void statusBitsBecomeSeries();
    void aPrinterThatStopsAnswering();
    void identityGoesIntoInfo();
    void printersLeavingOrChanging();
    void rounds();
    void reloads();
    void changesForTheLog();
    void namesFollowTheConventions();
};

void FleetMetricsTest::newPrintersStartDown()
{
    PrinterMetrics m;
    m.setTargets(targets("tcp:10.0.0.1 site=s1 till=2\nserial:/dev/ttyS0:9600\nqueue:Kitchen\n"));
    QCOMPARE(valueOf(m, "quillmark_printer_up" + A), 0.0);
    QCOMPARE(valueOf(m, "quillmark_printer_up{target=\"serial:/dev/ttyS0:9600\"}"), 0.0);
    QCOMPARE(valueOf(m, "quillmark_printer_info{mac=\"\",model=\"\",site=\"s1\",target=\"tcp:10.0.0.1\",till=\"2\","
                        "transport=\"tcp\"}"),
             1.0);
    QCOMPARE(valueOf(m, "quillmark_exporter_targets"), 2.0);
    // A queue answers no status requests: no series for it.
    QVERIFY(!exposition(m).contains(QLatin1String("queue:Kitchen")));
    // Nothing is known of a printer not yet asked.
    QVERIFY(!has(m, "quillmark_printer_online" + A));
    QVERIFY(!has(m, "quillmark_printer_last_seen_timestamp_seconds" + A));
}

void FleetMetricsTest::statusBitsBecomeSeries_data()
{
    QTest::addColumn<QByteArray>("bytes"); // answers to DLE EOT 1..4
    QTest::addColumn<int>("online");
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("cover");
    QTest::addColumn<int>("drawer");
    QTest::addColumn<QString>("error"); // the kind set, or empty
    QTest::newRow("ready") << QByteArray::fromHex("16121212") << 1 << "ok" << 0 << 0 << QString();
    QTest::newRow("drawer open") << QByteArray::fromHex("12121212") << 1 << "ok" << 0 << 1 << QString();
    QTest::newRow("offline") << QByteArray::fromHex("1e121212") << 0 << "ok" << 0 << 0 << QString();
    QTest::newRow("cover open") << QByteArray::fromHex("1e161212") << 0 << "ok" << 1 << 0 << QString();
    QTest::newRow("near end, bit 2") << QByteArray::fromHex("16121216") << 1 << "near_end" << 0 << 0 << QString();
    QTest::newRow("near end, bit 3") << QByteArray::fromHex("1612121a") << 1 << "near_end" << 0 << 0 << QString();
    QTest::newRow("paper end sensor") << QByteArray::fromHex("1e121232") << 0 << "out" << 0 << 0 << QString();
    QTest::newRow("second paper end bit") << QByteArray::fromHex("16121252") << 1 << "out" << 0 << 0 << QString();
    QTest::newRow("stopped for paper") << QByteArray::fromHex("1e321212") << 0 << "out" << 0 << 0 << QString();
    QTest::newRow("out wins over near end") << QByteArray::fromHex("1e32127e") << 0 << "out" << 0 << 0 << QString();
    QTest::newRow("cutter") << QByteArray::fromHex("1e521a12") << 0 << "ok" << 0 << 0 << "cutter";
    QTest::newRow("unrecoverable") << QByteArray::fromHex("1e523212") << 0 << "ok" << 0 << 0 << "unrecoverable";
    QTest::newRow("auto-recoverable") << QByteArray::fromHex("1e525212") << 0 << "ok" << 0 << 0 << "auto_recoverable";
    QTest::newRow("mechanical") << QByteArray::fromHex("1e521612") << 0 << "ok" << 0 << 0 << "mechanical";
}

void FleetMetricsTest::statusBitsBecomeSeries()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, online);
    QFETCH(QString, paper);
    QFETCH(int, cover);
    QFETCH(int, drawer);
    QFETCH(QString, error);
    PrinterMetrics m;
    m.setTargets(targets("tcp:10.0.0.1 site=s1 till=2\n"));
    m.record(answered(QStringLiteral("tcp:10.0.0.1"), bytes, 0.25, 1700000000123));
    QCOMPARE(valueOf(m, "quillmark_printer_up" + A), 1.0);
    QCOMPARE(valueOf(m, "quillmark_printer_online" + A), double(online));
    for (const char *state : {"ok", "near_end", "out"}) {
        const QString series = QStringLiteral("quillmark_printer_paper_state{site=\"s1\",state=\"%1\",target=\"tcp:10.0.0.1\","
                                              "till=\"2\"}")
                                   .arg(QLatin1String(state));
        QCOMPARE(valueOf(m, series), paper == QLatin1String(state) ? 1.0 : 0.0);
    }
    QCOMPARE(valueOf(m, "quillmark_printer_cover_open" + A), double(cover));
    QCOMPARE(valueOf(m, "quillmark_printer_drawer_open" + A), double(drawer));
    for (const char *kind : {"cutter", "unrecoverable", "auto_recoverable", "mechanical"}) {
        const QString series = QStringLiteral("quillmark_printer_error{kind=\"%1\",site=\"s1\",target=\"tcp:10.0.0.1\","
                                              "till=\"2\"}")
                                   .arg(QLatin1String(kind));
        QCOMPARE(valueOf(m, series), error == QLatin1String(kind) ? 1.0 : 0.0);
    }
    QCOMPARE(valueOf(m, "quillmark_printer_status_rtt_seconds" + A), 0.25);
    QCOMPARE(valueOf(m, "quillmark_printer_last_seen_timestamp_seconds" + A), 1700000000.123);
}

void FleetMetricsTest::aPrinterThatStopsAnswering()
{
    PrinterMetrics m;
    m.setTargets(targets("tcp:10.0.0.1 site=s1 till=2\n"));
    m.record(answered(QStringLiteral("tcp:10.0.0.1"), QByteArray::fromHex("1e321272")));
    m.record(silent(QStringLiteral("tcp:10.0.0.1"), QStringLiteral("连接超时（3000 毫秒）")));
    QCOMPARE(valueOf(m, "quillmark_printer_up" + A), 0.0);
    // What it reported is not known now; when it was last seen still is.
    for (const char *name : {"quillmark_printer_online", "quillmark_printer_cover_open", "quillmark_printer_drawer_open",
                             "quillmark_printer_status_rtt_seconds"})
        QVERIFY2(!has(m, QLatin1String(name) + A), name);
    QVERIFY(!exposition(m).contains(QLatin1String("quillmark_printer_paper_state{")));
    QVERIFY(!exposition(m).contains(QLatin1String("quillmark_printer_error{")));
    QCOMPARE(valueOf(m, "quillmark_printer_last_seen_timestamp_seconds" + A), 1700000000.123);
    // Back again.
    m.record(answered(QStringLiteral("tcp:10.0.0.1"), QByteArray::fromHex("16121212"), 0.01, 1700000100000));
    QCOMPARE(valueOf(m, "quillmark_printer_up" + A), 1.0);
    QCOMPARE(valueOf(m, "quillmark_printer_online" + A), 1.0);
    QCOMPARE(valueOf(m, "quillmark_printer_last_seen_timestamp_seconds" + A), 1700000100.0);
    // A result for a printer not in the list changes nothing.
    const PrinterMetrics::Change c = m.record(answered(QStringLiteral("tcp:10.9.9.9"), QByteArray::fromHex("16121212")));
    QVERIFY(!c.known);
    QVERIFY(!exposition(m).contains(QLatin1String("10.9.9.9")));
}

void FleetMetricsTest::identityGoesIntoInfo()
{
    PrinterMetrics m;
    m.setTargets(targets("tcp:10.0.0.1 site=s1 till=2\n"));
    // Scraped before the model is known: the next scrape must show it.
    QVERIFY(!exposition(m).contains(QLatin1String("KVZ-L7N")));
    m.setIdentity(QStringLiteral("tcp:10.0.0.1"), QStringLiteral("KVZ-L7N"), QStringLiteral("00:11:22:33:44:55"));
    QCOMPARE(valueOf(m, "quillmark_printer_info{mac=\"00:11:22:33:44:55\",model=\"KVZ-L7N\",site=\"s1\","
                        "target=\"tcp:10.0.0.1\",till=\"2\",transport=\"tcp\"}"),
             1.0);
    QCOMPARE(exposition(m).count(QLatin1String("quillmark_printer_info{")), 1);
    m.setIdentity(QStringLiteral("tcp:10.0.0.2"), QStringLiteral("KVZ-L7S"), QString()); // not in the list
    QVERIFY(!exposition(m).contains(QLatin1String("KVZ-L7S")));
}

void FleetMetricsTest::printersLeavingOrChanging()
{
    PrinterMetrics m;
    m.setTargets(targets("tcp:10.0.0.1 site=s1 till=2\ntcp:10.0.0.2\n"));
    m.record(answered(QStringLiteral("tcp:10.0.0.1"), QByteArray::fromHex("1e321212"), 0.25, 1700000000123));
    m.record(answered(QStringLiteral("tcp:10.0.0.2"), QByteArray::fromHex("16121212")));
    m.setIdentity(QStringLiteral("tcp:10.0.0.1"), QStringLiteral("KVZ-L7N"), QStringLiteral("00:11:22:33:44:55"));
    m.setIdentity(QStringLiteral("tcp:10.0.0.2"), QStringLiteral("KVZ-L7K"), QString());
    // 10.0.0.1 gets another label, 10.0.0.2 leaves, 10.0.0.3 comes; the same
    // printer on another line keeps its series.
    m.setTargets(targets("# moved\ntcp:10.0.0.3\ntcp:10.0.0.1 site=s2 till=2\n"));
    const QString text = exposition(m);
    QVERIFY(!text.contains(QLatin1String("10.0.0.2")));
    QVERIFY(!text.contains(QLatin1String("site=\"s1\"")));
    // What the relabelled printer reported stays, under its new labels,
    // until its next poll.
    const QString b = QStringLiteral("{site=\"s2\",target=\"tcp:10.0.0.1\",till=\"2\"}");
    QCOMPARE(valueOf(m, "quillmark_printer_up" + b), 1.0);
    QCOMPARE(valueOf(m, "quillmark_printer_online" + b), 0.0);
    QCOMPARE(valueOf(m, "quillmark_printer_paper_state{site=\"s2\",state=\"out\",target=\"tcp:10.0.0.1\",till=\"2\"}"),
             1.0);
    QCOMPARE(valueOf(m, "quillmark_printer_status_rtt_seconds" + b), 0.25);
    QCOMPARE(valueOf(m, "quillmark_printer_last_seen_timestamp_seconds" + b), 1700000000.123);
    QCOMPARE(valueOf(m, "quillmark_printer_info{mac=\"00:11:22:33:44:55\",model=\"KVZ-L7N\",site=\"s2\","
                        "target=\"tcp:10.0.0.1\",till=\"2\",transport=\"tcp\"}"),
             1.0);
    QCOMPARE(text.count(QLatin1String("quillmark_printer_up{")), 2);
    QCOMPARE(text.count(QLatin1String("quillmark_printer_paper_state{")), 3);
    const PrinterMetrics::Change next = m.record(answered(QStringLiteral("tcp:10.0.0.1"), QByteArray::fromHex("1e321212")));
    QVERIFY(!next.first && next.wasUp && !next.conditionsChanged);
    // Labels written in another order are the same series.
    m.setTargets(targets("tcp:10.0.0.3\ntcp:10.0.0.1 till=2 site=s2\n"));
    QCOMPARE(valueOf(m, "quillmark_printer_up" + b), 1.0);
    QCOMPARE(valueOf(m, "quillmark_printer_up{target=\"tcp:10.0.0.3\"}"), 0.0);
    QCOMPARE(valueOf(m, "quillmark_exporter_targets"), 2.0);
    m.setTargets(targets("tcp:10.0.0.3\n"));
    m.record(answered(QStringLiteral("tcp:10.0.0.3"), QByteArray::fromHex("16121212")));
    m.setTargets(targets("\n\ntcp:10.0.0.3\n"));
    QCOMPARE(valueOf(m, "quillmark_printer_online{target=\"tcp:10.0.0.3\"}"), 1.0);
    m.setTargets({});
    QCOMPARE(samples(m).filter(QStringLiteral("quillmark_printer_")).size(), 0);
    QCOMPARE(valueOf(m, "quillmark_exporter_targets"), 0.0);
}

void FleetMetricsTest::rounds()
{
    PrinterMetrics m;
    QCOMPARE(valueOf(m, "quillmark_exporter_poll_rounds_total"), 0.0);
    m.recordRound(0.5);
    m.recordRound(1.25);
    QCOMPARE(valueOf(m, "quillmark_exporter_poll_duration_seconds"), 1.25);
    QCOMPARE(valueOf(m, "quillmark_exporter_poll_rounds_total"), 2.0);
}

void FleetMetricsTest::reloads()
{
    PrinterMetrics m;
    m.recordReload(true, 1700000000500);
    QCOMPARE(valueOf(m, "quillmark_exporter_targets_last_reload_successful"), 1.0);
    QCOMPARE(valueOf(m, "quillmark_exporter_targets_last_reload_success_timestamp_seconds"), 1700000000.5);
    // A refused reading keeps the time of the last good one.
    m.recordReload(false, 1700000100000);
    QCOMPARE(valueOf(m, "quillmark_exporter_targets_last_reload_successful"), 0.0);
    QCOMPARE(valueOf(m, "quillmark_exporter_targets_last_reload_success_timestamp_seconds"), 1700000000.5);
    m.recordReload(true, 1700000200000);
    QCOMPARE(valueOf(m, "quillmark_exporter_targets_last_reload_successful"), 1.0);
    QCOMPARE(valueOf(m, "quillmark_exporter_targets_last_reload_success_timestamp_seconds"), 1700000200.0);
}

void FleetMetricsTest::changesForTheLog()
{
    PrinterMetrics m;
    m.setTargets(targets("tcp:10.0.0.1\n"));
    const QString id = QStringLiteral("tcp:10.0.0.1");
    PrinterMetrics::Change c = m.record(answered(id, QByteArray::fromHex("16121212")));
    QVERIFY(c.known && c.first && c.isUp && !c.wasUp);
    QCOMPARE(c.conditions, QStringLiteral("ok"));
    c = m.record(answered(id, QByteArray::fromHex("16121212")));
    QVERIFY(!c.first && c.wasUp && !c.conditionsChanged);
    c = m.record(answered(id, QByteArray::fromHex("1e32127e")));
    QVERIFY(c.conditionsChanged);
    QCOMPARE(c.conditions, QStringLiteral("offline paper=out"));
    c = m.record(silent(id, QStringLiteral("a")));
    QVERIFY(c.wasUp && !c.isUp && c.errorChanged);
    c = m.record(silent(id, QStringLiteral("a")));
    QVERIFY(!c.wasUp && !c.errorChanged);
    c = m.record(silent(id, QStringLiteral("b")));
    QVERIFY(c.errorChanged);
    c = m.record(answered(id, QByteArray::fromHex("1e32127e")));
    QVERIFY(!c.wasUp && c.isUp && c.conditionsChanged);
}

void FleetMetricsTest::namesFollowTheConventions()
{
    // Every family has its help and type; units in the names are base units.
    PrinterMetrics m;
    m.setTargets(targets("tcp:10.0.0.1\n"));
    m.record(answered(QStringLiteral("tcp:10.0.0.1"), QByteArray::fromHex("16121212")));
    const QString text = exposition(m);
    const QStringList families{"quillmark_printer_up",
                               "quillmark_printer_online",
                               "quillmark_printer_paper_state",
                               "quillmark_printer_cover_open",
                               "quillmark_printer_drawer_open",
                               "quillmark_printer_error",
                               "quillmark_printer_status_rtt_seconds",
                               "quillmark_printer_last_seen_timestamp_seconds",
                               "quillmark_printer_info",
                               "quillmark_exporter_poll_duration_seconds",
                               "quillmark_exporter_targets",
                               "quillmark_exporter_targets_last_reload_successful",
                               "quillmark_exporter_targets_last_reload_success_timestamp_seconds"};
    for (const QString &f : families) {
        QVERIFY2(text.contains(QStringLiteral("# HELP %1 ").arg(f)), qPrintable(f));
        QVERIFY2(text.contains(QStringLiteral("# TYPE %1 gauge\n").arg(f)), qPrintable(f));
    }
    QVERIFY(text.contains(QLatin1String("# TYPE quillmark_exporter_poll_rounds_total counter\n")));
}

QTEST_GUILESS_MAIN(FleetMetricsTest)
#include "tst_fleet_metrics.moc"
