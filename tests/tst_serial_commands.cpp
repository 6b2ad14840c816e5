// Every command operation reaches a printer on the serial line byte-exact:
// the same bytes the builders hand a directly connected transport.
#include "support/RecordingManager.h"
#include "support/TestAppDir.h"
#include "support/serial_CommandCalls.h"
#include "support/serial_PtyPair.h"
#include "app/base/Logger.h"
#include "transport/serial/SerialPortManager.h"

#include <QtTest>

namespace {
// How long the line must stay quiet after an operation's bytes.
constexpr int QuietMs = 40;
} // namespace

class TestSerialCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyOperationArrivesByteExact();

private:
    std::unique_ptr<TestAppDir> m_appDir;
};

void TestSerialCommands::initTestCase()
{
    m_appDir = std::make_unique<TestAppDir>();
    Logger::getInstance();
}

void TestSerialCommands::everyOperationArrivesByteExact()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    SerialPortManager serial;
    QVERIFY(serial.connectSerialPort(pty.slavePath(), "115200", "8", "1", "None", "None"));
    RecordingManager direct(CommType::Serial);
    QVERIFY(direct.connectDevice({}, {}, {}, {}));

    int sending = 0;
    for (const CommandCalls::Call &call : CommandCalls::all()) {
        direct.written.clear();
        QVERIFY2(CommandCalls::invoke(&direct, call), call.name().constData());
        const QByteArray expected = direct.allWritten();

        QVERIFY2(CommandCalls::invoke(&serial, call), call.name().constData());
        QByteArray got = pty.read(expected.size());
        // Nothing more may follow.
        got += pty.read(1, QuietMs);
        if (got != expected)
            QFAIL(qPrintable(QString("%1: expected %2, got %3")
                                 .arg(QString::fromLatin1(call.name()), QString::fromLatin1(expected.toHex(' ')),
                                      QString::fromLatin1(got.toHex(' ')))));
        if (!expected.isEmpty())
            ++sending;
    }
    QVERIFY(serial.isConnected());
    qInfo("%d of %d operations sent bytes", sending, int(CommandCalls::all().size()));
    QVERIFY(sending > 0);
}

QTEST_MAIN(TestSerialCommands)
#include "tst_serial_commands.moc"
