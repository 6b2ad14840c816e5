// Text in every code page and the two-dimensional codes the printer cannot
// draw itself, at the encoder level: the code page table test print, raster
// pictures, text drawn as a picture, text the code page cannot encode, PDF417
// and the Aztec and Data Matrix pictures (read back by zxing-cpp).
#include "commands/BarCodeForm.h"
#include "commands/BarcodeCommands.h"
#include "commands/CodePageTable.h"
#include "commands/RasterCommands.h"
#include "commands/TextPicture.h"
#include "commands/WorkingModeForm.h"
#include "support/BuilderEmissions.h"
#include "support/InkBox.h"
#include "support/SymbolReader.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextCodec>

namespace {

using BuilderEmissions::emitted;
using BuilderEmissions::hex;

// The picture of a GS v 0 command at the start of bytes (null when there is none).
QImage rasterPicture(const QByteArray &bytes, int *length = nullptr)
{
    if (bytes.size() < 8 || !bytes.startsWith(QByteArray::fromHex("1d7630")))
        return QImage();
    const int widthBytes = uchar(bytes.at(4)) | uchar(bytes.at(5)) << 8;
    const int height = uchar(bytes.at(6)) | uchar(bytes.at(7)) << 8;
    if (bytes.size() < 8 + widthBytes * height)
        return QImage();
    QImage img(widthBytes * 8, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < widthBytes * 8; ++x)
            img.scanLine(y)[x] = (uchar(bytes.at(8 + y * widthBytes + x / 8)) & (0x80 >> (x % 8))) ? 0 : 255;
    if (length)
        *length = 8 + widthBytes * height;
    return img;
}

// A quiet zone around the symbol, as on paper.
QImage framed(const QImage &picture)
{
    QImage page(picture.width() + 40, picture.height() + 40, QImage::Format_Grayscale8);
    page.fill(255);
    for (int y = 0; y < picture.height(); ++y)
        memcpy(page.scanLine(y + 20) + 20, picture.constScanLine(y), size_t(picture.width()));
    return page;
}

} // namespace

class CodePagesTest : public QObject
{
    Q_OBJECT
private slots:
    void codePageTableHasEveryCellOnce_data();
    void codePageTableHasEveryCellOnce();
    void codePageTableFrame();
    void rasterImageBytes_data();
    void rasterImageBytes();
    void textPictureDrawsEveryScript_data();
    void textPictureDrawsEveryScript();
    void longTextWrapsWithinThePaper();
    void textTheCodePageCannotCarrySendsNothing_data();
    void textTheCodePageCannotCarrySendsNothing();
    void textAsPicture();
    void pdf417Bytes_data();
    void pdf417Bytes();
    void matrixPicturesReadBack_data();
    void matrixPicturesReadBack();
    void contentsTheSymbologyCannotCarry();
};

void CodePagesTest::codePageTableHasEveryCellOnce_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<int>("n");
    QTest::newRow("CP437") << 0 << 0x00;
    QTest::newRow("WPC1252") << 16 << 0x10;
    QTest::newRow("255") << 255 << 0xFF;
    QTest::newRow("256 goes in as its low byte") << 256 << 0x00;
}

void CodePagesTest::codePageTableHasEveryCellOnce()
{
    QFETCH(int, codePage);
    QFETCH(int, n);
    const QByteArray bytes = CodePageTable::table(codePage);
    // ESC @, FS . (no two-byte characters), ESC t n, then the title.
    QCOMPARE(hex(bytes.left(7)), hex(QByteArray::fromHex("1b401c2e1b74") + char(n)));
    const QByteArray title = "ESC t " + QByteArray::number(n) + " (0x"
        + QByteArray::number(n, 16).toUpper().rightJustified(2, '0') + ")\n";
    QCOMPARE(bytes.mid(7, title.size()), title);
    // Font B, then the grid up to font A.
    const int gridStart = bytes.indexOf(QByteArray::fromHex("1b4d01")) + 3;
    const int gridEnd = bytes.indexOf(QByteArray::fromHex("1b4d00"));
    QVERIFY(gridStart > 3 && gridEnd > gridStart);
    const QList<QByteArray> lines = bytes.mid(gridStart, gridEnd - gridStart).split('\n');
    QCOMPARE(lines.size(), 28 + 1); // 28 lines, each ending in LF
    QVERIFY(lines.last().isEmpty());
    int cells = 0;
    int expected = 0x20;
    for (int l = 0; l < 28; ++l) {
        const QByteArray &line = lines.at(l);
        QCOMPARE(line.size(), 8 * 4 + 7); // "HH:c" with one blank between: fits 42 columns of font B
        for (int c = 0; c < 8; ++c) {
            const QByteArray cell = line.mid(c * 5, 4);
            QCOMPARE(cell.left(3), QByteArray::number(expected, 16).toUpper() + ':');
            QCOMPARE(int(uchar(cell.at(3))), expected);
            if (c < 7)
                QCOMPARE(line.at(c * 5 + 4), ' ');
            ++expected;
            ++cells;
        }
    }
    QCOMPARE(cells, CodePageTable::CellCount);
    QCOMPARE(cells, 224);
}

