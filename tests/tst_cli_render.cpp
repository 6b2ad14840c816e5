// quillmark render, run as a separate process: one picture per cut, the
// listing of what could not be decoded or printed, garbage and bad usage, and
// the receipts of a real ESC/POS client (receipt-printer-encoder from npm,
// installed under the build folder by scripts/deps.sh), which must decode
// completely.

#include "support/InkBox.h"
#include "support/cli_Run.h"
#include "support/vprinter_client.h"

#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

using VprinterClient::hex;

namespace {

constexpr int ProcessLimitMs = 120000;

CliResult runCli(const QStringList &args, const QByteArray &input = QByteArray())
{
#ifdef QM_CLI_BIN
    return runQuillmark(QStringLiteral(QM_CLI_BIN), args, input, QString(), ProcessLimitMs);
#else
    Q_UNUSED(args)
    Q_UNUSED(input)
    return CliResult();
#endif
}

QJsonObject jsonOf(const CliResult &r)
{
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
}

QString summary(const QJsonArray &entries)
{
    QStringList out;
    for (const QJsonValue &v : entries)
        out << QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
    return out.join(QLatin1Char('\n'));
}

QByteArray writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return bytes;
}

} // namespace

class CliRenderTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void badUsage_data();
    void badUsage();
    void onePicturePerCut_data();
    void onePicturePerCut();
    void undecodedAndUnprintedAreListed();
    void garbageGivesAListingNotACrash();
    void unwritablePicture();
    void previewDrawsWhatWouldBeSent_data();
    void previewDrawsWhatWouldBeSent();
    void realClientDecodesCompletely_data();
    void realClientDecodesCompletely();

private:
    QTemporaryDir m_dir;
};

void CliRenderTest::initTestCase()
{
#ifndef QM_CLI_BIN
    QSKIP("quillmark is not built");
#endif
    QVERIFY(m_dir.isValid());
}

void CliRenderTest::badUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");

    QTest::newRow("no file") << QStringList{"render", "-o", "x.png"} << "No file to render";
    QTest::newRow("two files") << QStringList{"render", "a", "b", "-o", "x.png"} << "Only one file";
    QTest::newRow("no output") << QStringList{"render", "-"} << "-o OUT.png";
    QTest::newRow("empty output") << QStringList{"render", "-", "-o", ""} << "-o OUT.png";
    QTest::newRow("paper of 70 mm") << QStringList{"render", "-", "-o", "x.png", "--width", "70"} << "58 or 80: 70";
    QTest::newRow("paper not a number") << QStringList{"render", "-", "-o", "x.png", "--width", "wide"} << "58 or 80: wide";
    QTest::newRow("unknown option") << QStringList{"render", "-", "-o", "x.png", "--colour"} << "colour";
    QTest::newRow("missing file") << QStringList{"render", "/nonexistent/receipt.bin", "-o", "x.png"}
                                  << "/nonexistent/receipt.bin";
    QTest::newRow("a folder") << QStringList{"render", "/tmp", "-o", "x.png"} << "is a folder";
}

void CliRenderTest::badUsage()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const CliResult r = runCli(args, "A\n");
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY2(r.err.contains(QLatin1String("quillmark render --help")), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());

    // The help says what the command does.
    const CliResult help = runCli({QStringLiteral("render"), QStringLiteral("--help")});
    QCOMPARE(help.code, 0);
    QVERIFY2(help.out.contains(QLatin1String("quillmark render FILE|- -o OUT.png [--width 58|80] [--json]")),
             qPrintable(help.out));
    QVERIFY(runCli({QStringLiteral("--help")}).out.contains(QLatin1String("render ")));
}

void CliRenderTest::onePicturePerCut_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("widthMm");
    QTest::addColumn<QList<int>>("heights");

    QTest::newRow("three receipts, each cut")
        << hex("1B 40") + "First\n" + hex("1D 56 00") + "Second\nSecond\n" + hex("1D 56 01") + "Third\n" + hex("1B 69")
        << 80 << QList<int>{30, 60, 30};
    QTest::newRow("what follows the last cut, on 58 mm")
        << QByteArray("One\n") + hex("1D 56 42 00") + "Two\n" << 58 << QList<int>{30, 30};
    QTest::newRow("no cut at all") << QByteArray("Only\nlines\n") << 80 << QList<int>{60};
}

