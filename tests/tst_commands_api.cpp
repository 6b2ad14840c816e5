// Every command operation, called by name on a connected manager as the scenes
// call it, must emit its command bytes once with the manager's type (queries
// on USB: one request that waits for the answer) and write one log line.
#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "commands/BarcodeCommands.h"
#include "commands/CodePageTable.h"
#include "commands/RasterCommands.h"
#include "commands/TextPicture.h"
#include "device/CommunicationInterface.h"
#include "support/TestAppDir.h"
#include "support/RecordingManager.h"

#include <QDir>
#include <QImage>
#include <QMetaMethod>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Call
{
    QByteArray op;
    QVariantList args;
};
using Calls = QList<Call>;

} // namespace

Q_DECLARE_METATYPE(Calls)
Q_DECLARE_METATYPE(Call)
Q_DECLARE_METATYPE(ConfigManager::DeviceModel)

namespace {

const int kUsbTimeoutMs = 1000;

bool invoke(QObject *target, const Call &call)
{
    QGenericArgument a[10];
    for (int i = 0; i < call.args.size() && i < 10; ++i)
        a[i] = QGenericArgument(call.args.at(i).typeName(), call.args.at(i).constData());
    return QMetaObject::invokeMethod(target, call.op.constData(), Qt::DirectConnection, a[0], a[1], a[2], a[3], a[4],
                                     a[5], a[6], a[7], a[8], a[9]);
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

QString withData(const char *head, const char *data)
{
    const QByteArray d(data);
    return QString::fromLatin1(head) + QLatin1Char(' ') + hex(QByteArray(1, char(d.size())) + d);
}

const char *const kPrintLogoTail = "1b 40 00 0a 0a 0a 0a 00 1d 56 01 00";

QString printLogo(int n, int m)
{
    return QStringLiteral("1b 40 1b 61 01 1d 54 1c 70 %1 %2 ")
               .arg(n, 2, 16, QLatin1Char('0'))
               .arg(m, 2, 16, QLatin1Char('0'))
           + QLatin1String(kPrintLogoTail);
}

QString modeName(CommType type)
{
    static const char *const names[] = {"TCP", "USB", "Serial", "Driver"};
    return QString::fromLatin1(names[int(type)]);
}

} // namespace

class CommandApiTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void everyOperationEmitsItsBytes_data();
    void everyOperationEmitsItsBytes();
    void tableCoversTheWholeApi();
    void nothingBeforeConnection_data();
    void nothingBeforeConnection();
    void modelDependentForms_data();
    void modelDependentForms();
    void logLines_data();
    void logLines();
    void reconnectKeepsOneSetOfBuilders();
    void settingsTextsMustFitTheirFrame_data();
    void settingsTextsMustFitTheirFrame();
    void textTheCodePageCannotEncodeIsRefused_data();
    void textTheCodePageCannotEncodeIsRefused();
    void unreadableTwoDimensionalContentIsRefused();
    void testPrintStoresAndRestores();
    void adoptingTheAdoptedPictureKeepsIt();

private:
    void addRows(CommType type);
    QStringList actionLines(const QList<QList<QVariant>> &spy, CommType type) const;

    TestAppDir m_app;
    QSet<QByteArray> m_rowOps;
    bool m_collectOnly = false;
    QString m_picture; // 16 x 8, all black
};

void CommandApiTest::initTestCase()
{
    qRegisterMetaType<CommType>();
    Logger::getInstance();
    ConfigManager::getInstance()->initialize();
    // The adopted test picture is written relative to the working directory.
    QVERIFY(QDir::setCurrent(m_app.path()));
    QImage black(16, 8, QImage::Format_RGB32);
    black.fill(Qt::black);
    m_picture = m_app.filePath(QStringLiteral("black.png"));
    QVERIFY(black.save(m_picture));
}

void CommandApiTest::cleanup()
{
    ConfigManager::getInstance()->setCurrentDeviceModel(ConfigManager::L7N);
}

QStringList CommandApiTest::actionLines(const QList<QList<QVariant>> &spy, CommType type) const
{
    QStringList lines;
    const QString marker = QStringLiteral("] %1 ").arg(modeName(type));
    for (const QList<QVariant> &args : spy) {
        const QString line = args.at(1).toString();
        if (line.contains(marker))
            lines << line;
    }
    return lines;
}

