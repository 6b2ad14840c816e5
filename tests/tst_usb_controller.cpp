#include "support/UsbPtyPrinter.h"

#include "app/base/AppPaths.h"
#include "app/base/Logger.h"
#include "transport/usb/USBPrinterController.h"
#include "transport/usb/USBReadWorker.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray joined(const QSignalSpy &spy)
{
    QByteArray all;
    for (const QList<QVariant> &args : spy)
        all += args.at(0).toByteArray();
    return all;
}

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + 3);
    return bytes;
}

// Limit for calls that must not block: far above what they take, far below a hang.
const int kPromptMs = 2000;

} // namespace

class UsbControllerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void openMissingNode();
    void writeSyncByteExact_data();
    void writeSyncByteExact();
    void writeSyncFailures();
    void writeSyncBoundedWhenPrinterTakesNothing();
    void sendAsyncClosed();
    void sendAsyncStartsThreadsOnce();
    void longReplyArrivesInChunks();
    void idleStopAndRestart();
    void closeWhileReadPending();
    void quickStartStop();
    void hangUpEndsReading();

private:
    QTemporaryDir m_appDir;
    UsbPtyPrinter *m_printer = nullptr;
    USBPrinterController *m_controller = nullptr;
};

void UsbControllerTest::initTestCase()
{
    QVERIFY(m_appDir.isValid());
    AppPaths::setDirectory(m_appDir.path());
}

void UsbControllerTest::init()
{
    m_printer = new UsbPtyPrinter;
    QVERIFY(m_printer->plugIn());
    m_controller = new USBPrinterController;
    QVERIFY(m_controller->openPrinter(m_printer->slavePath()));
    QVERIFY(m_controller->isOpen());
}

void UsbControllerTest::cleanup()
{
    delete m_controller;
    delete m_printer;
    m_controller = nullptr;
    m_printer = nullptr;
}

void UsbControllerTest::openMissingNode()
{
    USBPrinterController controller;
    QVERIFY(!controller.openPrinter(m_appDir.path() + QStringLiteral("/no/such/lp0")));
    QVERIFY(!controller.isOpen());
    controller.closePrinter(); // closed: nothing happens
    controller.stopAsyncIo();  // stopped: nothing happens
}

void UsbControllerTest::writeSyncByteExact_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ESC @") << QByteArray::fromHex("1b40");
    // Bytes a terminal would otherwise translate or swallow.
    QTest::newRow("control bytes") << QByteArray::fromHex("0a0d0304111300ff7f1a");
    QTest::newRow("8 KiB") << pattern(8192);
}

void UsbControllerTest::writeSyncByteExact()
{
    QFETCH(QByteArray, bytes);
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    m_printer->setWatching(true);
    QCOMPARE(m_controller->writeSync(bytes), quint32(bytes.size()));
    QTRY_COMPARE(m_printer->received().size(), bytes.size());
    QCOMPARE(m_printer->received(), bytes);
    QVERIFY(log.count() >= 1);
    QVERIFY(log.first().at(1).toString().contains(QStringLiteral("USB发出数据 ")
                                                  + QString::fromLatin1(bytes.left(2).toHex(' '))));
}

void UsbControllerTest::writeSyncFailures()
{
    QCOMPARE(m_controller->writeSync(QByteArray()), 0u);
    m_controller->closePrinter();
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    QSignalSpy failures(m_controller, &USBPrinterController::sigIoFailed);
    QCOMPARE(m_controller->writeSync(QByteArray::fromHex("1b40")), 0u);
    QCOMPARE(log.count(), 2);
    QVERIFY(log.at(1).at(1).toString().endsWith(QStringLiteral("发送出现错误")));
    QCOMPARE(log.at(1).at(0).toInt(), int(Logger::Error));
    QCOMPARE(failures.count(), 1);
    QCOMPARE(failures.first().first().toString(), QStringLiteral("发送出现错误"));
}

void UsbControllerTest::writeSyncBoundedWhenPrinterTakesNothing()
{
    // The printer reads nothing: the pty's buffer fills and the write cannot
    // complete. It gives up after its time limit and counts as not sent.
    m_printer->setPaused(true);
    const QByteArray block = pattern(256 * 1024); // several times what the pty buffers
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(m_controller->writeSync(block), 0u);
    QVERIFY(clock.elapsed() >= USBPrinterController::SyncWriteTimeoutMs - 100);
    QVERIFY(clock.elapsed() < USBPrinterController::SyncWriteTimeoutMs + kPromptMs);
}

