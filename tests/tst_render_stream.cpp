// Byte streams on paper without a printer (VpStreamRenderer, render/): the
// graphics commands GS ( L and GS 8 L, one page per cut, the listing of what
// could not be decoded with its offsets, garbage, and the print previews of
// the window, which must show exactly what the virtual printer prints from
// the bytes that are sent.

#include "VirtualPrinter.h"
#include "commands/PrintTest.h"
#include "render/VpPageFiles.h"
#include "render/VpStreamRenderer.h"
#include "services/PrintPreview.h"
#include "support/InkBox.h"
#include "support/SymbolReader.h"
#include "support/vprinter_client.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using VprinterClient::hex;

namespace {

constexpr int WaitMs = 10000;

QByteArray le16(int n)
{
    return QByteArray(1, char(n & 0xFF)) + char((n >> 8) & 0xFF);
}

QByteArray le32(qint64 n)
{
    return le16(int(n & 0xFFFF)) + le16(int((n >> 16) & 0xFFFF));
}

// GS ( L pL pH and GS 8 L p1..p4 around a graphics function (m fn ...).
QByteArray gsParenL(const QByteArray &body)
{
    return hex("1D 28 4C") + le16(body.size()) + body;
}

QByteArray gs8L(const QByteArray &body)
{
    return hex("1D 38 4C") + le32(body.size()) + body;
}

// fn 112 / 113: a plane into the print buffer.
QByteArray storeBody(bool column, int width, int height, int bx, int by, char colour, const QByteArray &plane)
{
    return QByteArray("0") + char(column ? 0x71 : 0x70) + '0' + char(bx) + char(by) + colour + le16(width)
           + le16(height) + plane;
}

// fn 67 / 83 (raster): one plane under key kc1 kc2.
QByteArray defineBody(bool nv, char kc1, char kc2, int width, int height, const QByteArray &plane)
{
    return QByteArray("0") + char(nv ? 0x43 : 0x53) + '0' + kc1 + kc2 + char(1) + le16(width) + le16(height) + '1'
           + plane;
}

// fn 69 / 85: print a defined picture scaled x, y.
QByteArray printKeyBody(bool nv, char kc1, char kc2, int x, int y)
{
    return QByteArray("0") + char(nv ? 0x45 : 0x55) + kc1 + kc2 + char(x) + char(y);
}

// A raster plane of width x height dots, all of them ink.
QByteArray fullPlane(int width, int height)
{
    return QByteArray(((width + 7) / 8) * height, char(0xFF));
}

QStringList undecodedSummary(const VpStreamRenderer::Result &result)
{
    QStringList out;
    for (const QJsonValue &v : result.undecoded) {
        const QJsonObject e = v.toObject();
        out << QStringLiteral("%1 %2 %3 %4")
                   .arg(qint64(e.value(QStringLiteral("offset")).toDouble()))
                   .arg(e.value(QStringLiteral("kind")).toString(), e.value(QStringLiteral("name")).toString(),
                        e.value(QStringLiteral("code")).toString());
    }
    return out;
}

QImage grey(const QImage &image)
{
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// GS ( k pL pH cn fn ...
QByteArray gsParenK(const QByteArray &body)
{
    return hex("1D 28 6B") + le16(body.size()) + body;
}

} // namespace

class TestRenderStream : public QObject
{
    Q_OBJECT

private slots:
    void graphicsPrint_data();
    void graphicsPrint();
    void graphicsThatPrintNothing_data();
    void graphicsThatPrintNothing();
    void undecodedPiecesAreListedWithTheirOffsets();
    void onePagePerCut_data();
    void onePagePerCut();
    void pageFilesHoldThePages();
    void hostileStreamsStayBounded_data();
    void hostileStreamsStayBounded();
    void listingKeepsAtMostMaxListed();
    void garbageIsListedNotFatal();
    void twoDimensionalCodesReadBack_data();
    void twoDimensionalCodesReadBack();
    void pdf417ModuleWidthAndRowHeight();
    void twoDimensionalCodeFunctionsThePrinterLacks();
    void previewEqualsTheVirtualPrinter_data();
    void previewEqualsTheVirtualPrinter();
    void previewFollowsTheLatestChange();
};

void TestRenderStream::graphicsPrint_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QRect>("ink"); // where the picture lands on the page