void CommandApiTest::addRows(CommType type)
{
    const QString t = modeName(type) + QLatin1Char(' ');
    auto row = [&](const char *name, const QByteArray &op, const QVariantList &args, const QStringList &bytes,
                   const Calls &prep = {}, const QString &expectCmd = QString()) {
        m_rowOps.insert(op);
        if (m_collectOnly)
            return;
        QTest::newRow(qPrintable(t + QLatin1String(name)))
            << type << Call{op, args} << prep << bytes << expectCmd;
    };
    auto query = [&](const char *name, const QByteArray &op, const QString &bytes, const char *cmd) {
        row(name, op, {}, {bytes}, {}, QLatin1String(cmd));
    };
    const QString json = QStringLiteral(
        "{\"65\":{\"verticalCount\":3,\"horizontalCount\":2,\"pixelBytes\":[1,2,3,4,5,6],\"hexValue\":\"41\"}}");
    const QString blackBlock = QStringLiteral("1c 71 01 02 00 01 00 ") + hex(QByteArray(16, char(0xFF)));

    // Buzzer, cutter, cash drawer, real-time status.
    row("buzzer", "setBuzzerClicked", {3, 5}, {"1b 42 03 05 00"});
    row("buzzer alarm", "setBuzzerAlarmClicked", {2, 3, 4}, {"1b 43 02 03 03"});
    row("cut", "setCutClicked", {3, 0}, {"1d 56 42 00"});
    query("printer status", "setPrinterStatusClicked", "10 04 01", "PrinterStatus");
    query("offline status", "setOfflineStatusClicked", "10 04 02", "OfflineStatus");
    query("error status", "setErrorStatusClicked", "10 04 03", "ErrorStatus");
    query("paper status", "setPaperStatusClicked", "10 04 04", "PaperStatus");
    row("control pulse", "setControlPulseClicked", {2, 255, 0}, {"1b 70 01 ff 00"});
    row("open pulse", "setOpenPulseClicked", {1, 20}, {"10 14 01 00 14"});

    // Working mode.
    row("init", "setInitMachineClicked", {}, {"1b 40"});
    row("line feed hex", "setPrintAndLineFeedClicked", {true, QStringLiteral("1B 40  0A")}, {"1b 40 0a", "0a"});
    row("line feed text gbk", "setPrintAndLineFeedClicked", {false, QStringLiteral("A中")}, {"41 d6 d0", "0a"});
    row("feed units", "setPrintAndPaperFeedClicked", {true, QStringLiteral("1FF"), 300}, {"ff", "1b 4a 2c"});
    row("feed lines", "setPrintAndPaperFeedLineClicked", {false, QStringLiteral("é"), 3}, {"82", "1b 64 03"},
        {{"setCodePageClicked", {QStringLiteral("IBM865")}}});
    row("default line spacing", "setSetDefaultLineSpaceClicked", {}, {"1b 32"});
    row("line spacing", "setSetLineSpaceClicked", {30}, {"1b 33 1e"});
    row("code page", "setCodePageClicked", {QStringLiteral("CP437")}, {});

    // Bitmaps and logos.
    row("load pictures", "setLoadClickedMultiple", {QStringList{m_picture}}, {});
    row("send pictures", "setPrintClicked", {}, {blackBlock},
        {{"setLoadClickedMultiple", {QStringList{m_picture}}}});
    row("print logo", "setPrintLogoClicked", {3, 2}, {printLogo(3, 2)});

    // Barcodes.
    row("upca", "setPrintUPCAClicked", {QStringLiteral("123456789012")}, {withData("1d 6b 41", "123456789012")});
    row("upce", "setPrintUPCEClicked", {QStringLiteral("0123456")}, {withData("1d 6b 42", "0123456")});
    row("jan13", "setPrintJAN13Clicked", {QStringLiteral("4006381333931")}, {withData("1d 6b 43", "4006381333931")});
    row("jan8", "setPrintJAN8Clicked", {QStringLiteral("96385074")}, {withData("1d 6b 44", "96385074")});
    row("code39", "setPrintCODE39Clicked", {QStringLiteral("ABC-123")}, {withData("1d 6b 45", "ABC-123")});
    row("itf", "setPrintITFClicked", {QStringLiteral("1234")}, {withData("1d 6b 46", "1234")});
    row("codabar", "setPrintCODABARClicked", {QStringLiteral("A123B")}, {withData("1d 6b 47", "A123B")});
    row("code93", "setPrintCODE93Clicked", {QStringLiteral("TEST93")}, {withData("1d 6b 48", "TEST93")});
    row("code128", "setPrintCODE128Clicked", {QStringLiteral("123, 66, 49, 50")}, {"1d 6b 49 04 7b 42 31 32"});
    row("hri position", "setHriPositionClicked", {3}, {"1d 48 02"});
    row("hri font", "setHriFontClicked", {2}, {"1d 66 01"});
    row("barcode size", "setBarcodeSizeClicked", {3, 162}, {"1d 77 03 1d 68 a2"});
    row("2d type", "set2dBarCodeTypeClicked", {QStringLiteral("QR_CODE")}, {});
    row("more barcodes", "setPrintMoreBarCodeClicked", {QStringLiteral("MSI"), QStringLiteral("123")}, {});
    row("qr code", "setQRCodeClicked", {8, 1, QStringLiteral("ABC")},
        {"1d 28 6b 03 00 31 43 08 1d 28 6b 03 00 31 45 01 1d 28 6b 06 00 31 50 30 41 42 43 "
         "1b 61 31 1d 28 6b 03 00 31 51 30 1b 61 30 0a 0a 00 1d 56 01 00"},
        {{"set2dBarCodeTypeClicked", {QStringLiteral("QR_CODE")}}});

    // Lamps.
    row("standby switch", "setWaitLightSwitchClicked", {1}, {"1f 1b 06 01"});
    row("work lamp", "setWorkClicked", {255, 128, 0}, {"1f 1b 07 ff 80 00"});
    row("paper lamp", "setPaperClicked", {1, 2, 3}, {"1f 1b 08 01 02 03"});
    row("knife lamp", "setKnifeClicked", {256, 0, 0}, {"1f 1b 09 00 00 00"});
    row("hot lamp", "setHotClicked", {4, 5, 6}, {"1f 1b 0a 04 05 06"});
    row("standby colour", "setWaitClicked", {7, 8, 9}, {"1f 1b 0c 07 08 09"});
    row("standby pattern", "setWaitTypeClicked", {2}, {"1f 1b 0b 02"});

    // Chinese characters.
    row("hanzi on", "setHanziModeClicked", {true}, {"1c 26"});
    row("hanzi off", "setHanziModeClicked", {false}, {"1c 2e"});
    row("hanzi format", "setHanziCharClicked", {true, true, true}, {"1c 21 8c"});
    row("hanzi margins", "setHanziMarginClicked", {2, 3}, {"1c 53 02 03"});

    // Printer parameters (current model L7N).
    row("charset", "setCharacterClicked", {15}, {"1f 1b 0e 0f"});
    row("print mode", "setPrintModeClicked", {1}, {"1f 1b 01 01"});
    row("buzzer switch", "setBuzzerSwitchClicked", {1}, {"1f 1b 02 01"});
    row("knife switch", "setKnifeSwitchClicked", {0}, {"1f 1b 03 00"});
    row("error beep", "setErrorBeepClicked", {1}, {"1f 1b 05 01"});
    row("alignment", "setAlignmentClicked", {1}, {"1b 61 01"});
    row("rotate", "setRotate90Clicked", {5}, {"1b 56 01"});
    row("upside down", "setInversionClicked", {0}, {"1b 7b 00"});
    row("char size", "setCharSizeClicked", {1, 2}, {"1d 21 12"});
    row("negative", "onSetNegativeClicked", {true}, {"1d 42 01"});
    row("left margin", "setLeftMarginClicked", {10, 1}, {"1d 4c 0a 01"});
    row("print area", "setPrintAreaClicked", {0x40, 2}, {"1d 57 40 02"});
    row("units", "setUnitClicked", {180, 90}, {"1d 50 b4 5a"});
    row("density", "setDensityClicked", {3}, {"1f 1b 04 03"});
    row("paper size", "setPaperSizeClicked", {2}, {"1d 57 4c 02"});
    row("paper gap", "setPaperGapClicked", {2}, {"1b 33 1e"}, {{"setPaperSizeClicked", {0}}});
    row("speed", "setPrintSpeedClicked", {100}, {"1b 4e 04 64 0a"});
    row("peripherals", "setEnablePeripheralsClicked", {true, false, false}, {"1f 73 02 00 01 01 00 00 00 00 00"});
    row("model name", "setPrintModelClicked", {QStringLiteral("L7N1")}, {"1f 1b 0f 04 4c 37 4e 31 01"},
        {{"setErrorBeepClicked", {1}}});
    row("usb upgrade", "setUSBUpgradeModeClicked", {}, {"1f 1e 18 19 01"});
    row("factory reset", "setRestoreFactorySettingsClicked", {}, {"1f 1b 19"});

    // Characters.
    row("right space", "setRightSpaceClicked", {5}, {"1b 20 05"});
    row("char print mode", "setCharPrintModeClicked", {1, true, false, false, true}, {"1b 21 cf"});
    row("user set", "setCheckUseCustomCharClicked", {true}, {"1b 25 01"});
    row("print custom", "setCustomCharPrintClicked", {0x41}, {"41 0a"});
    row("delete custom", "setCustomCharDeleteClicked", {0x20}, {"1b 3f 20"});
    row("delete list", "setClearAllCustomCharClicked", {QVariant::fromValue(QList<int>{32, 33})},
        {"1b 3f 20", "1b 3f 21"});
    row("define custom", "setCustomCharClicked", {json}, {"1b 26 03 41 41 02 01 03 05 02 04 06"});
    row("more settings click", "setTestClicked", {}, {});

    // Query-and-reply settings.
    query("bt address", "setSearchBluetoothAddressClicked", "10 a9 00 00 00 00 b9", "BluetoothAddress");
    query("bt name", "setSearchBluetoothNameClicked", "10 a7 00 00 00 00 b7", "BluetoothName");
    query("bt pin", "setSearchBluetoothPinCodeClicked", "10 a8 00 00 00 00 b8", "BluetoothPinCode");
    row("write bt name", "setBluetoothNameClicked", {QStringLiteral("AB")}, {"10 a7 01 00 02 00 41 42 3d"});
    row("write bt pin", "setBluetoothCodeNameClicked", {QStringLiteral("1234")},
        {"10 a8 01 00 04 00 31 32 33 34 87"});
    query("instruction", "setSearchPrintInstructionClicked", "10 a2 00 00 00 00 b2", "PrintInstruction");
    row("write instruction", "setPrintInstructionClicked", {1}, {"10 a2 01 00 01 00 01 b5"});
    query("paper type", "setSearchPaperTypeClicked", "10 a3 00 00 00 00 b3", "PaperType");
    row("write paper type", "setPaperTypeClicked", {1}, {"10 a3 01 00 01 00 01 b6"});
    query("speed mode", "setSearchPrintSpeedModeClicked", "10 a4 00 00 00 00 b4", "PrintSpeedMode");
    row("write speed mode", "setPrintSpeedModeClicked", {3}, {"10 a4 01 00 01 00 03 b9"});
    query("density mode", "setSearchPrintDensityModeClicked", "10 a5 00 00 00 00 b5", "PrintDensityMode");
    row("write density mode", "setPrintDensityModeClicked", {2}, {"10 a5 01 00 01 00 02 b9"});
    query("character mode", "setSearchCharacterModeModeClicked", "10 a6 00 00 00 00 b6", "CharacterModeMode");
    row("write character mode", "setCharacterModeClicked", {5}, {"10 a6 01 00 01 00 05 bd"});
    row("baud 7", "setBaudrateClicked", {7}, {"1f 1b 1f c1 87"});
    row("baud 3", "setBaudrateClicked", {3}, {"1f 1b 1f c1 83"});
    row("read baud", "setSearchBaudrateClicked", {}, {"00"});
    row("data bits", "setDataBitsClicked", {1}, {"00"});
    row("read data bits", "setSearchDataBitsClicked", {}, {"00"});
    row("parity", "setParityClicked", {2}, {"00"});
    row("read parity", "setSearchParityClicked", {}, {"00"});
    row("stop bits", "setStopBitsClicked", {1}, {"00"});
    row("read stop bits", "setSearchStopBitsClicked", {}, {"00"});

    // Test prints and their stored contents.
    row("test picture", "setTestPrintPicturesClicked", {},
        {QStringLiteral("1c 71 01 02 00 01 00 ") + hex(QByteArray(16, char(0xFF))) + QLatin1Char(' ') + printLogo(1, 3)},
        {{"setTestBitMapPathClicked", {m_picture}}});
    row("test barcode", "setTestPrintBarcodeClicked", {}, {QStringLiteral("1d 48 02 ") + withData("1d 6b 41", "123456789012")},
        {{"setTestDefaultBarCodeTypeAndContentClicked", {}}});
    row("test page", "setTestPrintTestPageClicked", {}, {"1b 40 0a"},
        {{"setTestPageTextClicked", {QStringLiteral("1B40 0 A")}}});
    row("receipt 58", "setTestPrint58ReceiptsClicked", {}, {"1b 40"},
        {{"setTestReceipt58TextClicked", {QStringLiteral("1B 40")}}});
    row("receipt 76", "setTestPrint76ReceiptsClicked", {}, {"0a"}, {{"setTestReceipt76TextClicked", {QStringLiteral("0A")}}});
    row("receipt 80", "setTestPrint80ReceiptsClicked", {}, {"1d 56 01"},
        {{"setTestReceipt80TextClicked", {QStringLiteral("1D 56 01")}}});
    row("self test", "setTestPrintSelfCheckClicked", {}, {"1f 1b 0d"});
    row("store bitmap path", "setTestBitMapPathClicked", {m_picture}, {});
    row("store barcode type", "setTestBarCodeTypeClicked", {QStringLiteral("JAN8")}, {});
    row("store barcode value", "setTestBarCodeValueClicked", {QStringLiteral("96385074")}, {});
    row("store test page", "setTestPageTextClicked", {QStringLiteral("1B 40")}, {});
    row("store receipt 58", "setTestReceipt58TextClicked", {QStringLiteral("1B 40")}, {});
    row("store receipt 76", "setTestReceipt76TextClicked", {QStringLiteral("1B 40")}, {});
    row("store receipt 80", "setTestReceipt80TextClicked", {QStringLiteral("1B 40")}, {});
    row("adopt picture", "setAsTestPrintImageClicked", {m_picture}, {});
    row("default picture", "setAsTestDefaultImageClicked", {}, {});
    row("store barcode", "setTestBarCodeTypeAndContentClicked", {QStringLiteral("CODE39"), QStringLiteral("AB")}, {});
    row("default barcode", "setTestDefaultBarCodeTypeAndContentClicked", {}, {});
    row("store content", "setTestPrintContentClicked", {QStringLiteral("0A")}, {});
    row("default content", "setTestDefaultPrintContentClicked", {}, {});
    row("store receipt", "setTestPrintReceiptClicked", {QStringLiteral("1B 40"), 1}, {});
    row("default receipt", "setTestDefaultPrintReceiptClicked", {2}, {});

    // Text as a picture, code page tables, codes the printer cannot draw.
    row("text as picture", "setPrintTextAsPictureClicked", {QStringLiteral("中ก")},
        {hex(RasterCommands::rasterImage(TextPicture::render(QStringLiteral("中ก"))))});
    row("code page tables", "setTestPrintCodePagesClicked", {QVariant::fromValue(QList<int>{16, 0})},
        {hex(CodePageTable::table(16)), hex(CodePageTable::table(0))});
    row("pdf417", "setQRCodeClicked", {8, 1, QStringLiteral("ABC")}, {hex(BarcodeCommands::pdf417(8, 1, QStringLiteral("ABC")))},
        {{"set2dBarCodeTypeClicked", {QStringLiteral("PDF417")}}});
    row("aztec", "setQRCodeClicked", {3, 1, QStringLiteral("ABC")},
        {hex(BarcodeCommands::matrixPicture(BarcodeCommands::MatrixSymbol::Aztec, 3, QStringLiteral("ABC")))},
        {{"set2dBarCodeTypeClicked", {QStringLiteral("AZTEC")}}});
}

