// End to end through the spooler: every command operation, sent as raw jobs
// through a CUPS queue whose device is the virtual printer's raw port, is
// understood by the printer exactly as the same bytes sent to it directly.
#include "app/base/Logger.h"
#include "support/RecordingManager.h"
#include "support/TestAppDir.h"
#include "support/serial_CommandCalls.h"
#include "support/serial_PrinterTrace.h"
#include "support/spooler_TestCupsd.h"
#include "transport/spooler/PrintDriverManager.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QtTest>

#if __has_include("VirtualPrinter.h")
#include "VirtualPrinter.h"
#define QM_HAVE_VPRINTER 1
#endif

namespace {
constexpr int PerJobMs = 2000;
constexpr int MinimumWaitMs = 30000;
const QString Queue = QStringLiteral("QM_Vprinter");
} // namespace

class TestSpoolerVprinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyOperationUnderstoodAsSent();

private:
    std::unique_ptr<TestAppDir> m_appDir;
    TestCupsd m_cupsd;
};

void TestSpoolerVprinter::initTestCase()
{
#ifndef QM_HAVE_VPRINTER
    QSKIP("the virtual printer is not part of this build");
#endif
    QString why;
    if (!TestCupsd::isInstalled(&why))
        QSKIP(qPrintable(why));
    m_appDir = std::make_unique<TestAppDir>();
    Logger::getInstance();
    QVERIFY2(m_cupsd.start(&why), qPrintable(why));
    qputenv("CUPS_SERVER", QFile::encodeName(m_cupsd.server()));
}

#ifdef QM_HAVE_VPRINTER
namespace {

VirtualPrinterOptions printerOptions()
{
    VirtualPrinterOptions o;
    o.rawPort = 0;
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    return o;
}

bool sendDirect(quint16 port, const QByteArray &bytes)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return false;
    socket.write(bytes);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(5000))
            return false;
    }
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.waitForDisconnected(5000);
    return true;
}

} // namespace
#endif

void TestSpoolerVprinter::everyOperationUnderstoodAsSent()
{
#ifdef QM_HAVE_VPRINTER
    VirtualPrinter printer(printerOptions());
    VirtualPrinter reference(printerOptions());
    QString why;
    QVERIFY2(printer.start(&why), qPrintable(why));
    QVERIFY2(reference.start(&why), qPrintable(why));
    QVERIFY2(m_cupsd.addRawQueue(Queue, QString("socket://127.0.0.1:%1").arg(printer.rawPort()), &why),
             qPrintable(why));

    PrintDriverManager driver;
    QVERIFY(driver.connectDevice(Queue, "", "", ""));
    QSignalSpy done(&driver, &PrintDriverManager::printJobCompleted);
    RecordingManager direct(CommType::Driver);
    QVERIFY(direct.connectDevice({}, {}, {}, {}));

    int jobs = 0;
    for (const CommandCalls::Call &call : CommandCalls::all()) {
        direct.written.clear();
        QVERIFY2(CommandCalls::invoke(&direct, call), call.name().constData());
        QVERIFY2(CommandCalls::invoke(&driver, call), call.name().constData());
        // One connection per job, as the spooler delivers them.
        for (const QByteArray &bytes : qAsConst(direct.written)) {
            if (bytes.isEmpty())
                continue; // refused by the scheduler, see tst_spooler_commands
            QVERIFY(sendDirect(reference.rawPort(), bytes));
            ++jobs;
        }
    }
    // Every job has reached the printer when it has seen as many connections end.
    const int waitMs = qMax(MinimumWaitMs, PerJobMs * jobs);
    QElapsedTimer timer;
    timer.start();
    // Commands return before their jobs are through: wait for the outcomes.
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), jobs, waitMs);
    while (printer.events("client_disconnected").size() < jobs && timer.elapsed() < waitMs)
        QTest::qWait(50);
    QCOMPARE(int(printer.events("client_disconnected").size()), jobs);
    QTRY_COMPARE_WITH_TIMEOUT(int(reference.events("client_disconnected").size()), jobs, 10000);

    const QList<QJsonObject> got = PrinterTrace::decoded(printer.events());
    const QList<QJsonObject> expected = PrinterTrace::decoded(reference.events());
    QVERIFY(!expected.isEmpty());
    const QString difference = PrinterTrace::firstDifference(got, expected);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    qInfo("%d jobs, %d decoded entries", jobs, int(got.size()));
#endif
}

QTEST_MAIN(TestSpoolerVprinter)
#include "tst_spooler_vprinter.moc"