void UsbControllerTest::sendAsyncClosed()
{
    USBPrinterController controller;
    QVERIFY(!controller.SendAsync(QByteArray::fromHex("1b40")));
    QVERIFY(!controller.isAsyncIoRunning());
    QVERIFY(!controller.startAsyncIo());
}

void UsbControllerTest::sendAsyncStartsThreadsOnce()
{
    m_printer->setWatching(true);
    QVERIFY(!m_controller->isAsyncIoRunning());
    QVERIFY(m_controller->SendAsync(QByteArray::fromHex("100401")));
    QVERIFY(m_controller->isAsyncIoRunning());
    QVERIFY(!m_controller->startAsyncIo()); // already running
    QVERIFY(m_controller->SendAsync(QByteArray()));  // an empty block is skipped
    QVERIFY(m_controller->SendAsync(QByteArray::fromHex("100404")));
    QTRY_COMPARE(m_printer->received(), QByteArray::fromHex("100401100404"));
    m_controller->stopAsyncIo();
    QVERIFY(!m_controller->isAsyncIoRunning());
    m_controller->stopAsyncIo();
}

void UsbControllerTest::longReplyArrivesInChunks()
{
    QSignalSpy data(m_controller, &USBPrinterController::dataReceived);
    QVERIFY(m_controller->startAsyncIo());
    const QByteArray reply = pattern(1500);
    QVERIFY(m_printer->write(reply));
    QTRY_COMPARE(joined(data).size(), reply.size());
    QCOMPARE(joined(data), reply);
    QVERIFY(data.count() >= 2);
    for (const QList<QVariant> &args : qAsConst(data)) {
        QVERIFY(!args.at(0).toByteArray().isEmpty());
        QVERIFY(args.at(0).toByteArray().size() <= USBReadWorker::ReadChunkSize);
    }
}

void UsbControllerTest::idleStopAndRestart()
{
    m_printer->setWatching(true);
    QCOMPARE(m_controller->idleInterval(), 600000);
    m_controller->setIdleInterval(200);
    QVERIFY(m_controller->SendAsync(QByteArray::fromHex("1b40")));
    QVERIFY(m_controller->isAsyncIoRunning());
    QTRY_VERIFY(!m_controller->isAsyncIoRunning());
    QVERIFY(m_controller->isOpen());
    QCOMPARE(m_printer->received(), QByteArray::fromHex("1b40"));

    // The next send starts the threads again and its block is written; the
    // reader works again too.
    QSignalSpy data(m_controller, &USBPrinterController::dataReceived);
    m_controller->setIdleInterval(60000);
    QVERIFY(m_controller->SendAsync(QByteArray::fromHex("100401")));
    QVERIFY(m_controller->isAsyncIoRunning());
    QTRY_COMPARE(m_printer->received(), QByteArray::fromHex("1b40100401"));
    QVERIFY(m_printer->write(QByteArray::fromHex("12")));
    QTRY_COMPARE(joined(data), QByteArray::fromHex("12"));
}

void UsbControllerTest::closeWhileReadPending()
{
    QVERIFY(m_controller->SendAsync(QByteArray::fromHex("100401")));
    QTest::qWait(50); // the reader is now waiting for a reply that never comes
    QElapsedTimer clock;
    clock.start();
    m_controller->closePrinter();
    QVERIFY(clock.elapsed() < kPromptMs);
    QVERIFY(!m_controller->isOpen());
    QVERIFY(!m_controller->isAsyncIoRunning());
    QVERIFY(!m_controller->SendAsync(QByteArray::fromHex("1b40")));
}

void UsbControllerTest::quickStartStop()
{
    // Stopping right after starting, before the workers have begun their
    // loops, must neither hang nor leave a loop running.
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 50; ++i) {
        QVERIFY(m_controller->startAsyncIo());
        m_controller->stopAsyncIo();
    }
    QVERIFY(clock.elapsed() < 50 * kPromptMs);
    QVERIFY(!m_controller->isAsyncIoRunning());
}

void UsbControllerTest::hangUpEndsReading()
{
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    QVERIFY(m_controller->startAsyncIo());
    m_printer->hangUp();
    QTRY_VERIFY(!log.isEmpty());
    QCOMPARE(log.first().at(0).toInt(), int(Logger::Error));
    QVERIFY(log.first().at(1).toString().contains(QStringLiteral("USB读取错误: 读取错误: ")));
    // The running flag stays up until the threads are stopped.
    QVERIFY(m_controller->isAsyncIoRunning());
    QElapsedTimer clock;
    clock.start();
    m_controller->closePrinter();
    QVERIFY(clock.elapsed() < kPromptMs);
}

QTEST_GUILESS_MAIN(UsbControllerTest)
#include "tst_usb_controller.moc"
