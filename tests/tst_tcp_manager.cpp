// The TCP device manager against a hand-written printer port on 127.0.57.x:
// connect, byte-exact commands, status replies, failures.

#include "support/tcp_OperationRows.h"
#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "commands/RealTimeStatusForm.h"
#include "support/serial_CommandCalls.h"
#include "commands/PrinterReplyReader.h"
#include "support/fleet_BadPrinter.h"
#include "support/tcp_fixtures.h"
#include "transport/tcp/TcpDeviceManager.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(BadPrinter::Mode)

namespace {
const QString PrinterIp = QStringLiteral("127.0.57.1");
const QString SilentIp = QStringLiteral("127.0.57.2");
} // namespace

class TcpManagerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void connectAndDisconnect();
    void everyCommandAfterDisconnectIsRefused();
    void commandsArriveByteExact_data();
    void commandsArriveByteExact();
    void everyOperationArrivesAsLogged_data();
    void everyOperationArrivesAsLogged();
    void statusReply_data();
    void statusReply();
    void replyWithoutRequestIsDropped();
    void strayBytesShiftNoAnswer_data();
    void strayBytesShiftNoAnswer();
    void connectFailure_data();
    void connectFailure();
    void otherTransportsDataIsDropped();
    void reconnectKeepsOneSetOfBuilders();
    void writeWithoutConnection();

private:
    // The bytes of every "TCP发出数据" line since the last clear, in order.
    QByteArray loggedBytes() const;
    TcpFakePrintPort *m_port = nullptr;
    std::unique_ptr<TcpLogCapture> m_log;
};

void TcpManagerTest::initTestCase()
{
    tcpPrepareApp(QStringLiteral("127.0.57."));
    m_log = std::make_unique<TcpLogCapture>();
}

void TcpManagerTest::init()
{
    delete m_port;
    m_port = new TcpFakePrintPort(this);
    QVERIFY(m_port->listen(QHostAddress(PrinterIp)));
    m_log->clear();
}

QByteArray TcpManagerTest::loggedBytes() const
{
    QByteArray bytes;
    const QString prefix = QStringLiteral("TCP发出数据 ");
    for (const QString &line : m_log->lines()) {
        const int at = line.indexOf(prefix);
        if (at >= 0)
            bytes += QByteArray::fromHex(line.mid(at + prefix.size()).toLatin1());
    }
    return bytes;
}

void TcpManagerTest::connectAndDisconnect()
{
    TcpDeviceManager mgr;
    QSignalSpy fail(&mgr, &TcpDeviceManager::sigConnectionFailTcp);
    QVERIFY(!mgr.hasBuilders());
    QVERIFY(mgr.connectDevice(QStringLiteral("KVZ-L7N"), PrinterIp, QStringLiteral("aa:bb"), QString()));
    QVERIFY(mgr.hasBuilders());
    QCOMPARE(fail.count(), 0);
    QVERIFY(m_log->contains(QStringLiteral("连接主机ip: 127.0.57.1 端口: 9100 成功")));
    QCOMPARE(mgr.connectedDevice().ip, PrinterIp);
    QCOMPARE(mgr.connectedDevice().name, QStringLiteral("KVZ-L7N"));
    QCOMPARE(mgr.connectedDevice().mac, QStringLiteral("aa:bb"));
    QTRY_COMPARE(m_port->connectionCount(), 1);

    mgr.disconnectDevice();
    QVERIFY(m_log->contains(QStringLiteral("断开主机ip: 127.0.57.1 ")));
    m_log->clear();
    mgr.disconnectDevice(); // nothing open: only a debug trace
    QVERIFY(!m_log->contains(QStringLiteral("断开主机ip")));
    // The builders stay, but with the socket closed a command is refused
    // before it is built: nothing is written, and the log says the printer is
    // not connected instead of claiming the bytes went out.
    mgr.setBuzzerClicked(1, 1);
    QVERIFY(!m_log->contains(QStringLiteral("TCP发出数据 ")));
    QVERIFY(!m_log->contains(QStringLiteral("蜂鸣器设置")));
    QVERIFY(m_log->contains(QStringLiteral("TCP 未连接打印机，命令未执行")));
    QTest::qWait(100);
    QCOMPARE(m_port->received(), QByteArray());
}

