// The TCP device manager against a hand-written printer port on 127.0.57.x:
// connect, byte-exact commands, status replies, failures.

#include "app/Logger.h"
#include "commands/RealTimeStatusForm.h"
#include "support/tcp_fixtures.h"
#include "transport/tcp/TcpDeviceManager.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

namespace {
const QString PrinterIp = QStringLiteral("127.0.57.1");
const QString SilentIp = QStringLiteral("127.0.57.2");
using Op = std::function<void(BaseDeviceManager *)>;
} // namespace
Q_DECLARE_METATYPE(Op)

class TcpManagerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void connectAndDisconnect();
    void commandsArriveByteExact_data();
    void commandsArriveByteExact();
    void everyOperationArrivesAsLogged_data();
    void everyOperationArrivesAsLogged();
    void statusReply_data();
    void statusReply();
    void replyWithoutRequestIsDropped();
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
    // The builders stay; commands now reach a closed socket and are lost.
    mgr.setBuzzerClicked(1, 1);
    QVERIFY(m_log->contains(QStringLiteral("TCP发出数据 ")));
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
    QTest::newRow("setBuzzerClicked") << Op([](BaseDeviceManager *m) { m->setBuzzerClicked(1, 1); });
    QTest::newRow("setBuzzerAlarmClicked") << Op([](BaseDeviceManager *m) { m->setBuzzerAlarmClicked(1, 1, 1); });
    QTest::newRow("setCutClicked") << Op([](BaseDeviceManager *m) { m->setCutClicked(1, 1); });
    QTest::newRow("setPrinterStatusClicked") << Op([](BaseDeviceManager *m) { m->setPrinterStatusClicked(); });
    QTest::newRow("setOfflineStatusClicked") << Op([](BaseDeviceManager *m) { m->setOfflineStatusClicked(); });
    QTest::newRow("setErrorStatusClicked") << Op([](BaseDeviceManager *m) { m->setErrorStatusClicked(); });
    QTest::newRow("setPaperStatusClicked") << Op([](BaseDeviceManager *m) { m->setPaperStatusClicked(); });
    QTest::newRow("setControlPulseClicked") << Op([](BaseDeviceManager *m) { m->setControlPulseClicked(1, 1, 1); });
    QTest::newRow("setOpenPulseClicked") << Op([](BaseDeviceManager *m) { m->setOpenPulseClicked(1, 1); });
    QTest::newRow("setInitMachineClicked") << Op([](BaseDeviceManager *m) { m->setInitMachineClicked(); });
    QTest::newRow("setPrintAndLineFeedClicked") << Op([](BaseDeviceManager *m) { m->setPrintAndLineFeedClicked(true, QStringLiteral("ABC123")); });
    QTest::newRow("setPrintAndPaperFeedClicked") << Op([](BaseDeviceManager *m) { m->setPrintAndPaperFeedClicked(true, QStringLiteral("ABC123"), 1); });
    QTest::newRow("setPrintAndPaperFeedLineClicked") << Op([](BaseDeviceManager *m) { m->setPrintAndPaperFeedLineClicked(true, QStringLiteral("ABC123"), 1); });
    QTest::newRow("setSetDefaultLineSpaceClicked") << Op([](BaseDeviceManager *m) { m->setSetDefaultLineSpaceClicked(); });
    QTest::newRow("setSetLineSpaceClicked") << Op([](BaseDeviceManager *m) { m->setSetLineSpaceClicked(1); });
    QTest::newRow("setCodePageClicked") << Op([](BaseDeviceManager *m) { m->setCodePageClicked(QStringLiteral("ABC123")); });
    QTest::newRow("setLoadClickedMultiple") << Op([](BaseDeviceManager *m) { m->setLoadClickedMultiple(QStringList{}); });
    QTest::newRow("setPrintClicked") << Op([](BaseDeviceManager *m) { m->setPrintClicked(); });
    QTest::newRow("setPrintLogoClicked") << Op([](BaseDeviceManager *m) { m->setPrintLogoClicked(1, 1); });
    QTest::newRow("setPrintUPCAClicked") << Op([](BaseDeviceManager *m) { m->setPrintUPCAClicked(QStringLiteral("12345678901")); });
    QTest::newRow("setPrintUPCEClicked") << Op([](BaseDeviceManager *m) { m->setPrintUPCEClicked(QStringLiteral("123456")); });
    QTest::newRow("setPrintJAN13Clicked") << Op([](BaseDeviceManager *m) { m->setPrintJAN13Clicked(QStringLiteral("123456789012")); });
    QTest::newRow("setPrintJAN8Clicked") << Op([](BaseDeviceManager *m) { m->setPrintJAN8Clicked(QStringLiteral("1234567")); });
    QTest::newRow("setPrintCODE39Clicked") << Op([](BaseDeviceManager *m) { m->setPrintCODE39Clicked(QStringLiteral("ABC123")); });
    QTest::newRow("setPrintITFClicked") << Op([](BaseDeviceManager *m) { m->setPrintITFClicked(QStringLiteral("1234")); });
    QTest::newRow("setPrintCODABARClicked") << Op([](BaseDeviceManager *m) { m->setPrintCODABARClicked(QStringLiteral("A123A")); });
    QTest::newRow("setPrintCODE93Clicked") << Op([](BaseDeviceManager *m) { m->setPrintCODE93Clicked(QStringLiteral("ABC123")); });
    QTest::newRow("setPrintCODE128Clicked") << Op([](BaseDeviceManager *m) { m->setPrintCODE128Clicked(QStringLiteral("ABC123")); });
    QTest::newRow("setHriPositionClicked") << Op([](BaseDeviceManager *m) { m->setHriPositionClicked(1); });
    QTest::newRow("setHriFontClicked") << Op([](BaseDeviceManager *m) { m->setHriFontClicked(1); });
    QTest::newRow("setBarcodeSizeClicked") << Op([](BaseDeviceManager *m) { m->setBarcodeSizeClicked(1, 1); });
    QTest::newRow("set2dBarCodeTypeClicked") << Op([](BaseDeviceManager *m) { m->set2dBarCodeTypeClicked(QStringLiteral("CODE128")); });
    QTest::newRow("setPrintMoreBarCodeClicked") << Op([](BaseDeviceManager *m) { m->setPrintMoreBarCodeClicked(QStringLiteral("CODE128"), QStringLiteral("ABC123")); });
    QTest::newRow("setQRCodeClicked") << Op([](BaseDeviceManager *m) { m->setQRCodeClicked(1, 1, QStringLiteral("ABC123")); });
    QTest::newRow("setWaitLightSwitchClicked") << Op([](BaseDeviceManager *m) { m->setWaitLightSwitchClicked(1); });
    QTest::newRow("setWorkClicked") << Op([](BaseDeviceManager *m) { m->setWorkClicked(1, 1, 1); });
    QTest::newRow("setPaperClicked") << Op([](BaseDeviceManager *m) { m->setPaperClicked(1, 1, 1); });
    QTest::newRow("setKnifeClicked") << Op([](BaseDeviceManager *m) { m->setKnifeClicked(1, 1, 1); });
    QTest::newRow("setHotClicked") << Op([](BaseDeviceManager *m) { m->setHotClicked(1, 1, 1); });
    QTest::newRow("setWaitClicked") << Op([](BaseDeviceManager *m) { m->setWaitClicked(1, 1, 1); });
    QTest::newRow("setWaitTypeClicked") << Op([](BaseDeviceManager *m) { m->setWaitTypeClicked(1); });
    QTest::newRow("setHanziModeClicked") << Op([](BaseDeviceManager *m) { m->setHanziModeClicked(true); });
    QTest::newRow("setHanziCharClicked") << Op([](BaseDeviceManager *m) { m->setHanziCharClicked(true, true, true); });
    QTest::newRow("setHanziMarginClicked") << Op([](BaseDeviceManager *m) { m->setHanziMarginClicked(1, 1); });
    QTest::newRow("setCharacterClicked") << Op([](BaseDeviceManager *m) { m->setCharacterClicked(1); });
    QTest::newRow("setPrintModeClicked") << Op([](BaseDeviceManager *m) { m->setPrintModeClicked(1); });
    QTest::newRow("setBuzzerSwitchClicked") << Op([](BaseDeviceManager *m) { m->setBuzzerSwitchClicked(1); });
    QTest::newRow("setKnifeSwitchClicked") << Op([](BaseDeviceManager *m) { m->setKnifeSwitchClicked(1); });
    QTest::newRow("setErrorBeepClicked") << Op([](BaseDeviceManager *m) { m->setErrorBeepClicked(1); });
    QTest::newRow("setAlignmentClicked") << Op([](BaseDeviceManager *m) { m->setAlignmentClicked(1); });
    QTest::newRow("setRotate90Clicked") << Op([](BaseDeviceManager *m) { m->setRotate90Clicked(1); });
    QTest::newRow("setInversionClicked") << Op([](BaseDeviceManager *m) { m->setInversionClicked(1); });
    QTest::newRow("setCharSizeClicked") << Op([](BaseDeviceManager *m) { m->setCharSizeClicked(1, 1); });
    QTest::newRow("onSetNegativeClicked") << Op([](BaseDeviceManager *m) { m->onSetNegativeClicked(true); });
    QTest::newRow("setLeftMarginClicked") << Op([](BaseDeviceManager *m) { m->setLeftMarginClicked(1, 1); });
    QTest::newRow("setPrintAreaClicked") << Op([](BaseDeviceManager *m) { m->setPrintAreaClicked(1, 1); });
    QTest::newRow("setUnitClicked") << Op([](BaseDeviceManager *m) { m->setUnitClicked(1, 1); });
    QTest::newRow("setDensityClicked") << Op([](BaseDeviceManager *m) { m->setDensityClicked(1); });
    QTest::newRow("setPaperSizeClicked") << Op([](BaseDeviceManager *m) { m->setPaperSizeClicked(1); });
    QTest::newRow("setPaperGapClicked") << Op([](BaseDeviceManager *m) { m->setPaperGapClicked(1); });
    QTest::newRow("setPrintSpeedClicked") << Op([](BaseDeviceManager *m) { m->setPrintSpeedClicked(1); });
    QTest::newRow("setEnablePeripheralsClicked") << Op([](BaseDeviceManager *m) { m->setEnablePeripheralsClicked(true, true, true); });
    QTest::newRow("setPrintModelClicked") << Op([](BaseDeviceManager *m) { m->setPrintModelClicked(QStringLiteral("ABC123")); });
    QTest::newRow("setUSBUpgradeModeClicked") << Op([](BaseDeviceManager *m) { m->setUSBUpgradeModeClicked(); });
    QTest::newRow("setRestoreFactorySettingsClicked") << Op([](BaseDeviceManager *m) { m->setRestoreFactorySettingsClicked(); });
    QTest::newRow("setRightSpaceClicked") << Op([](BaseDeviceManager *m) { m->setRightSpaceClicked(1); });
    QTest::newRow("setCharPrintModeClicked") << Op([](BaseDeviceManager *m) { m->setCharPrintModeClicked(1, true, true, true, true); });
    QTest::newRow("setCheckUseCustomCharClicked") << Op([](BaseDeviceManager *m) { m->setCheckUseCustomCharClicked(true); });
    QTest::newRow("setCustomCharPrintClicked") << Op([](BaseDeviceManager *m) { m->setCustomCharPrintClicked(1); });
    QTest::newRow("setCustomCharDeleteClicked") << Op([](BaseDeviceManager *m) { m->setCustomCharDeleteClicked(1); });
    QTest::newRow("setClearAllCustomCharClicked") << Op([](BaseDeviceManager *m) { m->setClearAllCustomCharClicked(QList<int>{65, 66}); });
    QTest::newRow("setCustomCharClicked") << Op([](BaseDeviceManager *m) { m->setCustomCharClicked(QStringLiteral("")); });
    QTest::newRow("setTestClicked") << Op([](BaseDeviceManager *m) { m->setTestClicked(); });
    QTest::newRow("setSearchBluetoothAddressClicked") << Op([](BaseDeviceManager *m) { m->setSearchBluetoothAddressClicked(); });
    QTest::newRow("setSearchBluetoothNameClicked") << Op([](BaseDeviceManager *m) { m->setSearchBluetoothNameClicked(); });
    QTest::newRow("setSearchBluetoothPinCodeClicked") << Op([](BaseDeviceManager *m) { m->setSearchBluetoothPinCodeClicked(); });
    QTest::newRow("setBluetoothNameClicked") << Op([](BaseDeviceManager *m) { m->setBluetoothNameClicked(QStringLiteral("ABC123")); });
    QTest::newRow("setBluetoothCodeNameClicked") << Op([](BaseDeviceManager *m) { m->setBluetoothCodeNameClicked(QStringLiteral("ABC123")); });
    QTest::newRow("setSearchPrintInstructionClicked") << Op([](BaseDeviceManager *m) { m->setSearchPrintInstructionClicked(); });
    QTest::newRow("setPrintInstructionClicked") << Op([](BaseDeviceManager *m) { m->setPrintInstructionClicked(1); });
    QTest::newRow("setSearchPaperTypeClicked") << Op([](BaseDeviceManager *m) { m->setSearchPaperTypeClicked(); });
    QTest::newRow("setPaperTypeClicked") << Op([](BaseDeviceManager *m) { m->setPaperTypeClicked(1); });
    QTest::newRow("setSearchPrintSpeedModeClicked") << Op([](BaseDeviceManager *m) { m->setSearchPrintSpeedModeClicked(); });
    QTest::newRow("setPrintSpeedModeClicked") << Op([](BaseDeviceManager *m) { m->setPrintSpeedModeClicked(1); });
    QTest::newRow("setSearchPrintDensityModeClicked") << Op([](BaseDeviceManager *m) { m->setSearchPrintDensityModeClicked(); });
    QTest::newRow("setPrintDensityModeClicked") << Op([](BaseDeviceManager *m) { m->setPrintDensityModeClicked(1); });
    QTest::newRow("setSearchCharacterModeModeClicked") << Op([](BaseDeviceManager *m) { m->setSearchCharacterModeModeClicked(); });
    QTest::newRow("setCharacterModeClicked") << Op([](BaseDeviceManager *m) { m->setCharacterModeClicked(1); });
    QTest::newRow("setBaudrateClicked") << Op([](BaseDeviceManager *m) { m->setBaudrateClicked(1); });
    QTest::newRow("setSearchBaudrateClicked") << Op([](BaseDeviceManager *m) { m->setSearchBaudrateClicked(); });
    QTest::newRow("setDataBitsClicked") << Op([](BaseDeviceManager *m) { m->setDataBitsClicked(1); });
    QTest::newRow("setSearchDataBitsClicked") << Op([](BaseDeviceManager *m) { m->setSearchDataBitsClicked(); });
    QTest::newRow("setParityClicked") << Op([](BaseDeviceManager *m) { m->setParityClicked(1); });
    QTest::newRow("setSearchParityClicked") << Op([](BaseDeviceManager *m) { m->setSearchParityClicked(); });
    QTest::newRow("setStopBitsClicked") << Op([](BaseDeviceManager *m) { m->setStopBitsClicked(1); });
    QTest::newRow("setSearchStopBitsClicked") << Op([](BaseDeviceManager *m) { m->setSearchStopBitsClicked(); });
    QTest::newRow("setTestPrintPicturesClicked") << Op([](BaseDeviceManager *m) { m->setTestPrintPicturesClicked(); });
    QTest::newRow("setTestPrintBarcodeClicked") << Op([](BaseDeviceManager *m) { m->setTestPrintBarcodeClicked(); });
    QTest::newRow("setTestPrintTestPageClicked") << Op([](BaseDeviceManager *m) { m->setTestPrintTestPageClicked(); });
    QTest::newRow("setTestPrint58ReceiptsClicked") << Op([](BaseDeviceManager *m) { m->setTestPrint58ReceiptsClicked(); });
    QTest::newRow("setTestPrint76ReceiptsClicked") << Op([](BaseDeviceManager *m) { m->setTestPrint76ReceiptsClicked(); });
    QTest::newRow("setTestPrint80ReceiptsClicked") << Op([](BaseDeviceManager *m) { m->setTestPrint80ReceiptsClicked(); });
    QTest::newRow("setTestPrintSelfCheckClicked") << Op([](BaseDeviceManager *m) { m->setTestPrintSelfCheckClicked(); });
    QTest::newRow("setTestBitMapPathClicked") << Op([](BaseDeviceManager *m) { m->setTestBitMapPathClicked(QStringLiteral("/nonexistent/picture.png")); });
    QTest::newRow("setTestBarCodeTypeClicked") << Op([](BaseDeviceManager *m) { m->setTestBarCodeTypeClicked(QStringLiteral("CODE128")); });
    QTest::newRow("setTestBarCodeValueClicked") << Op([](BaseDeviceManager *m) { m->setTestBarCodeValueClicked(QStringLiteral("ABC123")); });
    QTest::newRow("setTestPageTextClicked") << Op([](BaseDeviceManager *m) { m->setTestPageTextClicked(QStringLiteral("ABC123")); });
    QTest::newRow("setTestReceipt58TextClicked") << Op([](BaseDeviceManager *m) { m->setTestReceipt58TextClicked(QStringLiteral("ABC123")); });
    QTest::newRow("setTestReceipt76TextClicked") << Op([](BaseDeviceManager *m) { m->setTestReceipt76TextClicked(QStringLiteral("ABC123")); });
    QTest::newRow("setTestReceipt80TextClicked") << Op([](BaseDeviceManager *m) { m->setTestReceipt80TextClicked(QStringLiteral("ABC123")); });
    QTest::newRow("setAsTestPrintImageClicked") << Op([](BaseDeviceManager *m) { m->setAsTestPrintImageClicked(QStringLiteral("/nonexistent/picture.png")); });
    QTest::newRow("setAsTestDefaultImageClicked") << Op([](BaseDeviceManager *m) { m->setAsTestDefaultImageClicked(); });
    QTest::newRow("setTestBarCodeTypeAndContentClicked") << Op([](BaseDeviceManager *m) { m->setTestBarCodeTypeAndContentClicked(QStringLiteral("CODE128"), QStringLiteral("ABC123")); });
    QTest::newRow("setTestDefaultBarCodeTypeAndContentClicked") << Op([](BaseDeviceManager *m) { m->setTestDefaultBarCodeTypeAndContentClicked(); });
    QTest::newRow("setTestPrintContentClicked") << Op([](BaseDeviceManager *m) { m->setTestPrintContentClicked(QStringLiteral("/nonexistent/picture.png")); });
    QTest::newRow("setTestDefaultPrintContentClicked") << Op([](BaseDeviceManager *m) { m->setTestDefaultPrintContentClicked(); });
    QTest::newRow("setTestPrintReceiptClicked") << Op([](BaseDeviceManager *m) { m->setTestPrintReceiptClicked(QStringLiteral("1B 40 41 0A"), 1); });
    QTest::newRow("setTestDefaultPrintReceiptClicked") << Op([](BaseDeviceManager *m) { m->setTestDefaultPrintReceiptClicked(1); });

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
    m_port->reply(QByteArray::fromHex("24"));
    QVERIFY(spy.wait(2000));
    m_port->reply(QByteArray::fromHex("ff00")); // a second segment: nothing pending any more
    QTest::qWait(150);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), cmd);
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("24"));
    if (cmd == QLatin1String("OfflineStatus")) {
        const QString text = RealTimeStatusForm::decodeReply(cmd, QStringLiteral("24"));
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
    // A multi-byte reply after a request is one payload of lower-case pairs.
    mgr.setErrorStatusClicked();
    QTRY_COMPARE(m_port->received().size(), 3);
    m_port->reply(QByteArray::fromHex("1200ff"));
    QVERIFY(spy.wait(2000));
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("12 00 ff"));
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