void CommandApiTest::everyOperationEmitsItsBytes_data()
{
    QTest::addColumn<CommType>("type");
    QTest::addColumn<Call>("call");
    QTest::addColumn<Calls>("prep");
    QTest::addColumn<QStringList>("bytes");
    QTest::addColumn<QString>("expectCmd");
    for (CommType type : {CommType::Tcp, CommType::Usb, CommType::Serial, CommType::Driver})
        addRows(type);
}

void CommandApiTest::everyOperationEmitsItsBytes()
{
    QFETCH(CommType, type);
    QFETCH(Call, call);
    QFETCH(Calls, prep);
    QFETCH(QStringList, bytes);
    QFETCH(QString, expectCmd);

    ConfigManager::getInstance()->setCurrentDeviceModel(ConfigManager::L7N);
    RecordingManager manager(type);
    QVERIFY(manager.connectDevice(QString(), QString(), QString(), QString()));
    for (const Call &p : prep)
        QVERIFY2(invoke(&manager, p), p.op.constData());
    manager.clear();

    QSignalSpy logSpy(Logger::getInstance(), &Logger::newLogMessage);
    QVERIFY2(invoke(&manager, call), call.op.constData());

    const bool waitsForAnswer = !expectCmd.isEmpty() && type == CommType::Usb;
    QStringList emitted;
    for (const auto &e : qAsConst(manager.emissions)) {
        QCOMPARE(e.type, int(type));
        emitted << hex(e.data);
    }
    if (waitsForAnswer) {
        QVERIFY(emitted.isEmpty());
        QCOMPARE(manager.usbRequests.size(), 1);
        QCOMPARE(hex(manager.usbRequests.first().data), bytes.first());
        QCOMPARE(manager.usbRequests.first().expectCmd, expectCmd);
        QCOMPARE(manager.usbRequests.first().timeoutMs, kUsbTimeoutMs);
    } else {
        QCOMPARE(emitted, bytes);
        QVERIFY(manager.usbRequests.isEmpty());
    }
    QCOMPARE(actionLines(logSpy, type).size(), 1);
}

