// The pure command encoders and the builders' own decisions (code pages,
// empty content, two-dimensional types), byte for byte.
#include "commands/BarCodeForm.h"
#include "commands/BarcodeCommands.h"
#include "commands/CharacterCommands.h"
#include "commands/LampCommands.h"
#include "commands/PrinterParamCommands.h"
#include "commands/SettingsFrame.h"
#include "commands/TestPrintCommands.h"
#include "commands/WorkingModeCommands.h"
#include "commands/WorkingModeForm.h"
#include "app/base/ConfigManager.h"
#include "app/base/SampleReceipt.h"

#include "support/BuilderEmissions.h"

#include <QSignalSpy>
#include <QTextCodec>
#include <QTest>

namespace {

using BuilderEmissions::emitted;
using BuilderEmissions::hex;

} // namespace

class EncodersTest : public QObject
{
    Q_OBJECT
private slots:
    void encoders_data();
    void encoders();
    void workingModeText_data();
    void workingModeText();
    void ibmCodePageIsReplacedInTheBuilder();
    void twoDimensionalTypes_data();
    void twoDimensionalTypes();
    void emptyBarcodeContentSendsNothing();
    void customCharacterParsing();
    void checksumWraps();
    void receiptOfTheDefaultProductsIsTheDefaultReceipt_data();
    void receiptOfTheDefaultProductsIsTheDefaultReceipt();
    void receiptLines_data();
    void receiptLines();
};

void EncodersTest::encoders_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    using namespace CharacterCommands;
    using PrinterParamCommands::Model;

    QTest::newRow("print mode all off") << printMode(0, false, false, false, false) << "1b 21 46";
    QTest::newRow("print mode font B bold underline") << printMode(1, true, false, false, true) << "1b 21 cf";
    QTest::newRow("print mode double height and width") << printMode(0, false, true, true, false) << "1b 21 76";
    QTest::newRow("hanzi double width") << hanziFormat(true, false, false) << "1c 21 04";
    QTest::newRow("hanzi all") << hanziFormat(true, true, true) << "1c 21 8c";
    QTest::newRow("hanzi none") << hanziFormat(false, false, false) << "1c 21 00";
    QTest::newRow("right spacing 300") << rightSpacing(300) << "1b 20 2c";

    CustomCharDef def;
    def.code = 0x41;
    def.verticalCount = 3;
    def.horizontalCount = 2;
    def.rows = {QByteArray("\x01\x02", 2), QByteArray("\x03\x04", 2), QByteArray("\x05\x06", 2)};
    QTest::newRow("define character") << defineCharacter(def) << "1b 26 03 41 41 02 01 03 05 02 04 06";
    def.rows = {QByteArray("\x01\x02", 2), QByteArray("\x03", 1)};
    QTest::newRow("define character, short rows padded") << defineCharacter(def) << "1b 26 03 41 41 02 01 03 00 02 00 00";
    def.rows.clear();
    def.horizontalCount = 0;
    QTest::newRow("define character, no columns") << defineCharacter(def) << "1b 26 03 41 41 00";

    QTest::newRow("lamp colour 256 -> 00") << LampCommands::colour(LampCommands::Work, 256, 128, 0) << "1f 1b 07 00 80 00";
    QTest::newRow("standby pattern 2") << LampCommands::standbyPattern(2) << "1f 1b 0b 02";

    QTest::newRow("feed units 300") << WorkingModeCommands::printAndFeedUnits(300) << "1b 4a 2c";
    QTest::newRow("feed lines 255") << WorkingModeCommands::printAndFeedLines(255) << "1b 64 ff";

    QTest::newRow("code128 list") << BarcodeCommands::code128Data(QStringLiteral("123, 66, 49, 50")) << "7b 42 31 32";
    QTest::newRow("code128 skips x1") << BarcodeCommands::code128Data(QStringLiteral("123, x1, 66, , 300")) << "7b 42 2c";
    QTest::newRow("latin-1 outside becomes ?") << BarcodeCommands::latin1Data(QStringLiteral("A中")) << "41 3f";
    QTest::newRow("qr two chinese characters: pL 09")
        << BarcodeCommands::qrCode(4, 3, QStringLiteral("中文")).mid(16, 8) << "1d 28 6b 09 00 31 50 30";

    QTest::newRow("char size 1, 2") << PrinterParamCommands::characterSize(1, 2) << "1d 21 12";
    QTest::newRow("char size 7, 7") << PrinterParamCommands::characterSize(7, 7) << "1d 21 77";
    QTest::newRow("peripherals: cutter only") << PrinterParamCommands::peripherals(true, false, false)
                                              << "1f 73 02 00 01 01 00 00 00 00 00";
    QTest::newRow("peripherals: all") << PrinterParamCommands::peripherals(true, true, true)
                                      << "1f 73 02 00 00 00 00 00 00 00 00";
    QTest::newRow("paper size 58") << PrinterParamCommands::paperSize(0) << "1d 57 96 01";
    QTest::newRow("paper size 76") << PrinterParamCommands::paperSize(1) << "1d 57 c8 01";
    QTest::newRow("paper size 3: nothing") << PrinterParamCommands::paperSize(3) << "";
    QTest::newRow("paper gap 0") << PrinterParamCommands::paperGap(0) << "1b 33 01";
    QTest::newRow("paper gap 1") << PrinterParamCommands::paperGap(1) << "1b 33 18";
    QTest::newRow("paper gap -1: nothing") << PrinterParamCommands::paperGap(-1) << "";
    QTest::newRow("model name in UTF-8") << PrinterParamCommands::machineModel(ConfigManager::L7N, QStringLiteral("é1"), 0)
                                         << "1f 1b 0f 03 c3 a9 31 00";

    QTest::newRow("baud 0") << SettingsFrame::baudRate(0) << "1f 1b 1f c1 80";
    QTest::newRow("baud 9") << SettingsFrame::baudRate(9) << "1f 1b 1f c1 87";
    QTest::newRow("bt name AB") << SettingsFrame::writeText(SettingsFrame::BluetoothName, "AB") << "10 a7 01 00 02 00 41 42 3d";

    QTest::newRow("stored hex with spaces anywhere") << TestPrintCommands::fromStoredHex(QStringLiteral("1B40 0 A"))
                                                     << "1b 40 0a";
    QTest::newRow("stored hex empty") << TestPrintCommands::fromStoredHex(QString()) << "";
    QTest::newRow("test barcode UPCA") << TestPrintCommands::testBarcode(QStringLiteral("UPCA"), QStringLiteral("123"))
                                       << "1d 48 02 1d 6b 41 03 31 32 33";
}

