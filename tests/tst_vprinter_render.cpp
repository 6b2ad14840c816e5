// The virtual printer's renderer, fed with hand-written byte streams over its
// raw port: text lines and their modes, raster images, logos, user-defined
// characters, every GS k symbology, QR codes and PDF417 symbols read back
// from the PNG pages by zxing-cpp's reader.

#include "VirtualPrinter.h"
#include "support/InkBox.h"
#include "support/SymbolReader.h"
#include "support/vprinter_client.h"

#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

using VprinterClient::exchange;
using VprinterClient::hex;

namespace {

constexpr int WaitMs = 5000;

bool dark(const QImage &img, int x, int y)
{
    return qGray(img.pixel(x, y)) < 128;
}

int darkCount(const QImage &img, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += dark(img, x, y);
    return n;
}

} // namespace

class TestVprinterRender : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void textLinesBecomeAPage();
    void characterModes();
    void alignmentAndLeftMargin();
    void narrowPaper();
    void oneMorePagePerCut();
    void numberingContinuesInTheSameFolder();
    void pageAtExitNamesTheLinkItsInkCameFrom();
    void selfTestPage();
    void rasterImage();
    void graphicsPictures();
    void undecodableCommandsAreLogged();
    void logoDefinedAndPrinted();
    void userDefinedCharacters();
    void codeTablesAndChineseText();
    void barcodesReadBack_data();
    void barcodesReadBack();
    void badBarcodeIsLoggedNotPrinted();
    void qrCodeReadsBack_data();
    void qrCodeReadsBack();
    void pdf417ReadsBack_data();
    void pdf417ReadsBack();
    void pdf417WithoutDataIsLoggedNotPrinted();

private:
    // Sends the stream on one connection and returns the pages it produced.
    QList<QImage> print(const QByteArray &stream, int pages = 1);
    QStringList lastFiles(int n) const;

    QTemporaryDir m_dir;
    QScopedPointer<VirtualPrinter> m_printer;
    int m_paperMm = 80;
};

void TestVprinterRender::init()
{
    VirtualPrinterOptions o;
    o.rawPort = 0;
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    o.outputDir = m_dir.path() + QStringLiteral("/") + QString::fromLatin1(QTest::currentTestFunction());
    o.paperMm = m_paperMm;
    m_printer.reset(new VirtualPrinter(o));
    QVERIFY(m_printer->start());
}

void TestVprinterRender::cleanup()
{
    m_printer.reset();
    m_paperMm = 80;
}

QList<QImage> TestVprinterRender::print(const QByteArray &stream, int pages)
{
    const int before = m_printer->pages().size();
    const qint64 seq = m_printer->lastEventSeq();
    exchange(m_printer->rawPort(), stream);
    m_printer->waitForEvent(QStringLiteral("client_disconnected"), WaitMs, seq);
    const QList<QImage> all = m_printer->pages();
    return all.mid(before, pages);
}

QStringList TestVprinterRender::lastFiles(int n) const
{
    const QStringList files = m_printer->pageFiles();
    return files.mid(qMax(0, files.size() - n));
}

void TestVprinterRender::textLinesBecomeAPage()
{
    const QList<QImage> pages = print(QByteArray("\x1b@Hello\nWorld\n"));
    QCOMPARE(pages.size(), 1);
    const QImage page = pages.first();
    QCOMPARE(page.width(), 576);
    QCOMPARE(page.height(), 60); // two lines at the default spacing of 30 dots
    const InkBox first = InkBox::of(page, QRect(0, 0, 576, 30));
    const InkBox second = InkBox::of(page, QRect(0, 30, 576, 30));
    QVERIFY(!first.empty() && !second.empty());
    QVERIFY(first.right < 5 * 12 + 2); // five characters of font A
    QVERIFY(first.height() <= 24);
    const QList<QJsonObject> texts = m_printer->events(QStringLiteral("text"));
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts.at(0).value("params").toObject().value("text").toString(), QStringLiteral("Hello"));
    QVERIFY(QFile::exists(lastFiles(1).value(0)));
    QCOMPARE(QImage(lastFiles(1).value(0)).width(), 576);
}

