// The virtual printer's decoder must find the same commands in a stream however
// the stream is split into pieces: whole, byte by byte, or in odd-sized chunks.
// Text runs may be reported in several pieces; they are joined before comparing.
// Every piece carries its offset in the stream, which must not depend on the split either.

#include "render/VpDecoder.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QStringList decode(const QByteArray &stream, int chunk)
{
    VpDecoder decoder;
    QList<VpCommand> all;
    for (int at = 0; at < stream.size(); at += chunk)
        all += decoder.feed(stream.mid(at, chunk));
    all += decoder.finish();

    QStringList out;
    QByteArray text;
    bool textChinese = false;
    qint64 textOffset = 0;
    auto flushText = [&] {
        if (!text.isEmpty())
            out << QStringLiteral("text %1 %2 @%3").arg(textChinese).arg(QString::fromLatin1(text.toHex(' '))).arg(textOffset);
        text.clear();
    };
    for (const VpCommand &c : all) {
        if (c.kind == VpCommand::Text) {
            const bool chinese = c.params.value(QStringLiteral("chinese")).toBool();
            if (!text.isEmpty() && chinese != textChinese)
                flushText();
            if (text.isEmpty())
                textOffset = c.offset;
            textChinese = chinese;
            text += c.data;
            continue;
        }
        flushText();
        out << QStringLiteral("%1 %2 [%3] %4 raw %5 data %6 @%7")
                   .arg(VpCommand::kindName(c.kind), c.name, c.code,
                        QString::fromUtf8(QJsonDocument(c.params).toJson(QJsonDocument::Compact)),
                        QString::fromLatin1(c.raw.toHex(' ')), QString::fromLatin1(c.data.toHex(' ')))
                   .arg(c.offset);
    }
    flushText();
    return out;
}

} // namespace

class TestVprinterDecoder : public QObject
{
    Q_OBJECT

private slots:
    void sameCommandsHoweverSplit_data();
    void sameCommandsHoweverSplit();
    void randomStreamsHoweverSplit();
    void pdf417Functions();
};

void TestVprinterDecoder::sameCommandsHoweverSplit_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QString>("first");
    QTest::newRow("print speed closed by LF") << hex("1B 4E 04 02 0A 41") << "command print_speed";
    QTest::newRow("print speed, no LF, then text") << hex("1B 4E 04 02 41 42") << "command print_speed";
    QTest::newRow("print speed at the end of the stream") << hex("1B 40 1B 4E 04 03") << "command initialize";
    QTest::newRow("density closed by LF") << hex("1F 1C 1F 41 04 06 07 05 0A 0A") << "command density";
    QTest::newRow("density at the end of the stream") << hex("1F 1C 1F 41 04 06 07 05") << "command density";
    QTest::newRow("settings frame and status request")
        << hex("10 A7 01 00 02 00 41 42 3D 10 04 01") << "command";
    QTest::newRow("GBK text around a command") << hex("C4 E3 BA C3 1B 45 01 C4 E3 0A") << "text";
    QTest::newRow("raster picture") << hex("1D 76 30 00 01 00 02 00 FF 81 0A") << "command";
    QTest::newRow("barcode, NUL-terminated") << hex("1D 6B 04 31 32 33 00 0A") << "command";
    QTest::newRow("truncated logo") << hex("1C 71 01 02 00 01 00 FF") << "truncated";
    QTest::newRow("PDF417 store and print")
        << hex("1D 28 6B 06 00 30 50 30 41 42 43 1D 28 6B 03 00 30 51 30") << "command pdf417_store";
    QTest::newRow("graphics stored and printed")
        << hex("1D 28 4C 0B 00 30 70 30 01 01 31 08 00 01 00 FF 1D 28 4C 02 00 30 32 0A") << "command graphics_store";
    QTest::newRow("graphics with a 32-bit length")
        << hex("1D 38 4C 0B 00 00 00 30 70 30 01 01 31 08 00 01 00 FF 1D 38 4C 02 00 00 00 30 32") << "command graphics_store";
    QTest::newRow("NV graphics defined by key")
        << hex("1D 28 4C 0C 00 30 43 30 47 31 01 08 00 01 00 31 FF 1D 28 4C 06 00 30 45 47 31 01 01")
        << "command graphics_nv_define";
    QTest::newRow("extended function the printer lacks") << hex("1D 28 45 03 00 01 02 03 41") << "unknown extended_function";
    QTest::newRow("graphics cut short at the end") << hex("1D 38 4C 0B 00 00 00 30 70") << "truncated";
}

