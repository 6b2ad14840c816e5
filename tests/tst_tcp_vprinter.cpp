// End to end against the virtual printer: a LAN search of 127.0.0. finds the
// three virtual printers there, commands reach one byte-exact over TCP and the
// four status queries come back and decode.

#include "support/tcp_fixtures.h"
#include "transport/tcp/TcpDeviceManager.h"

#include <QtTest>

#include <functional>
#include <memory>

class VirtualPrinter;

namespace {
using Op = std::function<void(BaseDeviceManager *)>;
const QStringList Addresses{QStringLiteral("127.0.0.31"), QStringLiteral("127.0.0.32"), QStringLiteral("127.0.0.33")};
const QStringList Models{QStringLiteral("KVZ-L7D"), QStringLiteral("KVZ-L7N"), QStringLiteral("KVZ-L7S")};
} // namespace
Q_DECLARE_METATYPE(Op)

class TcpVprinterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void searchFindsTheVirtualPrinters();
    void commandsArriveByteExact_data();
    void commandsArriveByteExact();
    void statusQueriesComeBackDecoded_data();
    void statusQueriesComeBackDecoded();

private:
    QString mismatch(VirtualPrinter *p, qint64 seq, const QByteArray &sent) const;
    QList<VirtualPrinter *> m_printers;
    std::unique_ptr<TcpLogCapture> m_log;
};

#if __has_include("VirtualPrinter.h")

#include "VirtualPrinter.h"
#include "commands/RealTimeStatusForm.h"

#include <QJsonObject>
#include <QSignalSpy>

void TcpVprinterTest::initTestCase()
{
    tcpPrepareApp(QStringLiteral("127.0.0."));
    m_log = std::make_unique<TcpLogCapture>();
    for (int i = 0; i < Addresses.size(); ++i) {
        VirtualPrinterOptions o;
        o.address = Addresses.at(i);
        o.model = Models.at(i);
        auto *p = new VirtualPrinter(o);
        m_printers.append(p);
        QString error;
        QVERIFY2(p->start(&error), qPrintable(error));
    }
}

// Walks what the printer decoded since seq against the bytes sent: commands
// must match byte for byte, text runs by their length (the printer logs text
// decoded, not as bytes). Empty when all of sent is accounted for.
QString TcpVprinterTest::mismatch(VirtualPrinter *p, qint64 seq, const QByteArray &sent) const
{
    // The printer logs at most this many bytes of one command.
    constexpr int LoggedBytesLimit = 64;
    int pos = 0;
    bool cutShort = false; // the last command was logged cut short: its end is unknown
    for (const QJsonObject &e : p->events()) {
        if (e.value(QStringLiteral("seq")).toVariant().toLongLong() <= seq
            || e.value(QStringLiteral("source")).toString() != QLatin1String("tcp"))
            continue;
        const QString kind = e.value(QStringLiteral("kind")).toString();
        if (kind == QLatin1String("event"))
            continue;
        if (kind == QLatin1String("text")) {
            if (cutShort)
                return QStringLiteral("text after a long command");
            pos += e.value(QStringLiteral("params")).toObject().value(QStringLiteral("bytes")).toInt();
            continue;
        }
        const QByteArray bytes = QByteArray::fromHex(e.value(QStringLiteral("hex")).toString().toLatin1());
        if (cutShort) {
            const int at = sent.indexOf(bytes, pos);
            if (at < 0)
                return QStringLiteral("printer read %1, not sent").arg(QString::fromLatin1(bytes.toHex(' ')));
            pos = at;
        }
        if (sent.mid(pos, bytes.size()) != bytes)
            return QStringLiteral("at %1: printer read %2, sent %3")
                .arg(pos)
                .arg(QString::fromLatin1(bytes.toHex(' ')), QString::fromLatin1(sent.mid(pos, bytes.size()).toHex(' ')));
        pos += bytes.size();
        cutShort = bytes.size() >= LoggedBytesLimit;
    }
    if (cutShort)
        pos = sent.size();
    if (pos != sent.size())
        return QStringLiteral("printer accounted for %1 of %2 bytes").arg(pos).arg(sent.size());
    return QString();
}