void TestVprinterRender::characterModes()
{
    // Double width and height: one line 48 dots high, characters 24 wide.
    QImage page = print(hex("1B 40 1D 21 11") + "AB\n").value(0);
    QCOMPARE(page.height(), 48);
    InkBox b = InkBox::of(page);
    QVERIFY(b.right >= 24 && b.right < 48);
    QVERIFY(b.height() > 24);

    // Font B is smaller than font A.
    page = print(hex("1B 40 1B 4D 01") + "MMMM\n").value(0);
    QVERIFY(InkBox::of(page).right < 4 * 9 + 1);

    // Underline: the bottom row of the cells is inked.
    page = print(hex("1B 40 1B 2D 01") + "AB\n").value(0);
    for (int x = 0; x < 24; ++x)
        QVERIFY2(dark(page, x, 23), qPrintable(QString::number(x)));

    // Reverse: white on black.
    page = print(hex("1B 40 1D 42 01") + "A\n").value(0);
    QVERIFY(darkCount(page, QRect(0, 0, 12, 24)) > 12 * 24 / 2);

    // Upside-down: the line turns round, so the ink ends up at the right.
    page = print(hex("1B 40 1B 7B 01") + "A\n").value(0);
    QVERIFY(InkBox::of(page).left > 576 - 13);

    // 90 degrees: cells lie on their side (24 wide, 12 high).
    page = print(hex("1B 40 1B 56 01") + "II\n").value(0);
    b = InkBox::of(page);
    QVERIFY(b.right > 24);
    QVERIFY(b.height() <= 12);

    // Bold inks more than normal.
    const int normal = darkCount(print(hex("1B 40") + "WWW\n").value(0), QRect(0, 0, 36, 24));
    const int bold = darkCount(print(hex("1B 40 1B 45 01") + "WWW\n").value(0), QRect(0, 0, 36, 24));
    QVERIFY(bold > normal);

    // Line spacing and feeds.
    page = print(hex("1B 40 1B 33 40") + "A\n" + hex("1B 4A 64 1B 64 02")).value(0);
    QCOMPARE(page.height(), 64 + 100 + 2 * 64);
}

void TestVprinterRender::alignmentAndLeftMargin()
{
    QImage page = print(hex("1B 40 1B 61 01") + "X\n").value(0);
    InkBox b = InkBox::of(page);
    QVERIFY(qAbs((b.left + b.right) / 2 - 288) < 12);
    page = print(hex("1B 40 1B 61 02") + "X\n").value(0);
    QVERIFY(InkBox::of(page).right > 576 - 12);
    page = print(hex("1B 40 1D 4C 40 00") + "X\n").value(0);
    QVERIFY(InkBox::of(page).left >= 64);
    // Print area 120 dots: the eleventh character wraps onto a second line.
    page = print(hex("1B 40 1D 57 78 00") + "ABCDEFGHIJK\n").value(0);
    QCOMPARE(page.height(), 60);
}

void TestVprinterRender::narrowPaper()
{
    m_paperMm = 58;
    cleanup();
    m_paperMm = 58;
    init();
    const QImage page = print(QByteArray("\x1b@58 mm\n")).value(0);
    QCOMPARE(page.width(), 384);
}

void TestVprinterRender::oneMorePagePerCut()
{
    const QList<QImage> pages = print(QByteArray("one\n\x1dV\x00two\n\x1dV\x01three\n", 19), 3);
    QCOMPARE(pages.size(), 3);
    QCOMPARE(m_printer->events(QStringLiteral("page")).size(), 3);
    QCOMPARE(m_printer->events(QStringLiteral("paper_cut")).size(), 2);
    // A cut with nothing printed since makes no empty page, nor does blank feed.
    print(hex("1D 56 00 1D 56 00"));
    print(hex("1B 64 05 1D 56 00 1B 4A FF 0A 1D 56 01"));
    QCOMPARE(m_printer->events(QStringLiteral("page")).size(), 3);
}