// One decision before anything is built: with the socket closed, every
// operation that needs the printer writes the one "not connected" warning and
// nothing else, and no byte leaves. Operations that only keep values on this
// machine (test-print contents, loaded logo pictures, the code page for the
// next text) still keep them.
void TcpManagerTest::everyCommandAfterDisconnectIsRefused()
{
    const QSet<QByteArray> keptHere = {
        "setCodePageClicked(QString)",
        "setLoadClickedMultiple(QStringList)",
        "setTestBitMapPathClicked(QString)",
        "setTestBarCodeTypeClicked(QString)",
        "setTestBarCodeValueClicked(QString)",
        "setTestPageTextClicked(QString)",
        "setTestReceipt58TextClicked(QString)",
        "setTestReceipt76TextClicked(QString)",
        "setTestReceipt80TextClicked(QString)",
        "setAsTestPrintImageClicked(QString)",
        "setAsTestDefaultImageClicked()",
        "setTestBarCodeTypeAndContentClicked(QString,QString)",
        "setTestDefaultBarCodeTypeAndContentClicked()",
        "setTestPrintContentClicked(QString)",
        "setTestDefaultPrintContentClicked()",
        "setTestPrintReceiptClicked(QString,int)",
        "setTestDefaultPrintReceiptClicked(int)",
    };
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(QStringLiteral("KVZ-L7N"), PrinterIp, QStringLiteral("aa:bb"), QString()));
    QTRY_COMPARE(m_port->connectionCount(), 1);
    mgr.disconnectDevice();
    QVERIFY(mgr.hasBuilders());
    QVERIFY(!mgr.linkUp());
    QSignalSpy lines(Logger::getInstance(), &Logger::newLogMessage);
    QSet<QByteArray> seen;
    for (const CommandCalls::Call &call : CommandCalls::all()) {
        lines.clear();
        QVERIFY2(CommandCalls::invoke(&mgr, call), call.name().constData());
        if (keptHere.contains(call.name())) {
            seen.insert(call.name());
            // Its own lines are written (after any the store writes; none
            // for an empty list of pictures); no warning.
            if (!lines.isEmpty())
                QVERIFY2(lines.last().at(1).toString().contains(QStringLiteral("[INFO] TCP ")),
                         qPrintable(call.name() + ": " + lines.last().at(1).toString()));
            for (const QList<QVariant> &line : lines)
                QVERIFY2(!line.at(1).toString().contains(QStringLiteral("未连接打印机")), call.name().constData());
            continue;
        }
        QCOMPARE(lines.count(), 1);
        const QString line = lines.at(0).at(1).toString();
        if (call.name() == "setTestClicked()")
            QVERIFY2(line.endsWith(QStringLiteral("[INFO] TCP 更多设置 点击")), qPrintable(line));
        else
            QVERIFY2(line.endsWith(QStringLiteral("[WARNING] TCP 未连接打印机，命令未执行")),
                     qPrintable(call.name() + ": " + line));
    }
    QCOMPARE(seen, keptHere);
    // What the user types into the test page while the link is down is kept.
    mgr.setTestPageTextClicked(QStringLiteral("1B 40 0A"));
    QCOMPARE(ConfigManager::getInstance()->getTestPageText(), QStringLiteral("1B 40 0A"));
    QTest::qWait(100);
    QCOMPARE(m_port->received(), QByteArray());
}

