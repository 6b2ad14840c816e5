// Text <-> hexadecimal bytes in GBK, named code pages and code page 437, and
// the characters a code page cannot encode.
#include "text/CodePage437.h"
#include "text/TextEncoding.h"
#include "services/HelperFunction.h"

#include <QTest>

class CodePageTest : public QObject
{
    Q_OBJECT
private slots:
    void emptyInputs();
    void gbk_data();
    void gbk();
    void toHex_data();
    void toHex();
    void fromHex_data();
    void fromHex();
    void codePage437Table_data();
    void codePage437Table();
    void codePage437RoundTrip();
    void codePage437OutsideBecomesQuestionMark();
    void codePage437EmptyTextReportsError();
    void settingsAnswerReadings_data();
    void settingsAnswerReadings();
    void unencodableCharacters_data();
    void unencodableCharacters();
    void noticeNamesTwentyCharactersAtMost();

private:
    HelperFunction m_helper;
};

void CodePageTest::emptyInputs()
{
    QCOMPARE(m_helper.stringToGbkHex(QString()), QString());
    QCOMPARE(m_helper.stringToHexWithCodePage(QString(), QStringLiteral("CP437")), QString());
    QCOMPARE(m_helper.stringToHexWithCodePage(QString(), QStringLiteral("GBK")), QString());
    QCOMPARE(m_helper.hexToStringWithCodePage(QString(), QStringLiteral("GBK")), QString());
    QCOMPARE(m_helper.hexToStringWithCodePage(QStringLiteral("zz qq"), QStringLiteral("GBK")), QString());
}

void CodePageTest::gbk_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hex");
    QTest::newRow("A") << QStringLiteral("A") << QStringLiteral("41");
    QTest::newRow("A B: one blank between, none after") << QStringLiteral("AB") << QStringLiteral("41 42");
    QTest::newRow("中") << QStringLiteral("中") << QStringLiteral("D6 D0");
    QTest::newRow("mixed") << QStringLiteral("1中\n") << QStringLiteral("31 D6 D0 0A");
}

void CodePageTest::gbk()
{
    QFETCH(QString, text);
    QFETCH(QString, hex);
    QCOMPARE(m_helper.stringToGbkHex(text), hex);
    QCOMPARE(m_helper.stringToHexWithCodePage(text, QStringLiteral("GBK")), hex);
    QCOMPARE(m_helper.hexToStringWithCodePage(hex, QStringLiteral("GBK")), text);
}

void CodePageTest::toHex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("codePage");
    QTest::addColumn<QString>("hex");
    QTest::newRow("é in IBM860 is served by IBM850") << QStringLiteral("é") << QStringLiteral("IBM860") << QStringLiteral("82");
    QTest::newRow("IBM863 too") << QStringLiteral("é") << QStringLiteral("IBM863") << QStringLiteral("82");
    QTest::newRow("IBM865 too") << QStringLiteral("Ø") << QStringLiteral("IBM865") << QStringLiteral("9D");
    QTest::newRow("Latin-1") << QStringLiteral("é") << QStringLiteral("ISO-8859-1") << QStringLiteral("E9");
    QTest::newRow("UTF-8") << QStringLiteral("é") << QStringLiteral("UTF-8") << QStringLiteral("C3 A9");
    QTest::newRow("unknown name: UTF-8") << QStringLiteral("é") << QStringLiteral("CP-NOPE") << QStringLiteral("C3 A9");
    QTest::newRow("CP437 box and accents") << QStringLiteral("╔é½") << QStringLiteral("CP437") << QStringLiteral("C9 82 AB");
    QTest::newRow("IBM437 symbols") << QStringLiteral("☺♥⌂") << QStringLiteral("IBM437") << QStringLiteral("01 03 7F");
    QTest::newRow("CP437 control characters pass") << QStringLiteral("\x1b@\n") << QStringLiteral("CP437")
                                                    << QStringLiteral("1B 40 0A");
    QTest::newRow("CP437 outside: ?") << QStringLiteral("A中€") << QStringLiteral("CP437") << QStringLiteral("41 3F 3F");
    QTest::newRow("other spellings go to the codec lookup")
        << QStringLiteral("é") << QStringLiteral("IBM 437") << QStringLiteral("82");
}

