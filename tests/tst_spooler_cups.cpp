// The print-spooler transport against a private CUPS scheduler whose raw
// queues send to a printer port on loopback.
#include "app/base/AppPaths.h"
#include "app/base/Logger.h"
#include "platform/CupsPrintQueueService.h"
#include "support/cli_Run.h"
#include "support/spooler_RawSink.h"
#include "support/spooler_TestCupsd.h"
#include "transport/spooler/PrintDriverManager.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QUrl>
#include <QtTest>

#include <memory>

namespace {

constexpr int JobArrivalMs = 20000;
const QString RawQueue = QStringLiteral("QM_Raw");
const QString SecondQueue = QStringLiteral("QM_Second");
const QString MissingQueue = QStringLiteral("QM_Missing");

} // namespace

// Stands in for the browser: records the pages the manager asks to open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestSpoolerCups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void listing();
    void commandLineListsTheQueues();
    void selection();
    void selectionFailures();
    void rawJobArrivesByteExact();
    void textJob_data();
    void textJob();
    void textJobRefusals();
    void commandsGoOutAsJobs();
    void emptyJob();
    void jobToMissingPrinter();
    void printerPages();
    void schedulerHangs();
    void commandsDoNotWaitForTheScheduler();
    void schedulerDies();

private:
    QTemporaryDir m_appDir;
    TestCupsd m_cupsd;
    RawSink m_sink;
    RawSink m_secondSink;
};

void TestSpoolerCups::initTestCase()
{
    QString why;
    if (!TestCupsd::isInstalled(&why))
        QSKIP(qPrintable(why));
    QVERIFY(m_appDir.isValid());
    AppPaths::setDirectory(m_appDir.path());
    Logger::getInstance();

    QVERIFY(m_sink.listen());
    QVERIFY(m_secondSink.listen());
    QVERIFY2(m_cupsd.start(&why), qPrintable(why));
    // The manager's default service reads the scheduler from the environment.
    qputenv("CUPS_SERVER", QFile::encodeName(m_cupsd.server()));
    QVERIFY2(m_cupsd.addRawQueue(RawQueue, m_sink.socketUri(), &why), qPrintable(why));
    QVERIFY2(m_cupsd.addRawQueue(SecondQueue, m_secondSink.socketUri(), &why), qPrintable(why));
}

void TestSpoolerCups::cleanupTestCase()
{
    m_cupsd.stop();
}

void TestSpoolerCups::init()
{
    m_sink.clear();
    m_secondSink.clear();
}

void TestSpoolerCups::listing()
{
    PrintDriverManager manager;
    QCOMPARE(manager.getAvailablePrinters(), (QStringList{RawQueue, SecondQueue}));

    QSignalSpy changed(&manager, &PrintDriverManager::availablePrintersChanged);
    manager.refreshDeviceList();
    QTRY_COMPARE(changed.count(), 1);
    const QVariantList list = manager.getDeviceList();
    QCOMPARE(list.size(), 2);
    const QVariantMap first = list.at(0).toMap();
    QCOMPARE(first.value("name").toString(), RawQueue);
    for (const char *key : {"ip", "mac", "devPath"}) {
        QVERIFY(first.contains(key));
        QCOMPARE(first.value(key).toString(), QString());
    }

    QVERIFY(manager.isPrinterAvailable(RawQueue));
    QVERIFY(manager.isPrinterAvailable(SecondQueue));
    QVERIFY(!manager.isPrinterAvailable(MissingQueue));
    QVERIFY(!manager.isPrinterAvailable("qm_raw"));
    QVERIFY(!manager.isPrinterAvailable(""));
}

void TestSpoolerCups::commandLineListsTheQueues()
{
#ifndef QM_CLI_BIN
    QSKIP("quillmark is not built");
#else
    // A copy of its own, so that its configuration and log land in this folder.
    const QString cli = m_appDir.filePath(QStringLiteral("quillmark"));
    QVERIFY(QFile::exists(cli) || QFile::copy(QStringLiteral(QM_CLI_BIN), cli));
    QFile::setPermissions(cli, QFile::permissions(cli) | QFile::ExeOwner);
    const CliResult listed = runQuillmark(cli, {QStringLiteral("list"), QStringLiteral("queues")});
    QCOMPARE(listed.code, 0);
    QCOMPARE(listed.lines(), (QStringList{RawQueue, SecondQueue}));

    // No scheduler behind the socket: said, and not an empty list.
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", QFile::encodeName(m_appDir.filePath(QStringLiteral("no-cupsd.sock"))));
    const CliResult unreachable = runQuillmark(cli, {QStringLiteral("list"), QStringLiteral("queues")});
    const CliResult json = runQuillmark(cli, {QStringLiteral("list"), QStringLiteral("queues"), QStringLiteral("--json")});
    qputenv("CUPS_SERVER", server);
    for (const CliResult &r : {unreachable, json}) {
        QCOMPARE(r.code, 3);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.contains(QStringLiteral("Could not reach the print service (CUPS scheduler): ")
                                + m_appDir.filePath(QStringLiteral("no-cupsd.sock"))),
                 qPrintable(r.err));
    }
