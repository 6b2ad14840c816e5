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

QString jsonValueText(const QJsonValue &value)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
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
    void endlessInputIsRefused_data();
    void endlessInputIsRefused();
    void hostileStreamsStayBounded_data();
    void hostileStreamsStayBounded();
    void fileOverTwoGiBIsRefused();
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
    // A logo of stripes.
    QImage logo(48, 24, QImage::Format_RGB32);
    logo.fill(Qt::white);
    for (int x = 0; x < logo.width(); x += 4)
        for (int y = 0; y < logo.height(); ++y)
            logo.setPixel(x, y, qRgb(0, 0, 0));
    QVERIFY(logo.save(m_dir.filePath(QStringLiteral("logo.png"))));
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
    QTest::newRow("no page at all") << QStringList{"render", "-", "-o", "x.png", "--max-pages", "0"}
                                    << "--max-pages: \"0\", expected a whole number from 1 to 100000";
    QTest::newRow("page length not a number") << QStringList{"render", "-", "-o", "x.png", "--max-page-length", "long"}
                                              << "--max-page-length: \"long\", expected a whole number from 1 to 10000";
    QTest::newRow("negative listing") << QStringList{"render", "-", "-o", "x.png", "--max-listed", "-1"}
                                      << "--max-listed: \"-1\", expected a whole number from 0 to 10000000";
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
    for (const char *option : {"--max-pages N", "--max-page-length MM", "--max-listed N"})
        QVERIFY2(help.out.contains(QLatin1String(option)), option);
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

// Input is read up to the limit of outside bytes, from a file as from a pipe
// that never ends; neither a picture nor a printer is touched.
void CliRenderTest::endlessInputIsRefused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("feeder"); // writes to standard input without end; empty: none

    const QString out = m_dir.filePath(QStringLiteral("endless.png"));
    QTest::newRow("render /dev/zero") << QStringList{"render", "/dev/zero", "-o", out} << QString();
    QTest::newRow("render endless pipe") << QStringList{"render", "-", "-o", out} << "yes";
    QTest::newRow("raw /dev/zero") << QStringList{"raw", "--tcp", "127.0.0.1", "/dev/zero"} << QString();
    QTest::newRow("raw endless pipe") << QStringList{"raw", "--tcp", "127.0.0.1", "-"} << "yes";
}

void CliRenderTest::endlessInputIsRefused()
{
#ifdef QM_CLI_BIN
    QFETCH(QStringList, args);
    QFETCH(QString, feeder);
    QProcess source;
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QM_LANGUAGE"), QStringLiteral("en_US"));
    cli.setProcessEnvironment(env);
    if (!feeder.isEmpty()) {
        source.setStandardOutputProcess(&cli);
        source.start(feeder, QStringList());
        QVERIFY(source.waitForStarted());
    }
    cli.start(QStringLiteral(QM_CLI_BIN), args);
    const bool ended = cli.waitForFinished(ProcessLimitMs);
    if (!ended)
        cli.kill();
    cli.waitForFinished();
    source.kill();
    source.waitForFinished();
    QVERIFY2(ended, "still reading when stopped");
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY2(err.contains(QLatin1String("too large (at most 16 MiB)")), qPrintable(err));
    QVERIFY(cli.readAllStandardOutput().isEmpty());
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("endless-1.png"))));
#endif
}