    const QByteArray print = gsParenL("02");
    QTest::newRow("store and print, raster")
        << hex("1B 40") + gsParenL(storeBody(false, 16, 8, 1, 1, '1', fullPlane(16, 8))) + print << QRect(0, 0, 16, 8);
    QTest::newRow("scaled twice each way")
        << gsParenL(storeBody(false, 16, 8, 2, 2, '1', fullPlane(16, 8))) + print << QRect(0, 0, 32, 16);
    QTest::newRow("column format: 8 columns of 2 bytes")
        << gsParenL(storeBody(true, 8, 16, 1, 1, '1', QByteArray(8 * 2, char(0xFF)))) + print << QRect(0, 0, 8, 16);
    QTest::newRow("left half of each row")
        << gsParenL(storeBody(false, 16, 4, 1, 1, '1', hex("FF 00 FF 00 FF 00 FF 00"))) + print << QRect(0, 0, 8, 4);
    QTest::newRow("two colour planes print together")
        << gsParenL(storeBody(false, 16, 1, 1, 1, '1', hex("FF 00"))) + gsParenL(storeBody(false, 16, 1, 1, 1, '2', hex("00 FF")))
               + print
        << QRect(0, 0, 16, 1);
    QTest::newRow("GS 8 L with a 32-bit length")
        << gs8L(storeBody(false, 16, 8, 1, 1, '1', fullPlane(16, 8))) + gs8L("02") << QRect(0, 0, 16, 8);
    QTest::newRow("centred by ESC a 1")
        << hex("1B 61 01") + gsParenL(storeBody(false, 16, 8, 1, 1, '1', fullPlane(16, 8))) + print
        << QRect((576 - 16) / 2, 0, 16, 8);
    QTest::newRow("NV picture by key, twice as wide")
        << gsParenL(defineBody(true, 'G', '1', 16, 8, fullPlane(16, 8))) + gsParenL(printKeyBody(true, 'G', '1', 2, 1))
        << QRect(0, 0, 32, 8);
    QTest::newRow("download picture by key, after ESC @")
        << gs8L(defineBody(false, 'D', '1', 24, 2, fullPlane(24, 2))) + hex("1B 40")
               + gsParenL(printKeyBody(false, 'D', '1', 1, 1))
        << QRect(0, 0, 24, 2);
}

void TestRenderStream::graphicsPrint()
{
    QFETCH(QByteArray, stream);
    QFETCH(QRect, ink);
    const VpStreamRenderer::Result result = VpStreamRenderer::render(stream);
    QVERIFY2(result.undecoded.isEmpty(), qPrintable(undecodedSummary(result).join(QLatin1String("; "))));
    QCOMPARE(result.pages.size(), 1);
    const QImage page = result.pages.first();
    QCOMPARE(page.width(), 576);
    const InkBox box = InkBox::of(page);
    QCOMPARE(QRect(box.left, box.top, box.width(), box.height()), ink);
}

void TestRenderStream::graphicsThatPrintNothing_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QString>("name");   // of the command that could not print
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("result"); // what the listing says about it

    QTest::newRow("print with an empty buffer") << gsParenL("02") << "graphics_print" << "command" << "stored=false";
    QTest::newRow("stored once (blank), printed twice")
        << gsParenL(storeBody(false, 8, 1, 1, 1, '1', QByteArray(1, '\0'))) + gsParenL("02") + gsParenL("02") << "graphics_print"
        << "command" << "stored=false";
    QTest::newRow("key never defined") << gsParenL(printKeyBody(true, 'X', 'Y', 1, 1)) << "graphics_nv_print"
                                       << "command" << "defined=false";
    QTest::newRow("deleted before printing")
        << gsParenL(defineBody(true, 'G', '1', 8, 1, "\xFF")) + gsParenL(QByteArray("0B") + "G1")
               + gsParenL(printKeyBody(true, 'G', '1', 1, 1))
        << "graphics_nv_print" << "command" << "defined=false";
    QTest::newRow("all download pictures deleted")
        << gsParenL(defineBody(false, 'G', '1', 8, 1, "\xFF")) + gsParenL("0QCLR") + gsParenL(printKeyBody(false, 'G', '1', 1, 1))
        << "graphics_download_print" << "command" << "defined=false";
    QTest::newRow("plane shorter than its size")
        << gsParenL(storeBody(false, 16, 8, 1, 1, '1', fullPlane(16, 7))) + gsParenL("02") << "graphics_store"
        << "malformed" << "";
    QTest::newRow("five planes") << gsParenL(QByteArray("0C0G1") + char(5) + le16(8) + le16(1) + "1\xFF") << "graphics_nv_define"
                                 << "malformed" << "";
    QTest::newRow("function the printer lacks") << gsParenL("0\x7F") << "graphics" << "unknown" << "";
}