void CodePageTest::toHex()
{
    QFETCH(QString, text);
    QFETCH(QString, codePage);
    QFETCH(QString, hex);
    QCOMPARE(m_helper.stringToHexWithCodePage(text, codePage), hex);
}

void CodePageTest::fromHex_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("codePage");
    QTest::addColumn<QString>("text");
    QTest::newRow("CP437 smiling face") << QStringLiteral("01 41") << QStringLiteral("CP437") << QStringLiteral("☺A");
    QTest::newRow("CP437 zero") << QStringLiteral("00") << QStringLiteral("CP437") << QString(QChar(0));
    QTest::newRow("CP437 house and box") << QStringLiteral("7F C9 FE") << QStringLiteral("IBM437") << QStringLiteral("⌂╔■");
    QTest::newRow("blanks around and between") << QStringLiteral("  41   42 ") << QStringLiteral("GBK") << QStringLiteral("AB");
    QTest::newRow("lower case") << QStringLiteral("d6 d0") << QStringLiteral("GBK") << QStringLiteral("中");
    QTest::newRow("zz skipped") << QStringLiteral("41 zz 42") << QStringLiteral("GBK") << QStringLiteral("AB");
    QTest::newRow("three digits: low byte") << QStringLiteral("141") << QStringLiteral("GBK") << QStringLiteral("A");
    QTest::newRow("above FFFF skipped") << QStringLiteral("10041 42") << QStringLiteral("GBK") << QStringLiteral("B");
    QTest::newRow("IBM865 read as IBM850") << QStringLiteral("9D") << QStringLiteral("IBM865") << QStringLiteral("Ø");
    QTest::newRow("unknown name: UTF-8") << QStringLiteral("C3 A9") << QStringLiteral("CP-NOPE") << QStringLiteral("é");
}

void CodePageTest::fromHex()
{
    QFETCH(QString, hex);
    QFETCH(QString, codePage);
    QFETCH(QString, text);
    QCOMPARE(m_helper.hexToStringWithCodePage(hex, codePage), text);
}

void CodePageTest::codePage437Table_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");
    const int symbols[][2] = {{0x01, 0x263A}, {0x02, 0x263B}, {0x03, 0x2665}, {0x04, 0x2666}, {0x05, 0x2663},
                              {0x06, 0x2660}, {0x07, 0x2022}, {0x08, 0x25D8}, {0x09, 0x25CB}, {0x0A, 0x25D9},
                              {0x0B, 0x2642}, {0x0C, 0x2640}, {0x0D, 0x266A}, {0x0E, 0x266B}, {0x0F, 0x263C},
                              {0x10, 0x25BA}, {0x11, 0x25C4}, {0x12, 0x2195}, {0x13, 0x203C}, {0x14, 0x00B6},
                              {0x15, 0x00A7}, {0x16, 0x25AC}, {0x17, 0x21A8}, {0x18, 0x2191}, {0x19, 0x2193},
                              {0x1A, 0x2192}, {0x1B, 0x2190}, {0x1C, 0x221F}, {0x1D, 0x2194}, {0x1E, 0x25B2},
                              {0x1F, 0x25BC}, {0x7F, 0x2302}, {0x00, 0x0000}, {0x20, 0x0020}, {0x7E, 0x007E},
                              {0x80, 0x00C7}, {0x9B, 0x00A2}, {0x9E, 0x20A7}, {0xB0, 0x2591}, {0xE0, 0x03B1},
                              {0xE1, 0x00DF}, {0xFD, 0x00B2}, {0xFF, 0x00A0}};
    for (const auto &s : symbols)
        QTest::addRow("%02X", s[0]) << s[0] << s[1];
}

void CodePageTest::codePage437Table()
{
    QFETCH(int, byte);
    QFETCH(int, codePoint);
    QCOMPARE(int(CodePage437::charOf(quint8(byte)).unicode()), codePoint);
    // Encoding is the inverse of the table.
    QCOMPARE(CodePage437::encode(QString(QChar(codePoint))), QByteArray(1, char(byte)));
}

void CodePageTest::codePage437RoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = CodePage437::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(CodePage437::encode(text), all);
}

void CodePageTest::codePage437OutsideBecomesQuestionMark()
{
    // A character outside the BMP is one "?", not two.
    QCOMPARE(CodePage437::encode(QStringLiteral("a😀b")), QByteArray("a?b"));
    QCOMPARE(CodePage437::encode(QStringLiteral("Ω")), QByteArray("\xEA"));
    QCOMPARE(CodePage437::encode(QStringLiteral("ア")), QByteArray("?"));
}