// Streams that cost memory, time or disk without end unless the renderer
// bounds them: the pictures written, the exit status, what the text output
// and the JSON report say.
void CliRenderTest::hostileStreamsStayBounded_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");  // a line of the text output
    QTest::addColumn<QString>("err");  // on standard error, or empty
    QTest::addColumn<QJsonObject>("fields"); // of the JSON report

    const int mb = 1024 * 1024;
    const QByteArray cut = hex("1D 56 00");
    QTest::newRow("1 MB of NUL bytes")
        << QByteArray(mb, '\0') << QStringList{} << 0 << 0 << "Nothing was printed" << QString()
        << QJsonObject{{"commands_total", mb}, {"commands_omitted", mb - 10000}, {"clipped_dots", 0},
                       {"page_limit_reached", false}, {"stopped_at", QJsonValue()}};
    QTest::newRow("603 bytes of feeds")
        << hex("1B 33 FF") + hex("1B 64 FF").repeated(200) << QStringList{} << 0 << 1 << "  3  ESC d  x200  12975000"
        << QString()
        << QJsonObject{{"clipped_dots", 12975000}, {"clipped_omitted", 199}, {"max_page_dots", 30000}, {"pages", QJsonArray()}};
    QTest::newRow("1 MB of line feeds") << QByteArray(mb, '\n') << QStringList{} << 0 << 1
                                        << "Paper past the page length of 30000 dots (3750 mm), left out "
                                           "(offset, command, times in a row, dots):"
                                        << QString() << QJsonObject{{"clipped_dots", (mb - 1000) * 30}};
    QTest::newRow("receipts past --max-pages")
        << (QByteArray("A\n") + cut).repeated(1000) << QStringList{"--max-pages", "5"} << 5 << 1 << QString()
        << "5 pictures drawn, the limit: nothing from offset 26 on (of 5000 bytes) was drawn; --max-pages raises the limit"
        << QJsonObject{{"page_limit_reached", true}, {"stopped_at", 26}, {"max_pages", 5}};
    QTest::newRow("a picture longer than --max-page-length")
        << hex("1D 76 30 00 01 00 58 02") + QByteArray(600, char(0xFF)) << QStringList{"--max-page-length", "50"} << 1
        << 1 << "  0  GS v 0  x1  200" << QString() << QJsonObject{{"max_page_dots", 400}, {"clipped_dots", 200}};
    QTest::newRow("undecoded bytes past --max-listed")
        << QByteArray(5000, '\x01') << QStringList{"--max-listed", "3"} << 0 << 1 << "  ... 4997 more not listed (--max-listed)"
        << QString() << QJsonObject{{"undecoded_omitted", 4997}, {"commands_omitted", 4997}, {"commands_total", 5000}};
}

void CliRenderTest::hostileStreamsStayBounded()
{
    QFETCH(QByteArray, stream);
    QFETCH(QStringList, options);
    QFETCH(int, pictures);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QJsonObject, fields);
    const QString folder = m_dir.filePath(QStringLiteral("bounded-") + QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')));
    QVERIFY(QDir().mkpath(folder));
    const QString input = folder + QStringLiteral("/stream.bin");
    writeFile(input, stream);

    const CliResult r = runCli(QStringList{QStringLiteral("render"), input, QStringLiteral("-o"), folder + QStringLiteral("/p.png")} + options);
    QVERIFY2(r.code == code, qPrintable(QStringLiteral("%1\n%2").arg(r.code).arg(r.err)));
    for (int i = 1; i <= pictures; ++i)
        QVERIFY2(QFile::exists(folder + QStringLiteral("/p-%1.png").arg(i)), qPrintable(r.out.left(2000)));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/p-%1.png").arg(pictures + 1)));
    if (!out.isEmpty())
        QVERIFY2(r.out.split(QLatin1Char('\n')).contains(out), qPrintable(r.out.left(2000)));
    if (err.isEmpty())
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    else
        QVERIFY2(r.err.contains(err), qPrintable(r.err));

    const CliResult j = runCli(QStringList{QStringLiteral("render"), input, QStringLiteral("-o"), folder + QStringLiteral("/j.png"),
                                           QStringLiteral("--json")} + options);
    QCOMPARE(j.code, code);
    const QJsonObject report = jsonOf(j);
    QCOMPARE(report.value(QStringLiteral("pages")).toArray().size(), pictures);
    for (auto it = fields.begin(); it != fields.end(); ++it)
        QVERIFY2(report.value(it.key()) == it.value(),
                 qPrintable(QStringLiteral("%1: %2").arg(it.key(), jsonValueText(report.value(it.key())))));
    // Each list holds at most --max-listed entries.
    const int maxListed = report.value(QStringLiteral("max_listed")).toInt();
    for (const char *list : {"commands", "undecoded", "unprinted", "clipped"})
        QVERIFY(report.value(QLatin1String(list)).toArray().size() <= maxListed);
}

