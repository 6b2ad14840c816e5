// quillmark, the command line, run as a separate process against the virtual
// printer on 127.0.70.x (raw TCP) and on its serial pty: output, JSON, exit
// statuses and the messages for bad input and lost printers.

#include "device/CommunicationInterface.h"
#include "support/cli_Run.h"

#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#if __has_include("VirtualPrinter.h") && defined(QM_CLI_BIN)
#define QM_HAVE_CLI_TEST 1
#include "VirtualPrinter.h"
#endif

namespace {
const QString PrinterAddress = QStringLiteral("127.0.70.1");
const QString VanishingAddress = QStringLiteral("127.0.70.2");
const QString NobodyAddress = QStringLiteral("127.0.70.99"); // nothing listens here
constexpr int ProcessLimitMs = 60000;
} // namespace

class CliCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void usageAndHelp_data();
    void usageAndHelp();
    void opsFollowTheMetaObject();
    void runSendsTheCommand_data();
    void runSendsTheCommand();
    void runRefusesBadInput_data();
    void runRefusesBadInput();
    void badInputSendsNothing_data();
    void badInputSendsNothing();
    void unreachablePrinterExitsThree();
    void statusDecodesAndSetsTheExitStatus_data();
    void statusDecodesAndSetsTheExitStatus();
    void statusOverTheSerialLine();
    void scriptRunsLineByLine();
    void scriptWithABadLineSendsNothing_data();
    void scriptWithABadLineSendsNothing();
    void scriptStopsWhenThePrinterVanishes();
    void rawSendsTheFileUnchanged_data();
    void rawSendsTheFileUnchanged();
    void scanFindsThePrinter();
    void installedCopyUsesXdgFoldersAndNamesTheLpGroup();
    void messagesFollowTheLanguage_data();
    void messagesFollowTheLanguage();
    void deniedSerialPortNamesTheDialoutGroup();
    void emptyUsbListSaysSo();
    void fullDiskNamesTheReason_data();
    void fullDiskNamesTheReason();

#ifdef QM_HAVE_CLI_TEST
private:
    CliResult runCli(const QStringList &args, const QByteArray &input = QByteArray(),
                     const QString &workingDirectory = QString()) const;
    // Hexadecimal of the commands the printer decoded from source after seq;
    // over TCP once the connection that carried them has ended.
    QStringList commandsSince(VirtualPrinter *printer, qint64 seq, const QString &source = QStringLiteral("tcp")) const;
    QString logText() const;

    QTemporaryDir m_dir;
    QString m_cli;
    std::unique_ptr<VirtualPrinter> m_printer;
#endif
};

#ifdef QM_HAVE_CLI_TEST

void CliCommandsTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // A copy of its own, so the configuration and the log land in this folder.
    m_cli = m_dir.filePath(QStringLiteral("quillmark"));
    QVERIFY(QFile::copy(QStringLiteral(QM_CLI_BIN), m_cli));
    QFile::setPermissions(m_cli, QFile::permissions(m_cli) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);

    VirtualPrinterOptions o;
    o.address = PrinterAddress;
    // The model and the MAC address for the search (ports 80 and 137: root only).
    o.httpPort = VirtualPrinterOptions::DefaultHttpPort;
    o.netbiosPort = VirtualPrinterOptions::DefaultNetbiosPort;
    o.mac = QByteArray::fromHex("001122334455");
    o.serialPath = m_dir.filePath(QStringLiteral("ttyVP"));
    m_printer = std::make_unique<VirtualPrinter>(o);
    QString error;
    QVERIFY2(m_printer->start(&error), qPrintable(error));
    QVERIFY(m_printer->rawPort() == 9100);
}

void CliCommandsTest::cleanupTestCase()
{
    m_printer.reset();
}

CliResult CliCommandsTest::runCli(const QStringList &args, const QByteArray &input, const QString &workingDirectory) const
{
    return runQuillmark(m_cli, args, input, workingDirectory, ProcessLimitMs);
}

QStringList CliCommandsTest::commandsSince(VirtualPrinter *printer, qint64 seq, const QString &source) const
{
    if (source == QLatin1String("tcp"))
        printer->waitForEvent(QStringLiteral("client_disconnected"), 5000, seq);
    QStringList hex;
    for (const QJsonObject &e : printer->events()) {
        if (e.value(QStringLiteral("seq")).toVariant().toLongLong() > seq
            && e.value(QStringLiteral("source")).toString() == source
            && e.value(QStringLiteral("kind")).toString() == QLatin1String("command"))
            hex.append(e.value(QStringLiteral("hex")).toString());
    }
    return hex;
}

