// Barcode previews: rendered with zxing-cpp's writer, read back with its reader,
// served from a cache of the last 50 images under ids that never repeat.
#define ZX_USE_UTF8 1
#include "services/BarcodeImageProvider.h"
#include "services/HelperFunction.h"

#include <ZXing/ReadBarcode.h>

#include <QHash>
#include <QRegularExpression>
#include <QTest>

namespace {

struct Decoded
{
    bool valid = false;
    ZXing::BarcodeFormat format = ZXing::BarcodeFormat::None;
    QString text;
    QString ecLevel;
};

Decoded readBack(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                grey.bytesPerLine());
    ZXing::DecodeHints hints;
    hints.setTryHarder(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    Decoded d;
    d.valid = result.isValid();
    d.format = result.format();
    d.text = QString::fromStdString(result.text());
    d.ecLevel = QString::fromStdString(result.ecLevel());
    return d;
}

QString hashText(const QString &content)
{
    return QString::number(qHash(content, 0), 16);
}

} // namespace

Q_DECLARE_METATYPE(ZXing::BarcodeFormat)

class BarcodePreviewTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readsBackToTheSameContent_data();
    void readsBackToTheSameContent();
    void idsNeverRepeat();
    void unknownTypeAndLevel();
    void omittedLevelIsM();
    void emptyContentGivesNullImage();
    void unencodableContentGivesNullImage();
    void cacheKeepsTheLast50();
    void noProvider();

private:
    QImage fetch(const QString &id, QSize *size = nullptr);

    BarcodeImageProvider *m_provider = nullptr;
    HelperFunction *m_helper = nullptr;
};

void BarcodePreviewTest::init()
{
    m_provider = new BarcodeImageProvider;
    m_helper = new HelperFunction;
    m_helper->setImageProvider(m_provider);
}

void BarcodePreviewTest::cleanup()
{
    delete m_helper;
    delete m_provider;
}

QImage BarcodePreviewTest::fetch(const QString &id, QSize *size)
{
    QSize s(-5, -5);
    const QImage image = m_provider->requestImage(id, &s, QSize(10, 10));
    if (size)
        *size = s;
    return image;
}

void BarcodePreviewTest::readsBackToTheSameContent_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("level");
    QTest::addColumn<ZXing::BarcodeFormat>("format");
    QTest::addColumn<QString>("ecLevel"); // QR only
    QTest::newRow("QR L") << "QR_CODE" << "https://example.test/a?b=1" << "L" << ZXing::BarcodeFormat::QRCode << "L";
    QTest::newRow("QR M") << "QR_CODE" << "Hello 123" << "M" << ZXing::BarcodeFormat::QRCode << "M";
    QTest::newRow("QR Q, UTF-8 text") << "QR_CODE" << "中文 ÄÖÜ" << "Q" << ZXing::BarcodeFormat::QRCode << "Q";
    QTest::newRow("QR H") << "QR_CODE" << "H level" << "H" << ZXing::BarcodeFormat::QRCode << "H";
    QTest::newRow("Aztec") << "AZTEC" << "Aztec content 42" << "H" << ZXing::BarcodeFormat::Aztec << "";
    QTest::newRow("Data Matrix") << "DATA_MATRIX" << "DM-0001" << "L" << ZXing::BarcodeFormat::DataMatrix << "";
    QTest::newRow("PDF417") << "PDF417" << "PDF417 sample text" << "M" << ZXing::BarcodeFormat::PDF417 << "";
}

void BarcodePreviewTest::readsBackToTheSameContent()
{
    QFETCH(QString, type);
    QFETCH(QString, content);
    QFETCH(QString, level);
    QFETCH(ZXing::BarcodeFormat, format);
    QFETCH(QString, ecLevel);
    const QString id = m_helper->generateBarcode(type, content, level);
    QSize size;
    const QImage image = fetch(id, &size);
    QVERIFY(!image.isNull());
    QCOMPARE(size, image.size());
    const Decoded d = readBack(image);
    QVERIFY(d.valid);
    QVERIFY(d.format == format);
    QCOMPARE(d.text, content);
    if (!ecLevel.isEmpty())
        QCOMPARE(d.ecLevel, ecLevel);
}