void TestRenderStream::graphicsThatPrintNothing()
{
    QFETCH(QByteArray, stream);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, result);
    const VpStreamRenderer::Result r = VpStreamRenderer::render(stream);
    QJsonObject last;
    for (const QJsonValue &v : r.commands)
        if (v.toObject().value(QStringLiteral("name")).toString() == name)
            last = v.toObject();
    QVERIFY2(!last.isEmpty(), qPrintable(name));
    QCOMPARE(last.value(QStringLiteral("kind")).toString(), kind);
    if (!result.isEmpty()) {
        const QString key = result.section(QLatin1Char('='), 0, 0);
        QCOMPARE(last.value(QStringLiteral("params")).toObject().value(key), QJsonValue(false));
    }
    QCOMPARE(r.undecodedCount, kind == QLatin1String("command") ? 0 : 1);
    // Nothing inked.
    for (const QImage &page : r.pages)
        QVERIFY(InkBox::of(page).empty());
}

void TestRenderStream::undecodedPiecesAreListedWithTheirOffsets()
{
    const QByteArray stream = hex("1B 40 41 0A"   // 0: ESC @, A, LF
                                  "1B 8F"         // 4: no such ESC command
                                  "42"            // 6
                                  "1D 28 45 03 00 01 02 03" // 7: GS ( E, a function this printer lacks
                                  "0A"            // 15
                                  "1D 28 4C 02 00 30 7F"    // 16: graphics function 7F
                                  "1C 99"         // 23: no such FS command
                                  "1D 76 30 00 02 00");     // 25: a raster picture cut short
    const VpStreamRenderer::Result result = VpStreamRenderer::render(stream);
    QCOMPARE(undecodedSummary(result), QStringList({QStringLiteral("4 unknown unknown ESC 8F"),
                                                    QStringLiteral("7 unknown extended_function GS ( E"),
                                                    QStringLiteral("16 unknown graphics GS ( L"),
                                                    QStringLiteral("23 unknown unknown FS 99"),
                                                    QStringLiteral("25 truncated truncated 1D")}));
    QCOMPARE(result.undecodedCount, 5);
    // The rest printed around them: A and B on two lines.
    QCOMPARE(result.pages.size(), 1);
    QCOMPARE(result.pages.first().height(), 2 * VpRenderer::DefaultLineSpacing);
    // Every piece is in the listing in stream order, with the raw bytes of commands.
    QJsonArray offsets;
    for (const QJsonValue &v : result.commands)
        offsets.append(v.toObject().value(QStringLiteral("offset")));
    QCOMPARE(offsets, QJsonArray({0, 2, 3, 4, 6, 7, 15, 16, 23, 25}));
    QCOMPARE(result.commands.at(4).toObject().value(QStringLiteral("params")).toObject().value(QStringLiteral("text")).toString(),
             QStringLiteral("B"));
    QCOMPARE(result.undecoded.at(1).toObject().value(QStringLiteral("hex")).toString(), QStringLiteral("1d 28 45 03 00 01 02 03"));
}

void TestRenderStream::onePagePerCut_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QList<int>>("heights");

    const int line = VpRenderer::DefaultLineSpacing;
    QTest::newRow("three cuts of three kinds")
        << QByteArray("A\n") + hex("1D 56 00") + "B\nB\n" + hex("1D 56 01") + "C\n" + hex("1B 69") << QList<int>{line, 2 * line, line};
    QTest::newRow("what follows the last cut is a page too") << QByteArray("A\n") + hex("1D 56 00") + "B" << QList<int>{line, line};
    QTest::newRow("cuts on blank paper make no page") << hex("1D 56 00 1D 56 00") + "A\n" + hex("1B 6D") << QList<int>{line};
    QTest::newRow("feed before the cut (GS V 66 n)") << QByteArray("A") + hex("1D 56 42 28") << QList<int>{40};
    QTest::newRow("nothing printed") << hex("1B 40 10 04 01 1B 70 00 19 FA") << QList<int>{};
}