void CommandApiTest::tableCoversTheWholeApi()
{
    const QSet<QByteArray> excluded = {"connectDevice", "disconnectDevice", "refreshDeviceList", "getDeviceList",
                                       "setNetworkClicked"};
    const QMetaObject &mo = CommunicationInterface::staticMetaObject;
    QSet<QByteArray> api;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
        const QMetaMethod m = mo.method(i);
        if (m.methodType() == QMetaMethod::Method && !excluded.contains(m.name()))
            api.insert(m.name());
    }
    QCOMPARE(api.size(), 120);
    m_rowOps.clear();
    m_collectOnly = true;
    addRows(CommType::Tcp);
    m_collectOnly = false;
    QCOMPARE(api - m_rowOps, QSet<QByteArray>());
}

void CommandApiTest::nothingBeforeConnection_data()
{
    everyOperationEmitsItsBytes_data();
}

void CommandApiTest::nothingBeforeConnection()
{
    QFETCH(CommType, type);
    QFETCH(Call, call);
    RecordingManager manager(type);
    QSignalSpy logSpy(Logger::getInstance(), &Logger::newLogMessage);
    QVERIFY(invoke(&manager, call));
    QVERIFY(manager.emissions.isEmpty());
    QVERIFY(manager.usbRequests.isEmpty());
    // One line either way: the action itself for the log-only operation, the
    // "not connected" warning for every other one.
    const QStringList lines = actionLines(logSpy, type);
    QCOMPARE(lines.size(), 1);
    if (call.op != "setTestClicked")
        QVERIFY2(lines.first().contains(QStringLiteral("[WARNING]"))
                     && lines.first().endsWith(QStringLiteral("%1 未连接打印机，命令未执行").arg(modeName(type))),
                 qPrintable(lines.first()));
}