void TcpManagerTest::commandsArriveByteExact_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QByteArray>("bytes"); // empty: compare with the logged bytes
    QTest::newRow("printer status") << Op([](BaseDeviceManager *m) { m->setPrinterStatusClicked(); })
                                    << QByteArray::fromHex("100401");
    QTest::newRow("offline status") << Op([](BaseDeviceManager *m) { m->setOfflineStatusClicked(); })
                                    << QByteArray::fromHex("100402");
    QTest::newRow("error status") << Op([](BaseDeviceManager *m) { m->setErrorStatusClicked(); })
                                  << QByteArray::fromHex("100403");
    QTest::newRow("paper status") << Op([](BaseDeviceManager *m) { m->setPaperStatusClicked(); })
                                  << QByteArray::fromHex("100404");
    QTest::newRow("buzzer") << Op([](BaseDeviceManager *m) { m->setBuzzerClicked(3, 2); }) << QByteArray();
    QTest::newRow("buzzer alarm") << Op([](BaseDeviceManager *m) { m->setBuzzerAlarmClicked(2, 5, 1); })
                                  << QByteArray();
    QTest::newRow("cut") << Op([](BaseDeviceManager *m) { m->setCutClicked(2, 40); }) << QByteArray();
    QTest::newRow("drawer pulse") << Op([](BaseDeviceManager *m) { m->setControlPulseClicked(1, 50, 100); })
                                  << QByteArray();
    QTest::newRow("drawer open") << Op([](BaseDeviceManager *m) { m->setOpenPulseClicked(0, 3); }) << QByteArray();
    QTest::newRow("network over TCP sends nothing on 9100")
        << Op([](BaseDeviceManager *m) {
               m->setNetworkClicked(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"), 0, 0, 0, 0, 0, 0);
           })
        << QByteArray("");
}

void TcpManagerTest::commandsArriveByteExact()
{
    QFETCH(Op, op);
    QFETCH(QByteArray, bytes);
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(QStringLiteral("KVZ-L7D"), PrinterIp, QStringLiteral("aa"), QString()));
    m_log->clear();
    op(&mgr);
    const QByteArray expected = bytes.isNull() ? loggedBytes() : bytes;
    if (bytes.isNull())
        QVERIFY(!expected.isEmpty());
    else
        QCOMPARE(loggedBytes(), expected);
    if (expected.isEmpty()) {
        QTest::qWait(100);
        QCOMPARE(m_port->received(), QByteArray());
    } else {
        QTRY_COMPARE(m_port->received(), expected);
        const QString line = QStringLiteral("TCP发出数据 ") + BaseDeviceManager::toHexText(expected) + QLatin1Char(' ');
        QVERIFY2(m_log->lines().filter(line).size() == 1, qPrintable(m_log->lines().join('\n')));
    }
}

// Every command operation: what reaches the printer is exactly what the
// "TCP发出数据" lines say was sent, nothing more, nothing less.
void TcpManagerTest::everyOperationArrivesAsLogged_data()
{
    QTest::addColumn<Op>("op");
    addEveryOperationRow();
}

void TcpManagerTest::everyOperationArrivesAsLogged()
{
    QFETCH(Op, op);
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(QStringLiteral("KVZ-L7N"), PrinterIp, QStringLiteral("aa"), QString()));
    QTRY_VERIFY(m_port->client() != nullptr);
    m_log->clear();
    op(&mgr);
    const QByteArray sent = loggedBytes();
    if (sent.isEmpty())
        QTest::qWait(30);
    QTRY_COMPARE(m_port->received(), sent);
}

void TcpManagerTest::statusReply_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QString>("cmd");
    QTest::newRow("printer") << Op([](BaseDeviceManager *m) { m->setPrinterStatusClicked(); } ) << "PrinterStatus";
    QTest::newRow("offline") << Op([](BaseDeviceManager *m) { m->setOfflineStatusClicked(); }) << "OfflineStatus";
    QTest::newRow("error") << Op([](BaseDeviceManager *m) { m->setErrorStatusClicked(); }) << "ErrorStatus";
    QTest::newRow("paper") << Op([](BaseDeviceManager *m) { m->setPaperStatusClicked(); }) << "PaperStatus";
}

