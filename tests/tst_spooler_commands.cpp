// Every command operation reaches a printer behind a CUPS raw queue byte-exact,
// one job per command: the same bytes the builders hand a directly connected
// transport.
#include "support/RecordingManager.h"
#include "support/TestAppDir.h"
#include "support/serial_CommandCalls.h"
#include "support/spooler_RawSink.h"
#include "support/spooler_TestCupsd.h"
#include "app/base/Logger.h"
#include "transport/spooler/PrintDriverManager.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
constexpr int PerJobMs = 2000;
constexpr int MinimumWaitMs = 20000;
const QString Queue = QStringLiteral("QM_Commands");
} // namespace

class TestSpoolerCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyOperationArrivesByteExact();

private:
    std::unique_ptr<TestAppDir> m_appDir;
    TestCupsd m_cupsd;
    RawSink m_sink;
};

void TestSpoolerCommands::initTestCase()
{
    QString why;
    if (!TestCupsd::isInstalled(&why))
        QSKIP(qPrintable(why));
    m_appDir = std::make_unique<TestAppDir>();
    Logger::getInstance();
    QVERIFY(m_sink.listen());
    QVERIFY2(m_cupsd.start(&why), qPrintable(why));
    qputenv("CUPS_SERVER", QFile::encodeName(m_cupsd.server()));
    QVERIFY2(m_cupsd.addRawQueue(Queue, m_sink.socketUri(), &why), qPrintable(why));
}

void TestSpoolerCommands::everyOperationArrivesByteExact()
{
    PrintDriverManager driver;
    QVERIFY(driver.connectDevice(Queue, "", "", ""));
    QSignalSpy failed(&driver, &PrintDriverManager::printJobFailed);
    RecordingManager direct(CommType::Driver);
    QVERIFY(direct.connectDevice({}, {}, {}, {}));

    // Each builder emission is one job; remember which operation sent it.
    QList<QByteArray> expected;
    QStringList sender;
    QStringList emptyFrom;
    for (const CommandCalls::Call &call : CommandCalls::all()) {
        direct.written.clear();
        QVERIFY2(CommandCalls::invoke(&direct, call), call.name().constData());
        QVERIFY2(CommandCalls::invoke(&driver, call), call.name().constData());
        for (const QByteArray &job : qAsConst(direct.written)) {
            // The scheduler refuses a document without data; the manager
            // passes the refusal on.
            if (job.isEmpty()) {
                emptyFrom << QString::fromLatin1(call.name());
                continue;
            }
            expected << job;
            sender << QString::fromLatin1(call.name());
        }
    }
    if (!emptyFrom.isEmpty())
        qInfo("empty commands from: %s", qPrintable(emptyFrom.join(", ")));
    // Commands return before their jobs are through: wait for the outcomes.
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), emptyFrom.size(), qMax(MinimumWaitMs, PerJobMs * int(expected.size())));
    for (const auto &args : qAsConst(failed))
        QCOMPARE(args, (QList<QVariant>{Queue, QString("发送数据到打印机失败")}));
    QVERIFY(!expected.isEmpty());

    m_sink.waitForJobs(expected.size(), qMax(MinimumWaitMs, PerJobMs * int(expected.size())));
    const QList<QByteArray> got = m_sink.jobs();
    for (int i = 0; i < qMin(got.size(), expected.size()); ++i) {
        if (got.at(i) != expected.at(i))
            QFAIL(qPrintable(QString("job %1 (%2): expected %3, got %4")
                                 .arg(i)
                                 .arg(sender.at(i), QString::fromLatin1(expected.at(i).toHex(' ')),
                                      QString::fromLatin1(got.at(i).toHex(' ')))));
    }
    QCOMPARE(got.size(), expected.size());
    qInfo("%d jobs from %d operations", int(expected.size()), int(CommandCalls::all().size()));
}

QTEST_MAIN(TestSpoolerCommands)
#include "tst_spooler_commands.moc"