void TestVprinterRender::numberingContinuesInTheSameFolder()
{
    print(QByteArray("\x1b@first run\n"));
    const QString first = m_printer->options().outputDir + QStringLiteral("/page-0001.png");
    QCOMPARE(m_printer->pageFiles(), QStringList{first});
    QFile firstFile(first);
    QVERIFY(firstFile.open(QIODevice::ReadOnly));
    const QByteArray firstPage = firstFile.readAll();
    firstFile.close();

    // Started again on the same folder: page-0001.png stays what the events
    // of the first run point at, the next page is page-0002.png.
    m_printer.reset(new VirtualPrinter(m_printer->options()));
    QVERIFY(m_printer->start());
    print(QByteArray("\x1b@second run, a longer line\n\x1dV\x01"));
    const QString second = m_printer->options().outputDir + QStringLiteral("/page-0002.png");
    QCOMPARE(m_printer->pageFiles(), QStringList{second});
    QVERIFY(firstFile.open(QIODevice::ReadOnly));
    QCOMPARE(firstFile.readAll(), firstPage);
    const QJsonObject page = m_printer->events(QStringLiteral("page")).value(0).value("params").toObject();
    QCOMPARE(page.value("number").toInt(), 2);
    QCOMPARE(page.value("file").toString(), second);
}

void TestVprinterRender::pageAtExitNamesTheLinkItsInkCameFrom()
{
    VirtualPrinterOptions o = m_printer->options();
    m_printer.reset();
    o.serialPath = m_dir.filePath(QStringLiteral("ttyExit"));
    m_printer.reset(new VirtualPrinter(o));
    QVERIFY(m_printer->start());

    // A client stays connected on the raw port while text arrives on the
    // serial line and waits for a cut that never comes.
    QTcpSocket idle;
    idle.connectToHost(QStringLiteral("127.0.0.1"), m_printer->rawPort());
    QVERIFY(idle.waitForConnected(WaitMs));
    QVERIFY(!m_printer->waitForEvent(QStringLiteral("client_connected"), WaitMs).isEmpty());
    QFile line(o.serialPath);
    QVERIFY(line.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
    QVERIFY(line.write("serial text\n") > 0);
    QVERIFY(!m_printer->waitForEvent(QStringLiteral("text"), WaitMs).isEmpty());

    m_printer->stop();
    const QList<QJsonObject> pages = m_printer->events(QStringLiteral("page"));
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.first().value("source").toString(), QStringLiteral("serial"));
}

void TestVprinterRender::selfTestPage()
{
    const QImage page = print(hex("1F 1B 0D")).value(0);
    QVERIFY(page.height() > 7 * 30);
    QCOMPARE(m_printer->events(QStringLiteral("self_test_printed")).size(), 1);
}