void TcpVprinterTest::cleanupTestCase()
{
    qDeleteAll(m_printers);
    m_printers.clear();
}

void TcpVprinterTest::searchFindsTheVirtualPrinters()
{
    TcpDeviceManager mgr;
    QSignalSpy over(&mgr, &TcpDeviceManager::sigScanOverTcp);
    mgr.refreshDeviceList();
    QVERIFY(over.wait(30000));
    const QVariantList list = mgr.getDeviceList();
    QCOMPARE(list.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QVariantMap m = list.at(i).toMap();
        QCOMPARE(m.value("ip").toString(), Addresses.at(i));
        QCOMPARE(m.value("name").toString(), Models.at(i));
        QCOMPARE(m.value("mac").toString(), QStringLiteral("00:00:00:00:00:00")); // loopback
    }
}

void TcpVprinterTest::commandsArriveByteExact_data()
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

void TcpVprinterTest::commandsArriveByteExact()
{
    QFETCH(Op, op);
    VirtualPrinter *printer = m_printers.at(1);
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(Models.at(1), Addresses.at(1), QStringLiteral("00:11:22:33:44:55"), QString()));
    QVERIFY(!printer->waitForEvent(QStringLiteral("client_connected"), 5000).isEmpty());
    const qint64 seq = printer->lastEventSeq();
    m_log->clear();
    op(&mgr);
    QByteArray sent;
    const QString prefix = QStringLiteral("TCP发出数据 ");
    for (const QString &line : m_log->lines()) {
        const int at = line.indexOf(prefix);
        if (at >= 0)
            sent += QByteArray::fromHex(line.mid(at + prefix.size()).toLatin1());
    }
    if (sent.isEmpty())
        QTest::qWait(30);
    QTRY_COMPARE_WITH_TIMEOUT(mismatch(printer, seq, sent), QString(), 5000);
}

void TcpVprinterTest::statusQueriesComeBackDecoded_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QString>("cmd");
    QTest::addColumn<int>("n");
    QTest::newRow("printer") << Op([](BaseDeviceManager *m) { m->setPrinterStatusClicked(); }) << "PrinterStatus" << 1;
    QTest::newRow("offline") << Op([](BaseDeviceManager *m) { m->setOfflineStatusClicked(); }) << "OfflineStatus" << 2;
    QTest::newRow("error") << Op([](BaseDeviceManager *m) { m->setErrorStatusClicked(); }) << "ErrorStatus" << 3;
    QTest::newRow("paper") << Op([](BaseDeviceManager *m) { m->setPaperStatusClicked(); }) << "PaperStatus" << 4;
}

void TcpVprinterTest::statusQueriesComeBackDecoded()
{
    QFETCH(Op, op);
    QFETCH(QString, cmd);
    QFETCH(int, n);
    VirtualPrinter *printer = m_printers.at(0);
    printer->setFlag(QStringLiteral("paper_out"), true);
    printer->setFlag(QStringLiteral("cover_open"), true);
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(Models.at(0), Addresses.at(0), QString(), QString()));
    QSignalSpy reply(&mgr, &BaseDeviceManager::sigTcpResponse);
    op(&mgr);
    QVERIFY(reply.wait(5000));
    QCOMPARE(reply.at(0).at(0).toString(), cmd);
    const QString payload = reply.at(0).at(1).toString();
    QCOMPARE(payload, QString::fromLatin1(QByteArray(1, char(printer->statusByte(n))).toHex()));
    QVERIFY(!RealTimeStatusForm::decodeReply(cmd, payload).isEmpty());
    printer->clearFlags();
}

#else // the virtual printer is not part of this build

void TcpVprinterTest::initTestCase() { QSKIP("the virtual printer is not part of this build"); }
void TcpVprinterTest::cleanupTestCase() {}
void TcpVprinterTest::searchFindsTheVirtualPrinters() {}
void TcpVprinterTest::commandsArriveByteExact_data() {}
void TcpVprinterTest::commandsArriveByteExact() {}
void TcpVprinterTest::statusQueriesComeBackDecoded_data() {}
void TcpVprinterTest::statusQueriesComeBackDecoded() {}

#endif

QTEST_GUILESS_MAIN(TcpVprinterTest)
#include "tst_tcp_vprinter.moc"