void EncodersTest::encoders()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(hex(bytes), expected);
}

void EncodersTest::workingModeText_data()
{
    QTest::addColumn<QString>("codePage");
    QTest::addColumn<bool>("hexMode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("emissions");
    QTest::newRow("hex pieces with an empty one") << "GBK" << true << "1B 40  0A" << QStringList{"1b 40 0a", "0a"};
    QTest::newRow("hex without a byte") << "GBK" << true << "hello" << QStringList{"0a"};
    QTest::newRow("hex three digits") << "GBK" << true << "1FF" << QStringList{"ff", "0a"};
    QTest::newRow("gbk text") << "GBK" << false << "中A" << QStringList{"d6 d0 41", "0a"};
    QTest::newRow("cp437 text") << "CP437" << false << "é☺" << QStringList{"82 01", "0a"};
    QTest::newRow("cp437 empty text: empty emission") << "CP437" << false << "" << QStringList{"", "0a"};
    QTest::newRow("unknown code page: no text") << "NO-SUCH" << false << "abc" << QStringList{"0a"};
    QTest::newRow("gbk empty text") << "GBK" << false << "" << QStringList{"", "0a"};
}

void EncodersTest::workingModeText()
{
    QFETCH(QString, codePage);
    QFETCH(bool, hexMode);
    QFETCH(QString, text);
    QFETCH(QStringList, emissions);
    WorkingModeForm form(CommType::Tcp);
    QSignalSpy spy(&form, &WorkingModeForm::sigSendData);
    form.setCodePage(codePage);
    form.setHexMode(hexMode);
    form.setText(text);
    form.sendPrintAndLineFeed();
    QCOMPARE(emitted(spy), emissions);
}

void EncodersTest::ibmCodePageIsReplacedInTheBuilder()
{
    WorkingModeForm form(CommType::Usb);
    QSignalSpy spy(&form, &WorkingModeForm::sigSendData);
    form.setCodePage(QStringLiteral("IBM865"));
    form.setText(QStringLiteral("Ø"));
    form.setFeedDistance(3);
    form.sendPrintAndFeedUnits();
    QCOMPARE(emitted(spy), (QStringList{"9d", "1b 4a 03"}));
    QCOMPARE(form.codePage(), QStringLiteral("IBM850"));
    QCOMPARE(spy.first().first().value<CommType>(), CommType::Usb);
}

void EncodersTest::twoDimensionalTypes_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("emissions");
    QTest::addColumn<bool>("empty");
    QTest::newRow("QR_CODE") << "QR_CODE" << 1 << false;
    QTest::newRow("AZTEC: a picture") << "AZTEC" << 1 << false;
    QTest::newRow("DATA_MATRIX: a picture") << "DATA_MATRIX" << 1 << false;
    QTest::newRow("PDF417: the printer's own command") << "PDF417" << 1 << false;
    QTest::newRow("unset: one empty emission") << "" << 1 << true;
}