QString CliCommandsTest::logText() const
{
    QString all;
    const QDir logs(m_dir.filePath(QStringLiteral("LogFile")));
    for (const QString &name : logs.entryList({QStringLiteral("*.log")}, QDir::Files, QDir::Name)) {
        QFile f(logs.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            all += QString::fromUtf8(f.readAll());
    }
    return all;
}

void CliCommandsTest::usageAndHelp_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("nothing") << QStringList{} << 2 << QString() << QStringLiteral("Usage: quillmark COMMAND");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << QStringLiteral("Exit status:") << QString();
    QTest::newRow("run --help") << QStringList{"run", "--help"} << 0 << QStringLiteral("--script FILE") << QString();
    QTest::newRow("run TARGET --help") << QStringList{"run", "--tcp", "127.0.70.1", "--help"} << 0
                                       << QStringLiteral("--script FILE") << QString();
    QTest::newRow("-h as an argument") << QStringList{"run", "--tcp", "127.0.70.99", "setPrintAndLineFeedClicked", "0", "-h"}
                                       << 3 << QString() << QStringLiteral("Failed to connect to host IP: 127.0.70.99");
    QTest::newRow("status --help") << QStringList{"status", "--tcp", "1.2.3.4", "--help"} << 0
                                   << QStringLiteral("Usage: quillmark status") << QString();
    QTest::newRow("--version") << QStringList{"--version"} << 0 << QStringLiteral("quillmark 1.") << QString();
    QTest::newRow("unknown command") << QStringList{"printall"} << 2 << QString() << QStringLiteral("Unknown command: printall");
    QTest::newRow("run without target") << QStringList{"run", "setInitMachineClicked"} << 2 << QString()
                                        << QStringLiteral("Missing target: --tcp, --usb, --serial or --queue");
    QTest::newRow("run without operation") << QStringList{"run", "--tcp", "127.0.70.1"} << 2 << QString()
                                           << QStringLiteral("Missing operation");
    QTest::newRow("two targets") << QStringList{"status", "--tcp", "127.0.70.1", "--serial", "/dev/null"} << 2
                                 << QString() << QStringLiteral("Only one target may be given: --serial");
    QTest::newRow("target without value") << QStringList{"status", "--tcp"} << 2 << QString()
                                          << QStringLiteral("--tcp needs a value");
    QTest::newRow("status of a queue") << QStringList{"status", "--queue", "Q"} << 2 << QString()
                                       << QStringLiteral("A printer queue does not answer status requests");
    QTest::newRow("bad segment") << QStringList{"scan", "--segment", "300.1.2."} << 2 << QString()
                                 << QStringLiteral("Invalid segment: 300.1.2.");
    QTest::newRow("list what") << QStringList{"list", "printers"} << 2 << QString()
                               << QStringLiteral("Say what to list: usb, serial or queues");
    QTest::newRow("raw without file") << QStringList{"raw", "--tcp", "127.0.70.1"} << 2 << QString()
                                      << QStringLiteral("Missing file");
    QTest::newRow("raw unreadable") << QStringList{"raw", "--tcp", "127.0.70.1", "/nonexistent/job.bin"} << 2
                                    << QString() << QStringLiteral("Cannot read the file /nonexistent/job.bin");
}

void CliCommandsTest::usageAndHelp()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const CliResult r = runCli(args);
    QCOMPARE(r.code, code);
    QVERIFY2(r.out.contains(out), qPrintable(r.out));
    QVERIFY2(r.err.contains(err), qPrintable(r.err));
    // No colour: standard output is no terminal here.
    QVERIFY(!r.out.contains(QLatin1Char('\033')) && !r.err.contains(QLatin1Char('\033')));
}

void CliCommandsTest::opsFollowTheMetaObject()
{
    const CliResult r = runCli({"ops", "--json"});
    QCOMPARE(r.code, 0);
    const QJsonArray ops = QJsonDocument::fromJson(r.out.toUtf8()).array();

    // Every invokable of the command API, in declaration order, with its parameters.
    const QMetaObject &meta = CommunicationInterface::staticMetaObject;
    QStringList expected;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        if (meta.method(i).methodType() == QMetaMethod::Method)
            expected.append(QString::fromLatin1(meta.method(i).name()));
    }
    QStringList names;
    for (const QJsonValue &v : ops)
        names.append(v.toObject().value(QStringLiteral("name")).toString());
    QCOMPARE(names, expected);
    QCOMPARE(names.size(), 125);

    QJsonObject network;
    for (const QJsonValue &v : ops) {
        if (v.toObject().value(QStringLiteral("name")).toString() == QLatin1String("setNetworkClicked"))
            network = v.toObject();
    }
    const QJsonArray params = network.value(QStringLiteral("parameters")).toArray();
    QCOMPARE(params.size(), 9);
    QCOMPARE(params.at(0).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("editIP"));
    QCOMPARE(params.at(0).toObject().value(QStringLiteral("type")).toString(), QStringLiteral("QString"));
    QCOMPARE(params.at(8).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("m_density"));
    QCOMPARE(params.at(8).toObject().value(QStringLiteral("type")).toString(), QStringLiteral("int"));

    const CliResult text = runCli({"ops"});
    QVERIFY(text.out.contains(QStringLiteral(
        "\nsetBuzzerClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval)\n")));
    QVERIFY(text.out.startsWith(QStringLiteral(
        "connectDevice(QString name, QString ip, QString mac, QString devPath) -> bool\n")));
}