void CommandApiTest::modelDependentForms_data()
{
    QTest::addColumn<ConfigManager::DeviceModel>("model");
    QTest::addColumn<Call>("call");
    QTest::addColumn<QString>("bytes"); // empty: no emission at all

    struct Form
    {
        const char *name;
        Call call;
        const char *l7n;
        const char *l7s;
        const char *other; // Unknown and Standard
    };
    const Form forms[] = {
        {"print mode", {"setPrintModeClicked", {1}}, "1f 1b 01 01", "", ""},
        {"charset", {"setCharacterClicked", {15}}, "1f 1b 0e 0f", "1f 1b 1f ff 0f", "1b 52 0f"},
        {"buzzer switch", {"setBuzzerSwitchClicked", {1}}, "1f 1b 02 01", "", ""},
        {"knife switch", {"setKnifeSwitchClicked", {1}}, "1f 1b 03 01", "", ""},
        {"error beep", {"setErrorBeepClicked", {1}}, "1f 1b 05 01", "", ""},
        {"density", {"setDensityClicked", {4}}, "1f 1b 04 04", "1f 1c 1f 41 04 06 07 04 0a",
         "1f 1c 1f 41 04 06 07 04 0a"},
        {"model name", {"setPrintModelClicked", {QStringLiteral("AB")}}, "1f 1b 0f 02 41 42 00", "", ""},
        {"usb upgrade", {"setUSBUpgradeModeClicked", {}}, "1f 1e 18 19 01", "", ""},
        {"factory reset", {"setRestoreFactorySettingsClicked", {}}, "1f 1b 19", "", ""},
        {"alignment", {"setAlignmentClicked", {2}}, "1b 61 02", "1b 61 02", "1b 61 02"},
    };
    const ConfigManager::DeviceModel models[] = {ConfigManager::Unknown, ConfigManager::Standard, ConfigManager::L7N,
                                                 ConfigManager::L7S};
    for (ConfigManager::DeviceModel model : models) {
        for (const Form &f : forms) {
            const char *bytes = model == ConfigManager::L7N ? f.l7n : model == ConfigManager::L7S ? f.l7s : f.other;
            QTest::addRow("%s %s", qPrintable(ConfigManager::modelName(model)), f.name)
                << model << f.call << QString::fromLatin1(bytes);
        }
    }
}

