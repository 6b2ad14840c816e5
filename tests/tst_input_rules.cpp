// The checks of typed input that the window and the command line share: IPv4
// addresses (DottedQuad), barcode contents (BarcodeRules), text for text, and
// the limits of the operations' values (OperationRanges).
#include "commands/BarcodeRules.h"
#include "commands/NetworkForm.h"
#include "commands/OperationRanges.h"
#include "device/CommunicationInterface.h"
#include "text/DottedQuad.h"

#include <QMetaMethod>
#include <QTest>

class InputRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void dottedQuad_data();
    void dottedQuad();
    void usbAddressCommandFollowsTheRule();
    void digitContents_data();
    void digitContents();
    void characterContents_data();
    void characterContents();
    void pageNotices_data();
    void pageNotices();
    void code128TypedText();
    void rangesNameWholeNumberParameters();
};

void InputRulesTest::dottedQuad_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("octets"); // hexadecimal; empty: refused
    QTest::newRow("typical") << "192.168.1.100" << "c0a80164";
    QTest::newRow("all zero") << "0.0.0.0" << "00000000";
    QTest::newRow("all 255") << "255.255.255.255" << "ffffffff";
    QTest::newRow("loopback") << "127.0.3.170" << "7f0003aa";
    QTest::newRow("one part over 255") << "255.256.0.0" << "";
    QTest::newRow("1000") << "1000.1.1.1" << "";
    QTest::newRow("empty part") << "127.0..1" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("three parts (inet_aton short form)") << "10.1.2" << "";
    QTest::newRow("two parts") << "10.1" << "";
    QTest::newRow("one number") << "167772161" << "";
    QTest::newRow("five parts") << "1.2.3.4.5" << "";
    QTest::newRow("trailing dot") << "1.2.3.4." << "";
    QTest::newRow("leading zero is decimal, not octal") << "010.1.1.1" << "0a010101";
    QTest::newRow("zero-padded parts") << "192.168.001.009" << "c0a80109";
    QTest::newRow("four digits") << "0010.1.1.1" << "";
    QTest::newRow("hexadecimal part") << "0x10.1.1.1" << "";
    QTest::newRow("sign") << "+1.2.3.4" << "";
    QTest::newRow("blank inside") << "1.2. 3.4" << "";
    QTest::newRow("trailing blank") << "1.2.3.4 " << "";
    QTest::newRow("letters") << "a.b.c.d" << "";
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("١.٢.٣.٤") << "";
    QTest::newRow("IPv6") << "::1" << "";
}

void InputRulesTest::dottedQuad()
{
    QFETCH(QString, text);
    QFETCH(QString, octets);
    QCOMPARE(QString::fromLatin1(DottedQuad::octets(text).toHex()), octets);
    QCOMPARE(DottedQuad::isValid(text), !octets.isEmpty());
    bool ok = !octets.isEmpty();
    const quint32 number = DottedQuad::toIPv4(text, &ok);
    QCOMPARE(ok, !octets.isEmpty());
    QCOMPARE(number, octets.isEmpty() ? 0u : octets.toUInt(nullptr, 16));
}

void InputRulesTest::usbAddressCommandFollowsTheRule()
{
    QCOMPARE(NetworkForm::usbCommand("192.168.1.200", "255.255.255.0", "192.168.1.1").toHex(' '),
             QByteArray("1f 69 c0 a8 01 c8 1f 25 00 ff ff ff 00 1f 25 01 c0 a8 01 01"));
    QVERIFY(NetworkForm::usbCommand("192.168.1.200", "255.255.255.0", "192.168.0x1.1").isEmpty());
    QVERIFY(NetworkForm::usbCommand("192.168.1", "255.255.255.0", "192.168.1.1").isEmpty());
}

