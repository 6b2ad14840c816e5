// The printer tasks of quillmark (beep, cut, drawer, print, feed, logo,
// barcode, qr, network, test-page, reset), each run as a process against the
// virtual printer on 127.0.71.1 (raw TCP, its web page, and a USB node), send
// what the window sends: every row names the verb's words and the operations
// the window's buttons call for the same task, and those operations run here
// on a manager whose transport records. Bad input is refused with exit status
// 2 before the printer is touched.

#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "commands/LogoCommands.h"
#include "commands/PictureOptions.h"
#include "support/RecordingManager.h"
#include "support/TestAppDir.h"

#include <QtTest>

#include <QImage>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

#if __has_include("VirtualPrinter.h") && defined(QM_CLI_BIN)
#define QM_HAVE_CLI_TEST 1
#include "VirtualPrinter.h"
#endif

namespace {
const QString PrinterAddress = QStringLiteral("127.0.71.1");
const QString PrinterModel = QStringLiteral("KVZ-L7N");
constexpr int ProcessLimitMs = 60000;
constexpr int ArrivalLimitMs = 5000;
// After a refused row: long enough for bytes that were sent to arrive.
constexpr int QuietMs = 300;

struct Operation
{
    QByteArray name;
    QVariantList args;
};
using Operations = QList<Operation>;

// The transport records what the builders hand it, and the network form too.
class ReferenceManager : public RecordingManager
{
public:
    using RecordingManager::RecordingManager;
    QList<QByteArray> forms;

protected:
    void postNetworkForm(const QString &, const QString &body) override { forms.append(body.toUtf8()); }
};

bool invoke(QObject *target, const Operation &op)
{
    QGenericArgument a[10];
    for (int i = 0; i < op.args.size() && i < 10; ++i)
        a[i] = QGenericArgument(op.args.at(i).typeName(), op.args.at(i).constData());
    return QMetaObject::invokeMethod(target, op.name.constData(), Qt::DirectConnection, a[0], a[1], a[2], a[3], a[4],
                                     a[5], a[6], a[7], a[8], a[9]);
}

Operation op(const char *name, const QVariantList &args = {})
{
    return Operation{QByteArray(name), args};
}
} // namespace

Q_DECLARE_METATYPE(Operations)

class CliVerbsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void verbsSendWhatTheWindowSends_data();
    void verbsSendWhatTheWindowSends();
    void logoConvertsAsAsked();

#ifdef QM_HAVE_CLI_TEST
private:
    struct Result
    {
        int code = -1;
        QString err;
    };
    Result runCli(const QStringList &args) const;
    // The bytes, forms and form count the window's operations give.
    void reference(const QString &link, const Operations &ops, QByteArray *bytes, QList<QByteArray> *forms);
    // Every connection to the raw port since seq has ended.
    bool tcpSettled(qint64 seq) const;
    int eventsSince(const QString &name, qint64 seq) const;

    TestAppDir m_app;
    QTemporaryDir m_dir;
    QTemporaryDir m_usbRoot;
    QString m_cli;
    QString m_logo;
    bool m_web = false;
    std::unique_ptr<VirtualPrinter> m_printer;
#endif
};

#ifdef QM_HAVE_CLI_TEST