void CodePageTest::codePage437EmptyTextReportsError()
{
    int error = 0;
    QVERIFY(CodePage437::encode(QString(), &error).isEmpty());
    QCOMPARE(error, int(CodePage437::ErrorInvalidParameter));
    CodePage437::encode(QStringLiteral("A"), &error);
    QCOMPARE(error, 0);
}

void CodePageTest::settingsAnswerReadings_data()
{
    QTest::addColumn<QString>("payload");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::newRow("name AB") << "10 a7 00 00 02 00 41 42 3d" << "AB" << 0x4142;
    QTest::newRow("paper type 1") << "10 a3 00 00 01 00 01 b5" << QString(QChar(1)) << 1;
    // Seven bytes: no data, an empty name; the index has no digits.
    QTest::newRow("seven bytes") << "10 a7 00 00 00 00 b7" << "" << -1;
    QTest::newRow("too short") << "10 a3 00" << "" << -1;
    QTest::newRow("empty") << "" << "" << -1;
}

void CodePageTest::settingsAnswerReadings()
{
    QFETCH(QString, payload);
    QFETCH(QString, text);
    QFETCH(int, index);
    HelperFunction helper;
    QCOMPARE(helper.settingsReplyText(payload), text);
    QCOMPARE(helper.settingsReplyIndex(payload), index);
}

void CodePageTest::unencodableCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("codePage");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("notice");
    QTest::newRow("GBK carries Chinese") << "A中文€\n" << "GBK" << "" << "";
    QTest::newRow("Chinese in ASMO-708") << "A中文" << "ASMO-708" << "中文" << "以下字符无法用 ASMO-708 编码: 中 文";
    QTest::newRow("repeated characters named once") << "中a中b文中" << "ISO-8859-1" << "中文"
                                                     << "以下字符无法用 ISO-8859-1 编码: 中 文";
    QTest::newRow("Thai in GBK") << "ok สวัสดี" << "GBK" << "สวัดี" << "以下字符无法用 GBK 编码: ส ว ั ด ี";
    QTest::newRow("four-byte GB18030 character in GBK") << "中𠀀" << "GBK" << "𠀀" << "以下字符无法用 GBK 编码: 𠀀";
    QTest::newRow("GB18030 has it") << "中𠀀" << "GB18030" << "" << "";
    QTest::newRow("CP437 by our table: box yes, euro no") << "╔é€" << "CP437" << "€" << "以下字符无法用 CP437 编码: €";
    QTest::newRow("CP437 emoji is one character") << "a😀b" << "IBM437" << "😀" << "以下字符无法用 IBM437 编码: 😀";
    QTest::newRow("IBM865 served by IBM850, named as chosen") << "Øก" << "IBM865" << "ก"
                                                              << "以下字符无法用 IBM865 编码: ก";
    QTest::newRow("control characters pass") << "\x1b@\t\r\n" << "US-ASCII" << "" << "";
    QTest::newRow("unknown code page: nothing to say") << "中" << "NO-SUCH" << "" << "";
    QTest::newRow("empty text") << "" << "ASMO-708" << "" << "";
}

void CodePageTest::unencodableCharacters()
{
    QFETCH(QString, text);
    QFETCH(QString, codePage);
    QFETCH(QString, missing);
    QFETCH(QString, notice);
    QCOMPARE(TextEncoding::unencodable(text, codePage), missing);
    QCOMPARE(TextEncoding::unencodableNotice(text, codePage), notice);
    QCOMPARE(m_helper.encodingNotice(text, codePage), notice);
}

void CodePageTest::noticeNamesTwentyCharactersAtMost()
{
    QString text;
    for (int i = 0; i < 25; ++i)
        text += QChar(0x4E00 + i);
    const QString notice = TextEncoding::unencodableNotice(text, QStringLiteral("US-ASCII"));
    QVERIFY(notice.startsWith(QStringLiteral("以下字符无法用 US-ASCII 编码: 一 丁 丂")));
    QVERIFY(notice.endsWith(QString(QChar(0x4E00 + 19)) + QStringLiteral(" …")));
    QVERIFY(!notice.contains(QChar(0x4E00 + 20)));
}

QTEST_MAIN(CodePageTest)
#include "tst_services_codepage.moc"
