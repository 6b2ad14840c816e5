// The print-spooler manager's own rules, over a queue service that records
// what it is asked: the excluded system printers, result mapping, job shape.
#include "app/base/AppPaths.h"
#include "app/base/Logger.h"
#include "platform/PrintQueueService.h"
#include "transport/spooler/PrintDriverManager.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class FakeQueues : public PrintQueueService
{
public:
    struct Job
    {
        QString queue;
        QString document;
        QByteArray data;
    };

    QStringList names;
    JobResult result = JobResult::Completed;
    QList<Job> jobs;
    int listQueries = 0;

    QStringList queueNames() override
    {
        ++listQueries;
        return names;
    }
    JobResult submitRawJob(const QString &queue, const QString &document, const QByteArray &data) override
    {
        jobs.append({queue, document, data});
        return result;
    }
    QUrl queuePageUrl(const QString &queue) const override { return QUrl("test:queue/" + queue); }
    QUrl propertiesPageUrl(const QString &queue) const override { return QUrl("test:props/" + queue); }
};

} // namespace

class TestSpoolerManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void excludedSystemPrinters();
    void listFollowsTheSpooler();
    void jobResults_data();
    void jobResults();
    void emptyDataIsStillAJob();
    void availabilityIsAskedFresh();

private:
    QTemporaryDir m_appDir;
};

void TestSpoolerManager::initTestCase()
{
    QVERIFY(m_appDir.isValid());
    AppPaths::setDirectory(m_appDir.path());
    Logger::getInstance();
}

void TestSpoolerManager::excludedSystemPrinters()
{
    auto *queues = new FakeQueues;
    queues->names = QStringList{"Microsoft Print to PDF", "Microsoft XPS Document Writer"};
    PrintDriverManager manager(queues);
    QCOMPARE(manager.getAvailablePrinters(), QStringList());
    QCOMPARE(manager.getDeviceList(), QVariantList());
    QVERIFY(manager.isPrinterAvailable("Microsoft Print to PDF"));
    QVERIFY(manager.isPrinterAvailable("Microsoft XPS Document Writer"));

    queues->names = QStringList{"microsoft print to pdf", "Kitchen", "Microsoft XPS Document Writer", "Microsoft Print to PDF "};
    manager.refreshPrinters();
    QTRY_COMPARE(manager.getAvailablePrinters(), (QStringList{"microsoft print to pdf", "Kitchen", "Microsoft Print to PDF "}));
}

void TestSpoolerManager::listFollowsTheSpooler()
{
    auto *queues = new FakeQueues;
    queues->names = QStringList{"B", "A"};
    PrintDriverManager manager(queues);
    QSignalSpy changed(&manager, &PrintDriverManager::availablePrintersChanged);
    QCOMPARE(manager.getAvailablePrinters(), (QStringList{"B", "A"}));
    // Emitted on every refresh, also when nothing changed.
    manager.refreshPrinters();
    manager.refreshDeviceList();
    QTRY_COMPARE(changed.count(), 2);
    queues->names.clear();
    manager.refreshPrinters();
    QTRY_COMPARE(changed.count(), 3);
    QCOMPARE(manager.getAvailablePrinters(), QStringList());
    QCOMPARE(manager.property("isPrinting").toBool(), false);
}

void TestSpoolerManager::jobResults_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("message");
    QTest::newRow("completed") << int(PrintQueueService::JobResult::Completed) << true << QString();
    QTest::newRow("open failed") << int(PrintQueueService::JobResult::OpenFailed) << false
                                 << QString("无法打开打印机: P1");
    QTest::newRow("failed") << int(PrintQueueService::JobResult::Failed) << false << QString("发送数据到打印机失败");
}

void TestSpoolerManager::jobResults()
{
    QFETCH(int, result);
    QFETCH(bool, ok);
    QFETCH(QString, message);
    auto *queues = new FakeQueues;
    queues->names = QStringList{"P1"};
    queues->result = PrintQueueService::JobResult(result);
    PrintDriverManager manager(queues);
    QSignalSpy done(&manager, &PrintDriverManager::printJobCompleted);
    QSignalSpy failed(&manager, &PrintDriverManager::printJobFailed);

    QCOMPARE(manager.sendESCposData("P1", "\x1B\x40"), ok);
    QCOMPARE(queues->jobs.size(), 1);
    QCOMPARE(queues->jobs.at(0).queue, QString("P1"));
    QCOMPARE(queues->jobs.at(0).document, QString("ESC_POS_Print"));
    QCOMPARE(queues->jobs.at(0).data, QByteArray("\x1B\x40"));
    if (ok) {
        QCOMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(0).toString(), QString("P1"));
        QCOMPARE(failed.count(), 0);
    } else {
        QCOMPARE(done.count(), 0);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.at(0), (QList<QVariant>{QString("P1"), message}));
    }
}

void TestSpoolerManager::emptyDataIsStillAJob()
{
    auto *queues = new FakeQueues;
    queues->names = QStringList{"P1"};
    PrintDriverManager manager(queues);
    QVERIFY(manager.sendESCposData("P1", QByteArray()));
    QCOMPARE(queues->jobs.size(), 1);
    QCOMPARE(queues->jobs.at(0).data, QByteArray());
}

void TestSpoolerManager::availabilityIsAskedFresh()
{
    auto *queues = new FakeQueues;
    PrintDriverManager manager(queues);
    queues->names = QStringList{"Late"};
    QVERIFY(manager.isPrinterAvailable("Late"));
    QVERIFY(manager.connectDevice("Late", "", "", ""));
    queues->names.clear();
    QVERIFY(!manager.isPrinterAvailable("Late"));
}

QTEST_MAIN(TestSpoolerManager)
#include "tst_spooler_manager.moc"
