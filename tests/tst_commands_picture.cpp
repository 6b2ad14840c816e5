// Pictures to logo definitions: scaling to the bound, 1-bit conversion, column
// packing, and files that are not pictures, truncated or huge.
#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "commands/BitmapForm.h"
#include "commands/LogoCommands.h"
#include "commands/TestPrintCommands.h"
#include "support/TestAppDir.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

#include <climits>

namespace {

quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray be32(quint32 v)
{
    QByteArray b(4, '\0');
    qToBigEndian(v, reinterpret_cast<uchar *>(b.data()));
    return b;
}

// A PNG that declares width x height (1-bit grey) and holds only a scrap of
// picture data.
QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    QByteArray ihdr = "IHDR" + be32(width) + be32(height) + QByteArray("\x01\x00\x00\x00\x00", 5);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += be32(13) + ihdr + be32(crc32(ihdr));
    const QByteArray idat = QByteArray("IDAT") + QByteArray("\x78\x9c\x63\x00", 4);
    png += be32(4) + idat + be32(crc32(idat));
    const QByteArray iend("IEND");
    png += be32(0) + iend + be32(crc32(iend));
    return png;
}

// A small JPEG whose frame header claims width x height.
QByteArray jpegClaiming(quint16 width, quint16 height)
{
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::gray);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "JPEG");
    const int sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0)
        return QByteArray();
    qToBigEndian(height, reinterpret_cast<uchar *>(jpeg.data() + sof + 5));
    qToBigEndian(width, reinterpret_cast<uchar *>(jpeg.data() + sof + 7));
    return jpeg;
}

QByteArray header(int number, int xL, int yL)
{
    return QByteArray("\x1C\x71", 2) + char(number) + char(xL) + '\0' + char(yL) + '\0';
}

} // namespace

class PictureTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void scaledSize_data();
    void scaledSize();
    void blockSizes_data();
    void blockSizes();
    void oversizedLimitsKeepTheHeaderTrue();
    void columnsRunTopToBottom();
    void greyThreshold_data();
    void greyThreshold();
    void twoPicturesTwoBlocks();
    void unreadableFilesGiveZeroSizeBlocks_data();
    void unreadableFilesGiveZeroSizeBlocks();
    void hugePngIsNotDecoded();
    void hugeJpegIsDecodedSmall();
    void sendingEmptyDataSendsNothing();
    void testPictureIsBoundTo160();

private:
    QString writeImage(const QString &name, const QImage &image, const char *format = "PNG");
    QString writeBytes(const QString &name, const QByteArray &bytes);

    TestAppDir m_app;
};

void PictureTest::initTestCase()
{
    Logger::getInstance();
    ConfigManager::getInstance()->initialize();
    QCOMPARE(ConfigManager::getInstance()->getLogoMaxWidth(), 560);
}

QString PictureTest::writeImage(const QString &name, const QImage &image, const char *format)
{
    const QString path = m_app.filePath(name);
    if (!image.save(path, format))
        return QString();
    return path;
}

QString PictureTest::writeBytes(const QString &name, const QByteArray &bytes)
{
    const QString path = m_app.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return QString();
    return path;
}

void PictureTest::scaledSize_data()
{
    QTest::addColumn<QSize>("original");
    QTest::addColumn<QSize>("bound");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("within bound: width to multiple of 8") << QSize(100, 50) << QSize(560, 560) << QSize(104, 50);
    QTest::newRow("exactly the bound") << QSize(560, 560) << QSize(560, 560) << QSize(560, 560);
    QTest::newRow("one pixel") << QSize(1, 1) << QSize(560, 560) << QSize(8, 1);
    QTest::newRow("1000 x 1200 photo") << QSize(1000, 1200) << QSize(560, 560) << QSize(472, 560);
    QTest::newRow("wide picture") << QSize(2000, 500) << QSize(560, 560) << QSize(560, 140);
    QTest::newRow("test picture bound") << QSize(1000, 1200) << QSize(160, 160) << QSize(136, 160);
    QTest::newRow("too thin to keep a row") << QSize(100000, 10) << QSize(560, 560) << QSize();
    // Limits beyond what FS q can carry (255 bytes of 8 dots) are clamped to 2040.
    QTest::newRow("bound wider than FS q") << QSize(3000, 100) << QSize(5000, 5000) << QSize(2040, 68);
    QTest::newRow("bound 2047 rounds past FS q") << QSize(2047, 10) << QSize(2047, 2047) << QSize(2040, 9);
    QTest::newRow("largest int bound") << QSize(INT_MAX, 1) << QSize(INT_MAX, INT_MAX) << QSize();
    QTest::newRow("largest int picture, bound in reach") << QSize(INT_MAX - 3, 2040) << QSize(2040, 2040) << QSize();
    QTest::newRow("negative bound") << QSize(100, 50) << QSize(-5, INT_MIN) << QSize(8, 4);
}

