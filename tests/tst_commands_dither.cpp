// Picture conversion choices: the conversion of earlier versions byte for byte
// (against Qt's own conversion, for every pixel format a decoder hands over),
// the four methods on known greys, brightness, contrast and inversion at their
// extremes, transparency, the stored choices in printtest.ini and the logo load
// that follows them on a worker thread.
#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "commands/BitmapForm.h"
#include "commands/LogoCommands.h"
#include "commands/PictureConversion.h"
#include "commands/PictureSettings.h"
#include "commands/PrintTest.h"
#include "commands/TestPrintCommands.h"
#include "support/PictureChoices.h"
#include "support/TestAppDir.h"

#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(PictureOptions::Method)

namespace {

using Method = PictureOptions::Method;

QImage randomPicture(int width, int height, QImage::Format format, quint32 seed, bool randomAlpha)
{
    QRandomGenerator rng(seed);
    QImage argb(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(argb.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgba(int(rng.bounded(256)), int(rng.bounded(256)), int(rng.bounded(256)),
                            randomAlpha ? int(rng.bounded(256)) : 255);
    }
    if (format == QImage::Format_Indexed8)
        return argb.convertToFormat(format, Qt::ThresholdDither | Qt::AvoidDither);
    return argb.convertToFormat(format);
}

QImage filled(int width, int height, QRgb colour)
{
    QImage picture(width, height, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture;
}

QImage grey(int width, int height, int level)
{
    return filled(width, height, qRgb(level, level, level));
}

int dotCount(const QImage &dots)
{
    int n = 0;
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x)
            n += dots.pixelIndex(x, y);
    return n;
}

using PictureChoices::chosen;

// What earlier versions did with a scaled picture: Qt's own 1-bit conversion.
QByteArray earlierColumns(const QImage &scaled)
{
    return LogoCommands::packColumns(scaled.convertToFormat(QImage::Format_Mono));
}

// The logo block as earlier versions built it from a file.
QByteArray earlierBlock(int number, const QString &path, int maxWidth, int maxHeight)
{
    const QImage mono = LogoCommands::loadScaled(path, maxWidth, maxHeight).convertToFormat(QImage::Format_Mono);
    const int xL = (mono.width() + 7) / 8;
    const int yL = (mono.height() + 7) / 8;
    return QByteArray("\x1C\x71", 2) + char(number) + char(xL) + '\0' + char(yL) + '\0'
           + LogoCommands::packColumns(mono);
}

const QList<Method> kMethods = {PictureOptions::Threshold, PictureOptions::FloydSteinberg, PictureOptions::Atkinson,
                                PictureOptions::Bayer};

} // namespace

class DitherTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void methodNamesAreStable();
    void earlierConversionIsQtsOwn_data();
    void earlierConversionIsQtsOwn();
    void earlierLogoFilesUnchanged_data();
    void earlierLogoFilesUnchanged();
    void monoColumnsPackLikeAnyPicture_data();
    void monoColumnsPackLikeAnyPicture();
    void uniformGreys_data();
    void uniformGreys();
    void bayerTilesFollowTheGrey_data();
    void bayerTilesFollowTheGrey();
    void levelTable_data();
    void levelTable();
    void extremesForEveryMethod_data();
    void extremesForEveryMethod();
    void inversionComplementsTheThreshold();
    void transparency_data();
    void transparency();
    void greyscaleAndPalettePictures_data();
    void greyscaleAndPalettePictures();
    void sizesAndUnreadableFiles_data();
    void sizesAndUnreadableFiles();
    void storedChoices_data();
    void storedChoices();
    void storingWritesFourKeysOnce();
    void logoLoadRunsOnAWorkerAndFollowsTheChoices();
    void newestLoadWins();
    void testPictureUsesTheStoredChoices();

private:
    QString save(const QString &name, const QImage &image, const char *format = "PNG");
    void storeChoices(const PictureOptions &options);