void CliCommandsTest::runSendsTheCommand_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("hex");
    QTest::newRow("buzzer") << QStringList{"setBuzzerClicked", "3", "5"} << QStringList{"1b 42 03 05", "00"};
    QTest::newRow("hexadecimal int") << QStringList{"setBuzzerClicked", "0x03", "0X05"} << QStringList{"1b 42 03 05", "00"};
    QTest::newRow("initialise") << QStringList{"setInitMachineClicked"} << QStringList{"1b 40"};
    QTest::newRow("bool as word") << QStringList{"setHanziModeClicked", "on"} << QStringList{"1c 26"};
    QTest::newRow("bool as digit") << QStringList{"setHanziModeClicked", "0"} << QStringList{"1c 2e"};
}

void CliCommandsTest::runSendsTheCommand()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, hex);
    const qint64 seq = m_printer->lastEventSeq();
    const CliResult r = runCli(QStringList{"run", "--tcp", PrinterAddress} + args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.out, QString());
    QCOMPARE(commandsSince(m_printer.get(), seq), hex);
}

void CliCommandsTest::runRefusesBadInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown operation") << QStringList{"setBuzzer", "3", "5"}
                                       << QStringLiteral("Unknown operation: setBuzzer (quillmark ops lists them all)");
    QTest::newRow("too few") << QStringList{"setBuzzerClicked", "3"}
                             << QStringLiteral("Operation setBuzzerClicked takes 2 arguments, got 1; parameters: "
                                               "setBuzzerClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval)");
    QTest::newRow("not a number") << QStringList{"setBuzzerClicked", "three", "5"}
                                  << QStringLiteral("Invalid value for parameter spinBuzzerAlarmTimes (int): \"three\", "
                                                    "expected an integer, such as 3 or 0x1B; parameters: "
                                                    "setBuzzerClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval)");
    QTest::newRow("not a flag") << QStringList{"setHanziModeClicked", "maybe"}
                                << QStringLiteral("Invalid value for parameter checkHanziMode (bool): \"maybe\"");
    QTest::newRow("bad list item") << QStringList{"setClearAllCustomCharClicked", "32,x"}
                                   << QStringLiteral("Invalid value for parameter hexValue (QList<int>): \"32,x\"");
}

void CliCommandsTest::runRefusesBadInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const qint64 seq = m_printer->lastEventSeq();
    const CliResult r = runCli(QStringList{"run", "--tcp", PrinterAddress} + args);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    // Refused before the printer was touched, and written to the log with the same text.
    QVERIFY(m_printer->events(QStringLiteral("client_connected")).isEmpty()
            || m_printer->events(QStringLiteral("client_connected")).last().value(QStringLiteral("seq")).toVariant().toLongLong() <= seq);
    QVERIFY(logText().contains(QStringLiteral("[ERROR] ") + message));
}