#endif
}

void TestSpoolerCups::selection()
{
    PrintDriverManager manager;
    QSignalSpy status(&manager, &CommunicationInterface::connectionStatusChanged);
    QSignalSpy current(&manager, &PrintDriverManager::currentPrinterChanged);
    QSignalSpy failed(&manager, &CommunicationInterface::sigConnectionFailTcp);

    QVERIFY(manager.connectDevice(RawQueue, "", "", ""));
    QCOMPARE(manager.currentPrinter(), RawQueue);
    QVERIFY(manager.hasBuilders());
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.at(0).at(0).toBool(), true);
    QCOMPARE(current.count(), 1);

    // The same printer again: connected once more, but the selection did not change.
    QVERIFY(manager.connectDevice(RawQueue, "", "", ""));
    QCOMPARE(status.count(), 2);
    QCOMPARE(current.count(), 1);

    QVERIFY(manager.connectDevice(SecondQueue, "", "", ""));
    QCOMPARE(manager.currentPrinter(), SecondQueue);
    QCOMPARE(current.count(), 2);

    status.clear();
    current.clear();
    manager.disconnectDevice();
    QCOMPARE(manager.currentPrinter(), QString());
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.at(0).at(0).toBool(), false);
    QCOMPARE(current.count(), 1);
    manager.disconnectDevice();
    QCOMPARE(status.count(), 1);
    QCOMPARE(current.count(), 1);
    QCOMPARE(failed.count(), 0);
}

void TestSpoolerCups::selectionFailures()
{
    PrintDriverManager manager;
    QVERIFY(manager.connectDevice(RawQueue, "", "", ""));
    QSignalSpy status(&manager, &CommunicationInterface::connectionStatusChanged);
    QSignalSpy failed(&manager, &CommunicationInterface::sigConnectionFailTcp);

    QVERIFY(!manager.connectDevice("", "", "", ""));
    QVERIFY(!manager.connectDevice(MissingQueue, "", "", ""));
    QCOMPARE(failed.count(), 2);
    QCOMPARE(failed.at(0).at(0).toString(), QString("打印机名称为空"));
    QCOMPARE(failed.at(1).at(0).toString(), QString("打印机不可用: ") + MissingQueue);
    QCOMPARE(status.count(), 0);
    // A failed selection keeps the printer that was selected.
    QCOMPARE(manager.currentPrinter(), RawQueue);
}

void TestSpoolerCups::rawJobArrivesByteExact()
{
    PrintDriverManager manager;
    QSignalSpy done(&manager, &PrintDriverManager::printJobCompleted);
    QSignalSpy failed(&manager, &PrintDriverManager::printJobFailed);

    QByteArray every;
    for (int i = 0; i < 256; ++i)
        every.append(char(i));
    every += QByteArray(20000, '\x1B');

    // Not the current printer: none is selected at all.
    QVERIFY(manager.sendESCposData(RawQueue, every));
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(0).toString(), RawQueue);
    QCOMPARE(failed.count(), 0);
    QVERIFY(m_sink.waitForJobs(1, JobArrivalMs));
    QCOMPARE(m_sink.jobs(), QList<QByteArray>{every});

    QVERIFY(manager.sendESCposData(SecondQueue, "\x1B\x40"));
    QVERIFY(m_secondSink.waitForJobs(1, JobArrivalMs));
    QCOMPARE(m_secondSink.jobs(), QList<QByteArray>{QByteArray("\x1B\x40")});

    QStringList formats;
    const QStringList names = m_cupsd.jobNames(SecondQueue, &formats);
    QCOMPARE(names, QStringList{"ESC_POS_Print"});
    QCOMPARE(formats, QStringList{"application/vnd.cups-raw"});
}