    TestAppDir m_app;
};

void DitherTest::initTestCase()
{
    Logger::getInstance();
    ConfigManager::getInstance()->initialize();
}

QString DitherTest::save(const QString &name, const QImage &image, const char *format)
{
    const QString path = m_app.filePath(name);
    return image.save(path, format) ? path : QString();
}

void DitherTest::storeChoices(const PictureOptions &options)
{
    PictureSettings::store(*ConfigManager::getInstance(), options);
}

void DitherTest::methodNamesAreStable()
{
    // The command line and printtest.ini spell them like this for good.
    QCOMPARE(PictureOptions::methodNames(),
             QStringList({"threshold", "floyd-steinberg", "atkinson", "bayer"}));
    for (const Method m : kMethods) {
        Method back = PictureOptions::Threshold;
        QVERIFY(PictureOptions::methodFromName(PictureOptions::methodName(m), &back));
        QCOMPARE(back, m);
    }
    Method untouched = PictureOptions::Atkinson;
    for (const char *bad : {"", "Bayer", "floyd", "floyd_steinberg", " threshold"})
        QVERIFY2(!PictureOptions::methodFromName(QLatin1String(bad), &untouched), bad);
    QCOMPARE(untouched, PictureOptions::Atkinson);
}

void DitherTest::earlierConversionIsQtsOwn_data()
{
    QTest::addColumn<QImage>("picture");
    const struct { const char *name; QImage::Format format; bool alpha; } formats[] = {
        {"RGB32", QImage::Format_RGB32, false},
        {"ARGB32 with alpha", QImage::Format_ARGB32, true},
        {"ARGB32 premultiplied", QImage::Format_ARGB32_Premultiplied, true},
        {"indexed 8 bit", QImage::Format_Indexed8, true},
        {"grey 8 bit", QImage::Format_Grayscale8, false},
        {"grey 16 bit", QImage::Format_Grayscale16, false},
        {"RGB 16 bit", QImage::Format_RGB16, false},
        {"RGB888", QImage::Format_RGB888, false},
        {"RGBA 64 bit", QImage::Format_RGBA64, true},
        {"RGBA8888", QImage::Format_RGBA8888, true},
        {"mono", QImage::Format_Mono, false},
        {"mono LSB", QImage::Format_MonoLSB, false},
    };
    const QSize sizes[] = {{1, 1}, {8, 3}, {61, 47}, {300, 211}};
    quint32 seed = 1;
    for (const auto &f : formats) {
        for (const QSize &size : sizes) {
            QTest::newRow(qPrintable(QStringLiteral("%1 %2x%3").arg(QLatin1String(f.name)).arg(size.width()).arg(size.height())))
                << randomPicture(size.width(), size.height(), f.format, seed++, f.alpha);
        }
    }
    // 1-bit pictures whose two colours are greys on either side of 200.
    QImage greys(37, 9, QImage::Format_Mono);
    greys.setColorTable({qRgb(100, 100, 100), qRgb(220, 220, 220)});
    for (int y = 0; y < greys.height(); ++y)
        for (int x = 0; x < greys.width(); ++x)
            greys.setPixel(x, y, uint((x * 7 + y * 3) % 5 == 0));
    QTest::newRow("mono, grey colours") << greys;
    QImage noTable(16, 2, QImage::Format_Mono);
    noTable.fill(0);
    noTable.setPixel(3, 1, 1);
    QTest::newRow("mono without colour table") << noTable;
}

void DitherTest::earlierConversionIsQtsOwn()
{
    QFETCH(QImage, picture);
    const QImage dots = PictureConversion::toMonochrome(picture, PictureOptions::earlierVersions());
    QCOMPARE(dots.size(), picture.size());
    QCOMPARE(dots.format(), QImage::Format_Mono);
    QCOMPARE(LogoCommands::packColumns(dots).toHex(), earlierColumns(picture).toHex());
}