void CliVerbsTest::initTestCase()
{
    qRegisterMetaType<CommType>();
    Logger::getInstance();
    ConfigManager::getInstance()->initialize();
    QVERIFY(m_dir.isValid() && m_usbRoot.isValid());
    // A copy of its own, so that its configuration (the test page and the
    // receipts are the defaults, as here) and its log land in this folder.
    m_cli = m_dir.filePath(QStringLiteral("quillmark"));
    QVERIFY(QFile::copy(QStringLiteral(QM_CLI_BIN), m_cli));
    QFile::setPermissions(m_cli, QFile::permissions(m_cli) | QFile::ExeOwner);

    QImage logo(40, 16, QImage::Format_RGB32);
    logo.fill(Qt::white);
    for (int x = 0; x < 40; x += 3)
        for (int y = 0; y < 16; ++y)
            logo.setPixel(x, y, qRgb(0, 0, 0));
    m_logo = m_dir.filePath(QStringLiteral("logo.png"));
    QVERIFY(logo.save(m_logo));

    VirtualPrinterOptions o;
    o.address = PrinterAddress;
    o.model = PrinterModel;
    o.httpPort = VirtualPrinterOptions::DefaultHttpPort; // the model for the network form (root only)
    // The network form carries the printer's MAC address: on loopback only
    // its NetBIOS answer tells it (root only, as the web page).
    o.netbiosPort = VirtualPrinterOptions::DefaultNetbiosPort;
    o.usbSysfsRoot = m_usbRoot.path();
    m_printer = std::make_unique<VirtualPrinter>(o);
    QString error;
    m_printer->start(&error);
    QVERIFY2(m_printer->rawPort() == 9100, qPrintable(m_printer->serviceLines().join('\n')));
    QVERIFY(!m_printer->usbNodePath().isEmpty());
    m_web = m_printer->httpPort() != 0;
}

void CliVerbsTest::cleanupTestCase()
{
    m_printer.reset();
}