void TestSpoolerCups::textJob_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ABC") << "ABC" << QByteArray::fromHex("1b404142430a0a");
    QTest::newRow("GBK") << "打印 OK" << QByteArray::fromHex("1b40b4f2d3a1204f4b0a0a");
    QTest::newRow("line feeds kept") << "a\nb" << QByteArray::fromHex("1b40610a620a0a");
}

void TestSpoolerCups::textJob()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    PrintDriverManager manager;
    QVERIFY(manager.connectDevice(RawQueue, "", "", ""));
    QSignalSpy done(&manager, &PrintDriverManager::printJobCompleted);

    QVERIFY(manager.sendTextData(text));
    QCOMPARE(done.count(), 1);
    QVERIFY(m_sink.waitForJobs(1, JobArrivalMs));
    QCOMPARE(m_sink.jobs(), QList<QByteArray>{bytes});
}

void TestSpoolerCups::textJobRefusals()
{
    PrintDriverManager manager;
    QSignalSpy failed(&manager, &PrintDriverManager::printJobFailed);
    QVERIFY(!manager.sendTextData("ABC"));
    QVERIFY(manager.connectDevice(RawQueue, "", "", ""));
    QVERIFY(!manager.sendTextData(""));
    QCOMPARE(failed.count(), 2);
    QCOMPARE(failed.at(0), (QList<QVariant>{QString(), QString("未选择打印机")}));
    QCOMPARE(failed.at(1), (QList<QVariant>{RawQueue, QString("打印内容为空")}));
    QVERIFY(!m_sink.waitForJobs(1, 500));
}

void TestSpoolerCups::commandsGoOutAsJobs()
{
    PrintDriverManager manager;
    QSignalSpy done(&manager, &PrintDriverManager::printJobCompleted);
    QSignalSpy failed(&manager, &PrintDriverManager::printJobFailed);

    // No printer selected: nothing is sent and nothing is said.
    QVERIFY(!manager.writeRaw("x"));
    QCOMPARE(done.count() + failed.count(), 0);

    QVERIFY(manager.connectDevice(RawQueue, "", "", ""));
    manager.setBuzzerClicked(3, 2);
    manager.setPrinterStatusClicked();
    manager.onBuilderData(CommType::Serial, "ignored");
    manager.onBuilderData(CommType::Tcp, "ignored");
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 2, JobArrivalMs);
    // One job per command.
    QVERIFY(m_sink.waitForJobs(2, JobArrivalMs));
    QCOMPARE(m_sink.jobs(), (QList<QByteArray>{QByteArray::fromHex("1b42030200"), QByteArray::fromHex("100401")}));

    // After deselection the builders stay; their output goes to a job without
    // a printer, which fails and says so.
    manager.disconnectDevice();
    manager.setBuzzerClicked(1, 1);
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(done.count(), 2);
    QCOMPARE(failed.at(0).at(0).toString(), QString());
    QCOMPARE(failed.at(0).at(1).toString(), QString("无法打开打印机: "));
}

void TestSpoolerCups::emptyJob()
{
    // Not refused by the manager: the spooler decides, and the signal matches.
    PrintDriverManager manager;
    QSignalSpy done(&manager, &PrintDriverManager::printJobCompleted);
    QSignalSpy failed(&manager, &PrintDriverManager::printJobFailed);
    const bool ok = manager.sendESCposData(RawQueue, QByteArray());
    QCOMPARE(done.count(), ok ? 1 : 0);
    QCOMPARE(failed.count(), ok ? 0 : 1);
    if (!ok)
        QCOMPARE(failed.at(0).at(1).toString(), QString("发送数据到打印机失败"));
}

void TestSpoolerCups::jobToMissingPrinter()
{
    PrintDriverManager manager;
    QSignalSpy done(&manager, &PrintDriverManager::printJobCompleted);
    QSignalSpy failed(&manager, &PrintDriverManager::printJobFailed);
    QVERIFY(!manager.sendESCposData(MissingQueue, "\x1B\x40"));
    QCOMPARE(done.count(), 0);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0), (QList<QVariant>{MissingQueue, QString("无法打开打印机: ") + MissingQueue}));
}

