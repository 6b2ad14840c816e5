// What the preview shows is what the printer prints: for every conversion
// method and the edge cases of pictures and choices, the logo (and the test
// picture, printed at double size) that the virtual printer renders from the
// bytes the builders send equals the preview's picture dot for dot.
#include "VirtualPrinter.h"
#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "commands/BitmapForm.h"
#include "commands/LogoCommands.h"
#include "commands/PictureSettings.h"
#include "commands/PrintTest.h"
#include "services/PicturePreview.h"
#include "support/InkBox.h"
#include "support/PictureChoices.h"
#include "support/PrintedDots.h"
#include "support/TestAppDir.h"
#include "support/vprinter_client.h"

#include <QImage>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(PictureOptions::Method)

namespace {

constexpr int WaitMs = 10000;
constexpr int LineFeedsAfterLogo = 4 * 30; // the print-logo bytes end with four line feeds

QImage photograph(int width, int height, quint32 seed)
{
    QRandomGenerator rng(seed);
    QImage photo(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int base = (x + 2 * y) * 255 / (width + 2 * height);
            const int v = qBound(0, base + int(rng.bounded(41)) - 20, 255);
            line[x] = qRgb(v, qBound(0, 255 - v / 2, 255), qBound(0, v + 30, 255));
        }
    }
    return photo;
}

// A logo with a transparent background: a dark ring, half-transparent inside.
QImage transparentLogo()
{
    QImage logo(90, 61, QImage::Format_ARGB32);
    logo.fill(qRgba(0, 0, 0, 0));
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            const int dx = x - 45, dy = y - 30;
            const int r2 = dx * dx + dy * dy;
            if (r2 < 28 * 28 && r2 > 20 * 20)
                logo.setPixel(x, y, qRgba(20, 20, 60, 255));
            else if (r2 <= 20 * 20)
                logo.setPixel(x, y, qRgba(0, 0, 0, 100));
        }
    }
    return logo;
}

QImage greyRamp()
{
    QImage ramp(200, 48, QImage::Format_Grayscale8);
    for (int y = 0; y < ramp.height(); ++y)
        for (int x = 0; x < ramp.width(); ++x)
            ramp.scanLine(y)[x] = uchar(x * 255 / 199);
    return ramp;
}

using PictureChoices::chosen;

} // namespace

class VprinterPicturesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void earlierConversionWithoutStoredChoices_data();
    void earlierConversionWithoutStoredChoices();
    void printedLogoIsThePreview_data();
    void printedLogoIsThePreview();
    void printedTestPictureIsThePreview_data();
    void printedTestPictureIsThePreview();

private:
    QString picture(const QString &name);
    QImage previewOf(const QString &path, PicturePreview::Bound bound);
    QImage printed(const QByteArray &bytes);

    TestAppDir m_app;
    QScopedPointer<VirtualPrinter> m_printer;
    QMap<QString, QString> m_pictures;
};

void VprinterPicturesTest::initTestCase()
{
    Logger::getInstance();
    ConfigManager::getInstance()->initialize(); // logo limits 560 x 560
    const QList<QPair<QString, QImage>> pictures = {
        {QStringLiteral("photo.jpg"), photograph(1000, 1200, 1)},
        {QStringLiteral("small-photo.png"), photograph(301, 177, 2)},
        {QStringLiteral("transparent.png"), transparentLogo()},
        {QStringLiteral("grey.png"), greyRamp()},
        {QStringLiteral("tiny.png"), photograph(3, 2, 3)},
    };
    for (const auto &p : pictures) {
        const QString path = m_app.filePath(p.first);
        QVERIFY(p.second.save(path, p.first.endsWith(QLatin1String(".jpg")) ? "JPEG" : "PNG"));
        m_pictures.insert(p.first, path);
    }
}

void VprinterPicturesTest::init()
{
    VirtualPrinterOptions o;
    o.rawPort = 0;
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    o.outputDir = m_app.filePath(QStringLiteral("pages/") + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
    m_printer.reset(new VirtualPrinter(o));
    QVERIFY(m_printer->start());
}

void VprinterPicturesTest::cleanup()
{
    m_printer.reset();
}

QString VprinterPicturesTest::picture(const QString &name)
{
    return m_pictures.value(name);
}

QImage VprinterPicturesTest::previewOf(const QString &path, PicturePreview::Bound bound)
{
    PicturePreview preview;
    preview.setBound(bound);
    preview.setPath(path);
    if (!QTest::qWaitFor([&] { return preview.status() == PicturePreview::Ready; }, WaitMs))
        return QImage();
    return preview.image();
}

QImage VprinterPicturesTest::printed(const QByteArray &bytes)
{
    const int before = m_printer->pages().size();
    const qint64 seq = m_printer->lastEventSeq();
    VprinterClient::exchange(m_printer->rawPort(), bytes);
    m_printer->waitForEvent(QStringLiteral("client_disconnected"), WaitMs, seq);
    const QList<QImage> pages = m_printer->pages();
    return pages.size() == before + 1 ? pages.last() : QImage();
}

void VprinterPicturesTest::printedLogoIsThePreview_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<PictureOptions>("options");
    const QList<PictureOptions::Method> methods = {PictureOptions::Threshold, PictureOptions::FloydSteinberg,
                                                   PictureOptions::Atkinson, PictureOptions::Bayer};
    for (const auto m : methods) {
        const QString method = PictureOptions::methodName(m);
        QTest::newRow(qPrintable(method + " photograph bounded to 472 x 560")) << "photo.jpg" << chosen(m);
        QTest::newRow(qPrintable(method + " small photograph")) << "small-photo.png" << chosen(m, 15, 25);
        QTest::newRow(qPrintable(method + " transparent logo")) << "transparent.png" << chosen(m);
        QTest::newRow(qPrintable(method + " grey ramp inverted")) << "grey.png" << chosen(m, 0, 0, true);
        QTest::newRow(qPrintable(method + " tiny")) << "tiny.png" << chosen(m, -40);
    }
    QTest::newRow("brightness 100: blank logo") << "small-photo.png" << chosen(PictureOptions::Atkinson, 100);
    QTest::newRow("brightness -100: solid logo") << "small-photo.png" << chosen(PictureOptions::Bayer, -100);
    QTest::newRow("contrast 100") << "grey.png" << chosen(PictureOptions::FloydSteinberg, 0, 100);
    QTest::newRow("contrast -100") << "grey.png" << chosen(PictureOptions::Bayer, 0, -100);
}