void TestRenderStream::onePagePerCut()
{
    QFETCH(QByteArray, stream);
    QFETCH(QList<int>, heights);
    const VpStreamRenderer::Result result = VpStreamRenderer::render(stream);
    QList<int> got;
    for (const QImage &page : result.pages)
        got << page.height();
    QCOMPARE(got, heights);
    QCOMPARE(result.pageCount, heights.size());
    QCOMPARE(result.undecodedCount, 0);

    // A page sink gets the same pages, one at a time, and the result keeps none.
    QList<int> sunk;
    const VpStreamRenderer::Result streamed =
        VpStreamRenderer::render(stream, VpStreamRenderer::Options(), [&sunk](const QImage &page) { sunk << page.height(); });
    QCOMPARE(sunk, heights);
    QVERIFY(streamed.pages.isEmpty());
    QCOMPARE(streamed.pageCount, heights.size());
}

void TestRenderStream::pageFilesHoldThePages()
{
    // The plain call behind quillmark render: one PNG per cut, as drawn.
    const QByteArray stream = QByteArray("A\n") + hex("1D 56 00") + "B\nB\n";
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    VpStreamRenderer::Options options;
    options.paperDots = VpRenderer::Paper58Dots;
    const VpPageFiles::Result files = VpPageFiles::write(stream, options, dir.filePath(QStringLiteral("out.PNG")));
    QVERIFY(files.written());
    const QList<QImage> drawn = VpStreamRenderer::render(stream, options).pages;
    QCOMPARE(files.pages.size(), 2);
    QCOMPARE(files.render.pageCount, 2);
    for (int i = 0; i < drawn.size(); ++i) {
        const QString file = files.pages.at(i).toObject().value(QStringLiteral("file")).toString();
        QCOMPARE(file, dir.filePath(QStringLiteral("out-%1.png").arg(i + 1)));
        QVERIFY2(grey(QImage(file)) == drawn.at(i), qPrintable(file));
    }

    // A folder that is not there: the first page fails, the rest are counted.
    const VpPageFiles::Result failed = VpPageFiles::write(stream, options, dir.filePath(QStringLiteral("none/out")));
    QVERIFY(!failed.written());
    QCOMPARE(failed.failedFile, dir.filePath(QStringLiteral("none/out-1.png")));
    QVERIFY(!failed.failure.isEmpty());
    QCOMPARE(failed.pages.size(), 2);
    QVERIFY(!failed.pages.at(1).toObject().contains(QStringLiteral("file")));
}