void TestVprinterRender::rasterImage()
{
    // 16 x 4 dots: a full row, its other half, a checker row, two corner dots.
    const QByteArray rows = hex("FF 00 00 FF AA 55 80 01");
    QImage page = print(hex("1B 40 1D 76 30 00 02 00 04 00") + rows).value(0);
    QCOMPARE(page.height(), 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool expected = uchar(rows.at(y * 2 + x / 8)) & (0x80 >> (x % 8));
            QVERIFY2(dark(page, x, y) == expected, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(InkBox::of(page).right == 15);
    // Mode 3 doubles both ways.
    page = print(hex("1B 40 1D 76 30 03 02 00 04 00") + rows).value(0);
    QCOMPARE(page.height(), 8);
    QCOMPARE(InkBox::of(page).right, 31);
    QVERIFY(dark(page, 0, 0) && dark(page, 1, 1) && !dark(page, 0, 2));
}

void TestVprinterRender::graphicsPictures()
{
    // GS ( L fn 112: 16 x 4 dots in the print buffer (the same rows as above),
    // fn 50 prints them; then in column format, 8 columns of 2 bytes, scaled twice.
    const QByteArray rows = hex("FF 00 00 FF AA 55 80 01");
    QImage page = print(hex("1B 40 1D 28 4C 12 00 30 70 30 01 01 31 10 00 04 00") + rows + hex("1D 28 4C 02 00 30 32")).value(0);
    QCOMPARE(page.height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 16; ++x)
            QCOMPARE(dark(page, x, y), bool(uchar(rows.at(y * 2 + x / 8)) & (0x80 >> (x % 8))));
    page = print(hex("1B 40 1D 38 4C 1A 00 00 00 30 71 30 02 02 31 08 00 10 00") + QByteArray(16, char(0xFF))
                 + hex("1D 38 4C 02 00 00 00 30 32"))
               .value(0);
    QCOMPARE(page.height(), 32);
    QCOMPARE(InkBox::of(page).right, 15);
    const QList<QJsonObject> stored = m_printer->events(QStringLiteral("graphics_store"));
    QCOMPARE(stored.size(), 2);
    QCOMPARE(stored.last().value("params").toObject().value("format").toString(), QStringLiteral("column"));
    QCOMPARE(stored.last().value("kind").toString(), QStringLiteral("command"));
}

void TestVprinterRender::undecodableCommandsAreLogged()
{
    // Nothing the printer cannot read is dropped silently: each piece is in
    // the event log with its kind, code and bytes, and the text around it prints.
    print(QByteArray("A") + hex("1B 8F") + hex("1D 28 45 03 00 01 02 03") + hex("1D 28 4C 02 00 30 7F") + "B\n");
    QCOMPARE(m_printer->events(QStringLiteral("text")).size(), 2);
    const QList<QJsonObject> unknown = m_printer->events(QStringLiteral("unknown"));
    QCOMPARE(unknown.size(), 1);
    QCOMPARE(unknown.first().value("kind").toString(), QStringLiteral("unknown"));
    QCOMPARE(unknown.first().value("code").toString(), QStringLiteral("ESC 8F"));
    const QList<QJsonObject> extended = m_printer->events(QStringLiteral("extended_function"));
    QCOMPARE(extended.size(), 1);
    QCOMPARE(extended.first().value("kind").toString(), QStringLiteral("unknown"));
    QCOMPARE(extended.first().value("hex").toString(), QStringLiteral("1d 28 45 03 00 01 02 03"));
    const QList<QJsonObject> graphics = m_printer->events(QStringLiteral("graphics"));
    QCOMPARE(graphics.size(), 1);
    QCOMPARE(graphics.first().value("kind").toString(), QStringLiteral("unknown"));
    QCOMPARE(graphics.first().value("code").toString(), QStringLiteral("GS ( L"));
}

void TestVprinterRender::logoDefinedAndPrinted()
{
    // Logo 1: 8 columns of one byte, a diagonal from top left to bottom right.
    // Logo 2: 8 columns, all dots of the first column.
    const QByteArray define = hex("1C 71 02 01 00 01 00 80 40 20 10 08 04 02 01 01 00 01 00 FF 00 00 00 00 00 00 00");
    QImage page = print(define + hex("1B 40 1C 70 01 00")).value(0);
    QCOMPARE(page.height(), 8);
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 8; ++r)
            QVERIFY2(dark(page, c, r) == (c == r), qPrintable(QStringLiteral("%1,%2").arg(c).arg(r)));
    page = print(hex("1C 70 02 03")).value(0); // double width and height
    QCOMPARE(page.height(), 16);
    QCOMPARE(InkBox::of(page).right, 1);
    QCOMPARE(InkBox::of(page).height(), 16);
    // The maker's print-logo sequence: centred, with GS T and the trailing cut.
    page = print(hex("1B 40 1B 61 01 1D 54 1C 70 01 03 1B 40 00 0A 0A 0A 0A 00 1D 56 01 00")).value(0);
    const InkBox b = InkBox::of(page);
    QCOMPARE(b.width(), 16);
    QVERIFY(qAbs((b.left + b.right) / 2 - 288) <= 2);
    // An undefined logo prints nothing and says so.
    print(hex("1C 70 07 00"));
    QCOMPARE(m_printer->events(QStringLiteral("print_logo")).last().value("params").toObject().value("defined").toBool(true),
             false);
}

void TestVprinterRender::userDefinedCharacters()
{
    QByteArray define = hex("1B 26 03 41 41 0C");
    define += QByteArray(36, char(0xFF)); // 12 columns of 3 bytes, all dots
    QImage page = print(define + hex("1B 25 01") + "A\n").value(0);
    QCOMPARE(darkCount(page, QRect(0, 0, 12, 24)), 12 * 24);
    // Cancelled: A is drawn from the font again.
    page = print(hex("1B 3F 41") + "A\n").value(0);
    QVERIFY(darkCount(page, QRect(0, 0, 12, 24)) < 12 * 24 / 2);
    QVERIFY(darkCount(page, QRect(0, 0, 12, 24)) > 0);
}

void TestVprinterRender::codeTablesAndChineseText()
{
    QByteArray stream = hex("1B 40 1C 2E 1B 74 10 80 0A 1B 74 00 82 0A 1C 26");
    stream += QByteArray::fromHex("b2e2cad4"); // 测试 in GBK
    stream += "\n";
    const QImage page = print(stream).value(0);
    const QList<QJsonObject> texts = m_printer->events(QStringLiteral("text"));
    QCOMPARE(texts.size(), 3);
    QCOMPARE(texts.at(0).value("params").toObject().value("text").toString(), QString(QChar(0x20AC))); // euro sign
    QCOMPARE(texts.at(1).value("params").toObject().value("text").toString(), QString(QChar(0x00E9))); // é in CP437
    QCOMPARE(texts.at(2).value("params").toObject().value("text").toString(), QString::fromUtf8("测试"));
    // Two Chinese characters are two 24-dot cells.
    const InkBox b = InkBox::of(page, QRect(0, 60, 576, page.height() - 60));
    QVERIFY(b.right > 24 && b.right < 48);

    // The mode switches take effect where they stand in the stream, also
    // within one piece of input: the same two bytes, then in CP437.
    print(hex("1B 40 1C 26 B2 E2 1C 2E B2 E2 0A"));
    const QList<QJsonObject> after = m_printer->events(QStringLiteral("text"));
    QCOMPARE(after.at(3).value("params").toObject().value("text").toString(), QString::fromUtf8("测"));
    QCOMPARE(after.at(4).value("params").toObject().value("text").toString(), QString::fromUtf8("▓Γ"));

    // More single-byte tables: 84 is a-tilde in CP860, 80 the Cyrillic A in CP866.
    print(hex("1B 40 1C 2E 1B 74 03 84 0A 1B 74 11 80 0A"));
    const QList<QJsonObject> more = m_printer->events(QStringLiteral("text"));
    QCOMPARE(more.at(5).value("params").toObject().value("text").toString(), QString(QChar(0x00E3)));
    QCOMPARE(more.at(6).value("params").toObject().value("text").toString(), QString(QChar(0x0410)));

    // International sets: Germany by ESC R, the UK by the maker's command.
    print(hex("1B 40 1C 2E 1B 52 02") + "[{~\n" + hex("1F 1B 0E 03") + "#1\n");
    const QList<QJsonObject> intl = m_printer->events(QStringLiteral("text"));
    QCOMPARE(intl.at(7).value("params").toObject().value("text").toString(), QString::fromUtf8("\u00C4\u00E4\u00DF"));
    QCOMPARE(intl.at(8).value("params").toObject().value("text").toString(), QString::fromUtf8("\u00A31"));
}

void TestVprinterRender::barcodesReadBack_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected"); // the read text starts with this
    QTest::newRow("UPC-A") << 0x41 << QByteArray("123456789012") << int(ZXing::BarcodeFormat::UPCA) << "123456789012";
    QTest::newRow("UPC-E") << 0x42 << QByteArray("0123456") << int(ZXing::BarcodeFormat::UPCE) << "0123456";
    QTest::newRow("JAN13") << 0x43 << QByteArray("490123456789") << int(ZXing::BarcodeFormat::EAN13) << "490123456789";
    QTest::newRow("JAN8") << 0x44 << QByteArray("1234567") << int(ZXing::BarcodeFormat::EAN8) << "1234567";
    QTest::newRow("CODE39") << 0x45 << QByteArray("CODE39-TEST") << int(ZXing::BarcodeFormat::Code39) << "CODE39-TEST";
    QTest::newRow("ITF") << 0x46 << QByteArray("1234567890") << int(ZXing::BarcodeFormat::ITF) << "1234567890";
    QTest::newRow("CODABAR") << 0x47 << QByteArray("A123456B") << int(ZXing::BarcodeFormat::Codabar) << "123456"; // read without start and stop
    QTest::newRow("CODE93") << 0x48 << QByteArray("CODE93") << int(ZXing::BarcodeFormat::Code93) << "CODE93";
    QTest::newRow("CODE128 set B") << 0x49 << QByteArray("{BHello-128") << int(ZXing::BarcodeFormat::Code128) << "Hello-128";
    QTest::newRow("CODE128 set C") << 0x49 << QByteArray("{C\x0c\x22\x38", 5) << int(ZXing::BarcodeFormat::Code128) << "123456";
    QTest::newRow("UPC-A, first form") << 0x00 << QByteArray("12345678901") << int(ZXing::BarcodeFormat::UPCA) << "123456789012";
}