void CliCommandsTest::badInputSendsNothing_data()
{
    // In the words: %FILE a file with text in it, %DIR a folder, %TTY the
    // printer's serial pty, %A the printer's address.
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QString notADevice = QStringLiteral("%1 is not a device node (expected a character device such as "
                                              "/dev/usb/lp0 or /dev/ttyUSB0)");
    QTest::newRow("print to a file as USB node") << QStringList{"print", "--usb", "%FILE", "hi"} << notADevice.arg("%FILE");
    QTest::newRow("raw to a file as USB node") << QStringList{"raw", "--usb", "%FILE", "%FILE"} << notADevice.arg("%FILE");
    QTest::newRow("status of a file") << QStringList{"status", "--usb", "%FILE"} << notADevice.arg("%FILE");
    QTest::newRow("run on a folder as serial line")
        << QStringList{"run", "--serial", "%DIR", "setInitMachineClicked"} << notADevice.arg("%DIR");
    QTest::newRow("file as serial line with speed")
        << QStringList{"print", "--serial", "%FILE:9600", "hi"} << notADevice.arg("%FILE");
    const QString noAddress = QStringLiteral("--tcp is not an IPv4 address: \"%1\" (expected four numbers from 0 to 255, "
                                             "such as 192.168.1.100)");
    for (const char *address : {"999.1.1.1", "127.0.0", "printer.local", "127.0.0.1:9100"})
        QTest::addRow("address %s", address) << QStringList{"print", "--tcp", address, "hi"} << noAddress.arg(address);
    QTest::newRow("speed is no number") << QStringList{"print", "--serial", "%TTY:abc", "hi"}
                                        << QStringLiteral("Invalid speed for --serial: \"abc\", expected one of "
                                                          "1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200");
    QTest::newRow("speed the port has not") << QStringList{"print", "--serial", "%TTY:1234", "hi"}
                                            << QStringLiteral("Invalid speed for --serial: \"1234\"");
    QTest::newRow("wrong EAN-13 check digit") << QStringList{"barcode", "--tcp", "%A", "ean13", "4006381333932"}
                                              << QStringLiteral("Invalid JAN13(EAN13) barcode data: The check digit should be 1");
    QTest::newRow("wrong UPC-A check digit") << QStringList{"barcode", "--tcp", "%A", "upc-a", "123456789013"}
                                             << QStringLiteral("Invalid UPC-A barcode data: The check digit should be 2");
    QTest::newRow("beep too often") << QStringList{"beep", "--tcp", "%A", "--times", "99999"}
                                    << QStringLiteral("Invalid value for --times: \"99999\", expected a whole number from 1 to 9");
    QTest::newRow("run beeps too often") << QStringList{"run", "--tcp", "%A", "setBuzzerClicked", "999", "1"}
                                         << QStringLiteral("Value out of range for parameter spinBuzzerAlarmTimes (int): "
                                                           "\"999\", expected 1 to 9; parameters: setBuzzerClicked(");
    QTest::newRow("run with a cut mode the page has not")
        << QStringList{"run", "--tcp", "%A", "setCutClicked", "7", "0"}
        << QStringLiteral("Value out of range for parameter cutMode (int): \"7\", expected 1 to 3");
    QTest::newRow("run with a drawer pulse over a byte")
        << QStringList{"run", "--tcp", "%A", "setControlPulseClicked", "1", "0x100", "0"}
        << QStringLiteral("Value out of range for parameter spinHighTime (int): \"0x100\", expected 0 to 255");
}

void CliCommandsTest::badInputSendsNothing()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const QString file = m_dir.filePath(QStringLiteral("notes.txt"));
    const QByteArray text("root:x:0:0:root:/root:/bin/bash\n");
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    const auto fill = [&](QString word) {
        return word.replace(QLatin1String("%FILE"), file)
            .replace(QLatin1String("%DIR"), m_dir.path())
            .replace(QLatin1String("%TTY"), m_dir.filePath(QStringLiteral("ttyVP")))
            .replace(QLatin1String("%A"), PrinterAddress);
    };
    for (QString &word : args)
        word = fill(word);
    message = fill(message);
    const qint64 seq = m_printer->lastEventSeq();
    const CliResult r = runCli(args);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    // Nothing reached the printer or the file.
    QTest::qWait(100);
    for (const QJsonObject &e : m_printer->events()) {
        if (e.value(QStringLiteral("seq")).toVariant().toLongLong() > seq)
            QFAIL(qPrintable(QStringLiteral("the printer saw %1").arg(QString::fromUtf8(QJsonDocument(e).toJson()))));
    }
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), text);
}

void CliCommandsTest::unreachablePrinterExitsThree()
{
    const CliResult run = runCli({"run", "--tcp", NobodyAddress, "setInitMachineClicked"});
    QCOMPARE(run.code, 3);
    // The failure says why.
    QCOMPARE(run.err.trimmed(), QStringLiteral("Failed to connect to host IP: %1 (Connection refused)").arg(NobodyAddress));
    const CliResult status = runCli({"status", "--tcp", NobodyAddress, "--json"});
    QCOMPARE(status.code, 3);
    const QJsonObject o = QJsonDocument::fromJson(status.out.toUtf8()).object();
    QCOMPARE(o.value(QStringLiteral("reachable")).toBool(true), false);
    QCOMPARE(o.value(QStringLiteral("error")).toString(),
             QStringLiteral("Failed to connect to host IP: %1 (Connection refused)").arg(NobodyAddress));
    const CliResult serial = runCli({"status", "--serial", "/nonexistent/ttyS9"});
    QCOMPARE(serial.code, 3);
    QVERIFY2(serial.err.contains(QStringLiteral("Serial port connection failed")), qPrintable(serial.err));
    // An absurd address is cut in the message, not echoed whole.
    for (const char *command : {"status", "run"}) {
        QStringList args{QLatin1String(command), "--tcp", QString(100000, QLatin1Char('1'))};
        if (args.first() == QLatin1String("run"))
            args.append(QStringLiteral("setInitMachineClicked"));
        const CliResult longAddress = runCli(args);
        QVERIFY(longAddress.code != 0);
        QVERIFY2(longAddress.err.size() < 1000, qPrintable(longAddress.err.left(300)));
    }
}