void TestRenderStream::hostileStreamsStayBounded_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("maxPages");
    QTest::addColumn<int>("maxPageDots");
    QTest::addColumn<QList<int>>("heights");  // of the pictures
    QTest::addColumn<QStringList>("clipped"); // runs of commands that left paper out: name x count: dots
    QTest::addColumn<int>("stoppedAt");

    const int line = VpRenderer::DefaultLineSpacing;
    const int page = VpRenderer::MaxPageHeight;
    const QByteArray cut = hex("1D 56 00");
    // ESC 3 255, then ESC d 255 200 times: 65,025 dots of blank paper each.
    QTest::newRow("603 bytes of feeds draw no picture")
        << hex("1B 33 FF") + hex("1B 64 FF").repeated(200) << 100 << page << QList<int>{}
        << QStringList{QStringLiteral("print_feed_lines x200: %1").arg(200 * 65025 - page)} << -1;
    QTest::newRow("line feeds past the page length")
        << QByteArray(100000, '\n') << 100 << page << QList<int>{}
        << QStringList{QStringLiteral("print_line_feed x%1: %2").arg(100000 - page / line).arg((100000 - page / line) * line)}
        << -1;
    QTest::newRow("a receipt's feed before the cut ends its picture, up to the page length")
        << QByteArray("Total\n") + hex("1B 64 FF").repeated(3) + cut + hex("1B 64 05") << 100 << 2000 << QList<int>{2000}
        << QStringList{QStringLiteral("print_feed_lines x3: %1").arg(3 * 255 * line - (2000 - line))} << -1;
    QTest::newRow("cut pages with nothing on them make no picture")
        << QByteArray("A\n") + cut + hex("1B 64 05") + cut + hex("1B 4A 64") + cut + "   \n" + cut << 100 << page
        << QList<int>{line} << QStringList{} << -1;
    QTest::newRow("text longer than a page goes on in the next one")
        << QByteArray("L\n").repeated(10) << 100 << 100 << QList<int>{3 * line, 3 * line, 3 * line, line} << QStringList{}
        << -1;
    QTest::newRow("blank feed before the text is drawn up to the page length")
        << hex("1B 4A C8") + "A\n" << 100 << 100 << QList<int>{100}
        << QStringList{QStringLiteral("print_feed_dots x1: 100"), QStringLiteral("print_line_feed x1: %1").arg(line)} << -1;
    QTest::newRow("a raster picture taller than the page")
        << hex("1D 76 30 00 01 00 2C 01") + QByteArray(300, char(0xFF)) << 100 << 100 << QList<int>{100}
        << QStringList{QStringLiteral("raster_image x1: 200")} << -1;
    QTest::newRow("a raster picture twice as high as the page")
        << hex("1D 76 30 03 01 00 50 00") + QByteArray(80, char(0xFF)) << 100 << 100 << QList<int>{100}
        << QStringList{QStringLiteral("raster_image x1: 60")} << -1;
    // Five bytes a receipt: the fourth receipt's line feed inks a fourth page.
    QTest::newRow("the page limit stops the drawing")
        << (QByteArray("A\n") + cut).repeated(10) << 3 << page << QList<int>{line, line, line} << QStringList{} << 16;
    QTest::newRow("as many pages as the limit")
        << (QByteArray("A\n") + cut).repeated(3) + hex("1B 64 05") + cut << 3 << page << QList<int>{line, line, line}
        << QStringList{} << -1;
}

void TestRenderStream::hostileStreamsStayBounded()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, maxPages);
    QFETCH(int, maxPageDots);
    QFETCH(QList<int>, heights);
    QFETCH(QStringList, clipped);
    QFETCH(int, stoppedAt);
    VpStreamRenderer::Options options;
    options.maxPages = maxPages;
    options.maxPageDots = maxPageDots;
    QList<int> got;
    const VpStreamRenderer::Result result =
        VpStreamRenderer::render(stream, options, [&got](const QImage &page) { got << page.height(); });
    QCOMPARE(got, heights);
    QCOMPARE(result.pageCount, heights.size());
    QStringList runs;
    qint64 dots = 0;
    for (const QJsonValue &v : result.clipped) {
        const QJsonObject e = v.toObject();
        runs << QStringLiteral("%1 x%2: %3")
                    .arg(e.value(QStringLiteral("name")).toString())
                    .arg(e.value(QStringLiteral("repeated")).toInt())
                    .arg(qint64(e.value(QStringLiteral("clipped_dots")).toDouble()));
        dots += qint64(e.value(QStringLiteral("clipped_dots")).toDouble());
    }
    QCOMPARE(runs, clipped);
    QCOMPARE(result.clippedDots, dots);
    QCOMPARE(result.stoppedAt, qint64(stoppedAt));
    QCOMPARE(result.pageLimitReached(), stoppedAt >= 0);
    QCOMPARE(result.undecodedCount, 0);
}

void TestRenderStream::listingKeepsAtMostMaxListed()
{
    // 100,000 one-byte commands and 1,000 bytes the printer does not know:
    // all counted, ten of each listed.
    const QByteArray stream = QByteArray(100000, '\0') + QByteArray(1000, '\x01');
    VpStreamRenderer::Options options;
    options.maxListed = 10;
    const VpStreamRenderer::Result listed = VpStreamRenderer::render(stream, options);
    QCOMPARE(listed.commandCount, 101000);
    QCOMPARE(listed.commands.size(), 10);
    QCOMPARE(listed.undecodedCount, 1000);
    QCOMPARE(listed.undecoded.size(), 10);
    QCOMPARE(VpStreamRenderer::Result::omitted(listed.undecoded, listed.undecodedCount), 990);
    QCOMPARE(qint64(listed.undecoded.first().toObject().value(QStringLiteral("offset")).toDouble()), 100000);
    QCOMPARE(listed.commands.last().toObject().value(QStringLiteral("name")).toString(), QStringLiteral("nul"));

    // Without a listing (the previews) only the counts.
    options.listing = false;
    const VpStreamRenderer::Result counted = VpStreamRenderer::render(stream, options);
    QCOMPARE(counted.commandCount, 101000);
    QCOMPARE(counted.undecodedCount, 1000);
    QVERIFY(counted.commands.isEmpty() && counted.undecoded.isEmpty());
}