void DitherTest::earlierLogoFilesUnchanged_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("bound");
    QImage gradient(300, 130, QImage::Format_RGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(x * 255 / 299, y * 255 / 129, (x + y) % 256));
    QImage transparent(101, 40, QImage::Format_ARGB32);
    transparent.fill(qRgba(255, 255, 255, 0));
    for (int x = 10; x < 60; ++x)
        transparent.setPixel(x, 20, qRgba(0, 0, 0, 255));
    QImage bits(45, 45, QImage::Format_Mono);
    bits.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    bits.fill(1);
    for (int i = 0; i < 45; ++i)
        bits.setPixel(i, i, 0);
    QTest::newRow("png gradient within bound") << "g.png" << gradient << QByteArray("PNG") << QSize(560, 560);
    QTest::newRow("png gradient scaled down") << "g2.png" << gradient << QByteArray("PNG") << QSize(160, 160);
    QTest::newRow("jpeg photograph") << "p.jpg" << randomPicture(640, 480, QImage::Format_RGB32, 7, false)
                                     << QByteArray("JPEG") << QSize(560, 560);
    QTest::newRow("bmp") << "b.bmp" << gradient << QByteArray("BMP") << QSize(200, 200);
    QTest::newRow("transparent png, width rounded up") << "t.png" << transparent << QByteArray("PNG") << QSize(560, 560);
    QTest::newRow("1-bit png, scaled") << "m.png" << bits << QByteArray("PNG") << QSize(30, 30);
    QTest::newRow("grey png with alpha") << "ga.png" << randomPicture(90, 70, QImage::Format_ARGB32, 9, true)
                                         << QByteArray("PNG") << QSize(560, 560);
}

void DitherTest::earlierLogoFilesUnchanged()
{
    QFETCH(QString, name);
    QFETCH(QImage, picture);
    QFETCH(QByteArray, format);
    QFETCH(QSize, bound);
    const QString path = save(name, picture, format.constData());
    QVERIFY(!path.isEmpty());
    const QByteArray expected = earlierBlock(3, path, bound.width(), bound.height());
    QVERIFY(expected.size() > 7);
    QCOMPARE(LogoCommands::defineLogo(3, path, bound.width(), bound.height()).toHex(), expected.toHex());
    QCOMPARE(LogoCommands::defineLogo(3, path, bound.width(), bound.height(), PictureOptions::earlierVersions()).toHex(),
             expected.toHex());
}

void DitherTest::monoColumnsPackLikeAnyPicture_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::newRow("white paper, black dots") << randomPicture(77, 29, QImage::Format_Mono, 3, false);
    QImage reversed = randomPicture(64, 17, QImage::Format_Mono, 4, false);
    reversed.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    QTest::newRow("table reversed") << reversed;
    QImage both = randomPicture(9, 9, QImage::Format_Mono, 5, false);
    both.setColorTable({qRgb(10, 10, 10), qRgb(199, 199, 199)});
    QTest::newRow("both colours print") << both;
    QImage one(13, 5, QImage::Format_Mono);
    one.fill(1);
    one.setColorTable({qRgb(255, 255, 255)});
    QTest::newRow("one colour in the table") << one;
}

void DitherTest::monoColumnsPackLikeAnyPicture()
{
    // 1-bit pictures are packed in place; the bytes must be those of the
    // same picture in 32 bits.
    QFETCH(QImage, picture);
    QCOMPARE(LogoCommands::packColumns(picture).toHex(),
             LogoCommands::packColumns(picture.convertToFormat(QImage::Format_RGB32)).toHex());
}