void CliCommandsTest::statusDecodesAndSetsTheExitStatus_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("faults");
    QTest::newRow("ready") << QStringList{} << 0 << QStringList{};
    QTest::newRow("open drawer is no fault") << QStringList{"drawer_open"} << 0 << QStringList{};
    QTest::newRow("paper out") << QStringList{"paper_out"} << 1
                               << QStringList{"Offline", "Out of paper", "Paper end"};
    QTest::newRow("cover open") << QStringList{"cover_open"} << 1 << QStringList{"Offline", "Cover open"};
    QTest::newRow("cutter") << QStringList{"cutter_error"} << 1
                            << QStringList{"Offline", "Error", "Cutter error"};
}

void CliCommandsTest::statusDecodesAndSetsTheExitStatus()
{
    QFETCH(QStringList, flags);
    QFETCH(int, code);
    QFETCH(QStringList, faults);
    m_printer->clearFlags();
    for (const QString &f : flags)
        QVERIFY(m_printer->setFlag(f, true));

    const CliResult json = runCli({"status", "--tcp", PrinterAddress, "--json"});
    m_printer->clearFlags();
    QCOMPARE(json.code, code);
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(o.value(QStringLiteral("ready")).toBool(), code == 0);
    QCOMPARE(o.value(QStringLiteral("reachable")).toBool(), true);
    QStringList got;
    for (const QJsonValue &v : o.value(QStringLiteral("faults")).toArray())
        got.append(v.toString());
    QCOMPARE(got, faults);
    const QJsonArray statuses = o.value(QStringLiteral("statuses")).toArray();
    QCOMPARE(statuses.size(), 4);
    QCOMPARE(statuses.at(0).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("PrinterStatus"));
    QCOMPARE(statuses.at(3).toObject().value(QStringLiteral("header")).toString(), QStringLiteral("Paper status:"));

    for (const QString &f : flags)
        QVERIFY(m_printer->setFlag(f, true));
    const CliResult text = runCli({"status", "--tcp", PrinterAddress});
    m_printer->clearFlags();
    QCOMPARE(text.code, code);
    QVERIFY(text.out.startsWith(QStringLiteral("Printer status: [")));
    QVERIFY(text.out.contains(QStringLiteral("\nOffline status: [")));
    QVERIFY2(text.out.trimmed().endsWith(code == 0 ? QStringLiteral("Ready") : QStringLiteral("Fault: ") + faults.join(", ")),
             qPrintable(text.out));
}

void CliCommandsTest::statusOverTheSerialLine()
{
    m_printer->setFlag(QStringLiteral("paper_out"), true);
    const CliResult r = runCli({"status", "--serial", m_printer->serialPtyPath() + QStringLiteral(":115200")});
    m_printer->clearFlags();
    QCOMPARE(r.code, 1);
    QVERIFY2(r.out.contains(QStringLiteral("\tPaper end")), qPrintable(r.out + r.err));

    // A relative path names a file from the working folder, not one under /dev.
    const qint64 seq = m_printer->lastEventSeq();
    const CliResult run = runCli({"run", "--serial", "ttyVP", "setInitMachineClicked"}, QByteArray(), m_dir.path());
    QCOMPARE(run.code, 0);
    // A serial line has no end of connection to wait for: wait for the command itself.
    QVERIFY(!m_printer->waitForEvent(QStringLiteral("initialize"), 10000, seq).isEmpty());
    QCOMPARE(commandsSince(m_printer.get(), seq, QStringLiteral("serial")), QStringList{"1b 40"});
}

void CliCommandsTest::scriptRunsLineByLine()
{
    const QString path = m_dir.filePath(QStringLiteral("setup.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("# a new printer\n"
            "setInitMachineClicked\n"
            "\n"
            "setPrintAndLineFeedClicked false \"Hello world\"\n"
            "setBuzzerClicked 2 1   # two short beeps\n");
    f.close();
    const qint64 seq = m_printer->lastEventSeq();
    const CliResult r = runCli({"run", "--tcp", PrinterAddress, "--script", path});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(commandsSince(m_printer.get(), seq), (QStringList{"1b 40", "0a", "1b 42 02 01", "00"}));
    bool sawText = false;
    for (const QJsonObject &e : m_printer->events(QStringLiteral("text"))) {
        if (e.value(QStringLiteral("seq")).toVariant().toLongLong() > seq)
            sawText = e.value(QStringLiteral("params")).toObject().value(QStringLiteral("text")).toString()
                      == QLatin1String("Hello world");
    }
    QVERIFY(sawText);
}

void CliCommandsTest::scriptWithABadLineSendsNothing_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown operation") << QByteArray("setInitMachineClicked\n# fine\nsetBuzzer 1 2\n")
                                       << QStringLiteral("line 3: Unknown operation: setBuzzer");
    QTest::newRow("bad argument") << QByteArray("setInitMachineClicked\nsetCutClicked one 0\n")
                                  << QStringLiteral("line 2: Invalid value for parameter cutMode (int): \"one\"");
    QTest::newRow("open quote") << QByteArray("setPrintAndLineFeedClicked false \"Hello\n")
                                << QStringLiteral("line 1: unterminated quote");
}