void CliRenderTest::fileOverTwoGiBIsRefused()
{
    // A sparse file of 3 GiB: refused as too large, not "Nothing was printed".
    const QString input = m_dir.filePath(QStringLiteral("huge.bin"));
    QFile huge(input);
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(3LL * 1024 * 1024 * 1024));
    huge.close();
    const CliResult r = runCli({QStringLiteral("render"), input, QStringLiteral("-o"), m_dir.filePath(QStringLiteral("huge.png"))});
    QFile::remove(input);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QLatin1String("too large (at most 16 MiB)")), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("huge-1.png"))));
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
    QTest::addColumn<int>("pages");     // 0: any number
    QTest::addColumn<int>("paperDots"); // of every page
    QTest::newRow("raw bytes") << QStringList{"raw"} << QStringList{"-"} << QByteArray("two\nlines\n\x1dV\x01" "after\n") << 0
                               << QString() << 2 << 576;
    QTest::newRow("print verb") << QStringList{"print"} << QStringList{"Preview"} << QByteArray() << 0 << QString() << 1
                                << 576;
    QTest::newRow("58 mm receipt") << QStringList{"test-page"} << QStringList{"--receipt", "58"} << QByteArray() << 0
                                   << QString() << 1 << 384;
    QTest::newRow("80 mm receipt") << QStringList{"test-page"} << QStringList{"--receipt", "80"} << QByteArray() << 0
                                   << QString() << 1 << 576;
    // What the printer would keep, as it prints.
    QTest::newRow("stored logo") << QStringList{"logo"} << QStringList{m_dir.filePath("logo.png")} << QByteArray() << 0
                                 << QString() << 1 << 576;
    QTest::newRow("operation") << QStringList{"run"} << QStringList{"setPrintAndLineFeedClicked", "false", "run"}
                               << QByteArray() << 0 << QString() << 0 << 576;
    QTest::newRow("nothing printed") << QStringList{"beep"} << QStringList{} << QByteArray() << 1
                                     << QStringLiteral("Nothing to print: no picture was written") << 0 << 0;
    QTest::newRow("status has no preview") << QStringList{"status"} << QStringList{} << QByteArray() << 2
                                           << QStringLiteral("A preview does not answer status requests") << 0 << 0;
}

void CliRenderTest::previewDrawsWhatWouldBeSent()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, after);
    QFETCH(QByteArray, input);
    QFETCH(int, code);
    QFETCH(QString, message);
    QFETCH(int, pages);
    QFETCH(int, paperDots);
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
    if (pages > 0)
        QCOMPARE(files.size(), pages);
    for (const QString &file : files) {
        const QImage page(file);
        QCOMPARE(page.width(), paperDots);
        QVERIFY2(!InkBox::of(page, page.rect()).empty(), qPrintable(file));
    }
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

    // Every cut ends a picture; the line the library feeds after each cut is
    // blank paper, which makes no picture of its own.
    QStringList names;
    for (const QJsonValue &v : report.value(QStringLiteral("commands")).toArray())
        names << v.toObject().value(QStringLiteral("name")).toString();
    QCOMPARE(names.count(QStringLiteral("cut")), cuts);
    for (const QString &name : qAsConst(printed))
        QVERIFY2(names.contains(name), qPrintable(name));
    const QJsonArray pages = report.value(QStringLiteral("pages")).toArray();
    QCOMPARE(pages.size(), cuts);
    for (int i = 0; i < cuts; ++i) {
        const QImage picture(pages.at(i).toObject().value(QStringLiteral("file")).toString());
        QCOMPARE(picture.width(), widthMm == 58 ? 384 : 576);
        QVERIFY(!InkBox::of(picture).empty());
    }
#endif
}

QTEST_GUILESS_MAIN(CliRenderTest)
#include "tst_cli_render.moc"