void CliRenderTest::onePicturePerCut()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, widthMm);
    QFETCH(QList<int>, heights);
    const QString folder = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')));
    QVERIFY(QDir().mkpath(folder));
    const QString input = folder + QStringLiteral("/stream.bin");
    writeFile(input, stream);
    const QString out = folder + QStringLiteral("/receipt.png");
    const int dots = widthMm == 58 ? 384 : 576;

    const CliResult r = runCli({QStringLiteral("render"), input, QStringLiteral("-o"), out, QStringLiteral("--width"),
                                QString::number(widthMm)});
    QCOMPARE(r.code, 0);
    QStringList lines;
    for (int i = 0; i < heights.size(); ++i) {
        const QString file = folder + QStringLiteral("/receipt-%1.png").arg(i + 1);
        lines << QStringLiteral("%1  %2 x %3").arg(file).arg(dots).arg(heights.at(i));
        const QImage picture(file);
        QCOMPARE(picture.size(), QSize(dots, heights.at(i)));
        QVERIFY(!InkBox::of(picture).empty());
    }
    QCOMPARE(r.out.trimmed(), lines.join(QLatin1Char('\n')));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/receipt-%1.png").arg(heights.size() + 1)));

    // The same from standard input, as JSON, to a name without .png.
    const CliResult j = runCli({QStringLiteral("render"), QStringLiteral("-"), QStringLiteral("--json"),
                                QStringLiteral("--output"), folder + QStringLiteral("/again"), QStringLiteral("--width"),
                                QString::number(widthMm)},
                               stream);
    QCOMPARE(j.code, 0);
    const QJsonObject report = jsonOf(j);
    QCOMPARE(report.value(QStringLiteral("input")).toString(), QStringLiteral("-"));
    QCOMPARE(report.value(QStringLiteral("bytes")).toInt(), stream.size());
    QCOMPARE(report.value(QStringLiteral("paper_dots")).toInt(), dots);
    const QJsonArray pages = report.value(QStringLiteral("pages")).toArray();
    QCOMPARE(pages.size(), heights.size());
    for (int i = 0; i < pages.size(); ++i) {
        const QString file = pages.at(i).toObject().value(QStringLiteral("file")).toString();
        QCOMPARE(file, folder + QStringLiteral("/again-%1.png").arg(i + 1));
        QCOMPARE(QImage(file), QImage(folder + QStringLiteral("/receipt-%1.png").arg(i + 1)));
    }
    QVERIFY(report.value(QStringLiteral("undecoded")).toArray().isEmpty());
    QVERIFY(!report.value(QStringLiteral("commands")).toArray().isEmpty());
}

void CliRenderTest::undecodedAndUnprintedAreListed()
{
    // ESC 8F does not exist, GS ( E is a function this printer lacks, the UPC-A
    // code has a letter in it, and the picture at the end is cut short.
    const QByteArray stream = hex("1B 40") + "Hello\n" + hex("1B 8F") + hex("1D 28 45 03 00 01 02 03")
                              + hex("1D 6B 41 0C") + "12345678901X" + hex("1D 76 30 00 02 00");
    const QString out = m_dir.filePath(QStringLiteral("listed.png"));
    const CliResult r = runCli({QStringLiteral("render"), QStringLiteral("-"), QStringLiteral("-o"), out}, stream);
    QCOMPARE(r.code, 1);
    const QStringList lines = r.out.trimmed().split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("%1  576 x 30").arg(m_dir.filePath(QStringLiteral("listed-1.png"))));
    QCOMPARE(lines.mid(1, 4), QStringList({QStringLiteral("Could not be decoded (offset, kind, command, bytes):"),
                                           QStringLiteral("  8  unknown  ESC 8F  1b 8f"),
                                           QStringLiteral("  10  unknown  GS ( E  1d 28 45 03 00 01 02 03"),
                                           QStringLiteral("  34  truncated  1D  1d 76 30 00 02 00")}));
    QCOMPARE(lines.value(5), QStringLiteral("Could not be printed (offset, command, reason):"));
    QVERIFY2(lines.value(6).startsWith(QLatin1String("  18  GS k  ")), qPrintable(lines.value(6)));
    QCOMPARE(lines.size(), 7);

    const QJsonObject report = jsonOf(runCli({QStringLiteral("render"), QStringLiteral("-"), QStringLiteral("-o"), out,
                                              QStringLiteral("--json")},
                                             stream));
    const QJsonArray undecoded = report.value(QStringLiteral("undecoded")).toArray();
    QCOMPARE(undecoded.size(), 3);
    QCOMPARE(undecoded.at(1).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("extended_function"));
    QCOMPARE(undecoded.at(1).toObject().value(QStringLiteral("offset")).toInt(), 10);
    const QJsonObject barcode = report.value(QStringLiteral("unprinted")).toArray().at(0).toObject();
    QCOMPARE(barcode.value(QStringLiteral("name")).toString(), QStringLiteral("barcode"));
    QVERIFY(!barcode.value(QStringLiteral("error")).toString().isEmpty());
}