void DitherTest::uniformGreys_data()
{
    QTest::addColumn<Method>("method");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("minDots");
    QTest::addColumn<int>("maxDots");
    // 64 x 64 = 4096 dots.
    for (const Method m : kMethods) {
        const QString name = PictureOptions::methodName(m);
        QTest::newRow(qPrintable(name + " black")) << m << 0 << 4096 << 4096;
        QTest::newRow(qPrintable(name + " white")) << m << 255 << 0 << 0;
    }
    QTest::newRow("threshold 127 prints") << PictureOptions::Threshold << 127 << 4096 << 4096;
    QTest::newRow("threshold 128 does not") << PictureOptions::Threshold << 128 << 0 << 0;
    QTest::newRow("bayer middle grey: half") << PictureOptions::Bayer << 128 << 2048 << 2048;
    QTest::newRow("bayer dark grey: three quarters") << PictureOptions::Bayer << 64 << 3072 << 3072;
    QTest::newRow("floyd-steinberg middle grey: about half") << PictureOptions::FloydSteinberg << 128 << 1950 << 2150;
    QTest::newRow("floyd-steinberg light grey: about a fifth")
        << PictureOptions::FloydSteinberg << 204 << 700 << 950;
    // Atkinson drops a quarter of the error: light greys come out lighter.
    QTest::newRow("atkinson middle grey: about half") << PictureOptions::Atkinson << 128 << 1800 << 2300;
    QTest::newRow("atkinson light grey: lighter than diffusion")
        << PictureOptions::Atkinson << 204 << 300 << 800;
}

void DitherTest::uniformGreys()
{
    QFETCH(Method, method);
    QFETCH(int, level);
    QFETCH(int, minDots);
    QFETCH(int, maxDots);
    const QImage dots = PictureConversion::toMonochrome(grey(64, 64, level), chosen(method));
    const int n = dotCount(dots);
    QVERIFY2(n >= minDots && n <= maxDots, qPrintable(QString::number(n)));
}

void DitherTest::bayerTilesFollowTheGrey_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("dotsPerTile");
    // A dot where the grey is below 4 m + 2: level L prints the m above (L - 2) / 4.
    QTest::newRow("1") << 1 << 64;
    QTest::newRow("2") << 2 << 63;
    QTest::newRow("6") << 6 << 62;
    QTest::newRow("200") << 200 << 14;
    QTest::newRow("253") << 253 << 1;
    QTest::newRow("254") << 254 << 0;
}

void DitherTest::bayerTilesFollowTheGrey()
{
    QFETCH(int, level);
    QFETCH(int, dotsPerTile);
    const QImage dots = PictureConversion::toMonochrome(grey(8, 8, level), chosen(PictureOptions::Bayer));
    QCOMPARE(dotCount(dots), dotsPerTile);
    // The same in every tile: ordered dither depends only on the position.
    const QImage big = PictureConversion::toMonochrome(grey(24, 16, level), chosen(PictureOptions::Bayer));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x)
            QCOMPARE(big.pixelIndex(x, y), dots.pixelIndex(x % 8, y % 8));
}

void DitherTest::levelTable_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("contrast");
    QTest::addColumn<bool>("invert");
    QTest::addColumn<QList<int>>("in");
    QTest::addColumn<QList<int>>("out");
    const QList<int> in = {0, 1, 64, 127, 128, 200, 255};
    QTest::newRow("no change") << 0 << 0 << false << in << in;
    QTest::newRow("inverted") << 0 << 0 << true << in << QList<int>{255, 254, 191, 128, 127, 55, 0};
    QTest::newRow("brightness 100: paper") << 100 << 0 << false << in << QList<int>{255, 255, 255, 255, 255, 255, 255};
    QTest::newRow("brightness -100: ink") << -100 << 0 << false << in << QList<int>{0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("brightness 20") << 20 << 0 << false << in << QList<int>{51, 52, 115, 178, 179, 251, 255};
    QTest::newRow("contrast 100: black and white") << 0 << 100 << false << in << QList<int>{0, 0, 0, 0, 255, 255, 255};
    QTest::newRow("contrast -100: middle grey") << 0 << -100 << false << in << QList<int>{128, 128, 128, 128, 128, 128, 128};
    QTest::newRow("contrast 50 doubles around 128") << 0 << 50 << false << in << QList<int>{0, 0, 0, 126, 128, 255, 255};
    QTest::newRow("contrast 100 after brightness moves the edge")
        << -20 << 100 << false << in << QList<int>{0, 0, 0, 0, 0, 255, 255};
    QTest::newRow("out of range is clamped") << 500 << -500 << false << in
                                             << QList<int>{128, 128, 128, 128, 128, 128, 128};
}