void TestRenderStream::garbageIsListedNotFatal()
{
    // Random bytes: printed as far as they go, every piece listed.
    QRandomGenerator random(20240611);
    QByteArray garbage(256 * 1024, Qt::Uninitialized);
    for (char &c : garbage)
        c = char(random.bounded(256));
    VpStreamRenderer::Options options;
    options.paperDots = VpRenderer::Paper58Dots;
    const VpStreamRenderer::Result result = VpStreamRenderer::render(garbage, options);
    QVERIFY(result.undecodedCount > 0);
    QCOMPARE(result.undecoded.size(), result.undecodedCount);
    for (const QImage &page : result.pages)
        QCOMPARE(page.width(), VpRenderer::Paper58Dots);

    // Lengths beyond the printer's limits are not buffered: the declared data
    // is stepped over as it comes, and the end of the stream says it is missing.
    const QByteArray huge = hex("1D 38 4C") + le32(0x7FFFFFF0) + "0p" + hex("1B 40") + "A\n";
    QCOMPARE(undecodedSummary(VpStreamRenderer::render(huge)),
             QStringList({QStringLiteral("0 oversized graphics GS 8 L"),
                          QStringLiteral("%1 truncated truncated oversized").arg(huge.size())}));
    const QByteArray raster = hex("1D 76 30 00 FF FF FF FF") + "A\n";
    QCOMPARE(undecodedSummary(VpStreamRenderer::render(raster)),
             QStringList({QStringLiteral("0 oversized raster_image GS v 0"),
                          QStringLiteral("%1 truncated truncated oversized").arg(raster.size())}));
}

void TestRenderStream::twoDimensionalCodesReadBack_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("format"); // ZXing::BarcodeFormat
    QTest::addColumn<QByteArray>("content"); // the bytes a reader gets back

    const QByteArray pdfStore = gsParenK(QByteArray("0P0") + "QUILLMARK 417");
    const QByteArray pdfPrint = gsParenK("0Q0");
    QTest::newRow("PDF417, power-on settings") << pdfStore + pdfPrint << int(ZXing::BarcodeFormat::PDF417)
                                              << QByteArray("QUILLMARK 417");
    // Module width 2, row height 4 modules, level 5: every row is 8 dots high.
    const QByteArray pdfSettings = gsParenK(QByteArray("0C") + char(2)) + gsParenK(QByteArray("0D") + char(4))
                                   + gsParenK(QByteArray("0E") + "05") + gsParenK(QByteArray("0A") + char(3))
                                   + gsParenK(QByteArray("0B") + char(10)) + gsParenK(QByteArray("0F") + char(0));
    QTest::newRow("PDF417, module 2, rows of 4 modules, level 5, centred")
        << hex("1B 61 01") + pdfSettings + pdfStore + pdfPrint << int(ZXing::BarcodeFormat::PDF417)
        << QByteArray("QUILLMARK 417");
    QTest::newRow("PDF417, level by ratio")
        << gsParenK(QByteArray("0E1") + char(4)) + gsParenK(QByteArray("0P0") + "ratio") + pdfPrint
        << int(ZXing::BarcodeFormat::PDF417) << QByteArray("ratio");
    QTest::newRow("QR code, module 4, level H")
        << gsParenK(QByteArray("1C") + char(4)) + gsParenK("1E3") + gsParenK(QByteArray("1P0") + "https://example.invalid/q")
               + gsParenK("1Q0")
        << int(ZXing::BarcodeFormat::QRCode) << QByteArray("https://example.invalid/q");
    // The code holds the bytes the printer received, not a re-encoding of them.
    const QByteArray gbk = hex("C4 E3 BA C3 A3 AC CA D5 BE DD 31 32 33"); // 你好，收据123
    const QByteArray latin1("Caf\xE9 cr\xE8me br\xFBl\xE9" "e");
    const QByteArray leadingNul("\x00\x01" "ABC\x00" "def", 9);
    const struct { const char *tag; QByteArray data; } bytesRows[] = {
        {"GBK bytes", gbk}, {"Latin-1 bytes", latin1}, {"data that starts with NUL", leadingNul}};
    for (const auto &row : bytesRows) {
        QTest::addRow("QR code, %s", row.tag) << gsParenK(QByteArray("1P0") + row.data) + gsParenK("1Q0")
                                              << int(ZXing::BarcodeFormat::QRCode) << row.data;
        QTest::addRow("PDF417, %s", row.tag) << gsParenK(QByteArray("0P0") + row.data) + pdfPrint
                                             << int(ZXing::BarcodeFormat::PDF417) << row.data;
    }
}