void EncodersTest::twoDimensionalTypes()
{
    QFETCH(QString, type);
    QFETCH(int, emissions);
    QFETCH(bool, empty);
    BarCodeForm form(CommType::Serial);
    QSignalSpy spy(&form, &BarCodeForm::sigSendData);
    form.setTwoDimensionalType(type);
    form.setQrCode(8, 1, QStringLiteral("ABC"));
    form.sendTwoDimensional();
    QCOMPARE(spy.count(), emissions);
    if (emissions)
        QCOMPARE(spy.first().at(1).toByteArray().isEmpty(), empty);
}

void EncodersTest::emptyBarcodeContentSendsNothing()
{
    BarCodeForm form(CommType::Tcp);
    QSignalSpy spy(&form, &BarCodeForm::sigSendData);
    form.sendUpcA();
    form.sendCode128();
    QCOMPARE(spy.count(), 0);
    // Each symbology keeps its own last content.
    form.setJan8(QStringLiteral("1234"));
    form.sendJan8();
    form.sendJan8();
    QCOMPARE(emitted(spy), (QStringList{"1d 6b 44 04 31 32 33 34", "1d 6b 44 04 31 32 33 34"}));
}

void EncodersTest::customCharacterParsing()
{
    const QVector<CustomCharDef> defs = CharacterCommands::parseDefinitions(QStringLiteral(
        "{\"66\":{\"verticalCount\":1,\"horizontalCount\":3,\"pixelBytes\":[1,\"x\",300,4]},"
        "\"321\":{\"verticalCount\":3,\"horizontalCount\":0,\"pixelBytes\":[9]}}"));
    QCOMPARE(defs.size(), 2);
    // Keys in ascending text order: "321" before "66".
    QCOMPARE(int(defs.at(0).code), 321 & 0xFF);
    QVERIFY(defs.at(0).rows.isEmpty());
    QCOMPARE(int(defs.at(1).code), 66);
    QCOMPARE(defs.at(1).rows, (QVector<QByteArray>{QByteArray("\x01\x00\x2c", 3), QByteArray("\x04", 1)}));
    QTest::ignoreMessage(QtWarningMsg, "Invalid JSON data");
    QVERIFY(CharacterCommands::parseDefinitions(QStringLiteral("not json")).isEmpty());
}

void EncodersTest::checksumWraps()
{
    // 10 + A7 + 01 + 00 + 02 + 00 + 41 + 42 = 0x13D: the frame ends with 3D.
    QCOMPARE(int(quint8(SettingsFrame::checksum(QByteArray::fromHex("10a7010002004142")))), 0x3D);
    QCOMPARE(hex(SettingsFrame::writeChoice(SettingsFrame::PaperType, 257)), QStringLiteral("10 a3 01 00 01 00 01 b6"));
}

namespace {
SampleReceipt::Receipt chineseReceipt(const QString &sizeText)
{
    SampleReceipt::Receipt r;
    r.lineWidth = SampleReceipt::lineWidth(sizeText);
    r.title = QStringLiteral("测试") + sizeText;
    r.labels = {QStringLiteral("商品名称"), QStringLiteral("数量"),     QStringLiteral("价格"),
                QStringLiteral("份"),       QStringLiteral("合计金额"), QStringLiteral("单价折扣金额"),
                QStringLiteral("金额小计"), QStringLiteral("打印时间:")};
    return r;
}

QByteArray gbk(const char *utf8)
{
    return QTextCodec::codecForName("GBK")->fromUnicode(QString::fromUtf8(utf8));
}
} // namespace