void TcpManagerTest::statusReply()
{
    QFETCH(Op, op);
    QFETCH(QString, cmd);
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(QStringLiteral("KVZ-L7D"), PrinterIp, QStringLiteral("aa"), QString()));
    QSignalSpy spy(&mgr, &BaseDeviceManager::sigTcpResponse);
    op(&mgr);
    QTRY_COMPARE(m_port->received().size(), 3);
    m_port->reply(QByteArray::fromHex("36"));
    QVERIFY(spy.wait(2000));
    m_port->reply(QByteArray::fromHex("1600")); // a second segment: nothing pending any more
    QTest::qWait(150);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), cmd);
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("36"));
    if (cmd == QLatin1String("OfflineStatus")) {
        const QString text = RealTimeStatusForm::decodeReply(cmd, QStringLiteral("36"));
        QVERIFY(!text.isEmpty());
    }
}

void TcpManagerTest::replyWithoutRequestIsDropped()
{
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(QStringLiteral("KVZ-L7D"), PrinterIp, QStringLiteral("aa"), QString()));
    QSignalSpy spy(&mgr, &BaseDeviceManager::sigTcpResponse);
    QTRY_VERIFY(m_port->client() != nullptr);
    m_port->reply(QByteArray::fromHex("12"));
    QTest::qWait(150);
    QCOMPARE(spy.count(), 0);
    // Of the bytes after a request, the status byte is the answer; bytes
    // that cannot be one are not.
    mgr.setErrorStatusClicked();
    QTRY_COMPARE(m_port->received().size(), 3);
    m_port->reply(QByteArray::fromHex("00ff"));
    QTest::qWait(150);
    QCOMPARE(spy.count(), 0);
    m_port->reply(QByteArray::fromHex("3a"));
    QVERIFY(spy.wait(2000));
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("3a"));
}

void TcpManagerTest::strayBytesShiftNoAnswer_data()
{
    QTest::addColumn<BadPrinter::Mode>("mode");
    QTest::newRow("one stray byte") << BadPrinter::Mode::StrayByte;
    QTest::newRow("two bytes at once") << BadPrinter::Mode::StrayPair;
    QTest::newRow("bytes that are no status") << BadPrinter::Mode::StrayGarbage;
}

void TcpManagerTest::strayBytesShiftNoAnswer()
{
    // The status page asks for the four statuses of a printer that answers
    // truly but sends more than it is asked for: each line shows the truth.
    QFETCH(BadPrinter::Mode, mode);
    static int row = 0;
    const QString address = QStringLiteral("127.0.57.%1").arg(60 + row++);
    BadPrinter printer;
    QVERIFY(printer.listen(QHostAddress(address), mode));
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(QStringLiteral("KVZ-L7D"), address, QStringLiteral("aa"), QString()));
    QSignalSpy spy(&mgr, &BaseDeviceManager::sigTcpResponse);
    // A person asks a moment after connecting; the command line waits as long.
    QTest::qWait(PrinterReplyReader::SettleMs);
    const std::function<void(BaseDeviceManager *)> asks[] = {
        [](BaseDeviceManager *m) { m->setPrinterStatusClicked(); }, [](BaseDeviceManager *m) { m->setOfflineStatusClicked(); },
        [](BaseDeviceManager *m) { m->setErrorStatusClicked(); }, [](BaseDeviceManager *m) { m->setPaperStatusClicked(); }};
    for (int n = 0; n < 4; ++n) {
        asks[n](&mgr);
        QVERIFY(spy.wait(2000));
        QCOMPARE(spy.last().at(0).toString(), RealTimeStatusForm::statusName(n));
        const QString payload = spy.last().at(1).toString();
        QCOMPARE(payload, QString::fromLatin1(QByteArray(1, BadPrinter::healthyStatus(n + 1)).toHex()));
        QVERIFY(!RealTimeStatusForm::decodeReply(RealTimeStatusForm::statusName(n), payload).contains(
            QStringLiteral("上盖开")));
    }
    QCOMPARE(spy.count(), 4);
}