void BarcodePreviewTest::idsNeverRepeat()
{
    const QString first = m_helper->generateBarcode(QStringLiteral("QR_CODE"), QStringLiteral("same"), QStringLiteral("M"));
    const QString second = m_helper->generateBarcode(QStringLiteral("QR_CODE"), QStringLiteral("same"), QStringLiteral("M"));
    QCOMPARE(first, QStringLiteral("barcode_QR_CODE_%1_M_1").arg(hashText(QStringLiteral("same"))));
    QCOMPARE(second, QStringLiteral("barcode_QR_CODE_%1_M_2").arg(hashText(QStringLiteral("same"))));
    QCOMPARE(fetch(first), fetch(second));
}

void BarcodePreviewTest::unknownTypeAndLevel()
{
    const QString id = m_helper->generateBarcode(QStringLiteral("EAN13"), QStringLiteral("xyz"), QStringLiteral("Z"));
    QCOMPARE(id, QStringLiteral("barcode_EAN13_%1_Z_1").arg(hashText(QStringLiteral("xyz"))));
    const Decoded d = readBack(fetch(id));
    QVERIFY(d.format == ZXing::BarcodeFormat::QRCode);
    QCOMPARE(d.text, QStringLiteral("xyz"));
    QCOMPARE(d.ecLevel, QStringLiteral("M"));
}

void BarcodePreviewTest::omittedLevelIsM()
{
    QString id;
    QVERIFY(QMetaObject::invokeMethod(m_helper, "generateBarcode", Q_RETURN_ARG(QString, id),
                                      Q_ARG(QString, QStringLiteral("QR_CODE")), Q_ARG(QString, QStringLiteral("abc"))));
    QVERIFY(id.contains(QLatin1String("_M_")));
    QCOMPARE(readBack(fetch(id)).ecLevel, QStringLiteral("M"));
}

void BarcodePreviewTest::emptyContentGivesNullImage()
{
    const QString id = m_helper->generateBarcode(QStringLiteral("QR_CODE"), QString(), QStringLiteral("M"));
    QVERIFY(!id.isEmpty());
    QSize size;
    QVERIFY(fetch(id, &size).isNull());
}

void BarcodePreviewTest::unencodableContentGivesNullImage()
{
    // Far more than a Data Matrix symbol holds.
    const QString tooLong(5000, QLatin1Char('x'));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^生成条码失败:")));
    const QString id = m_helper->generateBarcode(QStringLiteral("DATA_MATRIX"), tooLong, QStringLiteral("M"));
    QVERIFY(id.endsWith(QLatin1String("_1")));
    QVERIFY(fetch(id).isNull());
}

void BarcodePreviewTest::cacheKeepsTheLast50()
{
    QStringList ids;
    for (int i = 0; i < 50; ++i)
        ids << m_helper->generateBarcode(QStringLiteral("QR_CODE"), QString::number(i), QStringLiteral("L"));
    // Fetching the first makes it the most recently used: the second goes next.
    QVERIFY(!fetch(ids.first()).isNull());
    ids << m_helper->generateBarcode(QStringLiteral("QR_CODE"), QStringLiteral("50"), QStringLiteral("L"));
    QVERIFY(!fetch(ids.first()).isNull());
    QSize size(7, 7);
    QVERIFY(fetch(ids.at(1), &size).isNull());
    QCOMPARE(size, QSize(0, 0));
    QVERIFY(!fetch(ids.last()).isNull());

    ids << m_helper->generateBarcode(QStringLiteral("QR_CODE"), QStringLiteral("51"), QStringLiteral("L"));
    QVERIFY(fetch(ids.at(2)).isNull());
}

void BarcodePreviewTest::noProvider()
{
    HelperFunction helper;
    QCOMPARE(helper.generateBarcode(QStringLiteral("QR_CODE"), QStringLiteral("x")), QString());
}

QTEST_MAIN(BarcodePreviewTest)
#include "tst_services_barcode.moc"