void DitherTest::levelTable()
{
    QFETCH(int, brightness);
    QFETCH(int, contrast);
    QFETCH(bool, invert);
    QFETCH(QList<int>, in);
    QFETCH(QList<int>, out);
    const auto table = PictureConversion::levelTable(chosen(PictureOptions::Threshold, brightness, contrast, invert));
    QList<int> got;
    for (const int level : in)
        got << table[size_t(level)];
    QCOMPARE(got, out);
}

void DitherTest::extremesForEveryMethod_data()
{
    QTest::addColumn<Method>("method");
    for (const Method m : kMethods)
        QTest::newRow(qPrintable(PictureOptions::methodName(m))) << m;
}

void DitherTest::extremesForEveryMethod()
{
    QFETCH(Method, method);
    const QImage photo = randomPicture(67, 41, QImage::Format_RGB32, 11, false);
    const int all = 67 * 41;
    QCOMPARE(dotCount(PictureConversion::toMonochrome(photo, chosen(method, 100))), 0);
    QCOMPARE(dotCount(PictureConversion::toMonochrome(photo, chosen(method, -100))), all);
    QCOMPARE(dotCount(PictureConversion::toMonochrome(photo, chosen(method, 100, 0, true))), all);
    QCOMPARE(dotCount(PictureConversion::toMonochrome(photo, chosen(method, -100, 0, true))), 0);
    QCOMPARE(dotCount(PictureConversion::toMonochrome(grey(16, 16, 255), chosen(method, 0, 0, true))), 256);
    // Full contrast leaves black and white only: every method prints what a
    // plain threshold prints.
    QCOMPARE(PictureConversion::toMonochrome(photo, chosen(method, 0, 100)),
             PictureConversion::toMonochrome(photo, chosen(PictureOptions::Threshold)));
    // The same input always gives the same dots.
    QCOMPARE(PictureConversion::toMonochrome(photo, chosen(method, 13, -27)),
             PictureConversion::toMonochrome(photo, chosen(method, 13, -27)));
}

void DitherTest::inversionComplementsTheThreshold()
{
    const QImage photo = randomPicture(50, 30, QImage::Format_RGB32, 12, false);
    const QImage plain = PictureConversion::toMonochrome(photo, chosen(PictureOptions::Threshold));
    const QImage inverted = PictureConversion::toMonochrome(photo, chosen(PictureOptions::Threshold, 0, 0, true));
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            QCOMPARE(inverted.pixelIndex(x, y), 1 - plain.pixelIndex(x, y));
}

void DitherTest::transparency_data()
{
    QTest::addColumn<Method>("method");
    for (const Method m : kMethods)
        QTest::newRow(qPrintable(PictureOptions::methodName(m))) << m;
}

void DitherTest::transparency()
{
    QFETCH(Method, method);
    // Fully transparent, the colour behind it black (as many programs save it).
    const QImage clear = filled(40, 8, qRgba(0, 0, 0, 0));
    QCOMPARE(dotCount(PictureConversion::toMonochrome(clear, chosen(method))), 0);
    // Inverted, the paper becomes ink.
    QCOMPARE(dotCount(PictureConversion::toMonochrome(clear, chosen(method, 0, 0, true))), 320);
    // Opaque black stays black, whatever is around it.
    QImage mark = clear;
    mark.setPixel(5, 5, qRgba(0, 0, 0, 255));
    const QImage dots = PictureConversion::toMonochrome(mark, chosen(method));
    QCOMPARE(dotCount(dots), 1);
    QCOMPARE(dots.pixelIndex(5, 5), 1);
    // Black at a quarter opacity is a light grey (191) over paper.
    const QImage light = PictureConversion::toMonochrome(filled(64, 64, qRgba(0, 0, 0, 64)), chosen(method));
    QVERIFY2(dotCount(light) < 4096 / 3, qPrintable(QString::number(dotCount(light))));

    // Earlier versions read the colour behind transparency: black.
    const QImage earlier = PictureConversion::toMonochrome(clear, PictureOptions::earlierVersions());
    QCOMPARE(dotCount(earlier), 320);
}