CliVerbsTest::Result CliVerbsTest::runCli(const QStringList &args) const
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QM_LANGUAGE"), QStringLiteral("en_US"));
    env.insert(QStringLiteral("QM_USB_SYSFS_ROOT"), m_usbRoot.path());
    p.setProcessEnvironment(env);
    p.start(m_cli, args);
    if (!p.waitForStarted())
        return {};
    p.closeWriteChannel();
    if (!p.waitForFinished(ProcessLimitMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

void CliVerbsTest::reference(const QString &link, const Operations &ops, QByteArray *bytes, QList<QByteArray> *forms)
{
    ReferenceManager manager(link == QLatin1String("usb") ? CommType::Usb : CommType::Tcp);
    // As the window connects to a printer its search found.
    QVERIFY(manager.connectDevice(PrinterModel, PrinterAddress, QStringLiteral("00:11:22:33:44:55"), QString()));
    for (const Operation &o : ops)
        QVERIFY2(invoke(&manager, o), o.name.constData());
    *bytes = manager.allWritten();
    *forms = manager.forms;
}

int CliVerbsTest::eventsSince(const QString &name, qint64 seq) const
{
    int n = 0;
    for (const QJsonObject &e : m_printer->events(name))
        n += e.value(QStringLiteral("seq")).toVariant().toLongLong() > seq;
    return n;
}

bool CliVerbsTest::tcpSettled(qint64 seq) const
{
    return eventsSince(QStringLiteral("client_disconnected"), seq)
           == eventsSince(QStringLiteral("client_connected"), seq);
}

void CliVerbsTest::verbsSendWhatTheWindowSends_data()
{
    QTest::addColumn<QStringList>("args");  // without the target
    QTest::addColumn<QString>("link");      // tcp or usb
    QTest::addColumn<Operations>("window"); // what the window's buttons call
    QTest::addColumn<QString>("hex");       // known bytes where short; empty: not checked
    QTest::addColumn<QString>("refusal");   // exit status 2 with this text; nothing is sent

    const QString tcp = QStringLiteral("tcp");
    const QString usb = QStringLiteral("usb");
    const QString none;
    auto row = [&](const char *name, const QStringList &args, const QString &link, const Operations &ops,
                   const QString &hex = QString()) { QTest::newRow(name) << args << link << ops << hex << none; };
    auto refused = [&](const char *name, const QStringList &args, const QString &message) {
        QTest::newRow(name) << args << tcp << Operations{} << QString() << message;
    };

    row("beep", {"beep", "--times", "2", "--duration", "3"}, tcp, {op("setBuzzerClicked", {2, 3})}, "1b 42 02 03 00");
    row("beep, defaults", {"beep"}, tcp, {op("setBuzzerClicked", {1, 1})}, "1b 42 01 01 00");
    row("cut", {"cut"}, tcp, {op("setCutClicked", {1, 0})});
    row("cut --partial", {"cut", "--partial"}, tcp, {op("setCutClicked", {2, 0})});
    row("cut --feed", {"cut", "--feed=40"}, tcp, {op("setCutClicked", {3, 40})});
    row("drawer, defaults", {"drawer"}, tcp, {op("setControlPulseClicked", {1, 50, 250})}, "1b 70 00 32 fa");
    row("drawer pin 5", {"drawer", "--pin", "5", "--on", "20", "--off", "300"}, tcp,
        {op("setControlPulseClicked", {2, 10, 150})});
    row("print", {"print", "Hello", "world"}, tcp,
        {op("setCodePageClicked", {QStringLiteral("GBK")}),
         op("setPrintAndLineFeedClicked", {false, QStringLiteral("Hello world")})},
        "48 65 6c 6c 6f 20 77 6f 72 6c 64 0a");
    row("print Chinese in GBK", {"print", QString::fromUtf8("中文")}, tcp,
        {op("setCodePageClicked", {QStringLiteral("GBK")}),
         op("setPrintAndLineFeedClicked", {false, QString::fromUtf8("中文")})},
        "d6 d0 ce c4 0a");
    row("print --codepage CP437", {"print", "--codepage", "CP437", QString::fromUtf8("Ünïcode")}, tcp,
        {op("setCodePageClicked", {QStringLiteral("CP437")}),
         op("setPrintAndLineFeedClicked", {false, QString::fromUtf8("Ünïcode")})});
    row("feed", {"feed", "3"}, tcp, {op("setPrintAndPaperFeedLineClicked", {true, QString(), 3})}, "1b 64 03");
    row("feed over USB", {"feed", "3"}, usb, {op("setPrintAndPaperFeedLineClicked", {true, QString(), 3})},
        "1b 64 03");
    row("logo", {"logo", "@logo"}, tcp,
        {op("setLoadClickedMultiple", {QStringList{"@logo"}}), op("setPrintClicked")});
    row("barcode upc-a", {"barcode", "upc-a", "12345678901"}, tcp,
        {op("setPrintUPCAClicked", {QStringLiteral("12345678901")})});
    row("barcode ean13", {"barcode", "EAN13", "4006381333931"}, tcp,
        {op("setPrintJAN13Clicked", {QStringLiteral("4006381333931")})});
    row("barcode ean8", {"barcode", "jan8", "9638507"}, tcp, {op("setPrintJAN8Clicked", {QStringLiteral("9638507")})});
    row("barcode upc-e", {"barcode", "upce", "0123456"}, tcp, {op("setPrintUPCEClicked", {QStringLiteral("0123456")})});
    row("barcode code39", {"barcode", "code39", "ABC-123 $"}, tcp,
        {op("setPrintCODE39Clicked", {QStringLiteral("ABC-123 $")})});
    row("barcode itf", {"barcode", "itf", "123456"}, tcp, {op("setPrintITFClicked", {QStringLiteral("123456")})});
    row("barcode codabar", {"barcode", "codabar", "A12$B"}, tcp,
        {op("setPrintCODABARClicked", {QStringLiteral("A12$B")})});
    row("barcode code93", {"barcode", "code93", "Ab 1"}, tcp, {op("setPrintCODE93Clicked", {QStringLiteral("Ab 1")})});
    // The CODE128 dialog in manual mode hands the page the values of code set B.
    row("barcode code128", {"barcode", "code128", "AB12"}, tcp,
        {op("setPrintCODE128Clicked", {QStringLiteral("123, 66, 65, 66, 49, 50")})},
        "1d 6b 49 06 7b 42 41 42 31 32");
    row("qr", {"qr", "--size", "4", "--level", "h", "https://example.com/a b"}, tcp,
        {op("set2dBarCodeTypeClicked", {QStringLiteral("QR_CODE")}),
         op("setQRCodeClicked", {4, 3, QStringLiteral("https://example.com/a b")})});
    row("qr, defaults", {"qr", "Quillmark"}, tcp,
        {op("set2dBarCodeTypeClicked", {QStringLiteral("QR_CODE")}),
         op("setQRCodeClicked", {8, 1, QStringLiteral("Quillmark")})});
    // The TCP page's defaults: beep and cutter on, beep type Hold, Chinese, density 2.
    row("network", {"network", "--ip", PrinterAddress, "--mask", "255.0.0.0", "--gateway", "127.0.0.254"}, tcp,
        {op("setNetworkClicked", {PrinterAddress, QStringLiteral("255.0.0.0"), QStringLiteral("127.0.0.254"), 0, 1, 1,
                                  0, 1, 2})});
    row("network --dhcp", {"network", "--dhcp"}, tcp,
        {op("setNetworkClicked", {QStringLiteral("192.168.1.149"), QStringLiteral("255.255.255.0"),
                                  QStringLiteral("192.168.1.1"), 1, 1, 1, 0, 1, 2})});
    row("network over USB", {"network", "--ip", "192.168.1.200", "--mask", "255.255.255.0", "--gateway", "192.168.1.1"},
        usb,
        {op("setNetworkClicked", {QStringLiteral("192.168.1.200"), QStringLiteral("255.255.255.0"),
                                  QStringLiteral("192.168.1.1"), 0, 0, 0, 0, 0, 0})},
        "1f 69 c0 a8 01 c8 1f 25 00 ff ff ff 00 1f 25 01 c0 a8 01 01");
    row("test-page", {"test-page"}, tcp, {op("setTestPrintTestPageClicked")});
    row("test-page 58", {"test-page", "--receipt", "58"}, tcp, {op("setTestPrint58ReceiptsClicked")});
    row("test-page 80", {"test-page", "--receipt=80"}, tcp, {op("setTestPrint80ReceiptsClicked")});
    row("test-page code pages", {"test-page", "--codepages", "0,28,255"}, tcp,
        {op("setTestPrintCodePagesClicked", {QVariant::fromValue(QList<int>{0, 28, 255})})});
    row("reset", {"reset"}, tcp, {op("setInitMachineClicked")}, "1b 40");

    refused("barcode too short", {"barcode", "upc-a", "123"}, "Invalid UPC-A barcode data: Please enter 11 or 12 digits");
    refused("barcode letters in EAN-13", {"barcode", "ean13", "40063813339x1"},
            "Invalid JAN13(EAN13) barcode data: Only digits can be entered");
    refused("barcode lower case in CODE39", {"barcode", "code39", "abc"},
            "Invalid CODE39 barcode data: Contains invalid characters");
    refused("barcode odd ITF", {"barcode", "itf", "12345"},
            "Invalid ITF barcode data: Please enter an even number of digits");
    refused("barcode non-ASCII CODE128", {"barcode", "code128", QString::fromUtf8("Straße")},
            "Invalid CODE128 barcode data: Contains invalid characters");
    refused("barcode without data", {"barcode", "ean8"}, "Missing DATA");
    refused("barcode of no type", {"barcode", "qrcode", "1"}, "Unknown barcode type: qrcode (available: upc-a,");
    refused("address of three parts", {"network", "--ip", "192.168.1", "--mask", "255.255.255.0", "--gateway", "192.168.1.1"},
            "--ip is not an IPv4 address: \"192.168.1\"");
    refused("mask over 255", {"network", "--ip", "192.168.1.9", "--mask", "255.256.0.0", "--gateway", "192.168.1.1"},
            "--mask is not an IPv4 address: \"255.256.0.0\"");
    refused("hexadecimal gateway", {"network", "--ip", "192.168.1.9", "--mask", "255.255.0.0", "--gateway", "0xc0.168.1.1"},
            "--gateway is not an IPv4 address");
    refused("network without mask", {"network", "--ip", "192.168.1.9", "--gateway", "192.168.1.1"},
            "Missing --mask (or use --dhcp)");
    refused("dhcp and an address", {"network", "--dhcp", "--ip", "192.168.1.9"},
            "--dhcp cannot be used together with --ip");
    refused("network over serial", {"network", "--serial", "/dev/null", "--dhcp"},
            "Network settings can only be sent with --tcp or --usb");
    refused("missing value", {"beep", "--times"}, "--times needs a value");
    refused("beep out of range", {"beep", "--times", "10"}, "Invalid value for --times: \"10\", expected a whole number from 1 to 9");
    refused("beep not a number", {"beep", "--duration=two"}, "Invalid value for --duration: \"two\"");
    refused("cut feed out of range", {"cut", "--feed", "256"}, "Invalid value for --feed: \"256\"");
    refused("drawer pin 3", {"drawer", "--pin", "3"}, "Invalid value for --pin: \"3\", expected one of 2, 5");
    refused("drawer pulse too long", {"drawer", "--on", "600"}, "Invalid value for --on: \"600\"");
    refused("print nothing", {"print"}, "Missing TEXT");
    refused("print empty", {"print", ""}, "The text cannot be empty");
    refused("print in no code page", {"print", "--codepage", "KLINGON", "x"}, "Unknown code page: KLINGON");
    refused("print what no code page carries", {"print", QString::fromUtf8("Tea \xF0\x9F\x8D\xB5")},
            QString::fromUtf8("The following characters cannot be encoded in GBK: \xF0\x9F\x8D\xB5"));
    refused("feed without lines", {"feed"}, "Missing LINES");
    refused("feed too far", {"feed", "256"}, "Invalid value for LINES: \"256\"");
    refused("logo dither unknown", {"logo", "--dither", "halftone", "@logo"},
            "Invalid value for --dither: \"halftone\", expected one of threshold, floyd-steinberg, atkinson, bayer");
    refused("logo too wide", {"logo", "--width", "4096", "@logo"}, "Invalid value for --width: \"4096\", expected 8 to 2040 dots");
    refused("logo that is no picture", {"logo", "@cli"}, "Cannot be used as a picture: @cli");
    refused("eight logos", {"logo", "@logo", "@logo", "@logo", "@logo", "@logo", "@logo", "@logo", "@logo"},
            "Unexpected argument: @logo");
    refused("qr too large", {"qr", "--size", "9", "x"}, "Invalid value for --size: \"9\"");
    refused("qr level", {"qr", "--level", "X", "x"}, "Invalid value for --level: \"X\", expected one of L, M, Q, H");
    refused("test-page 60", {"test-page", "--receipt", "60"}, "Invalid value for --receipt: \"60\", expected one of 58, 76, 80");
    refused("code page out of range", {"test-page", "--codepages", "0,256"},
            "Invalid value for --codepages: \"0,256\", expected code page numbers 0 to 255 separated by commas");
    refused("code pages and a receipt", {"test-page", "--codepages", "3", "--receipt", "58"},
            "--codepages and --receipt cannot be used together");
    refused("reset with a word", {"reset", "now"}, "Unexpected argument: now");
    refused("unknown option", {"reset", "--hard"}, "Unknown option: --hard");
}

void CliVerbsTest::verbsSendWhatTheWindowSends()
{
    QFETCH(QStringList, args);
    QFETCH(QString, link);
    QFETCH(Operations, window);
    QFETCH(QString, hex);
    QFETCH(QString, refusal);

    // Files named by placeholders.
    for (QString &a : args)
        a.replace(QLatin1String("@logo"), m_logo).replace(QLatin1String("@cli"), m_cli);
    refusal.replace(QLatin1String("@logo"), m_logo).replace(QLatin1String("@cli"), m_cli);
    for (Operation &o : window) {
        for (QVariant &v : o.args) {
            if (v.userType() == QMetaType::QStringList)
                v = QStringList{m_logo};
        }
    }
    const bool network = args.first() == QLatin1String("network");
    if (network && link == QLatin1String("tcp") && refusal.isEmpty() && !m_web)
        QSKIP("the printer's web page needs port 80 (root): the network form needs the model from it");

    QStringList target;
    if (!args.contains(QLatin1String("--serial")))
        target = link == QLatin1String("usb") ? QStringList{"--usb", m_printer->usbNodePath()}
                                              : QStringList{"--tcp", PrinterAddress};
    const QStringList words = QStringList{args.first()} + target + args.mid(1);

    m_printer->clearReceivedBytes();
    const int formsBefore = m_printer->recordedForms().size();
    const qint64 seq = m_printer->lastEventSeq();
    const Result r = runCli(words);

    if (!refusal.isEmpty()) {
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.startsWith(refusal), qPrintable(r.err));
        QTest::qWait(QuietMs);
        QCOMPARE(eventsSince(QStringLiteral("client_connected"), seq), 0);
        QCOMPARE(m_printer->receivedBytes(), QByteArray());
        QCOMPARE(m_printer->recordedForms().size(), formsBefore);
        return;
    }
    QVERIFY2(r.code == 0, qPrintable(QStringLiteral("exit %1: %2").arg(r.code).arg(r.err)));
    QCOMPARE(r.err, QString());

    QByteArray expected;
    QList<QByteArray> expectedForms;
    reference(link, window, &expected, &expectedForms);
    if (!hex.isEmpty())
        QCOMPARE(QString::fromLatin1(expected.toHex(' ')), hex);
    if (link == QLatin1String("tcp")) {
        QTRY_VERIFY_WITH_TIMEOUT(tcpSettled(seq), ArrivalLimitMs);
        QCOMPARE(m_printer->receivedBytes(QStringLiteral("tcp")), expected);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(m_printer->receivedBytes(QStringLiteral("usb")).size(), expected.size(), ArrivalLimitMs);
        QCOMPARE(m_printer->receivedBytes(QStringLiteral("usb")), expected);
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_printer->recordedForms().mid(formsBefore), expectedForms, ArrivalLimitMs);
    if (network && link == QLatin1String("tcp"))
        QCOMPARE(expectedForms.size(), 1);
    else
        QVERIFY(!expected.isEmpty());
}

#else

void CliVerbsTest::initTestCase() { QSKIP("the virtual printer or quillmark is not part of the build"); }
void CliVerbsTest::cleanupTestCase() {}
void CliVerbsTest::verbsSendWhatTheWindowSends_data() {}
void CliVerbsTest::verbsSendWhatTheWindowSends() {}

#endif

// logo --dither and --width: the logo bytes are those of that method and width.
void CliVerbsTest::logoConvertsAsAsked()
{
    m_printer->clearReceivedBytes();
    const qint64 seq = m_printer->lastEventSeq();
    const Result r = runCli({"logo", "--tcp", PrinterAddress, "--dither", "Atkinson", "--width", "64", m_logo});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    PictureOptions atkinson;
    atkinson.method = PictureOptions::Atkinson;
    const QByteArray logo = LogoCommands::defineLogos(
        {m_logo}, 64, ConfigManager::getInstance()->getLogoMaxHeight(), atkinson);
    QVERIFY(!logo.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(tcpSettled(seq), ArrivalLimitMs);
    QVERIFY(m_printer->receivedBytes(QStringLiteral("tcp")).startsWith(logo));
}

QTEST_MAIN(CliVerbsTest)
#include "tst_cli_verbs.moc"