void EncodersTest::receiptOfTheDefaultProductsIsTheDefaultReceipt_data()
{
    QTest::addColumn<QString>("sizeText");
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("stamp");
    QTest::newRow("58") << QStringLiteral("58小票") << 58 << QStringLiteral("2025-12-18 14:28:42");
    QTest::newRow("76") << QStringLiteral("76小票") << 76 << QStringLiteral("2025-12-18 14:29:02");
    QTest::newRow("80") << QStringLiteral("80小票") << 80 << QStringLiteral("2025-12-18 14:28:56");
}

void EncodersTest::receiptOfTheDefaultProductsIsTheDefaultReceipt()
{
    QFETCH(QString, sizeText);
    QFETCH(int, paper);
    QFETCH(QString, stamp);
    SampleReceipt::Receipt r = chineseReceipt(sizeText);
    r.items = {{QStringLiteral("超级大拼盘"), 1, QStringLiteral("330.00")},
               {QStringLiteral("香辣虾"), 1, QStringLiteral("53.00")},
               {QStringLiteral("火锅"), 1, QStringLiteral("128.00")}};
    r.showTotals = true;
    r.total = QStringLiteral("511.00");
    r.printTime = stamp;
    QCOMPARE(hex(SampleReceipt::encode(r)), hex(ConfigManager::defaultReceipt(paper)));
}

void EncodersTest::receiptLines_data()
{
    QTest::addColumn<QString>("sizeText");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("itemLines");
    // 10 GBK bytes on 58 mm: 7 blanks up to the quantity column at 17.
    QTest::newRow("short name, one line") << QStringLiteral("58小票") << QStringLiteral("超级大拼盘")
        << gbk("超级大拼盘") + QByteArray(7, ' ') + gbk("1份") + "   330.00\n";
    // 16 bytes still fit: one blank.
    QTest::newRow("name of exactly half a line") << QStringLiteral("58小票") << QStringLiteral("ABCDEFGHIJKLMNOP")
        << QByteArray("ABCDEFGHIJKLMNOP ") + gbk("1份") + "   330.00\n";
    // 17 bytes: quantity and price on a line of their own, ending at byte 32
    // ("1份" is three bytes, the price six).
    QTest::newRow("long name wraps") << QStringLiteral("58小票") << QStringLiteral("ABCDEFGHIJKLMNOPQ")
        << QByteArray("ABCDEFGHIJKLMNOPQ\n") + QByteArray(32 - 3 - 3 - 6, ' ') + gbk("1份") + "   330.00\n";
    QTest::newRow("long name wraps at 80 mm") << QStringLiteral("80小票") << QString(25, QLatin1Char('x'))
        << QByteArray(25, 'x') + "\n" + QByteArray(48 - 3 - 3 - 6, ' ') + gbk("1份") + "   330.00\n";
}

void EncodersTest::receiptLines()
{
    QFETCH(QString, sizeText);
    QFETCH(QString, name);
    QFETCH(QByteArray, itemLines);
    SampleReceipt::Receipt r = chineseReceipt(sizeText);
    r.items = {{name, 1, QStringLiteral("330.00")}};
    const int width = r.lineWidth;
    const QByteArray rule = QByteArray(width, '-') + '\n';
    const QByteArray head = QByteArray::fromHex("1b40") + rule + QByteArray::fromHex("1d2111 1b6101") + gbk("测试")
        + sizeText.left(2).toLatin1() + gbk("小票") + '\n' + QByteArray::fromHex("1b6100 1d2100") + rule
        + gbk("商品名称") + QByteArray(width / 2 + 1 - 8, ' ') + gbk("数量") + "   " + gbk("价格") + '\n' + rule;
    // Without "calculate total" there are no totals and no print time.
    const QByteArray tail = QByteArray("\n") + QByteArray::fromHex("1b4afa 1d5601");
    QCOMPARE(hex(SampleReceipt::encode(r)), hex(head + itemLines + tail));
}

QTEST_MAIN(EncodersTest)
#include "tst_commands_encoders.moc"