void CommandApiTest::modelDependentForms()
{
    QFETCH(ConfigManager::DeviceModel, model);
    QFETCH(Call, call);
    QFETCH(QString, bytes);
    RecordingManager manager(CommType::Tcp);
    manager.connectDevice(QString(), QString(), QString(), QString());
    ConfigManager::getInstance()->setCurrentDeviceModel(model);
    QVERIFY(invoke(&manager, call));
    if (bytes.isEmpty()) {
        QVERIFY(manager.emissions.isEmpty());
    } else {
        QCOMPARE(manager.emissions.size(), 1);
        QCOMPARE(hex(manager.emissions.first().data), bytes);
    }
}

void CommandApiTest::logLines_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("bytes");

    QTest::newRow("logo number shown plus one")
        << Call{"setPrintLogoClicked", {4, 6}} << QStringList{"TCP 位图设置 模式: 4 logo序号: 7 "}
        << QStringList{printLogo(7, 3)};
    QTest::newRow("custom characters by code")
        << Call{"setCustomCharClicked",
                {QStringLiteral("{\"66\":{\"verticalCount\":1,\"horizontalCount\":1,\"pixelBytes\":[255]},"
                                "\"65\":{\"verticalCount\":1,\"horizontalCount\":1,\"pixelBytes\":[1]}}")}}
        << QStringList{"TCP 自定义字符设置 字符: 6566 "}
        << QStringList{"1b 26 01 41 41 01 01", "1b 26 01 42 42 01 ff"};
    QTest::newRow("invalid json: no codes, no bytes")
        << Call{"setCustomCharClicked", {QStringLiteral("[1,2]")}} << QStringList{"TCP 自定义字符设置 字符:  "}
        << QStringList{};
    QTest::newRow("short pixel data padded with 00")
        << Call{"setCustomCharClicked",
                {QStringLiteral("{\"65\":{\"verticalCount\":3,\"horizontalCount\":2,\"pixelBytes\":[1,2,3]}}")}}
        << QStringList{"TCP 自定义字符设置 字符: 65 "} << QStringList{"1b 26 03 41 41 02 01 03 00 02 00 00"};
    QTest::newRow("unknown paper gap: empty name, nothing sent")
        << Call{"setPaperGapClicked", {7}} << QStringList{"TCP 纸张间隙 :  "} << QStringList{};
    QTest::newRow("paper gap name")
        << Call{"setPaperGapClicked", {3}} << QStringList{"TCP 纸张间隙 : 宽松间距 "} << QStringList{"1b 33 3c"};
    QTest::newRow("paper size name")
        << Call{"setPaperSizeClicked", {1}} << QStringList{"TCP 纸张大小 值: 76mm "} << QStringList{"1d 57 c8 01"};
    QTest::newRow("delete list codes")
        << Call{"setClearAllCustomCharClicked", {QVariant::fromValue(QList<int>{})}}
        << QStringList{"TCP 自定义字符单个删除 字符:  "} << QStringList{};
    QTest::newRow("hri position made 0-based")
        << Call{"setHriPositionClicked", {9}} << QStringList{"TCP 条码Hri位置设置 位置: 0  "} << QStringList{"1d 48 00"};
    QTest::newRow("rotation shows the integer")
        << Call{"setRotate90Clicked", {-2}} << QStringList{"TCP 顺时针旋转90度设置 选择: -2 "} << QStringList{"1b 56 01"};
    QTest::newRow("two pictures, two lines")
        << Call{"setLoadClickedMultiple", {QStringList{QStringLiteral("a.png"), QStringLiteral("b.png")}}}
        << QStringList{"TCP 位图加载[1/2] 图片路径: a.png  ", "TCP 位图加载[2/2] 图片路径: b.png  "} << QStringList{};
    QTest::newRow("empty barcode sends nothing")
        << Call{"setPrintUPCAClicked", {QString()}} << QStringList{"TCP 条码upc-a打印 内容:   "} << QStringList{};
    QTest::newRow("hex text without a byte: only the line feed")
        << Call{"setPrintAndLineFeedClicked", {true, QStringLiteral("zz  g")}}
        << QStringList{"TCP 工作模式打印并换行 hex: 1 内容: zz  g "} << QStringList{"0a"};
    QTest::newRow("typed line break cannot forge a log line")
        << Call{"setBluetoothNameClicked", {QStringLiteral("QM\n[2026-01-01 00:00:00] [ERROR] forged")}}
        << QStringList{"TCP 设置蓝牙名称 : QM\\n[2026-01-01 00:00:00] [ERROR] forged "}
        << QStringList{hex(QByteArray::fromHex("10a701002700") + QByteArray("QM\n[2026-01-01 00:00:00] [ERROR] forged")
                           + char(0xd2))};
    QTest::newRow("bluetooth name over 255 bytes refused")
        << Call{"setBluetoothNameClicked", {QString(256, QLatin1Char('A'))}}
        << QStringList{"TCP 蓝牙名称过长 (256 字节，最多 255 字节)，未发送"} << QStringList{};
    QTest::newRow("pairing code of 128 Chinese characters (256 bytes) refused")
        << Call{"setBluetoothCodeNameClicked", {QString(128, QChar(0x7801))}}
        << QStringList{"TCP 蓝牙配对码过长 (256 字节，最多 255 字节)，未发送"} << QStringList{};
}