void TestSpoolerCups::printerPages()
{
    UrlRecorder browser;
    QDesktopServices::setUrlHandler("http", &browser, "open");
    PrintDriverManager manager;
    manager.openPrinterQueue(RawQueue);
    manager.openPrinterGeneralTab(RawQueue);
    manager.openPrinterQueue("");
    manager.openPrinterGeneralTab("");
    manager.openPrinterGeneralTab("Front desk #2");
    QDesktopServices::unsetUrlHandler("http");

    QCOMPARE(browser.urls.size(), 3);
    QCOMPARE(browser.urls.at(0), QUrl("http://localhost:631/printers/QM_Raw?which_jobs=all"));
    QCOMPARE(browser.urls.at(1), QUrl("http://localhost:631/printers/QM_Raw"));
    QCOMPARE(browser.urls.at(2).path(), QString("/printers/Front desk #2"));
    QVERIFY(browser.urls.at(2).toEncoded().endsWith("/printers/Front%20desk%20%232"));
}

void TestSpoolerCups::schedulerHangs()
{
    PrintDriverManager manager;
    QVERIFY(manager.connectDevice(RawQueue, "", "", ""));
    QSignalSpy failed(&manager, &PrintDriverManager::printJobFailed);

    m_cupsd.pause();
    const bool sent = manager.sendTextData("ABC");

    // The call came back (bounded waits) and said why.
    QVERIFY(!sent);
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, JobArrivalMs);
    m_cupsd.resume();
    QCOMPARE(failed.at(0).at(0).toString(), RawQueue);
    QVERIFY2(failed.at(0).at(1).toString() == QString("无法打开打印机: ") + RawQueue
                 || failed.at(0).at(1).toString() == QString("发送数据到打印机失败"),
             qPrintable(failed.at(0).at(1).toString()));

    // Awake again, the scheduler serves the next job.
    QVERIFY(manager.sendTextData("ABC"));
    QVERIFY(m_sink.waitForJobs(1, JobArrivalMs));
    QCOMPARE(m_sink.jobs().last(), QByteArray::fromHex("1b404142430a0a"));
}

// A command and a list refresh return before the scheduler has answered; what
// it answers (here: nothing, so both fail) follows as their signals.
void TestSpoolerCups::commandsDoNotWaitForTheScheduler()
{
    PrintDriverManager manager;
    QVERIFY(manager.connectDevice(RawQueue, "", "", ""));
    QSignalSpy done(&manager, &PrintDriverManager::printJobCompleted);
    QSignalSpy failed(&manager, &PrintDriverManager::printJobFailed);
    QSignalSpy listed(&manager, &PrintDriverManager::availablePrintersChanged);

    m_cupsd.pause();
    manager.setBuzzerClicked(1, 1);
    manager.refreshPrinters();
    QCOMPARE(done.count() + failed.count(), 0);
    QCOMPARE(listed.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, JobArrivalMs);
    QTRY_COMPARE_WITH_TIMEOUT(listed.count(), 1, JobArrivalMs);
    m_cupsd.resume();
    QCOMPARE(failed.at(0).at(0).toString(), RawQueue);
    QCOMPARE(manager.getAvailablePrinters(), QStringList());

    manager.refreshPrinters();
    QTRY_COMPARE(manager.getAvailablePrinters(), (QStringList{RawQueue, SecondQueue}));
}

void TestSpoolerCups::schedulerDies()
{
    PrintDriverManager manager;
    QVERIFY(manager.connectDevice(RawQueue, "", "", ""));
    QSignalSpy failed(&manager, &PrintDriverManager::printJobFailed);
    QSignalSpy connectFailed(&manager, &CommunicationInterface::sigConnectionFailTcp);

    m_cupsd.crash();
    QVERIFY(!manager.sendESCposData(RawQueue, "\x1B\x40"));
    manager.setBuzzerClicked(1, 1);
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 2, JobArrivalMs);
    for (const auto &args : failed)
        QCOMPARE(args, (QList<QVariant>{RawQueue, QString("无法打开打印机: ") + RawQueue}));

    QSignalSpy listed(&manager, &PrintDriverManager::availablePrintersChanged);
    manager.refreshPrinters();
    QTRY_COMPARE(listed.count(), 1);
    QCOMPARE(manager.getAvailablePrinters(), QStringList());
    QVERIFY(!manager.isPrinterAvailable(RawQueue));
    QVERIFY(!manager.connectDevice(RawQueue, "", "", ""));
    QCOMPARE(connectFailed.count(), 1);
    QCOMPARE(connectFailed.at(0).at(0).toString(), QString("打印机不可用: ") + RawQueue);
}

QTEST_MAIN(TestSpoolerCups)
#include "tst_spooler_cups.moc"