void CliRenderTest::garbageGivesAListingNotACrash()
{
    QRandomGenerator random(7);
    QByteArray garbage(128 * 1024, Qt::Uninitialized);
    for (char &c : garbage)
        c = char(random.bounded(256));
    const QString input = m_dir.filePath(QStringLiteral("garbage.bin"));
    writeFile(input, garbage);
    const CliResult r = runCli({QStringLiteral("render"), input, QStringLiteral("-o"), m_dir.filePath(QStringLiteral("garbage.png")),
                                QStringLiteral("--json")});
    QCOMPARE(r.code, 1); // -1 if it crashed
    const QJsonObject report = jsonOf(r);
    const QJsonArray undecoded = report.value(QStringLiteral("undecoded")).toArray();
    QVERIFY(!undecoded.isEmpty());
    qint64 previous = -1;
    for (const QJsonValue &v : undecoded) {
        const QJsonObject e = v.toObject();
        QVERIFY(e.contains(QStringLiteral("kind")) && e.contains(QStringLiteral("code")));
        const qint64 offset = qint64(e.value(QStringLiteral("offset")).toDouble());
        QVERIFY(offset > previous && offset <= garbage.size());
        previous = offset;
    }
    for (const QJsonValue &page : report.value(QStringLiteral("pages")).toArray())
        QVERIFY(QFile::exists(page.toObject().value(QStringLiteral("file")).toString()));
}

void CliRenderTest::unwritablePicture()
{
    const QString out = QStringLiteral("/nonexistent-folder/receipt.png");
    const CliResult r = runCli({QStringLiteral("render"), QStringLiteral("-"), QStringLiteral("-o"), out}, "A\n");
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(QLatin1String("/nonexistent-folder/receipt-1.png")), qPrintable(r.err));
    QVERIFY2(!r.out.contains(QLatin1String("receipt-1.png")), qPrintable(r.out));
}

// --preview in place of a printer: nothing is sent, and the pictures are what
// quillmark render draws from the same bytes.
void CliRenderTest::previewDrawsWhatWouldBeSent_data()
{
    QTest::addColumn<QStringList>("words"); // before --preview
    QTest::addColumn<QStringList>("after"); // after it
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("raw bytes") << QStringList{"raw"} << QStringList{"-"} << QByteArray("two\nlines\n\x1dV\x01" "after\n") << 0
                               << QString();
    QTest::newRow("print verb") << QStringList{"print"} << QStringList{"Preview"} << QByteArray() << 0 << QString();
    QTest::newRow("sample receipt") << QStringList{"test-page"} << QStringList{"--receipt", "58"} << QByteArray() << 0
                                    << QString();
    QTest::newRow("operation") << QStringList{"run"} << QStringList{"setPrintAndLineFeedClicked", "false", "run"}
                               << QByteArray() << 0 << QString();
    QTest::newRow("nothing printed") << QStringList{"beep"} << QStringList{} << QByteArray() << 1
                                     << QStringLiteral("Nothing to print: no picture was written");
    QTest::newRow("status has no preview") << QStringList{"status"} << QStringList{} << QByteArray() << 2
                                           << QStringLiteral("A preview does not answer status requests");
}

void CliRenderTest::previewDrawsWhatWouldBeSent()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, after);
    QFETCH(QByteArray, input);
    QFETCH(int, code);
    QFETCH(QString, message);
    const QString folder = m_dir.filePath(QStringLiteral("preview-") + QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')));
    QVERIFY(QDir().mkpath(folder));
    const QString out = folder + QStringLiteral("/p.png");
    const CliResult r = runCli(words + QStringList{QStringLiteral("--preview"), out} + after, input);
    QVERIFY2(r.code == code, qPrintable(r.err));
    if (code != 0) {
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists(folder + QStringLiteral("/p-1.png")));
        return;
    }
    const QStringList files = r.out.trimmed().split(QLatin1Char('\n'));
    QVERIFY(!files.isEmpty());
    QCOMPARE(files.first(), folder + QStringLiteral("/p-1.png"));
    if (input.isEmpty())
        return;
    // The same bytes through render give the same pictures.
    const QString stream = folder + QStringLiteral("/stream.bin");
    writeFile(stream, input);
    const CliResult rendered = runCli({QStringLiteral("render"), stream, QStringLiteral("-o"), folder + QStringLiteral("/r.png")});
    QCOMPARE(rendered.code, 0);
    for (int i = 1; i <= files.size(); ++i)
        QCOMPARE(QImage(folder + QStringLiteral("/p-%1.png").arg(i)), QImage(folder + QStringLiteral("/r-%1.png").arg(i)));
}