void InputRulesTest::digitContents_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<bool>("even");
    QTest::addColumn<bool>("check");
    QTest::addColumn<QString>("problem");
    QTest::newRow("UPC-A 12") << "123456789012" << 12 << false << true << "";
    QTest::newRow("UPC-A 11: the printer adds the check digit") << "12345678901" << 12 << false << true << "";
    QTest::newRow("UPC-A wrong check digit") << "123456789013" << 12 << false << true << QString::fromUtf8("校验位应为 2");
    QTest::newRow("UPC-A 10") << "1234567890" << 12 << false << true << QString::fromUtf8("请输入11或者12位数字");
    QTest::newRow("UPC-A 13") << "1234567890123" << 12 << false << true << QString::fromUtf8("请输入11或者12位数字");
    QTest::newRow("EAN-13 right check digit") << "4006381333931" << 13 << false << true << "";
    QTest::newRow("EAN-13 wrong check digit") << "4006381333932" << 13 << false << true << QString::fromUtf8("校验位应为 1");
    QTest::newRow("EAN-13 check digit 0") << "5901234123457" << 13 << false << true << "";
    QTest::newRow("EAN-13 without check digit") << "400638133393" << 13 << false << true << "";
    QTest::newRow("EAN-8 right check digit") << "96385074" << 8 << false << true << "";
    QTest::newRow("EAN-8 wrong check digit") << "96385075" << 8 << false << true << QString::fromUtf8("校验位应为 4");
    QTest::newRow("no check digit: any last digit") << "96385075" << 8 << false << false << "";
    QTest::newRow("empty") << "" << 13 << false << true << QString::fromUtf8("输入不能为空");
    QTest::newRow("letter") << "12345a7" << 8 << false << true << QString::fromUtf8("只能输入数字");
    QTest::newRow("blank") << "1234 67" << 8 << false << true << QString::fromUtf8("只能输入数字");
    QTest::newRow("ITF 4") << "1234" << 255 << true << false << "";
    QTest::newRow("ITF 5") << "12345" << 255 << true << false << QString::fromUtf8("请输入偶数个");
    QTest::newRow("ITF 256") << QString(256, QLatin1Char('1')) << 255 << true << false << QString::fromUtf8("请输入偶数个");
}

void InputRulesTest::digitContents()
{
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    QFETCH(bool, even);
    QFETCH(bool, check);
    QFETCH(QString, problem);
    QCOMPARE(BarcodeRules::digitProblem(text, maxLength, even, check), problem);
}

void InputRulesTest::characterContents_data()
{
    QTest::addColumn<QString>("charset");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("CODE39 upper and symbols") << "CODE39" << "AB-12 $%+./*" << true;
    QTest::newRow("CODE39 lower case") << "CODE39" << "ab" << false;
    QTest::newRow("CODE39 comma") << "CODE39" << "A,B" << false;
    QTest::newRow("CODE93 lower case") << "CODE93" << "Ab 1" << true;
    QTest::newRow("CODE93 colon") << "CODE93" << "A:1" << false;
    QTest::newRow("CODABAR start and stop") << "CODEBAR" << "A12$B" << true;
    QTest::newRow("CODABAR E") << "CODEBAR" << "E12" << false;
    QTest::newRow("CODABAR comma") << "CODEBAR" << "A12,3B" << false;
    QTest::newRow("CODE128 printable ASCII") << "CODE128" << "Hello, World! ~" << true;
    QTest::newRow("CODE128 tab") << "CODE128" << "A\tB" << false;
    QTest::newRow("CODE128 non-ASCII") << "CODE128" << QString::fromUtf8("Ä") << false;
    QTest::newRow("unknown set") << "EAN99" << "1" << false;
}

void InputRulesTest::characterContents()
{
    QFETCH(QString, charset);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(BarcodeRules::matches(charset, text), accepted);
    QCOMPARE(BarcodeRules::characterProblem(charset, text), accepted ? QString() : QString::fromUtf8("包含无效字符"));
    QCOMPARE(BarcodeRules::characterProblem(charset, QString()), QString::fromUtf8("输入不能为空"));
}