void CommandApiTest::logLines()
{
    QFETCH(Call, call);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, bytes);
    RecordingManager manager(CommType::Tcp);
    manager.connectDevice(QString(), QString(), QString(), QString());
    QSignalSpy logSpy(Logger::getInstance(), &Logger::newLogMessage);
    QVERIFY(invoke(&manager, call));
    QStringList texts;
    for (const QString &line : actionLines(logSpy, CommType::Tcp))
        texts << line.mid(line.indexOf(QLatin1String("] TCP ")) + 2);
    QCOMPARE(texts, lines);
    QStringList emitted;
    for (const auto &e : qAsConst(manager.emissions))
        emitted << hex(e.data);
    QCOMPARE(emitted, bytes);
}

void CommandApiTest::settingsTextsMustFitTheirFrame_data()
{
    QTest::addColumn<QByteArray>("op");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<bool>("sent");
    QTest::newRow("name of 255 bytes") << QByteArray("setBluetoothNameClicked") << QString(255, QLatin1Char('n')) << 255 << true;
    QTest::newRow("name of 256 bytes") << QByteArray("setBluetoothNameClicked") << QString(256, QLatin1Char('n')) << 256 << false;
    QTest::newRow("name of 300 bytes (length byte would read 44)") << QByteArray("setBluetoothNameClicked") << QString(300, QLatin1Char('n')) << 300 << false;
    QTest::newRow("code of 127 GBK characters") << QByteArray("setBluetoothCodeNameClicked") << QString(127, QChar(0x7801)) << 254 << true;
    QTest::newRow("code of 70000 bytes") << QByteArray("setBluetoothCodeNameClicked") << QString(70000, QLatin1Char('1')) << 70000 << false;
}

void CommandApiTest::settingsTextsMustFitTheirFrame()
{
    QFETCH(QByteArray, op);
    QFETCH(QString, text);
    QFETCH(int, bytes);
    QFETCH(bool, sent);
    for (const CommType type : {CommType::Tcp, CommType::Usb}) {
        RecordingManager manager(type);
        manager.connectDevice(QString(), QString(), QString(), QString());
        QSignalSpy refused(&manager, &BaseDeviceManager::sigInputRefused);
        QVERIFY(invoke(&manager, Call{op, {text}}));
        if (sent) {
            QCOMPARE(manager.emissions.size(), 1);
            const QByteArray frame = manager.emissions.first().data;
            QCOMPARE(frame.size(), 6 + bytes + 1);
            QCOMPARE(quint8(frame.at(4)), quint8(bytes));
            QCOMPARE(quint8(frame.at(5)), quint8(0));
            QCOMPARE(refused.count(), 0);
        } else {
            // Nothing at all reaches the printer, and the user is told why.
            QCOMPARE(manager.emissions.size(), 0);
            QCOMPARE(manager.written.size(), 0);
            QCOMPARE(refused.count(), 1);
            QVERIFY(refused.at(0).at(0).toString().contains(QStringLiteral("(%1 字节，最多 255 字节)").arg(bytes)));
        }
    }
}

void CommandApiTest::textTheCodePageCannotEncodeIsRefused_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QString>("codePage");
    QTest::addColumn<QString>("notice"); // empty: sent
    QTest::newRow("line feed, Chinese in ISO-8859-1")
        << Call{"setPrintAndLineFeedClicked", {false, QStringLiteral("Aé中文中")}} << "ISO-8859-1"
        << "以下字符无法用 ISO-8859-1 编码: 中 文";
    QTest::newRow("feed units, Thai in GBK") << Call{"setPrintAndPaperFeedClicked", {false, QStringLiteral("ok ก"), 3}}
                                             << "GBK" << "以下字符无法用 GBK 编码: ก";
    QTest::newRow("feed lines, euro in CP437") << Call{"setPrintAndPaperFeedLineClicked", {false, QStringLiteral("€5"), 2}}
                                               << "CP437" << "以下字符无法用 CP437 编码: €";
    QTest::newRow("hex text is not checked") << Call{"setPrintAndLineFeedClicked", {true, QStringLiteral("41")}}
                                             << "ISO-8859-1" << "";
    QTest::newRow("Latin-1 carries é") << Call{"setPrintAndLineFeedClicked", {false, QStringLiteral("é")}}
                                       << "ISO-8859-1" << "";
}

void CommandApiTest::textTheCodePageCannotEncodeIsRefused()
{
    QFETCH(Call, call);
    QFETCH(QString, codePage);
    QFETCH(QString, notice);
    RecordingManager manager(CommType::Tcp);
    manager.connectDevice(QString(), QString(), QString(), QString());
    manager.setCodePageClicked(codePage);
    manager.clear();
    QSignalSpy refused(&manager, &BaseDeviceManager::sigInputRefused);
    QSignalSpy logSpy(Logger::getInstance(), &Logger::newLogMessage);
    QVERIFY(invoke(&manager, call));
    if (notice.isEmpty()) {
        QCOMPARE(refused.count(), 0);
        QCOMPARE(manager.emissions.size(), 2);
        return;
    }
    // Nothing reaches the printer, not even the feed, and the user is told why.
    QCOMPARE(manager.emissions.size(), 0);
    QCOMPARE(manager.written.size(), 0);
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.at(0).at(0).toString(), notice);
    bool logged = false;
    for (const QList<QVariant> &args : qAsConst(logSpy))
        logged |= args.at(1).toString().contains(QStringLiteral("[ERROR] ") + notice);
    QVERIFY(logged);
}