void CliCommandsTest::scriptWithABadLineSendsNothing()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(QStringLiteral("bad.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(script);
    f.close();
    const qint64 seq = m_printer->lastEventSeq();
    const CliResult r = runCli({"run", "--tcp", PrinterAddress, "--script", path});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.startsWith(path + QLatin1Char(' ') + message), qPrintable(r.err));
    QCOMPARE(m_printer->lastEventSeq(), seq);

    const CliResult missing = runCli({"run", "--tcp", PrinterAddress, "--script", m_dir.filePath("none.txt")});
    QCOMPARE(missing.code, 2);
    QVERIFY(missing.err.contains(QStringLiteral("Cannot read the script file %1").arg(m_dir.filePath("none.txt"))));
}

void CliCommandsTest::scriptStopsWhenThePrinterVanishes()
{
    VirtualPrinterOptions o;
    o.address = VanishingAddress;
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    VirtualPrinter printer(o);
    QVERIFY(printer.start());

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QM_LANGUAGE"), QStringLiteral("en_US"));
    p.setProcessEnvironment(env);
    p.start(m_cli, {"run", "--tcp", VanishingAddress, "--script", "-"});
    QVERIFY(p.waitForStarted());
    p.write("setInitMachineClicked\n");
    QVERIFY(p.waitForBytesWritten(5000));
    QVERIFY(!printer.waitForEvent(QStringLiteral("initialize"), 10000).isEmpty());
    printer.stop();
    p.write("setBuzzerClicked 1 1\nsetCutClicked 1 0\n");
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(ProcessLimitMs));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), 3);
    QVERIFY2(err.contains(QStringLiteral("- line 2: The connection to the printer was lost: tcp %1").arg(VanishingAddress)),
             qPrintable(err));
}

void CliCommandsTest::rawSendsTheFileUnchanged_data()
{
    QTest::addColumn<bool>("fromStdin");
    QTest::newRow("file") << false;
    QTest::newRow("standard input") << true;
}