void TestVprinterRender::barcodesReadBack()
{
    QFETCH(int, symbology);
    QFETCH(QByteArray, data);
    QFETCH(int, format);
    QFETCH(QString, expected);
    QByteArray stream = hex("1B 40 1B 61 01 1D 68 50 1D 77 02 1D 48 02 1D 6B");
    stream.append(char(symbology));
    if (symbology >= 0x41) {
        stream.append(char(data.size()));
        stream += data;
    } else {
        stream += data;
        stream.append('\0');
    }
    stream += hex("1D 56 00");
    print(stream);
    const QString file = lastFiles(1).value(0);
    QVERIFY(!file.isEmpty());
    const SymbolReader d = SymbolReader::read(file, ZXing::BarcodeFormat(format));
    QVERIFY2(d.ok, qPrintable(file));
    QVERIFY2(d.text.startsWith(expected), qPrintable(d.text));
    const QJsonObject logged = m_printer->events(QStringLiteral("barcode")).last();
    QVERIFY(logged.value("params").toObject().value("text").toString().contains(expected.left(6)));
}

void TestVprinterRender::badBarcodeIsLoggedNotPrinted()
{
    // UPC-A with letters, ITF with an odd count, CODE128 without a code set.
    print(hex("1D 6B 41 03") + "ABC" + hex("1D 6B 46 03") + "123" + hex("1D 6B 49 02") + "AB");
    QCOMPARE(m_printer->events(QStringLiteral("print_error")).size(), 3);
    QCOMPARE(m_printer->pages().size(), 0);
}