void PictureTest::scaledSize()
{
    QFETCH(QSize, original);
    QFETCH(QSize, bound);
    QFETCH(QSize, expected);
    QCOMPARE(LogoCommands::scaledSize(original, bound.width(), bound.height()), expected);
}

void PictureTest::blockSizes_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("xL");
    QTest::addColumn<int>("yL");
    QTest::newRow("100 x 50") << QSize(100, 50) << 13 << 7;
    QTest::newRow("1000 x 1200") << QSize(1000, 1200) << 59 << 70;
    QTest::newRow("8 x 8") << QSize(8, 8) << 1 << 1;
}

void PictureTest::blockSizes()
{
    QFETCH(QSize, size);
    QFETCH(int, xL);
    QFETCH(int, yL);
    QImage white(size, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QString path = writeImage(QStringLiteral("white.png"), white);
    const QByteArray block = LogoCommands::defineLogo(1, path, 560, 560);
    QCOMPARE(block.left(7), header(1, xL, yL));
    QCOMPARE(block.size(), 7 + xL * 8 * yL);
    // A white picture prints no dot.
    QCOMPARE(block.mid(7), QByteArray(xL * 8 * yL, '\0'));
}

void PictureTest::oversizedLimitsKeepTheHeaderTrue()
{
    // printtest.ini may hold any number: the header must still describe the
    // data that follows, or the printer reads picture bytes as commands.
    QImage white(QSize(3000, 100), QImage::Format_RGB32);
    white.fill(Qt::white);
    const QString path = writeImage(QStringLiteral("wide.png"), white);
    for (const int limit : {2047, 5000, INT_MAX}) {
        const QByteArray block = LogoCommands::defineLogo(1, path, limit, limit);
        QCOMPARE(block.left(7), header(1, 255, 9));
        QCOMPARE(block.size(), 7 + 255 * 8 * 9);
    }
}

void PictureTest::columnsRunTopToBottom()
{
    // 8 wide, 16 high: dots at (2, 0) and (5, 15).
    QImage picture(8, 16, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(2, 0, qRgb(0, 0, 0));
    picture.setPixel(5, 15, qRgb(0, 0, 0));
    const QString path = writeImage(QStringLiteral("dots.png"), picture);
    const QByteArray block = LogoCommands::defineLogo(2, path, 560, 560);
    QByteArray expected = header(2, 1, 2);
    for (int column = 0; column < 8; ++column) {
        expected += char(column == 2 ? 0x80 : 0x00);
        expected += char(column == 5 ? 0x01 : 0x00);
    }
    QCOMPARE(block.toHex(' '), expected.toHex(' '));
}

void PictureTest::greyThreshold_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<bool>("printed");
    QTest::newRow("grey 200 is not a dot") << qRgb(200, 200, 200) << false;
    QTest::newRow("grey 199 is a dot") << qRgb(199, 199, 199) << true;
    // (11 * 255 + 16 * 200 + 5 * 100) / 32 = 203
    QTest::newRow("weighted: 203") << qRgb(255, 200, 100) << false;
    // (11 * 0 + 16 * 255 + 5 * 255) / 32 = 167
    QTest::newRow("weighted: 167") << qRgb(0, 255, 255) << true;
}

void PictureTest::greyThreshold()
{
    QFETCH(QRgb, colour);
    QFETCH(bool, printed);
    QImage picture(8, 5, QImage::Format_RGB32);
    picture.fill(colour);
    // Eight columns of five pixels: one byte each, the three low bits padding.
    const QByteArray data = LogoCommands::packColumns(picture);
    QCOMPARE(data, QByteArray(8, char(printed ? 0xF8 : 0x00)));
}

void PictureTest::twoPicturesTwoBlocks()
{
    QImage black(16, 8, QImage::Format_RGB32);
    black.fill(Qt::black);
    QImage white(100, 50, QImage::Format_RGB32);
    white.fill(Qt::white);
    BitmapForm form(CommType::Tcp);
    form.setImagePaths({writeImage(QStringLiteral("a.png"), black), writeImage(QStringLiteral("b.jpg"), white, "JPEG")});
    form.loadImages();
    const QByteArray data = form.logoData();
    const QByteArray first = header(1, 2, 1) + QByteArray(16, char(0xFF));
    QCOMPARE(data.left(first.size()), first);
    QCOMPARE(data.mid(first.size(), 7), header(2, 13, 7));
    QCOMPARE(data.size(), first.size() + 7 + 728);

    // A later load with no paths keeps the definitions; a new load replaces them.
    form.setImagePaths({});
    form.loadImages();
    QCOMPARE(form.logoData(), data);
    form.setImagePaths({m_app.filePath(QStringLiteral("a.png"))});
    form.loadImages();
    QCOMPARE(form.logoData(), first);
}

void PictureTest::unreadableFilesGiveZeroSizeBlocks_data()
{
    QTest::addColumn<QByteArray>("contents");
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");

    QTest::newRow("text file") << QByteArray("this is not a picture\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("truncated png") << png.left(40);
}

void PictureTest::unreadableFilesGiveZeroSizeBlocks()
{
    QFETCH(QByteArray, contents);
    const QString bad = writeBytes(QStringLiteral("bad.png"), contents);
    QImage black(8, 8, QImage::Format_RGB32);
    black.fill(Qt::black);
    const QString good = writeImage(QStringLiteral("good.png"), black);

    BitmapForm form(CommType::Tcp);
    form.setImagePaths({bad, good, m_app.filePath(QStringLiteral("does-not-exist.png"))});
    form.loadImages();
    const QByteArray expected = header(1, 0, 0) + header(2, 1, 1) + QByteArray(8, char(0xFF)) + header(3, 0, 0);
    QCOMPARE(form.logoData().toHex(' '), expected.toHex(' '));
}

void PictureTest::hugePngIsNotDecoded()
{
    const QString path = writeBytes(QStringLiteral("huge.png"), pngHeaderOnly(20000, 20000));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^picture too large to decode:")));
    QCOMPARE(LogoCommands::defineLogo(4, path, 560, 560), header(4, 0, 0));
}

void PictureTest::hugeJpegIsDecodedSmall()
{
    const QByteArray jpeg = jpegClaiming(20000, 20000);
    QVERIFY(!jpeg.isEmpty());
    const QString path = writeBytes(QStringLiteral("huge.jpg"), jpeg);
    const QByteArray block = LogoCommands::defineLogo(1, path, 560, 560);
    // Either the decoder gives up (zero-size block) or the picture arrives at the bound.
    if (block.size() == 7) {
        QCOMPARE(block, header(1, 0, 0));
    } else {
        QCOMPARE(block.left(7), header(1, 70, 70));
        QCOMPARE(block.size(), 7 + 560 * 70);
    }
}

void PictureTest::sendingEmptyDataSendsNothing()
{
    BitmapForm form(CommType::Serial);
    QSignalSpy spy(&form, &BitmapForm::sigSendData);
    form.sendImages();
    QCOMPARE(spy.count(), 0);
    form.setImagePaths({m_app.filePath(QStringLiteral("missing.png"))});
    form.loadImages();
    form.sendImages();
    form.sendImages();
    // The data stays after sending, so the same pictures can be sent again.
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(1).toByteArray(), header(1, 0, 0));
}

void PictureTest::testPictureIsBoundTo160()
{
    QImage picture(1000, 1200, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QString path = writeImage(QStringLiteral("big.png"), picture);
    const QByteArray bytes = TestPrintCommands::testPicture(path);
    QCOMPARE(bytes.left(7), header(1, 17, 20));
    const QByteArray print = LogoCommands::printLogo(1, 3);
    QCOMPARE(bytes.size(), 7 + 136 * 20 + print.size());
    QVERIFY(bytes.endsWith(print));
}

QTEST_MAIN(PictureTest)
#include "tst_commands_picture.moc"
