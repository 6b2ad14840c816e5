// The exporter seen through a real Prometheus server (the Debian package's),
// all on loopback: a fleet of virtual printers (127.0.14.x, one process),
// quillmark exporter polling them each second, Prometheus scraping it each
// second with the alert rules loaded. One printer runs out of paper and one
// is switched off; the query API and the alerts show both.

#include "support/fleet_http.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {
constexpr int WaitMs = 30000;
constexpr int Printers = 12;
const QString PaperOutPrinter = QStringLiteral("127.0.14.3");
const QString SwitchedOffPrinter = QStringLiteral("127.0.14.5");

// A port nobody listens on now.
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// The targets of a query's result vector ("tcp:127.0.14.3", ...), sorted.
QStringList targetsOf(const QString &prometheus, const QString &query)
{
    const QString body = FleetHttp::get(
        prometheus, QStringLiteral("/api/v1/query?query=") + QString::fromLatin1(QUrl::toPercentEncoding(query)));
    const QJsonObject answer = QJsonDocument::fromJson(body.toUtf8()).object();
    QStringList targets;
    for (const QJsonValue &v : answer.value(QStringLiteral("data")).toObject().value(QStringLiteral("result")).toArray())
        targets << v.toObject().value(QStringLiteral("metric")).toObject().value(QStringLiteral("target")).toString();
    targets.sort();
    return targets;
}

// The firing (or pending) alerts: "QuillmarkPrinterPaperOut tcp:127.0.14.3 firing".
QStringList alertsOf(const QString &prometheus)
{
    const QString body = FleetHttp::get(prometheus, QStringLiteral("/api/v1/alerts"));
    QStringList out;
    const QJsonArray alerts = QJsonDocument::fromJson(body.toUtf8()).object().value("data").toObject().value("alerts").toArray();
    for (const QJsonValue &v : alerts) {
        const QJsonObject a = v.toObject();
        const QJsonObject labels = a.value(QStringLiteral("labels")).toObject();
        out << QStringLiteral("%1 %2 %3").arg(labels.value("alertname").toString(), labels.value("target").toString(),
                                              a.value("state").toString());
    }
    return out;
}
} // namespace

class FleetPrometheusTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void prometheusSeesPaperOutAndASwitchedOffPrinter();

private:
    bool startAndWait(QProcess *p, const QString &program, const QStringList &args, const QByteArray &marker,
                      QByteArray *output);

    QTemporaryDir m_dir;
    QProcess m_fleet, m_exporter, m_prometheus;
    QString m_served;     // the exporter's ADDRESS:PORT
    QString m_prometheusAt;
};

bool FleetPrometheusTest::startAndWait(QProcess *p, const QString &program, const QStringList &args,
                                       const QByteArray &marker, QByteArray *output)
{
    p->setProcessChannelMode(QProcess::MergedChannels);
    p->start(program, args);
    if (!p->waitForStarted(WaitMs))
        return false;
    while (!output->contains(marker) && p->waitForReadyRead(WaitMs))
        *output += p->readAll();
    return output->contains(marker);
}