void DitherTest::greyscaleAndPalettePictures_data()
{
    QTest::addColumn<Method>("method");
    for (const Method m : kMethods)
        QTest::newRow(qPrintable(PictureOptions::methodName(m))) << m;
}

void DitherTest::greyscaleAndPalettePictures()
{
    // The same picture as 8-bit grey, as a palette and as 32 bits converts to
    // the same dots.
    QFETCH(Method, method);
    QImage greys(70, 20, QImage::Format_Grayscale8);
    for (int y = 0; y < greys.height(); ++y)
        for (int x = 0; x < greys.width(); ++x)
            greys.scanLine(y)[x] = uchar((x * 11 + y * 5) % 256);
    const QImage reference = PictureConversion::toMonochrome(greys.convertToFormat(QImage::Format_RGB32), chosen(method));
    QCOMPARE(PictureConversion::toMonochrome(greys, chosen(method)), reference);
    QCOMPARE(PictureConversion::toMonochrome(greys.convertToFormat(QImage::Format_Indexed8), chosen(method)), reference);
    QCOMPARE(PictureConversion::toMonochrome(greys.convertToFormat(QImage::Format_Grayscale16), chosen(method)),
             reference);
}

void DitherTest::sizesAndUnreadableFiles_data()
{
    QTest::addColumn<Method>("method");
    for (const Method m : kMethods)
        QTest::newRow(qPrintable(PictureOptions::methodName(m))) << m;
}

void DitherTest::sizesAndUnreadableFiles()
{
    QFETCH(Method, method);
    const PictureOptions options = chosen(method, 10, 20);
    auto header = [](const QByteArray &block) { return block.left(7).toHex(' '); };
    // One pixel: one column of one byte per dot column, eight columns.
    const QString tiny = save(QStringLiteral("tiny.png"), grey(1, 1, 0));
    QByteArray block = LogoCommands::defineLogo(1, tiny, 560, 560, options);
    QCOMPARE(header(block), QByteArray("1c 71 01 01 00 01 00"));
    QCOMPARE(block.size(), 7 + 8);
    QCOMPARE(quint8(block.at(7)), quint8(0x80));
    // A picture wider than FS q can carry is bounded to 2040 dots.
    QImage wide(3000, 60, QImage::Format_RGB32);
    wide.fill(qRgb(90, 90, 90));
    const QString widePath = save(QStringLiteral("wide.png"), wide);
    block = LogoCommands::defineLogo(2, widePath, 5000, 5000, options);
    QCOMPARE(header(block), QByteArray("1c 71 02 ff 00 05 00")); // 60 x 2040 / 3000 = 40 rows
    QCOMPARE(block.size(), 7 + 2040 * 5);
    // Unreadable and missing files give the empty block, with every method.
    const QString garbage = m_app.filePath(QStringLiteral("garbage.png"));
    QFile f(garbage);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    QCOMPARE(LogoCommands::defineLogo(4, garbage, 560, 560, options).toHex(' '), QByteArray("1c 71 04 00 00 00 00"));
    QCOMPARE(LogoCommands::defineLogo(5, m_app.filePath(QStringLiteral("none.png")), 560, 560, options).toHex(' '),
             QByteArray("1c 71 05 00 00 00 00"));
    QVERIFY(LogoCommands::loadMonochrome(garbage, 560, 560, options).isNull());
}