void CodePagesTest::codePageTableFrame()
{
    const QByteArray bytes = CodePageTable::table(16);
    QTextCodec *gb18030 = QTextCodec::codecForName("GB18030");
    QVERIFY(gb18030);
    // Chinese characters on, then one GBK line and one line of four-byte GB18030 characters.
    const QByteArray tail = QByteArray::fromHex("1b4d00 1c26") + "GBK: "
        + QTextCodec::codecForName("GBK")->fromUnicode(QStringLiteral("中文汉字打印测试")) + "\nGB18030: "
        + gb18030->fromUnicode(QStringLiteral("㐀䶵𠀀𪚥")) + "\n" + QByteArray::fromHex("1b4afa 1d5601");
    QVERIFY2(bytes.endsWith(tail), qPrintable(hex(bytes.right(tail.size()))));
    QCOMPARE(hex(gb18030->fromUnicode(QStringLiteral("㐀"))), QStringLiteral("81 39 ee 39"));
    // No byte of the grid may start a command: the printer prints them all.
    const int gridStart = bytes.indexOf(QByteArray::fromHex("1b4d01")) + 3;
    const int gridEnd = bytes.indexOf(QByteArray::fromHex("1b4d00"));
    for (int i = gridStart; i < gridEnd; ++i)
        QVERIFY(uchar(bytes.at(i)) >= 0x20 || bytes.at(i) == '\n');
}

void CodePagesTest::rasterImageBytes_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("bytes");
    QImage nine(9, 2, QImage::Format_Grayscale8);
    nine.fill(255);
    nine.setPixel(0, 0, qRgb(0, 0, 0));
    nine.setPixel(8, 0, qRgb(0, 0, 0));
    nine.setPixel(7, 1, qRgb(127, 127, 127)); // below 128: a dot
    nine.setPixel(6, 1, qRgb(128, 128, 128)); // paper
    QTest::newRow("9 x 2, short last byte padded") << nine << "1d 76 30 00 02 00 02 00 80 80 01 00";
    QImage black(16, 1, QImage::Format_RGB32);
    black.fill(Qt::black);
    QTest::newRow("colour picture, all black") << black << "1d 76 30 00 02 00 01 00 ff ff";
    QTest::newRow("null picture: nothing") << QImage() << "";
}

void CodePagesTest::rasterImageBytes()
{
    QFETCH(QImage, picture);
    QFETCH(QString, bytes);
    QCOMPARE(hex(RasterCommands::rasterImage(picture)), bytes);
}

void CodePagesTest::textPictureDrawsEveryScript_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("Chinese") << QStringLiteral("中文打印");
    QTest::newRow("Thai") << QStringLiteral("สวัสดี");
    QTest::newRow("Arabic") << QStringLiteral("مرحبا");
    QTest::newRow("Latin") << QStringLiteral("Hello");
}

void CodePagesTest::textPictureDrawsEveryScript()
{
    QFETCH(QString, text);
    const QImage picture = TextPicture::render(text);
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() <= RasterCommands::MaxWidthDots);
    // One line of characters about as high as the printer's 24-dot ones.
    QVERIFY2(InkBox::of(picture).height() >= 8 && picture.height() <= 2 * TextPicture::PixelSize,
             qPrintable(QStringLiteral("%1 x %2, ink %3").arg(picture.width()).arg(picture.height()).arg(InkBox::of(picture).height())));
    QVERIFY(TextPicture::render(QString()).isNull());
}

void CodePagesTest::longTextWrapsWithinThePaper()
{
    const QImage one = TextPicture::render(QStringLiteral("中"));
    const QImage many = TextPicture::render(QString(40, QChar(0x4E2D)));
    QVERIFY(many.width() <= RasterCommands::MaxWidthDots);
    QVERIFY(many.width() > RasterCommands::MaxWidthDots - 2 * TextPicture::PixelSize);
    // 40 characters of about 24 dots do not fit 384 dots: three lines.
    QVERIFY2(many.height() >= 3 * one.height() - 2, qPrintable(QString::number(many.height())));
    const QImage lines = TextPicture::render(QStringLiteral("a\nb"));
    QVERIFY(lines.height() >= 2 * one.height() - 2);
}