void TestRenderStream::twoDimensionalCodesReadBack()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, format);
    QFETCH(QByteArray, content);
    const VpStreamRenderer::Result result = VpStreamRenderer::render(stream);
    QVERIFY2(result.undecoded.isEmpty(), qPrintable(undecodedSummary(result).join(QLatin1String("; "))));
    QCOMPARE(result.unprintedCount, 0);
    QCOMPARE(result.pages.size(), 1);
    const SymbolReader read = SymbolReader::read(result.pages.first(), ZXing::BarcodeFormat(format));
    QVERIFY(read.ok);
    QCOMPARE(read.bytes.toHex(' '), content.toHex(' '));
}

void TestRenderStream::pdf417ModuleWidthAndRowHeight()
{
    // PDF417 module width 2 and row height 4: the rows of the symbol are 8
    // dots high, its bars multiples of 2 dots wide, around a 2-module margin.
    const QByteArray store = gsParenK(QByteArray("0P0") + "rows");
    const VpStreamRenderer::Result sized =
        VpStreamRenderer::render(gsParenK(QByteArray("0C") + char(2)) + gsParenK(QByteArray("0D") + char(4)) + store
                                 + gsParenK("0Q0"));
    QCOMPARE(sized.pages.size(), 1);
    const InkBox box = InkBox::of(sized.pages.first());
    QCOMPARE(box.left, VpRenderer::Pdf417QuietModules * 2);
    QCOMPARE(box.top, VpRenderer::Pdf417QuietModules * 2);
    QCOMPARE(box.height() % 8, 0);
    QCOMPARE(box.width() % 2, 0);
}

void TestRenderStream::twoDimensionalCodeFunctionsThePrinterLacks()
{
    // A symbol or function the printer does not have is stepped over by its
    // length and listed; what follows prints. PDF417 with nothing stored
    // prints nothing and says so.
    const QByteArray stream = gsParenK(QByteArray("2A") + char(1)) // 0: cn 32, MaxiCode
                              + gsParenK("1Z")                       // 8: QR function 5A
                              + gsParenK("0")                        // 15: too short for cn and fn
                              + gsParenK(QByteArray("0E0"))          // 21: PDF417 level without n
                              + gsParenK("0Q0")                      // 29: print, nothing stored
                              + "A\n";
    const VpStreamRenderer::Result r = VpStreamRenderer::render(stream);
    QCOMPARE(undecodedSummary(r), QStringList({QStringLiteral("0 unknown two_d_code GS ( k"),
                                               QStringLiteral("8 unknown two_d_code GS ( k"),
                                               QStringLiteral("15 malformed two_d_code GS ( k"),
                                               QStringLiteral("21 malformed pdf417_error_level GS ( k")}));
    QCOMPARE(r.unprintedCount, 1);
    QCOMPARE(r.unprinted.first().toObject().value(QStringLiteral("name")).toString(), QStringLiteral("pdf417_print"));
    QCOMPARE(r.unprinted.first().toObject().value(QStringLiteral("error")).toString(),
             QStringLiteral("no PDF417 data stored"));
    QCOMPARE(r.pages.size(), 1);
    QCOMPARE(r.pages.first().height(), VpRenderer::DefaultLineSpacing);
}