void DitherTest::storedChoices_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<PictureOptions>("expected");
    QTest::addColumn<bool>("warned");
    const QByteArray head = "[PrintTest]\nBitMapPath=a\nBarCodeType=b\nBarCodeValue=c\nTestPageText=1B\n"
                            "Receipt58Text=1B\nReceipt76Text=1B\nReceipt80Text=1B\nLogoMaxWidth=560\n"
                            "LogoMaxHeight=560\n";
    const QByteArray tail = "[Network]\nTcpNetworkSegment=10.0.0.\nTcpNetworkMode=1\n";
    QTest::newRow("no conversion keys: earlier versions, no warning")
        << head + tail << PictureOptions::earlierVersions() << false;
    QTest::newRow("all four") << head + "LogoDither=bayer\nLogoBrightness=-30\nLogoContrast=40\nLogoInvert=true\n" + tail
                              << chosen(PictureOptions::Bayer, -30, 40, true) << false;
    QTest::newRow("one key is a choice: the rest as zero")
        << head + "LogoDither=atkinson\n" + tail << chosen(PictureOptions::Atkinson) << false;
    QTest::newRow("beyond the range: clamped") << head + "LogoBrightness=250\nLogoContrast=-101\n" + tail
                                               << chosen(PictureOptions::FloydSteinberg, 100, -100) << false;
    QTest::newRow("unknown method: floyd-steinberg") << head + "LogoDither=halftone\n" + tail
                                                     << chosen(PictureOptions::FloydSteinberg) << false;
    QTest::newRow("letters for numbers and a bad switch are reported")
        << head + "LogoBrightness=bright\nLogoContrast=12\nLogoInvert=perhaps\n" + tail
        << chosen(PictureOptions::FloydSteinberg, 0, 12) << true;
}

void DitherTest::storedChoices()
{
    QFETCH(QByteArray, lines);
    QFETCH(PictureOptions, expected);
    QFETCH(bool, warned);
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("printtest.ini")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(lines);
    f.close();
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    ConfigManager config(dir.path());
    if (QTest::currentDataTag() == QLatin1String("unknown method: floyd-steinberg"))
        QTest::ignoreMessage(QtWarningMsg, "unknown picture conversion method in printtest.ini: \"halftone\"");
    config.initialize();
    const PictureOptions got = PictureSettings::stored(config);
    QCOMPARE(PictureOptions::methodName(got.method), PictureOptions::methodName(expected.method));
    QCOMPARE(got.brightness, expected.brightness);
    QCOMPARE(got.contrast, expected.contrast);
    QCOMPARE(got.invert, expected.invert);
    QCOMPARE(got.earlierPixelReading, expected.earlierPixelReading);
    int warnings = 0;
    for (const QList<QVariant> &args : log)
        warnings += args.at(1).toString().contains(QStringLiteral("打印测试配置文件缺少或损坏的项已使用默认值"));
    QCOMPARE(warnings, warned ? 1 : 0);
}

void DitherTest::storingWritesFourKeysOnce()
{
    QTemporaryDir dir;
    ConfigManager config(dir.path());
    config.initialize();
    const QByteArray fresh = TestAppDir::readAll(config.filePath());
    QVERIFY(!fresh.contains("LogoDither"));
    QCOMPARE(PictureSettings::stored(config), PictureOptions::earlierVersions());

    QSignalSpy changed(&config, &ConfigManager::logoConversionChanged);
    PictureSettings::store(config, chosen(PictureOptions::Atkinson, 5));
    QCOMPARE(changed.count(), 1);
    QSettings s(config.filePath(), QSettings::IniFormat);
    QCOMPARE(s.value(QStringLiteral("PrintTest/LogoDither")).toString(), QStringLiteral("atkinson"));
    QCOMPARE(s.value(QStringLiteral("PrintTest/LogoBrightness")).toString(), QStringLiteral("5"));
    QCOMPARE(s.value(QStringLiteral("PrintTest/LogoContrast")).toString(), QStringLiteral("0"));
    QCOMPARE(s.value(QStringLiteral("PrintTest/LogoInvert")).toString(), QStringLiteral("false"));
    // The same choices again: nothing written, nothing announced.
    PictureSettings::store(config, chosen(PictureOptions::Atkinson, 5));
    QCOMPARE(changed.count(), 1);

    // Storing the choices of earlier versions still means a choice was made:
    // transparency prints as paper from now on.
    QTemporaryDir other;
    ConfigManager second(other.path());
    second.initialize();
    PictureSettings::store(second, chosen(PictureOptions::FloydSteinberg));
    ConfigManager reread(other.path());
    reread.initialize();
    QVERIFY(reread.hasLogoConversion());
    QCOMPARE(PictureSettings::stored(reread), chosen(PictureOptions::FloydSteinberg));
}