void FleetPrometheusTest::initTestCase()
{
#if !defined(QM_CLI_BIN) || !defined(QM_VPRINTER_BIN)
    QSKIP("quillmark or the virtual printer is not part of this build");
#else
    const QString prometheus = QStandardPaths::findExecutable(QStringLiteral("prometheus"));
    if (prometheus.isEmpty())
        QSKIP("prometheus is not installed (scripts/deps.sh installs it)");
    QVERIFY(m_dir.isValid());

    QByteArray out;
    QVERIFY2(startAndWait(&m_fleet, QStringLiteral(QM_VPRINTER_BIN),
                          {QStringLiteral("--fleet"), QStringLiteral("127.0.14.1+%1").arg(Printers)}, "ready", &out),
             out.constData());

    QFile targets(m_dir.filePath(QStringLiteral("targets")));
    QVERIFY(targets.open(QIODevice::WriteOnly));
    for (int i = 1; i <= Printers; ++i)
        targets.write(QStringLiteral("tcp:127.0.14.%1 site=shop-%2\n").arg(i).arg(i % 3).toUtf8());
    targets.close();
    // A copy of its own, so that its log lands in the temporary folder.
    const QString cli = m_dir.filePath(QStringLiteral("quillmark"));
    QVERIFY(QFile::copy(QStringLiteral(QM_CLI_BIN), cli));
    QFile::setPermissions(cli, QFile::permissions(cli) | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QM_LANGUAGE"), QStringLiteral("en_US"));
    m_exporter.setProcessEnvironment(env);
    out.clear();
    QVERIFY2(startAndWait(&m_exporter, cli,
                          {QStringLiteral("exporter"), QStringLiteral("--targets"), targets.fileName(),
                           QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--interval"),
                           QStringLiteral("1")},
                          "/metrics", &out),
             out.constData());
    m_served = QRegularExpression(QStringLiteral("http://([0-9.]+:[0-9]+)/metrics")).match(QString::fromUtf8(out)).captured(1);
    QVERIFY(!m_served.isEmpty());

    // Prometheus with a configuration, data folder and port of its own.
    m_prometheusAt = QStringLiteral("127.0.0.1:%1").arg(freePort());
    QFile config(m_dir.filePath(QStringLiteral("prometheus.yml")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("global:\n"
                                "  scrape_interval: 1s\n"
                                "  evaluation_interval: 1s\n"
                                "rule_files:\n"
                                "  - %1/packaging/prometheus/quillmark.rules.yml\n"
                                "scrape_configs:\n"
                                "  - job_name: quillmark\n"
                                "    static_configs:\n"
                                "      - targets: ['%2']\n")
                     .arg(QStringLiteral(QM_SOURCE_DIR), m_served)
                     .toUtf8());
    config.close();
    out.clear();
    QVERIFY2(startAndWait(&m_prometheus, prometheus,
                          {QStringLiteral("--config.file=") + config.fileName(),
                           QStringLiteral("--storage.tsdb.path=") + m_dir.filePath(QStringLiteral("data")),
                           QStringLiteral("--web.listen-address=") + m_prometheusAt},
                          "Server is ready to receive web requests", &out),
             out.right(2000).constData());
#endif
}

void FleetPrometheusTest::cleanupTestCase()
{
    for (QProcess *p : {&m_prometheus, &m_exporter, &m_fleet}) {
        if (p->state() == QProcess::NotRunning)
            continue;
        p->terminate();
        if (!p->waitForFinished(WaitMs))
            p->kill();
        p->waitForFinished();
    }
}

void FleetPrometheusTest::prometheusSeesPaperOutAndASwitchedOffPrinter()
{
    QStringList all;
    for (int i = 1; i <= Printers; ++i)
        all << QStringLiteral("tcp:127.0.14.%1").arg(i);
    all.sort();
    // Every printer answers, as Prometheus sees it.
    QTRY_COMPARE_WITH_TIMEOUT(targetsOf(m_prometheusAt, QStringLiteral("quillmark_printer_up == 1")), all, WaitMs);
    QCOMPARE(targetsOf(m_prometheusAt, QStringLiteral("quillmark_printer_paper_state{state=\"out\"} == 1")), QStringList());

    m_fleet.write(QStringLiteral("printer %1 set paper_out on\nprinter %2 off\n")
                      .arg(PaperOutPrinter, SwitchedOffPrinter)
                      .toUtf8());
    QTRY_COMPARE_WITH_TIMEOUT(targetsOf(m_prometheusAt, QStringLiteral("quillmark_printer_paper_state{state=\"out\"} == 1")),
                              QStringList{QStringLiteral("tcp:") + PaperOutPrinter}, WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(targetsOf(m_prometheusAt, QStringLiteral("quillmark_printer_up == 0")),
                              QStringList{QStringLiteral("tcp:") + SwitchedOffPrinter}, WaitMs);
    // The rules are loaded: paper out fires at once, the printer that went
    // away is pending its five minutes.
    QTRY_VERIFY_WITH_TIMEOUT(alertsOf(m_prometheusAt).contains(QStringLiteral("QuillmarkPrinterPaperOut tcp:%1 firing")
                                                                   .arg(PaperOutPrinter)),
                             WaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(alertsOf(m_prometheusAt).contains(QStringLiteral("QuillmarkPrinterDown tcp:%1 pending")
                                                                   .arg(SwitchedOffPrinter)),
                             WaitMs);
    // Back on: it answers again.
    m_fleet.write(QStringLiteral("printer %1 on\n").arg(SwitchedOffPrinter).toUtf8());
    QTRY_COMPARE_WITH_TIMEOUT(targetsOf(m_prometheusAt, QStringLiteral("quillmark_printer_up == 0")), QStringList(), WaitMs);
}

QTEST_GUILESS_MAIN(FleetPrometheusTest)
#include "tst_fleet_prometheus.moc"