void CommandApiTest::unreadableTwoDimensionalContentIsRefused()
{
    RecordingManager manager(CommType::Usb);
    manager.connectDevice(QString(), QString(), QString(), QString());
    QSignalSpy refused(&manager, &BaseDeviceManager::sigInputRefused);
    manager.set2dBarCodeTypeClicked(QStringLiteral("DATA_MATRIX"));
    manager.clear();
    manager.setQRCodeClicked(8, 1, QString(5000, QLatin1Char('x')));
    QCOMPARE(manager.emissions.size(), 0);
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.at(0).at(0).toString(), QStringLiteral("USB 无法生成 DATA_MATRIX: 内容不符合该码制，未发送"));
}

void CommandApiTest::reconnectKeepsOneSetOfBuilders()
{
    RecordingManager manager(CommType::Serial);
    manager.connectDevice(QString(), QString(), QString(), QString());
    manager.connectDevice(QString(), QString(), QString(), QString());
    manager.setWorkClicked(1, 2, 3);
    manager.setTestPrintSelfCheckClicked();
    manager.setSearchPaperTypeClicked();
    QCOMPARE(manager.emissions.size(), 3);
}

void CommandApiTest::testPrintStoresAndRestores()
{
    ConfigManager *store = ConfigManager::getInstance();
    RecordingManager manager(CommType::Tcp);
    manager.connectDevice(QString(), QString(), QString(), QString());

    manager.setTestPrintReceiptClicked(QStringLiteral("1B 40"), 1);
    QCOMPARE(store->getReceipt76Text(), QStringLiteral("1B 40"));
    manager.setTestPrintReceiptClicked(QStringLiteral("0A"), 3);
    QCOMPARE(store->getReceipt76Text(), QStringLiteral("1B 40"));
    manager.setTestDefaultPrintReceiptClicked(1);
    QCOMPARE(store->getReceipt76Text(), ConfigManager::toUpperHexText(ConfigManager::defaultReceipt(76)));

    manager.setTestPrintContentClicked(QStringLiteral("0A 0A"));
    QCOMPARE(store->getTestPageText(), QStringLiteral("0A 0A"));
    manager.setTestDefaultPrintContentClicked();
    QCOMPARE(store->getTestPageText(), ConfigManager::toUpperHexText(ConfigManager::defaultTestPage()));

    manager.setTestBarCodeTypeAndContentClicked(QStringLiteral("CODE128"), QStringLiteral("123, 66"));
    manager.clear();
    manager.setTestPrintBarcodeClicked();
    // The stored CODE128 value goes out as its characters.
    QCOMPARE(hex(manager.emissions.first().data), QStringLiteral("1d 48 02 ") + withData("1d 6b 49", "123, 66"));
    manager.setTestBarCodeTypeClicked(QStringLiteral("EAN99"));
    manager.clear();
    manager.setTestPrintBarcodeClicked();
    QCOMPARE(hex(manager.emissions.first().data), QStringLiteral("1d 48 02 1d 6b ") + hex(QByteArray(1, 7) + "123, 66"));

    manager.setTestBitMapPathClicked(QString());
    manager.clear();
    manager.setTestPrintPicturesClicked();
    QVERIFY(manager.emissions.isEmpty());

    manager.setTestBitMapPathClicked(m_app.filePath(QStringLiteral("missing.png")));
    manager.clear();
    manager.setTestPrintPicturesClicked();
    QCOMPARE(hex(manager.emissions.first().data), QStringLiteral("1c 71 01 00 00 00 00 ") + printLogo(1, 3));

    manager.setAsTestPrintImageClicked(m_picture);
    QCOMPARE(store->getBitMapPath(), QStringLiteral("configFile/img/bitmap1.png"));
    QVERIFY(QFile::exists(m_app.filePath(QStringLiteral("configFile/img/bitmap1.png"))));
    manager.setAsTestPrintImageClicked(m_app.filePath(QStringLiteral("missing.png")));
    QCOMPARE(store->getBitMapPath(), QStringLiteral("configFile/img/bitmap1.png"));
    manager.setAsTestDefaultImageClicked();
    QCOMPARE(store->getBitMapPath(), QStringLiteral("configFile/img/bitmap.png"));
}

void CommandApiTest::adoptingTheAdoptedPictureKeepsIt()
{
    RecordingManager manager(CommType::Tcp);
    manager.connectDevice(QString(), QString(), QString(), QString());
    manager.setAsTestPrintImageClicked(m_picture);
    const QString adopted = m_app.filePath(QStringLiteral("configFile/img/bitmap1.png"));
    manager.setAsTestPrintImageClicked(adopted);
    QVERIFY(QFile::exists(adopted));
    QCOMPARE(QImage(adopted).size(), QSize(16, 8));
    QCOMPARE(ConfigManager::getInstance()->getBitMapPath(), QStringLiteral("configFile/img/bitmap1.png"));
}

QTEST_MAIN(CommandApiTest)
#include "tst_commands_api.moc"