void TestVprinterRender::qrCodeReadsBack_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("levelName");
    QTest::addColumn<int>("module");
    QTest::addColumn<QString>("content");
    QTest::newRow("L, module 3, ASCII") << 0 << "L" << 3 << "ABC";
    QTest::newRow("M, module 8, URL") << 1 << "M" << 8 << "https://example.com/receipt?id=42";
    QTest::newRow("Q, module 4, Chinese") << 2 << "Q" << 4 << QString::fromUtf8("测试二维码");
    QTest::newRow("H as 51, module 6") << 0x33 << "H" << 6 << "Quillmark";
}

void TestVprinterRender::qrCodeReadsBack()
{
    QFETCH(int, level);
    QFETCH(QString, levelName);
    QFETCH(int, module);
    QFETCH(QString, content);
    const QByteArray utf8 = content.toUtf8();
    QByteArray stream = hex("1B 40 1D 28 6B 03 00 31 43");
    stream.append(char(module));
    stream += hex("1D 28 6B 03 00 31 45");
    stream.append(char(level));
    stream += hex("1D 28 6B");
    stream.append(char((utf8.size() + 3) & 0xFF));
    stream.append(char((utf8.size() + 3) >> 8));
    stream += hex("31 50 30") + utf8;
    stream += hex("1B 61 31 1D 28 6B 03 00 31 51 30 1B 61 30 0A 0A 00 1D 56 01 00");
    const QImage page = print(stream).value(0);
    QVERIFY(!page.isNull());
    const SymbolReader d = SymbolReader::read(lastFiles(1).value(0), ZXing::BarcodeFormat::QRCode);
    QVERIFY(d.ok);
    // The code holds the bytes received (UTF-8 here), with no character set of its own.
    QCOMPARE(d.bytes, utf8);
    QCOMPARE(d.level, levelName);
    // Module size as asked: the finder pattern is 7 modules wide.
    const InkBox b = InkBox::of(page);
    QVERIFY(b.width() % module == 0);
    QVERIFY(qAbs((b.left + b.right) / 2 - 288) <= module);
}