void CodePagesTest::textTheCodePageCannotCarrySendsNothing_data()
{
    QTest::addColumn<QString>("codePage");
    QTest::addColumn<bool>("hexMode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("emissions"); // empty: refused
    QTest::addColumn<QString>("notice");
    QTest::newRow("Chinese in ASMO-708") << "ASMO-708" << false << "A中" << QStringList() << "以下字符无法用 ASMO-708 编码: 中";
    QTest::newRow("CP437 table: no euro") << "CP437" << false << "é€" << QStringList() << "以下字符无法用 CP437 编码: €";
    QTest::newRow("GBK has it") << "GBK" << false << "A中" << QStringList{"41 d6 d0", "0a"} << "";
    QTest::newRow("hex mode is bytes already") << "ASMO-708" << true << "41 中" << QStringList{"41", "0a"} << "";
    QTest::newRow("unknown code page: no text as before") << "NO-SUCH" << false << "中" << QStringList{"0a"} << "";
}

void CodePagesTest::textTheCodePageCannotCarrySendsNothing()
{
    QFETCH(QString, codePage);
    QFETCH(bool, hexMode);
    QFETCH(QString, text);
    QFETCH(QStringList, emissions);
    QFETCH(QString, notice);
    using Send = bool (WorkingModeForm::*)();
    for (const Send send : {&WorkingModeForm::sendPrintAndLineFeed, &WorkingModeForm::sendPrintAndFeedUnits,
                            &WorkingModeForm::sendPrintAndFeedLines}) {
        WorkingModeForm form(CommType::Tcp);
        QSignalSpy spy(&form, &WorkingModeForm::sigSendData);
        form.setCodePage(codePage);
        form.setHexMode(hexMode);
        form.setText(text);
        QCOMPARE(form.encodingNotice(), notice);
        QCOMPARE((form.*send)(), notice.isEmpty());
        if (send == &WorkingModeForm::sendPrintAndLineFeed)
            QCOMPARE(emitted(spy), emissions);
        else
            QCOMPARE(spy.isEmpty(), !notice.isEmpty());
    }
}

void CodePagesTest::textAsPicture()
{
    WorkingModeForm form(CommType::Usb);
    QSignalSpy spy(&form, &WorkingModeForm::sigSendData);
    form.setCodePage(QStringLiteral("ASMO-708")); // whatever the code page
    form.setText(QString());
    QVERIFY(form.sendTextAsPicture());
    QVERIFY(spy.isEmpty());
    form.setText(QStringLiteral("中文 ก"));
    QVERIFY(form.sendTextAsPicture());
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().at(0).value<CommType>(), CommType::Usb);
    const QByteArray bytes = spy.first().at(1).toByteArray();
    int length = 0;
    const QImage picture = rasterPicture(bytes, &length);
    QVERIFY(!picture.isNull());
    QCOMPARE(length, bytes.size()); // the picture alone
    QCOMPARE(hex(bytes), hex(RasterCommands::rasterImage(TextPicture::render(QStringLiteral("中文 ก")))));
    QVERIFY(InkBox::of(picture).height() >= 16);
}

void CodePagesTest::pdf417Bytes_data()
{
    QTest::addColumn<int>("magnification");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("bytes");
    const QString tail = QStringLiteral("1b 61 31 1d 28 6b 03 00 30 51 30 1b 61 30 0a 0a 00 1d 56 01 00");
    QTest::newRow("page default: magnification 8, M")
        << 8 << 1 << "ABC"
        << "1d 28 6b 03 00 30 41 00 1d 28 6b 03 00 30 42 00 1d 28 6b 03 00 30 43 04 1d 28 6b 03 00 30 44 03 "
           "1d 28 6b 04 00 30 45 30 32 1d 28 6b 03 00 30 46 00 1d 28 6b 06 00 30 50 30 41 42 43 " + tail;
    QTest::newRow("magnification 1, H: module 2, level 4")
        << 1 << 3 << "x"
        << "1d 28 6b 03 00 30 41 00 1d 28 6b 03 00 30 42 00 1d 28 6b 03 00 30 43 02 1d 28 6b 03 00 30 44 03 "
           "1d 28 6b 04 00 30 45 30 34 1d 28 6b 03 00 30 46 00 1d 28 6b 04 00 30 50 30 78 " + tail;
    QTest::newRow("magnification 5, L; Chinese in UTF-8")
        << 5 << 0 << "中"
        << "1d 28 6b 03 00 30 41 00 1d 28 6b 03 00 30 42 00 1d 28 6b 03 00 30 43 03 1d 28 6b 03 00 30 44 03 "
           "1d 28 6b 04 00 30 45 30 31 1d 28 6b 03 00 30 46 00 1d 28 6b 06 00 30 50 30 e4 b8 ad " + tail;
}

