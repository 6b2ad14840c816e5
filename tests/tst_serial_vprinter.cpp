// End to end over the serial line: every command operation, sent through the
// serial manager to the virtual printer's pty, is understood by the printer
// exactly as the same bytes written straight to its raw port.
#include "app/base/Logger.h"
#include "support/RecordingManager.h"
#include "support/TestAppDir.h"
#include "support/serial_CommandCalls.h"
#include "support/serial_PrinterTrace.h"
#include "transport/serial/SerialPortManager.h"

#include <QTcpSocket>
#include <QtTest>

#if __has_include("VirtualPrinter.h")
#include "VirtualPrinter.h"
#define QM_HAVE_VPRINTER 1
#endif

namespace {
constexpr int QuietMs = 300;
constexpr int SettleTimeoutMs = 60000;
} // namespace

class TestSerialVprinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyOperationUnderstoodAsSent();

private:
    std::unique_ptr<TestAppDir> m_appDir;
};

void TestSerialVprinter::initTestCase()
{
#ifndef QM_HAVE_VPRINTER
    QSKIP("the virtual printer is not part of this build");
#endif
    m_appDir = std::make_unique<TestAppDir>();
    Logger::getInstance();
}

#ifdef QM_HAVE_VPRINTER
namespace {

VirtualPrinterOptions printerOptions(const QString &serialLink)
{
    VirtualPrinterOptions o;
    o.rawPort = 0;
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    o.serialPath = serialLink;
    return o;
}

// Waits until the printer has decoded nothing new for QuietMs.
void settle(const VirtualPrinter &printer)
{
    QElapsedTimer total;
    total.start();
    qint64 last = -1;
    QElapsedTimer quiet;
    quiet.start();
    while (total.elapsed() < SettleTimeoutMs) {
        QTest::qWait(20);
        const qint64 seq = printer.lastEventSeq();
        if (seq != last) {
            last = seq;
            quiet.restart();
        } else if (quiet.elapsed() >= QuietMs) {
            return;
        }
    }
}

} // namespace
#endif

void TestSerialVprinter::everyOperationUnderstoodAsSent()
{
#ifdef QM_HAVE_VPRINTER
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyVP0");
    VirtualPrinter printer(printerOptions(link));
    VirtualPrinter reference(printerOptions(QString()));
    QString why;
    QVERIFY2(printer.start(&why), qPrintable(why));
    QVERIFY2(reference.start(&why), qPrintable(why));

    SerialPortManager serial;
    QVERIFY(serial.connectSerialPort_new(link, "115200"));
    RecordingManager direct(CommType::Serial);
    QVERIFY(direct.connectDevice({}, {}, {}, {}));

    QByteArray all;
    for (const CommandCalls::Call &call : CommandCalls::all()) {
        QVERIFY2(CommandCalls::invoke(&direct, call), call.name().constData());
        QVERIFY2(CommandCalls::invoke(&serial, call), call.name().constData());
        QTest::qWait(5);
    }
    all = direct.allWritten();
    QVERIFY(!all.isEmpty());

    // The same bytes over one direct connection, as one stream like the line.
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, reference.rawPort());
    QVERIFY(socket.waitForConnected(5000));
    socket.write(all);
    while (socket.bytesToWrite() > 0)
        QVERIFY(socket.waitForBytesWritten(5000));
    socket.disconnectFromHost();
    // The reference has decoded everything once it has seen the connection end.
    QVERIFY(!reference.waitForEvent("client_disconnected", SettleTimeoutMs).isEmpty());
    QList<QJsonObject> expected = PrinterTrace::decoded(reference.events());
    // A command still incomplete when the connection ended is reported as cut
    // off; the line never ends, so there it simply stays pending.
    if (!expected.isEmpty() && expected.last().value("kind").toString() == "truncated")
        expected.removeLast();
    QVERIFY(!expected.isEmpty());

    // The line has no end: wait until as much has been decoded, then a little
    // longer for anything that should not be there.
    QElapsedTimer timer;
    timer.start();
    while (PrinterTrace::decoded(printer.events()).size() < expected.size() && timer.elapsed() < SettleTimeoutMs)
        QTest::qWait(20);
    settle(printer);
    const QList<QJsonObject> got = PrinterTrace::decoded(printer.events());
    const QString difference = PrinterTrace::firstDifference(got, expected);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    for (const QJsonObject &e : printer.events()) {
        if (e.value("kind").toString() == "command")
            QCOMPARE(e.value("source").toString(), QString("serial"));
    }
    qInfo("%d decoded entries, %d bytes", int(got.size()), int(all.size()));
#endif
}

QTEST_MAIN(TestSerialVprinter)
#include "tst_serial_vprinter.moc"