void InputRulesTest::pageNotices_data()
{
    QTest::addColumn<QString>("symbology");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("notice");
    const QString refused = QString::fromUtf8("条码内容不符合%1的要求，未发送");
    QTest::newRow("UPC-A fine") << "UPC-A" << "123456789012" << "";
    QTest::newRow("empty") << "UPC-A" << "" << QString::fromUtf8("请先编辑条码数据，再打印");
    QTest::newRow("UPC-E too long") << "UPC-E" << "12345678" << refused.arg("UPC-E");
    QTest::newRow("JAN8 7 digits") << "JAN8(EAN8)" << "1234567" << "";
    QTest::newRow("JAN13 wrong check digit") << "JAN13(EAN13)" << "4006381333932" << refused.arg("JAN13(EAN13)");
    QTest::newRow("JAN13 right check digit") << "JAN13(EAN13)" << "4006381333931" << "";
    QTest::newRow("UPC-A wrong check digit") << "UPC-A" << "123456789013" << refused.arg("UPC-A");
    QTest::newRow("JAN8 wrong check digit") << "JAN8(EAN8)" << "96385075" << refused.arg("JAN8(EAN8)");
    QTest::newRow("CODE39 lower case") << "CODE39" << "ab" << refused.arg("CODE39");
    QTest::newRow("ITF odd") << "ITF" << "123" << refused.arg("ITF");
    QTest::newRow("CODE128 over 255") << "CODE128" << QString(256, QLatin1Char('A')) << refused.arg("CODE128");
    QTest::newRow("unknown symbology") << "EAN99" << "1" << refused.arg("EAN99");
}

void InputRulesTest::pageNotices()
{
    QFETCH(QString, symbology);
    QFETCH(QString, text);
    QFETCH(QString, notice);
    QCOMPARE(BarcodeRules::printProblem(symbology, text), notice);
}

void InputRulesTest::code128TypedText()
{
    QCOMPARE(BarcodeRules::code128SetB(QStringLiteral("AB12")), (QList<int>{123, 66, 65, 66, 49, 50}));
    QTest::ignoreMessage(QtWarningMsg, "CODE128: skipped character 9");
    QCOMPARE(BarcodeRules::code128SetB(QStringLiteral("A\tB")), (QList<int>{123, 66, 65, 66}));
    QCOMPARE(BarcodeRules::code128SetB(QString()), (QList<int>{123, 66}));
}


void InputRulesTest::rangesNameWholeNumberParameters()
{
    const QMetaObject &meta = CommunicationInterface::staticMetaObject;
    for (const OperationRanges::Entry &e : OperationRanges::entries()) {
        const QString where = QStringLiteral("%1 #%2").arg(QLatin1String(e.operation)).arg(e.parameter);
        QMetaMethod method;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            if (meta.method(i).name() == e.operation)
                method = meta.method(i);
        }
        QVERIFY2(method.isValid(), qPrintable(where));
        QVERIFY2(e.parameter < method.parameterCount(), qPrintable(where));
        QCOMPARE(method.parameterType(e.parameter), int(QMetaType::Int));
        QVERIFY2(e.range.limited(), qPrintable(where));
        QCOMPARE(OperationRanges::of(QLatin1String(e.operation), e.parameter).max, e.range.max);
    }
    QVERIFY(!OperationRanges::of(QStringLiteral("setBuzzerClicked"), 2).limited());
    QVERIFY(OperationRanges::forControl(QStringLiteral("setPrintAndLineFeedClicked"), 0).isEmpty());
    QCOMPARE(OperationRanges::forControl(QStringLiteral("setBuzzerClicked"), 0),
             (QVariantMap{{QStringLiteral("from"), 1}, {QStringLiteral("to"), 9}}));
}

QTEST_APPLESS_MAIN(InputRulesTest)
#include "tst_input_rules.moc"