void TcpManagerTest::connectFailure_data()
{
    QTest::addColumn<QString>("ip");
    QTest::newRow("nothing listening") << SilentIp;
    QTest::newRow("empty") << "";
    QTest::newRow("text") << "printer";
    QTest::newRow("three parts") << "127.0.57";
    QTest::newRow("octet too large") << "127.0.57.300";
    QTest::newRow("IPv6") << "::1";
}

void TcpManagerTest::connectFailure()
{
    QFETCH(QString, ip);
    TcpDeviceManager mgr;
    QSignalSpy fail(&mgr, &TcpDeviceManager::sigConnectionFailTcp);
    QElapsedTimer t;
    t.start();
    QVERIFY(!mgr.connectDevice(QStringLiteral("KVZ-L7D"), ip, QString(), QString()));
    QVERIFY(t.elapsed() < 2000);
    QCOMPARE(fail.count(), 1);
    QCOMPARE(fail.at(0).at(0).toString(), ip);
    QVERIFY(!mgr.hasBuilders());
    QVERIFY(m_log->contains(QStringLiteral("连接主机ip: %1 失败").arg(ip)));
    mgr.setBuzzerClicked(1, 1); // no builders: nothing at all
    QVERIFY(!m_log->contains(QStringLiteral("TCP发出数据")));
    QCOMPARE(m_port->connectionCount(), 0);
}

void TcpManagerTest::otherTransportsDataIsDropped()
{
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(QStringLiteral("KVZ-L7D"), PrinterIp, QStringLiteral("aa"), QString()));
    m_log->clear();
    for (CommType t : {CommType::Usb, CommType::Serial, CommType::Driver})
        mgr.onBuilderData(t, QByteArray::fromHex("1b40"));
    mgr.onBuilderData(CommType::Tcp, QByteArray::fromHex("1b40"));
    QTRY_COMPARE(m_port->received(), QByteArray::fromHex("1b40"));
    const QStringList sent = m_log->lines().filter(QStringLiteral("TCP发出数据"));
    QCOMPARE(sent.size(), 1);
    QVERIFY(sent.first().endsWith(QStringLiteral("] TCP发出数据 1b 40 ")));
}

void TcpManagerTest::reconnectKeepsOneSetOfBuilders()
{
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(QStringLiteral("KVZ-L7D"), PrinterIp, QStringLiteral("aa"), QString()));
    QVERIFY(mgr.connectDevice(QStringLiteral("KVZ-L7D"), PrinterIp, QStringLiteral("aa"), QString()));
    QTRY_COMPARE(m_port->connectionCount(), 2);
    m_log->clear();
    mgr.setPaperStatusClicked();
    QTRY_COMPARE(m_port->received(), QByteArray::fromHex("100404"));
    QTest::qWait(100);
    QCOMPARE(m_port->received(), QByteArray::fromHex("100404"));
    QCOMPARE(m_log->lines().filter(QStringLiteral("TCP发出数据")).size(), 1);
}

void TcpManagerTest::writeWithoutConnection()
{
    TcpDeviceManager mgr;
    QVERIFY(!mgr.writeRaw(QByteArray::fromHex("1b40")));
    QVERIFY(mgr.connectDevice(QStringLiteral("KVZ-L7D"), PrinterIp, QStringLiteral("aa"), QString()));
    QVERIFY(mgr.writeRaw(QByteArray::fromHex("1b40")));
    mgr.disconnectDevice();
    QVERIFY(!mgr.writeRaw(QByteArray::fromHex("1b40")));
}

QTEST_GUILESS_MAIN(TcpManagerTest)
#include "tst_tcp_manager.moc"
