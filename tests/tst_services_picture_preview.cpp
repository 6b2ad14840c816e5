// The preview of a picture as it will print: converted on a worker thread by
// the same functions as the logo bytes, the newest choice winning, results of
// pictures no longer wanted dropped, unreadable files reported, the choices
// read from and written to printtest.ini.
#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "commands/LogoCommands.h"
#include "commands/PictureSettings.h"
#include "services/PicturePreview.h"
#include "services/PicturePreviewProvider.h"
#include "support/PictureChoices.h"
#include "support/TestAppDir.h"

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int WaitMs = 10000;

using PictureChoices::chosen;

bool waitForStatus(const PicturePreview &preview, PicturePreview::Status status)
{
    return QTest::qWaitFor([&] { return preview.status() == status; }, WaitMs);
}

} // namespace

class PicturePreviewTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startsWithTheEarlierConversion();
    void showsWhatPrints_data();
    void showsWhatPrints();
    void providerServesTheNewestPicture();
    void quickChangesGatherIntoOneJob();
    void resultsOfAnotherPictureAreDropped();
    void unreadableAndEmpty();
    void storeWritesAndOtherPreviewsFollow();

private:
    QString m_photo;
    QString m_other;
    TestAppDir m_app;
};

void PicturePreviewTest::initTestCase()
{
    Logger::getInstance();
    ConfigManager::getInstance()->initialize();
    QImage photo(1000, 1200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 3) % 256, (x ^ y) % 256));
    m_photo = m_app.filePath(QStringLiteral("photo.png"));
    QVERIFY(photo.save(m_photo));
    QImage other(120, 80, QImage::Format_RGB32);
    other.fill(qRgb(40, 40, 40));
    m_other = m_app.filePath(QStringLiteral("other.png"));
    QVERIFY(other.save(m_other));
}

void PicturePreviewTest::startsWithTheEarlierConversion()
{
    PicturePreview preview;
    QCOMPARE(preview.method(), QStringLiteral("floyd-steinberg"));
    QCOMPARE(preview.options(), PictureOptions::earlierVersions());
    QCOMPARE(preview.status(), PicturePreview::NoPicture);
    preview.setPath(QUrl::fromLocalFile(m_photo).toString()); // a "file:" URL works too
    QCOMPARE(preview.path(), m_photo);
    QCOMPARE(preview.status(), PicturePreview::Converting);
    QVERIFY(waitForStatus(preview, PicturePreview::Ready));
    QCOMPARE(preview.image(), LogoCommands::loadMonochrome(m_photo, 560, 560));
    QCOMPARE(QSize(preview.dotsWidth(), preview.dotsHeight()), QSize(472, 560));
    // A choice away from the stored one is a choice of the new conversion.
    preview.setBrightness(1);
    QVERIFY(!preview.options().earlierPixelReading);
    preview.setBrightness(0);
    QCOMPARE(preview.options(), PictureOptions::earlierVersions());
}

void PicturePreviewTest::showsWhatPrints_data()
{
    QTest::addColumn<PicturePreview::Bound>("bound");
    QTest::addColumn<QString>("method");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("contrast");
    QTest::addColumn<bool>("invert");
    QTest::addColumn<QSize>("dots");
    QTest::newRow("logo, threshold") << PicturePreview::LogoBound << "threshold" << 0 << 0 << false << QSize(472, 560);
    QTest::newRow("logo, atkinson brighter") << PicturePreview::LogoBound << "atkinson" << 30 << 0 << false
                                             << QSize(472, 560);
    QTest::newRow("test picture, bayer inverted")
        << PicturePreview::TestPictureBound << "bayer" << 0 << -20 << true << QSize(136, 160);
    QTest::newRow("adjustments beyond the range are clamped")
        << PicturePreview::TestPictureBound << "floyd-steinberg" << 400 << -400 << false << QSize(136, 160);
}

void PicturePreviewTest::showsWhatPrints()
{
    QFETCH(PicturePreview::Bound, bound);
    QFETCH(QString, method);
    QFETCH(int, brightness);
    QFETCH(int, contrast);
    QFETCH(bool, invert);
    QFETCH(QSize, dots);
    PicturePreview preview;
    preview.setBound(bound);
    preview.setMethod(method);
    preview.setBrightness(brightness);
    preview.setContrast(contrast);
    preview.setInvert(invert);
    preview.setPath(m_photo);
    QVERIFY(waitForStatus(preview, PicturePreview::Ready));
    PictureOptions expected;
    QVERIFY(PictureOptions::methodFromName(method, &expected.method));
    expected.brightness = PictureOptions::clampAdjustment(brightness);
    expected.contrast = PictureOptions::clampAdjustment(contrast);
    expected.invert = invert;
    QCOMPARE(preview.options(), expected);
    const int side = bound == PicturePreview::TestPictureBound ? 160 : 560;
    QCOMPARE(preview.image(), LogoCommands::loadMonochrome(m_photo, side, side, expected));
    QCOMPARE(preview.image().size(), dots);
}