void CliRenderTest::realClientDecodesCompletely_data()
{
    QTest::addColumn<QString>("receipt");
    QTest::addColumn<int>("widthMm");
    QTest::addColumn<int>("cuts");
    QTest::addColumn<QStringList>("printed"); // commands the receipt must have drawn

    QTest::newRow("column pictures, barcodes, QR, PDF417, drawer")
        << "column-pictures" << 80 << 1
        << QStringList{"bit_image", "barcode", "qr_print", "pdf417_print", "drawer_pulse"};
    QTest::newRow("raster pictures on 58 mm") << "raster-pictures" << 58 << 1 << QStringList{"raster_image", "qr_print"};
    QTest::newRow("two receipts in one stream") << "two-cuts" << 80 << 2 << QStringList{"barcode"};
}

void CliRenderTest::realClientDecodesCompletely()
{
    QFETCH(QString, receipt);
    QFETCH(int, widthMm);
    QFETCH(int, cuts);
    QFETCH(QStringList, printed);
#ifndef QM_NPM_DIR
    QSKIP("no folder for npm packages");
#else
    const QString npmDir = QStringLiteral(QM_NPM_DIR);
    if (!QFile::exists(npmDir + QStringLiteral("/node_modules/@point-of-sale/receipt-printer-encoder/package.json")))
        QSKIP("receipt-printer-encoder is not installed: scripts/deps.sh installs it");
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (node.isEmpty())
        QSKIP("node is not installed");

    const QString folder = m_dir.filePath(QStringLiteral("client"));
    QVERIFY(QDir().mkpath(folder));
    // The client is a node program; the same runner serves it.
    const CliResult made =
        runQuillmark(node, {QStringLiteral(QM_SOURCE_DIR "/tests/clients/receipt-printer-encoder.mjs"), npmDir, folder},
                     QByteArray(), QString(), ProcessLimitMs);
    QVERIFY2(made.code == 0, qPrintable(made.err));
    const QString input = folder + QLatin1Char('/') + receipt + QStringLiteral(".bin");
    QVERIFY2(QFile::exists(input), qPrintable(made.out));

    const CliResult r = runCli({QStringLiteral("render"), input, QStringLiteral("-o"), folder + QLatin1Char('/') + receipt
                                + QStringLiteral(".png"), QStringLiteral("--width"), QString::number(widthMm), QStringLiteral("--json")});
    const QJsonObject report = jsonOf(r);
    QVERIFY2(report.value(QStringLiteral("undecoded")).toArray().isEmpty(),
             qPrintable(summary(report.value(QStringLiteral("undecoded")).toArray())));
    QVERIFY2(report.value(QStringLiteral("unprinted")).toArray().isEmpty(),
             qPrintable(summary(report.value(QStringLiteral("unprinted")).toArray())));
    QCOMPARE(r.code, 0);

    // Every cut ends a picture; the library feeds a line after each cut, which
    // makes one more short piece of paper.
    QStringList names;
    for (const QJsonValue &v : report.value(QStringLiteral("commands")).toArray())
        names << v.toObject().value(QStringLiteral("name")).toString();
    QCOMPARE(names.count(QStringLiteral("cut")), cuts);
    for (const QString &name : qAsConst(printed))
        QVERIFY2(names.contains(name), qPrintable(name));
    const QJsonArray pages = report.value(QStringLiteral("pages")).toArray();
    QCOMPARE(pages.size(), cuts + 1);
    for (int i = 0; i < cuts; ++i) {
        const QImage picture(pages.at(i).toObject().value(QStringLiteral("file")).toString());
        QCOMPARE(picture.width(), widthMm == 58 ? 384 : 576);
        QVERIFY(!InkBox::of(picture).empty());
    }
#endif
}

QTEST_GUILESS_MAIN(CliRenderTest)
#include "tst_cli_render.moc"