void CodePagesTest::pdf417Bytes()
{
    QFETCH(int, magnification);
    QFETCH(int, level);
    QFETCH(QString, content);
    QFETCH(QString, bytes);
    QCOMPARE(hex(BarcodeCommands::pdf417(magnification, level, content)), bytes);
    // The page's print sends exactly this, as one emission.
    BarCodeForm form(CommType::Tcp);
    QSignalSpy spy(&form, &BarCodeForm::sigSendData);
    form.setTwoDimensionalType(QStringLiteral("PDF417"));
    form.setQrCode(magnification, level, content);
    QVERIFY(form.sendTwoDimensional());
    QCOMPARE(emitted(spy), QStringList{bytes});
}

void CodePagesTest::matrixPicturesReadBack_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("magnification");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("moduleDots"); // 0: shrunk to fit
    QTest::newRow("Aztec, 4 dots") << "AZTEC" << 4 << "Quillmark 12345" << 4;
    QTest::newRow("Aztec, Chinese") << "AZTEC" << 3 << QStringLiteral("测试 Aztec") << 3;
    QTest::newRow("Data Matrix, 8 dots") << "DATA_MATRIX" << 8 << "ABC-123" << 8;
    QTest::newRow("Data Matrix, long content shrinks") << "DATA_MATRIX" << 8 << QString(300, QLatin1Char('7')) << 0;
}

void CodePagesTest::matrixPicturesReadBack()
{
    QFETCH(QString, type);
    QFETCH(int, magnification);
    QFETCH(QString, content);
    QFETCH(int, moduleDots);
    BarCodeForm form(CommType::Serial);
    QSignalSpy spy(&form, &BarCodeForm::sigSendData);
    form.setTwoDimensionalType(type);
    form.setQrCode(magnification, 1, content);
    QVERIFY(form.sendTwoDimensional());
    QCOMPARE(spy.size(), 1);
    const QByteArray bytes = spy.first().at(1).toByteArray();
    // Centred picture, then left and the QR code's feed and cut.
    QVERIFY(bytes.startsWith(QByteArray::fromHex("1b6131")));
    QVERIFY(bytes.endsWith(QByteArray::fromHex("1b6130 0a0a00 1d5601 00")));
    int length = 0;
    const QImage picture = rasterPicture(bytes.mid(3), &length);
    QVERIFY(!picture.isNull());
    QCOMPARE(3 + length + 10, bytes.size());
    QVERIFY(picture.width() <= RasterCommands::MaxWidthDots);
    const ZXing::BarcodeFormat format =
        type == QLatin1String("AZTEC") ? ZXing::BarcodeFormat::Aztec : ZXing::BarcodeFormat::DataMatrix;
    QCOMPARE(SymbolReader::read(framed(picture), format).text, content);
    const QImage modules = BarcodeCommands::matrixModules(
        type == QLatin1String("AZTEC") ? BarcodeCommands::MatrixSymbol::Aztec : BarcodeCommands::MatrixSymbol::DataMatrix,
        content);
    const int dots = (picture.height()) / (modules.height() + 4);
    if (moduleDots)
        QCOMPARE(dots, moduleDots);
    else
        QVERIFY(dots >= 1 && dots < magnification);
}

void CodePagesTest::contentsTheSymbologyCannotCarry()
{
    BarCodeForm form(CommType::Tcp);
    QSignalSpy spy(&form, &BarCodeForm::sigSendData);
    form.setTwoDimensionalType(QStringLiteral("AZTEC"));
    form.setQrCode(4, 1, QString());
    QVERIFY(!form.sendTwoDimensional());
    // Far more than the largest Data Matrix holds.
    form.setTwoDimensionalType(QStringLiteral("DATA_MATRIX"));
    form.setQrCode(4, 1, QString(5000, QLatin1Char('x')));
    QVERIFY(!form.sendTwoDimensional());
    QVERIFY(spy.isEmpty());
}

QTEST_MAIN(CodePagesTest)
#include "tst_commands_codepages.moc"