void VprinterPicturesTest::printedLogoIsThePreview()
{
    QFETCH(QString, name);
    QFETCH(PictureOptions, options);
    PictureSettings::store(*ConfigManager::getInstance(), options);
    const QImage preview = previewOf(picture(name), PicturePreview::LogoBound);
    QVERIFY(!preview.isNull());

    BitmapForm form(CommType::Tcp);
    QSignalSpy sent(&form, &BitmapForm::sigSendData);
    form.setImagePaths({picture(name)});
    form.loadImages();
    form.sendImages();
    form.setLogoNumber(1);
    form.setLogoMode(0);
    form.sendPrintLogo();
    QCOMPARE(sent.count(), 2);
    const QImage page = printed(sent.at(0).at(1).toByteArray() + sent.at(1).at(1).toByteArray());
    if (InkBox::of(preview).empty()) {
        QVERIFY(page.isNull()); // blank paper makes no picture
        return;
    }
    QVERIFY(!page.isNull());
    QCOMPARE(page.height(), (preview.height() + 7) / 8 * 8 + LineFeedsAfterLogo);
    const QString diff = PrintedDots::differences(page, preview, 1);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void VprinterPicturesTest::printedTestPictureIsThePreview_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<PictureOptions>("options");
    QTest::newRow("threshold photograph") << "photo.jpg" << chosen(PictureOptions::Threshold, 10);
    QTest::newRow("floyd-steinberg transparent") << "transparent.png" << chosen(PictureOptions::FloydSteinberg);
    QTest::newRow("atkinson grey") << "grey.png" << chosen(PictureOptions::Atkinson, 0, 30);
    QTest::newRow("bayer inverted") << "small-photo.png" << chosen(PictureOptions::Bayer, 0, 0, true);
}

void VprinterPicturesTest::printedTestPictureIsThePreview()
{
    QFETCH(QString, name);
    QFETCH(PictureOptions, options);
    ConfigManager *config = ConfigManager::getInstance();
    PictureSettings::store(*config, options);
    config->setBitMapPath(picture(name));
    const QImage preview = previewOf(picture(name), PicturePreview::TestPictureBound);
    QVERIFY(!preview.isNull());
    QVERIFY(preview.width() <= 160 && preview.height() <= 160);

    PrintTest tests(CommType::Tcp);
    QSignalSpy sent(&tests, &PrintTest::sigSendData);
    tests.printPicture();
    QCOMPARE(sent.count(), 1);
    const QImage page = printed(sent.at(0).at(1).toByteArray());
    if (InkBox::of(preview).empty()) {
        QVERIFY(page.isNull()); // blank paper makes no picture
        return;
    }
    QVERIFY(!page.isNull());
    // Printed in double width and height.
    const QString diff = PrintedDots::differences(page, preview, 2);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void VprinterPicturesTest::earlierConversionWithoutStoredChoices_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("photograph") << "photo.jpg";
    QTest::newRow("transparent logo") << "transparent.png";
}

void VprinterPicturesTest::earlierConversionWithoutStoredChoices()
{
    // Runs first, while printtest.ini holds no conversion keys: the preview
    // shows the conversion of earlier versions, and that is what prints.
    QFETCH(QString, name);
    ConfigManager *config = ConfigManager::getInstance();
    QVERIFY(!config->hasLogoConversion());
    const QImage preview = previewOf(picture(name), PicturePreview::LogoBound);
    QVERIFY(!preview.isNull());
    QCOMPARE(LogoCommands::packColumns(preview),
             LogoCommands::packColumns(LogoCommands::loadScaled(picture(name), 560, 560)
                                           .convertToFormat(QImage::Format_Mono)));

    BitmapForm form(CommType::Tcp);
    QSignalSpy sent(&form, &BitmapForm::sigSendData);
    form.setImagePaths({picture(name)});
    form.loadImages();
    form.sendImages();
    form.sendPrintLogo();
    QCOMPARE(sent.count(), 2);
    const QImage page = printed(sent.at(0).at(1).toByteArray() + sent.at(1).at(1).toByteArray());
    const QString diff = PrintedDots::differences(page, preview, 1);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

QTEST_MAIN(VprinterPicturesTest)
#include "tst_vprinter_pictures.moc"