void TestVprinterDecoder::sameCommandsHoweverSplit()
{
    QFETCH(QByteArray, stream);
    QFETCH(QString, first);
    const QStringList whole = decode(stream, stream.size());
    QVERIFY(!whole.isEmpty());
    QVERIFY2(whole.first().startsWith(first), qPrintable(whole.first()));
    for (const int chunk : {1, 2, 3, 5, 7}) {
        QCOMPARE(decode(stream, chunk), whole);
    }
}

void TestVprinterDecoder::randomStreamsHoweverSplit()
{
    // Random streams built from command starts, parameters and text.
    static const char *const pieces[] = {"1B", "1D", "1C", "1F", "10", "0A", "00", "04", "4E", "1C 1F 41 04 06 07",
                                         "41", "C4 E3", "FF", "26", "76 30 00", "6B", "71 01", "A7 01 00",
                                         "28 4C", "38 4C", "02 00 30 32", "0B 00 30 70 30 01 01 31 08 00 01 00"};
    QRandomGenerator rng(20261210);
    for (int round = 0; round < 300; ++round) {
        QByteArray stream;
        const int count = 1 + rng.bounded(40);
        for (int i = 0; i < count; ++i) {
            if (rng.bounded(3) == 0)
                stream += char(rng.bounded(256));
            else
                stream += hex(pieces[rng.bounded(int(sizeof pieces / sizeof *pieces))]);
        }
        const QStringList whole = decode(stream, stream.size());
        for (const int chunk : {1, 3}) {
            const QStringList split = decode(stream, chunk);
            if (split != whole)
                qWarning().noquote() << "stream" << stream.toHex(' ') << "chunk" << chunk;
            QCOMPARE(split, whole);
        }
    }
}

void TestVprinterDecoder::pdf417Functions()
{
    const QByteArray stream = hex("1D 28 6B 03 00 30 41 00 1D 28 6B 03 00 30 42 05 1D 28 6B 03 00 30 43 04"
                                  " 1D 28 6B 03 00 30 44 03 1D 28 6B 04 00 30 45 30 32 1D 28 6B 03 00 30 46 01"
                                  " 1D 28 6B 06 00 30 50 30 41 42 43 1D 28 6B 03 00 30 51 30 1D 28 6B 03 00 30 7A 00"
                                  " 1D 28 6B 02 00 30 50");
    VpDecoder decoder;
    QList<VpCommand> all = decoder.feed(stream);
    all += decoder.finish();
    QStringList names;
    for (const VpCommand &c : all)
        names << c.name + QLatin1Char(' ') + QString::fromUtf8(QJsonDocument(c.params).toJson(QJsonDocument::Compact));
    QCOMPARE(names, (QStringList{
        "pdf417_columns {\"cn\":48,\"fn\":65,\"n\":0}",
        "pdf417_rows {\"cn\":48,\"fn\":66,\"n\":5}",
        "pdf417_module_width {\"cn\":48,\"fn\":67,\"n\":4}",
        "pdf417_row_height {\"cn\":48,\"fn\":68,\"n\":3}",
        "pdf417_error_level {\"cn\":48,\"fn\":69,\"m\":48,\"n\":50}",
        "pdf417_options {\"cn\":48,\"fn\":70,\"n\":1}",
        "pdf417_store {\"cn\":48,\"fn\":80,\"length\":3}",
        "pdf417_print {\"cn\":48,\"fn\":81}",
        "two_d_code {\"cn\":48,\"fn\":122}", // unknown to the printer, listed
        // A store without its m byte: no data.
        "pdf417_store {\"cn\":48,\"fn\":80}",
    }));
    QCOMPARE(all.at(6).data, QByteArray("ABC"));
    QCOMPARE(all.at(6).code, QStringLiteral("GS ( k"));
}

QTEST_GUILESS_MAIN(TestVprinterDecoder)
#include "tst_vprinter_decoder.moc"