void TestRenderStream::previewEqualsTheVirtualPrinter_data()
{
    QTest::addColumn<QString>("hexText"); // as the settings keep test pages and receipts
    QTest::addColumn<int>("paperMm");

    QTest::newRow("58 mm receipt on 58 mm paper") << PrintTest::defaultReceiptText(PrintTest::Receipt58) << 58;
    QTest::newRow("80 mm receipt on 80 mm paper") << PrintTest::defaultReceiptText(PrintTest::Receipt80) << 80;
    QTest::newRow("80 mm receipt on 58 mm paper") << PrintTest::defaultReceiptText(PrintTest::Receipt80) << 58;
    QTest::newRow("test page") << PrintTest::defaultTestPageText() << 80;
    const QByteArray graphics =
        gsParenL(storeBody(false, 64, 32, 2, 1, '1', fullPlane(64, 32))) + gsParenL("02") + hex("1D 56 01");
    QTest::newRow("graphics and a cut") << QString::fromLatin1(graphics.toHex(' ')) << 58;
}

void TestRenderStream::previewEqualsTheVirtualPrinter()
{
    QFETCH(QString, hexText);
    QFETCH(int, paperMm);

    // The preview as the settings dialog has it: the stored text, drawn on a worker thread.
    PrintPreview preview;
    preview.setPaperMm(paperMm);
    QSignalSpy rendered(&preview, &PrintPreview::rendered);
    preview.showHexText(hexText);
    QVERIFY(preview.busy());
    QVERIFY(rendered.wait(WaitMs));
    QVERIFY(!preview.busy());
    const QList<QImage> shown = preview.pageImages();
    QVERIFY(!shown.isEmpty());

    // The virtual printer, given the bytes the test print sends.
    VirtualPrinterOptions o;
    o.rawPort = 0;
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    o.paperMm = paperMm;
    VirtualPrinter printer(o);
    QVERIFY(printer.start());
    const qint64 seq = printer.lastEventSeq();
    VprinterClient::exchange(printer.rawPort(), preview.bytes());
    QVERIFY(!printer.waitForEvent(QStringLiteral("client_disconnected"), WaitMs, seq).isEmpty());
    const QList<QImage> printed = printer.pages();

    QCOMPARE(printed.size(), shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        QCOMPARE(shown.at(i).width(), VpStreamRenderer::paperDotsForMm(paperMm));
        QVERIFY2(grey(shown.at(i)) == grey(printed.at(i)), qPrintable(QStringLiteral("page %1").arg(i + 1)));
    }
}

void TestRenderStream::previewFollowsTheLatestChange()
{
    // Changes within the pause are drawn once, from the last of them.
    PrintPreview preview;
    QSignalSpy rendered(&preview, &PrintPreview::rendered);
    preview.showHexText(QStringLiteral("41 0A 1D 56 00"));
    preview.showHexText(QStringLiteral("41 0A 1D 56 00 42 0A"));
    preview.setPaperMm(58);
    preview.setPaperMm(57); // not a paper width: stays 58
    QCOMPARE(preview.paperMm(), 58);
    QVERIFY(rendered.wait(WaitMs));
    QTest::qWait(PrintPreview::DebounceMs * 2);
    QCOMPARE(rendered.size(), 1);
    QCOMPARE(preview.revision(), 1);
    QCOMPARE(preview.pageImages().size(), 2);
    QCOMPARE(preview.pageImages().first().width(), VpRenderer::Paper58Dots);
    QCOMPARE(preview.undecodedCount(), 0);

    // What the text page's "打印/设置" sends: the text in the code page, then LF.
    preview.showWorkingModeText(1, false, QStringLiteral("Hello 你好"), QStringLiteral("GBK"), 0);
    QCOMPARE(preview.bytes(), QByteArray("Hello ") + hex("C4 E3 BA C3 0A"));
    preview.showWorkingModeText(2, true, QStringLiteral("41 42"), QStringLiteral("GBK"), 3);
    QCOMPARE(preview.bytes(), hex("41 42 1B 64 03"));
    preview.showWorkingModeText(4, false, QStringLiteral("ignored"), QStringLiteral("GBK"), 40);
    QCOMPARE(preview.bytes(), hex("1B 33 28"));
    QVERIFY(rendered.wait(WaitMs));
    QCOMPARE(preview.pageImages().size(), 0); // line spacing prints nothing
    QVERIFY(preview.pages().isEmpty());
}

QTEST_MAIN(TestRenderStream)
#include "tst_render_stream.moc"