void PicturePreviewTest::providerServesTheNewestPicture()
{
    PicturePreview preview;
    QSignalSpy changed(&preview, &PicturePreview::imageChanged);
    preview.setPath(m_other);
    QVERIFY(waitForStatus(preview, PicturePreview::Ready));
    const QUrl first = preview.source();
    QCOMPARE(first.scheme(), QStringLiteral("image"));
    QCOMPARE(first.host(), QStringLiteral("picture"));
    PicturePreviewProvider provider;
    QSize size;
    QCOMPARE(provider.requestImage(first.path().mid(1), &size, QSize()), preview.image());
    QCOMPARE(size, QSize(120, 80));
    preview.setInvert(true);
    QVERIFY(waitForStatus(preview, PicturePreview::Ready));
    QVERIFY(preview.source() != first); // a new address makes the scene fetch it again
    QCOMPARE(provider.requestImage(preview.source().path().mid(1), &size, QSize()), preview.image());
    const QString id = preview.source().path().mid(1);
    {
        PicturePreview gone;
        gone.setPath(m_other);
        QVERIFY(waitForStatus(gone, PicturePreview::Ready));
        const QString goneId = gone.source().path().mid(1);
        QVERIFY(!provider.requestImage(goneId, &size, QSize()).isNull());
        QVERIFY(goneId != id);
    }
    // A preview that has ended leaves nothing behind; the others stay.
    QCOMPARE(provider.requestImage(id, &size, QSize()), preview.image());
}

void PicturePreviewTest::quickChangesGatherIntoOneJob()
{
    PicturePreview preview;
    preview.setPath(m_photo);
    QVERIFY(waitForStatus(preview, PicturePreview::Ready));
    QSignalSpy changed(&preview, &PicturePreview::imageChanged);
    // A slider dragged across its range within one frame.
    for (int b = 1; b <= 60; ++b)
        preview.setBrightness(b);
    preview.setMethod(QStringLiteral("bayer"));
    QCOMPARE(preview.status(), PicturePreview::Converting);
    QVERIFY(waitForStatus(preview, PicturePreview::Ready));
    // The job started by the first change, then one for all the others.
    QVERIFY2(changed.count() <= 2, qPrintable(QString::number(changed.count())));
    QCOMPARE(preview.image(), LogoCommands::loadMonochrome(m_photo, 560, 560, chosen(PictureOptions::Bayer, 60)));
}

void PicturePreviewTest::resultsOfAnotherPictureAreDropped()
{
    PicturePreview preview;
    QList<QSize> shown;
    connect(&preview, &PicturePreview::imageChanged, this, [&] { shown << preview.image().size(); });
    preview.setPath(m_photo);
    preview.setPath(m_other); // before the photograph's job has come back
    QVERIFY(waitForStatus(preview, PicturePreview::Ready));
    QTest::qWait(100);
    QCOMPARE(shown, QList<QSize>({QSize(120, 80)}));
    QCOMPARE(preview.image(), LogoCommands::loadMonochrome(m_other, 560, 560));
}

void PicturePreviewTest::unreadableAndEmpty()
{
    const QString garbage = m_app.filePath(QStringLiteral("garbage.png"));
    QFile f(garbage);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("no picture here");
    f.close();
    PicturePreview preview;
    preview.setPath(m_other);
    QVERIFY(waitForStatus(preview, PicturePreview::Ready));
    preview.setPath(garbage);
    QVERIFY(waitForStatus(preview, PicturePreview::Unreadable));
    QVERIFY(preview.image().isNull());
    QVERIFY(preview.source().isEmpty());
    QCOMPARE(preview.dotsWidth(), 0);
    preview.setPath(m_app.filePath(QStringLiteral("missing.png")));
    QVERIFY(waitForStatus(preview, PicturePreview::Unreadable));
    preview.setPath(m_other);
    QVERIFY(waitForStatus(preview, PicturePreview::Ready));
    preview.setPath(QString());
    QCOMPARE(preview.status(), PicturePreview::NoPicture);
    QVERIFY(preview.image().isNull());
}

void PicturePreviewTest::storeWritesAndOtherPreviewsFollow()
{
    ConfigManager *config = ConfigManager::getInstance();
    PicturePreview editing;
    PicturePreview other;
    other.setPath(m_other);
    QVERIFY(waitForStatus(other, PicturePreview::Ready));
    QSignalSpy otherChoices(&other, &PicturePreview::choicesChanged);
    editing.setMethod(QStringLiteral("atkinson"));
    editing.setContrast(35);
    QVERIFY(!config->hasLogoConversion()); // nothing stored while choosing
    QCOMPARE(otherChoices.count(), 0);
    editing.store();
    QVERIFY(config->hasLogoConversion());
    QCOMPARE(PictureSettings::stored(*config), chosen(PictureOptions::Atkinson, 0, 35));
    QCOMPARE(otherChoices.count(), 1);
    QCOMPARE(other.method(), QStringLiteral("atkinson"));
    QCOMPARE(other.contrast(), 35);
    QCOMPARE(other.status(), PicturePreview::Converting);
    QVERIFY(waitForStatus(other, PicturePreview::Ready));
    QCOMPARE(other.image(), LogoCommands::loadMonochrome(m_other, 560, 560, chosen(PictureOptions::Atkinson, 0, 35)));
    // An unknown name changes nothing.
    QTest::ignoreMessage(QtWarningMsg, "unknown picture conversion method: \"sepia\"");
    editing.setMethod(QStringLiteral("sepia"));
    QCOMPARE(editing.method(), QStringLiteral("atkinson"));
}

QTEST_MAIN(PicturePreviewTest)
#include "tst_services_picture_preview.moc"