void CliCommandsTest::rawSendsTheFileUnchanged()
{
    QFETCH(bool, fromStdin);
    // More than one block of the raw path, so the blocks must arrive in order.
    QByteArray job = QByteArray::fromHex("1b40");
    for (int i = 0; i < 300; ++i)
        job += QByteArray("line ") + QByteArray::number(i) + QByteArray(20, '.') + '\n';
    job += QByteArray::fromHex("1b4203051d5601");
    const QString path = m_dir.filePath(QStringLiteral("job.bin"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(job);
    f.close();
    QVERIFY(job.size() > 4096);

    const qint64 seq = m_printer->lastEventSeq();
    const CliResult r = fromStdin ? runCli({"raw", "--tcp", PrinterAddress, "-"}, job)
                                  : runCli({"raw", "--tcp", PrinterAddress, path});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QStringList hex = commandsSince(m_printer.get(), seq);
    QCOMPARE(hex.size(), 300 + 3);
    QCOMPARE(hex.first(), QStringLiteral("1b 40"));
    QCOMPARE(hex.mid(hex.size() - 2), (QStringList{"1b 42 03 05", "1d 56 01"}));
}

void CliCommandsTest::scanFindsThePrinter()
{
    if (!m_printer->serviceLines().join('\n').contains(QStringLiteral("http listening")))
        QSKIP("the web page needs port 80 (root): the search recognises printers by it");
    const CliResult r = runCli({"scan", "--segment", "127.0.70", "--json"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QJsonArray found = QJsonDocument::fromJson(r.out.toUtf8()).array();
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.at(0).toObject().value(QStringLiteral("ip")).toString(), PrinterAddress);
    QCOMPARE(found.at(0).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("KVZ-L7N"));
    // On loopback no neighbour table names it: the NetBIOS answer does, as in scan --range.
    QCOMPARE(found.at(0).toObject().value(QStringLiteral("mac")).toString(), QStringLiteral("00:11:22:33:44:55"));

    const CliResult text = runCli({"scan", "--segment", "127.0.70."});
    QCOMPARE(text.out, QStringLiteral("127.0.70.1\t00:11:22:33:44:55\tKVZ-L7N\n"));
    const CliResult range = runCli({"scan", "--range", "127.0.70.0/24"});
    QCOMPARE(range.out, text.out);
    // The segment was for this run only: the stored settings keep theirs.
    QFile ini(m_dir.filePath(QStringLiteral("configFile/printtest.ini")));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(!ini.readAll().contains("127.0.70"));
}

void CliCommandsTest::installedCopyUsesXdgFoldersAndNamesTheLpGroup()
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("needs root and setpriv to run as another user");
    // The program in a folder its user may not write; a printer node only root may open.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    QVERIFY(QFile::copy(m_cli, bin + QStringLiteral("/quillmark")));
    const QString home = dir.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home));
    // A character device as a printer node is (/dev/null's numbers will do).
    const QString node = dir.filePath(QStringLiteral("lp0"));
    QVERIFY(::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                   | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    QFile::setPermissions(node, QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(QProcess::execute(QStringLiteral("chown"), {QStringLiteral("65534:65534"), home}) == 0);

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QM_LANGUAGE"), QStringLiteral("en_US"));
    env.insert(QStringLiteral("HOME"), home);
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    env.remove(QStringLiteral("XDG_STATE_HOME"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("setpriv"), {"--reuid=65534", "--regid=65534", "--clear-groups", bin + "/quillmark", "run",
                                        "--usb", node, "setInitMachineClicked"});
    QVERIFY(p.waitForFinished(ProcessLimitMs));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), 3);
    QVERIFY2(err.contains(QStringLiteral("No permission to open %1: add the user to the group lp").arg(node)),
             qPrintable(err));
    QVERIFY(QFile::exists(home + QStringLiteral("/.config/QuillmarkSystem/configFile/printtest.ini")));
    QVERIFY(!QDir(home + QStringLiteral("/.local/state/QuillmarkSystem/LogFile")).entryList({"*.log"}).isEmpty());
    QVERIFY(!QFile::exists(bin + QStringLiteral("/configFile")));
}

void CliCommandsTest::messagesFollowTheLanguage_data()
{
    QTest::addColumn<QString>("asked");  // QM_LANGUAGE; empty: not set
    QTest::addColumn<QString>("window"); // the window's language in initial.ini
    QTest::addColumn<QString>("err");
    const QString english = QStringLiteral("Unknown command: bogus\nquillmark --help shows the usage\n");
    const QString chinese = QStringLiteral("未知的命令: bogus\nquillmark --help 显示用法\n");
    QTest::newRow("QM_LANGUAGE=en_US, Chinese window") << "en_US" << "zh_CN" << english;
    QTest::newRow("QM_LANGUAGE=zh_CN, English window") << "zh_CN" << "en_US" << chinese;
    QTest::newRow("English window") << "" << "en_US" << english;
    QTest::newRow("Chinese window") << "" << "zh_CN" << chinese;
    QTest::newRow("unknown, English window")
        << "en" << "en_US" << QStringLiteral("Invalid value for QM_LANGUAGE: \"en\", expected one of zh_CN, en_US\n") + english;
    QTest::newRow("unknown, Chinese window")
        << "english" << "zh_CN" << QStringLiteral("QM_LANGUAGE 的值无效: \"english\"，应为 zh_CN, en_US 之一\n") + chinese;
}

void CliCommandsTest::messagesFollowTheLanguage()
{
    QFETCH(QString, asked);
    QFETCH(QString, window);
    QFETCH(QString, err);
    const QString ini = m_dir.filePath(QStringLiteral("configFile/initial.ini"));
    QVERIFY(QDir().mkpath(QFileInfo(ini).absolutePath()));
    QFile f(ini);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("[Language]\nCurrent=" + window.toUtf8() + '\n');
    f.close();

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QM_LANGUAGE"));
    if (!asked.isEmpty())
        env.insert(QStringLiteral("QM_LANGUAGE"), asked);
    p.setProcessEnvironment(env);
    p.start(m_cli, {"bogus"});
    QVERIFY(p.waitForFinished(ProcessLimitMs));
    QFile::remove(ini);
    QCOMPARE(p.exitCode(), 2);
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()), err);
}

void CliCommandsTest::deniedSerialPortNamesTheDialoutGroup()
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("needs root and setpriv to run as another user");
    // The printer's pty belongs to root: a user outside its group may not open it.
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QVERIFY(QProcess::execute(QStringLiteral("chown"), {QStringLiteral("65534:65534"), home.path()}) == 0);
    const QFile::Permissions folder = QFile::permissions(m_dir.path());
    QFile::setPermissions(m_dir.path(), folder | QFile::ReadOther | QFile::ExeOther);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QM_LANGUAGE"), QStringLiteral("en_US"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    env.remove(QStringLiteral("XDG_STATE_HOME"));
    p.setProcessEnvironment(env);
    const QString pty = m_printer->serialPtyPath();
    p.start(QStringLiteral("setpriv"), {"--reuid=65534", "--regid=65534", "--clear-groups", m_cli, "run", "--serial", pty,
                                        "setInitMachineClicked"});
    const bool finished = p.waitForFinished(ProcessLimitMs);
    QFile::setPermissions(m_dir.path(), folder);
    QVERIFY(finished);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), 3);
    QVERIFY2(err.contains(QStringLiteral("No permission to open %1: add the user to the group dialout").arg(pty)),
             qPrintable(err));
}