namespace {
QByteArray pdf417Stream(int module, int rowHeight, int level, const QByteArray &data)
{
    QByteArray stream = hex("1B 40 1D 28 6B 03 00 30 41 00 1D 28 6B 03 00 30 42 00 1D 28 6B 03 00 30 43");
    stream.append(char(module));
    stream += hex("1D 28 6B 03 00 30 44");
    stream.append(char(rowHeight));
    stream += hex("1D 28 6B 04 00 30 45 30");
    stream.append(char(0x30 + level));
    stream += hex("1D 28 6B");
    stream.append(char((data.size() + 3) & 0xFF));
    stream.append(char((data.size() + 3) >> 8));
    stream += hex("30 50 30") + data;
    stream += hex("1B 61 31 1D 28 6B 03 00 30 51 30 1B 61 30 0A 0A 00 1D 56 01 00");
    return stream;
}
} // namespace

void TestVprinterRender::pdf417ReadsBack_data()
{
    QTest::addColumn<int>("paperMm");
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("expectedModule"); // the module width printed; 0: too wide, not printed
    QTest::newRow("module 3, rows 3, level 2") << 80 << 3 << 3 << 2 << "PDF417 ABC 123" << 3;
    QTest::newRow("module 2, rows 4, level 1") << 80 << 2 << 4 << 1 << "Quillmark" << 2;
    QTest::newRow("Chinese, level 4") << 80 << 4 << 3 << 4 << QString::fromUtf8("测试 PDF417") << 4;
    QTest::newRow("module 8 on 58 mm is too wide") << 58 << 8 << 3 << 2 << QString(60, QLatin1Char('A')) << 0;
}

void TestVprinterRender::pdf417ReadsBack()
{
    QFETCH(int, paperMm);
    QFETCH(int, module);
    QFETCH(int, rowHeight);
    QFETCH(int, level);
    QFETCH(QString, content);
    QFETCH(int, expectedModule);
    if (paperMm != m_paperMm) {
        m_paperMm = paperMm;
        cleanup();
        m_paperMm = paperMm;
        init();
    }
    const QImage page = print(pdf417Stream(module, rowHeight, level, content.toUtf8())).value(0);
    if (!expectedModule) {
        // A symbol wider than the print area is not printed, as on the printer.
        const QList<QJsonObject> errors = m_printer->events(QStringLiteral("print_error"));
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors.first().value("params").toObject().value("what").toString(), QStringLiteral("pdf417"));
        return;
    }
    QVERIFY(!page.isNull());
    const SymbolReader d = SymbolReader::read(lastFiles(1).value(0), ZXing::BarcodeFormat::PDF417);
    QVERIFY(d.ok);
    QCOMPARE(d.text, content);
    const InkBox b = InkBox::of(page);
    QVERIFY(b.right < page.width());
    // Centred; the start pattern opens with a bar of 8 modules.
    QVERIFY(qAbs((b.left + b.right) / 2 - page.width() / 2) <= module * 2);
    int bar = 0;
    while (dark(page, b.left + bar, b.top))
        ++bar;
    QCOMPARE(bar, 8 * expectedModule);
    const QJsonObject stored = m_printer->events(QStringLiteral("pdf417_store")).last();
    QCOMPARE(stored.value("params").toObject().value("content").toString(), content);
}

void TestVprinterRender::pdf417WithoutDataIsLoggedNotPrinted()
{
    print(hex("1B 40 1D 28 6B 03 00 30 51 30"));
    QCOMPARE(m_printer->events(QStringLiteral("print_error")).size(), 1);
    QCOMPARE(m_printer->events(QStringLiteral("print_error")).first().value("params").toObject().value("what").toString(),
             QStringLiteral("pdf417"));
    QCOMPARE(m_printer->pages().size(), 0);
}

QTEST_MAIN(TestVprinterRender)
#include "tst_vprinter_render.moc"
