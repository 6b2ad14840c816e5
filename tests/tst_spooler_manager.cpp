// The print-spooler manager's own rules, over a queue service that records
// what it is asked: the excluded system printers, result mapping, job shape.
#include "app/base/AppPaths.h"
#include "app/base/Logger.h"
#include "platform/PrintQueueService.h"
#include "transport/spooler/PrintDriverManager.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <mutex>

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

    // The manager's spooler thread asks while the test changes the list: the
    // fake's state sits under its own mutex.
    explicit FakeQueues(const QStringList &names = QStringList(), JobResult result = JobResult::Completed)
        : m_names(names), m_result(result)
    {
    }
    void setNames(const QStringList &names)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_names = names;
    }
    QList<Job> jobs() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_jobs;
    }

    QStringList queueNames() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_names;
    }
    JobResult submitRawJob(const QString &queue, const QString &document, const QByteArray &data) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_jobs.append({queue, document, data});
        return m_result;
    }
    QUrl queuePageUrl(const QString &queue) const override { return QUrl("test:queue/" + queue); }
    QUrl propertiesPageUrl(const QString &queue) const override { return QUrl("test:props/" + queue); }

private:
    mutable std::mutex m_mutex;
    QStringList m_names;
    JobResult m_result;
    QList<Job> m_jobs;
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
    auto *queues = new FakeQueues({"Microsoft Print to PDF", "Microsoft XPS Document Writer"});
    PrintDriverManager manager(queues);
    QCOMPARE(manager.getAvailablePrinters(), QStringList());
    QCOMPARE(manager.getDeviceList(), QVariantList());
    QVERIFY(manager.isPrinterAvailable("Microsoft Print to PDF"));
    QVERIFY(manager.isPrinterAvailable("Microsoft XPS Document Writer"));

    queues->setNames({"microsoft print to pdf", "Kitchen", "Microsoft XPS Document Writer", "Microsoft Print to PDF "});
    manager.refreshPrinters();
    QTRY_COMPARE(manager.getAvailablePrinters(), (QStringList{"microsoft print to pdf", "Kitchen", "Microsoft Print to PDF "}));
}

void TestSpoolerManager::listFollowsTheSpooler()
{
    auto *queues = new FakeQueues({"B", "A"});
    PrintDriverManager manager(queues);
    QSignalSpy changed(&manager, &PrintDriverManager::availablePrintersChanged);
    QCOMPARE(manager.getAvailablePrinters(), (QStringList{"B", "A"}));
    // Emitted on every refresh, also when nothing changed.
    manager.refreshPrinters();
    manager.refreshDeviceList();
    QTRY_COMPARE(changed.count(), 2);
    queues->setNames({});
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
    auto *queues = new FakeQueues({"P1"}, PrintQueueService::JobResult(result));
    PrintDriverManager manager(queues);
    QSignalSpy done(&manager, &PrintDriverManager::printJobCompleted);
    QSignalSpy failed(&manager, &PrintDriverManager::printJobFailed);

    QCOMPARE(manager.sendESCposData("P1", "\x1B\x40"), ok);
    const QList<FakeQueues::Job> jobs = queues->jobs();
    QCOMPARE(jobs.size(), 1);
    QCOMPARE(jobs.at(0).queue, QString("P1"));
    QCOMPARE(jobs.at(0).document, QString("ESC_POS_Print"));
    QCOMPARE(jobs.at(0).data, QByteArray("\x1B\x40"));
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
    auto *queues = new FakeQueues({"P1"});
    PrintDriverManager manager(queues);
    QVERIFY(manager.sendESCposData("P1", QByteArray()));
    const QList<FakeQueues::Job> jobs = queues->jobs();
    QCOMPARE(jobs.size(), 1);
    QCOMPARE(jobs.at(0).data, QByteArray());
}

void TestSpoolerManager::availabilityIsAskedFresh()
{
    auto *queues = new FakeQueues;
    PrintDriverManager manager(queues);
    queues->setNames({"Late"});
    QVERIFY(manager.isPrinterAvailable("Late"));
    QVERIFY(manager.connectDevice("Late", "", "", ""));
    queues->setNames({});
    QVERIFY(!manager.isPrinterAvailable("Late"));
}

QTEST_MAIN(TestSpoolerManager)
#include "tst_spooler_manager.moc"