void CliCommandsTest::emptyUsbListSaysSo()
{
    QTemporaryDir sysfs;
    QVERIFY(sysfs.isValid());
    qputenv("QM_USB_SYSFS_ROOT", QFile::encodeName(sysfs.path()));
    const CliResult r = runCli({"list", "usb"});
    const CliResult json = runCli({"list", "usb", "--json"});
    qunsetenv("QM_USB_SYSFS_ROOT");
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.contains(QStringLiteral("No USB printers found")), qPrintable(r.err));
    // JSON says it with an empty list.
    QCOMPARE(json.code, 0);
    QCOMPARE(QJsonDocument::fromJson(json.out.toUtf8()).array(), QJsonArray());
}

void CliCommandsTest::fullDiskNamesTheReason_data()
{
    QTest::addColumn<QStringList>("args"); // @in: the job, @out: a picture on a full disk
    QTest::newRow("render") << QStringList{"render", "@in", "-o", "@out"};
    QTest::newRow("preview") << QStringList{"raw", "--preview", "@out", "@in"};
}

void CliCommandsTest::fullDiskNamesTheReason()
{
    QFETCH(QStringList, args);
    if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
        QSKIP("needs root and unshare to mount a small file system of its own");
    // A picture of noise, larger than the file system it goes to: the disk
    // takes part of it, then is full.
    QByteArray job = QByteArray::fromHex("1d763000") + QByteArray::fromHex("4800") + QByteArray::fromHex("5802");
    quint32 seed = 12345;
    for (int i = 0; i < 0x48 * 0x258; ++i) {
        seed = seed * 1103515245u + 12345u;
        job += char(seed >> 16);
    }
    const QString in = m_dir.filePath(QStringLiteral("noise.bin"));
    QFile f(in);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(job);
    f.close();
    const QString full = m_dir.filePath(QStringLiteral("full"));
    QVERIFY(QDir().mkpath(full));
    for (QString &a : args)
        a.replace(QLatin1String("@in"), in).replace(QLatin1String("@out"), full + QStringLiteral("/out.png"));
    const QStringList quoted = [&] {
        QStringList q;
        for (const QString &a : qAsConst(args))
            q.append(QLatin1Char('\'') + a + QLatin1Char('\''));
        return q;
    }();
    const QString script = QStringLiteral("mount -t tmpfs -o size=16k tmpfs '%1' && exec '%2' %3")
                               .arg(full, m_cli, quoted.join(QLatin1Char(' ')));
    const CliResult r = runQuillmark(QStringLiteral("unshare"), {"-m", "sh", "-c", script}, QByteArray(), QString(),
                                     ProcessLimitMs);
    if (r.err.contains(QStringLiteral("mount:")) || r.err.contains(QStringLiteral("unshare:")))
        QSKIP(qPrintable(QStringLiteral("no file system of its own here: ") + r.err));
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(QStringLiteral("No space left on device")), qPrintable(r.err));
}

#else

void CliCommandsTest::initTestCase() { QSKIP("the virtual printer or quillmark is not part of the build"); }
void CliCommandsTest::cleanupTestCase() {}
void CliCommandsTest::usageAndHelp_data() {}
void CliCommandsTest::usageAndHelp() {}
void CliCommandsTest::opsFollowTheMetaObject() {}
void CliCommandsTest::runSendsTheCommand_data() {}
void CliCommandsTest::runSendsTheCommand() {}
void CliCommandsTest::runRefusesBadInput_data() {}
void CliCommandsTest::runRefusesBadInput() {}
void CliCommandsTest::badInputSendsNothing_data() {}
void CliCommandsTest::badInputSendsNothing() {}
void CliCommandsTest::unreachablePrinterExitsThree() {}
void CliCommandsTest::statusDecodesAndSetsTheExitStatus_data() {}
void CliCommandsTest::statusDecodesAndSetsTheExitStatus() {}
void CliCommandsTest::statusOverTheSerialLine() {}
void CliCommandsTest::scriptRunsLineByLine() {}
void CliCommandsTest::scriptWithABadLineSendsNothing_data() {}
void CliCommandsTest::scriptWithABadLineSendsNothing() {}
void CliCommandsTest::scriptStopsWhenThePrinterVanishes() {}
void CliCommandsTest::rawSendsTheFileUnchanged_data() {}
void CliCommandsTest::rawSendsTheFileUnchanged() {}
void CliCommandsTest::scanFindsThePrinter() {}
void CliCommandsTest::installedCopyUsesXdgFoldersAndNamesTheLpGroup() {}
void CliCommandsTest::messagesFollowTheLanguage_data() {}
void CliCommandsTest::messagesFollowTheLanguage() {}
void CliCommandsTest::deniedSerialPortNamesTheDialoutGroup() {}
void CliCommandsTest::emptyUsbListSaysSo() {}
void CliCommandsTest::fullDiskNamesTheReason_data() {}
void CliCommandsTest::fullDiskNamesTheReason() {}

#endif

QTEST_MAIN(CliCommandsTest)
#include "tst_cli_commands.moc"