void DitherTest::logoLoadRunsOnAWorkerAndFollowsTheChoices()
{
    QImage ramp(64, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x)
            ramp.setPixel(x, y, qRgb(x * 4, x * 4, x * 4));
    const QString path = save(QStringLiteral("ramp.png"), ramp);
    storeChoices(chosen(PictureOptions::Bayer));
    BitmapForm form(CommType::Tcp);
    QSignalSpy sent(&form, &BitmapForm::sigSendData);
    form.setImagePaths({path});
    form.loadImages();
    QCOMPARE(form.logoData().toHex(), LogoCommands::defineLogo(1, path, 560, 560, chosen(PictureOptions::Bayer)).toHex());

    // A new choice converts the loaded pictures again.
    storeChoices(chosen(PictureOptions::Threshold, 0, 0, true));
    form.sendImages();
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.at(0).at(1).toByteArray().toHex(),
             LogoCommands::defineLogo(1, path, 560, 560, chosen(PictureOptions::Threshold, 0, 0, true)).toHex());
}

void DitherTest::newestLoadWins()
{
    const QString black = save(QStringLiteral("black.png"), grey(16, 8, 0));
    const QString white = save(QStringLiteral("white.png"), grey(16, 8, 255));
    storeChoices(chosen(PictureOptions::FloydSteinberg));
    BitmapForm form(CommType::Tcp);
    for (int round = 0; round < 20; ++round) {
        form.setImagePaths({round % 2 ? white : black});
        form.loadImages();
    }
    form.setImagePaths({black, white});
    form.loadImages();
    const QByteArray both = LogoCommands::defineLogo(1, black, 560, 560, chosen(PictureOptions::FloydSteinberg))
                            + LogoCommands::defineLogo(2, white, 560, 560, chosen(PictureOptions::FloydSteinberg));
    QCOMPARE(form.logoData().toHex(), both.toHex());
    // Results of the loads it replaced never come back.
    QTest::qWait(50);
    QCOMPARE(form.logoData().toHex(), both.toHex());
}

void DitherTest::testPictureUsesTheStoredChoices()
{
    const QString path = save(QStringLiteral("test-picture.png"), randomPicture(300, 200, QImage::Format_RGB32, 21, false));
    ConfigManager *config = ConfigManager::getInstance();
    config->setBitMapPath(path);
    storeChoices(chosen(PictureOptions::Atkinson, -10, 30));
    PrintTest tests(CommType::Serial);
    QSignalSpy sent(&tests, &PrintTest::sigSendData);
    tests.printPicture();
    QCOMPARE(sent.count(), 1);
    const QByteArray expected = LogoCommands::defineLogo(1, path, 160, 160, chosen(PictureOptions::Atkinson, -10, 30))
                                + LogoCommands::printLogo(1, 3);
    QCOMPARE(sent.at(0).at(1).toByteArray().toHex(), expected.toHex());
    QVERIFY(expected != TestPrintCommands::testPicture(path));
}

QTEST_MAIN(DitherTest)
#include "tst_commands_dither.moc"
