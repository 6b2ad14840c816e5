// quillmark-virtual-printer: an emulated printer of the family for trying the
// tool without hardware and for end-to-end tests. See --help.

#include "VirtualPrinter.h"
#include "VirtualPrinterFleet.h"
#include "VpControlServer.h"
#include "VpWebPages.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QHostAddress>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    const ssize_t ignored = ::write(g_signalPipe[1], &c, 1);
    (void)ignored;
}

// A fleet holds a listening socket per printer and a connection per client:
// the soft limit of open files goes up to the hard one.
void raiseOpenFileLimit()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

void out(const QString &line)
{
    QTextStream s(stdout);
    s << line << '\n';
    s.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillmark-virtual-printer"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "An emulated thermal receipt printer of the KVZ-L7 family. It serves a raw print port,\n"
        "a configuration web page, NetBIOS node status, and optionally a serial line (pty) and a\n"
        "USB printer (pty plus fake sysfs entry). What it prints becomes PNG pages (one per cut and\n"
        "one when a stream ends without a cut) and every command and event goes to events.jsonl\n"
        "in the output folder. It prints one line per service and runs until SIGINT or SIGTERM.\n\n")
        + VirtualPrinter::controlHelp()
        + QStringLiteral("\nThe control commands are read from standard input, and from the socket of --control.\n\n"
                         "Fleet mode (--fleet ADDRESSES) serves one printer per loopback address in this one\n"
                         "process: 127.0.10.0/24 (the hosts of a network), 127.0.10.1-127.0.13.232 (a range) or\n"
                         "127.0.10.1+1000 (a count). Each printer has its own state and a raw port (--raw-port);\n"
                         "its web page and NetBIOS responder only when --http-port or --netbios-port is given.\n"
                         "Every printer starts with the flags given; MAC addresses count up from --mac. It prints\n"
                         "\"fleet N printers FIRST-LAST\", a line per printer that could not start, then \"ready\".\n")
        + VirtualPrinterFleet::controlHelp());
    parser.addHelpOption();
    const QCommandLineOption address(QStringLiteral("address"), QStringLiteral("Address to serve on (default 127.0.0.1)."), QStringLiteral("ip"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("Model: %1 or any other name for an unrecognised printer (default KVZ-L7N).").arg(VpWebPages::models().join(QLatin1String(", "))), QStringLiteral("name"), QStringLiteral("KVZ-L7N"));
    const QCommandLineOption output(QStringLiteral("output"), QStringLiteral("Folder for pages and events.jsonl (default: none, kept in memory)."), QStringLiteral("dir"));
    const QCommandLineOption rawPort(QStringLiteral("raw-port"), QStringLiteral("Raw print port (default 9100; 0 any free port; -1 off)."), QStringLiteral("port"), QString::number(VirtualPrinterOptions::DefaultRawPort));
    const QCommandLineOption httpPort(QStringLiteral("http-port"), QStringLiteral("Web server port (default 80; 0 any; -1 off)."), QStringLiteral("port"), QString::number(VirtualPrinterOptions::DefaultHttpPort));
    const QCommandLineOption netbiosPort(QStringLiteral("netbios-port"), QStringLiteral("NetBIOS node-status port (default 137; 0 any; -1 off)."), QStringLiteral("port"), QString::number(VirtualPrinterOptions::DefaultNetbiosPort));
    const QCommandLineOption netbiosName(QStringLiteral("netbios-name"), QStringLiteral("NetBIOS name (default: the model)."), QStringLiteral("name"));
    const QCommandLineOption paper(QStringLiteral("paper"), QStringLiteral("Paper width in mm: 80 (576 dots) or 58 (384 dots)."), QStringLiteral("mm"), QStringLiteral("80"));
    const QCommandLineOption serial(QStringLiteral("serial"), QStringLiteral("Serve a serial line: a pty whose slave is linked to this path (\"-\": no link, the pty path is printed)."), QStringLiteral("path"));
    const QCommandLineOption usbSysfs(QStringLiteral("usb-sysfs"), QStringLiteral("Serve a USB printer: fake sysfs entry under this root, node ROOT/dev/usb/lpN."), QStringLiteral("root"));
    const QCommandLineOption usbVid(QStringLiteral("usb-vid"), QStringLiteral("USB vendor id, 4 hex digits (default 6868)."), QStringLiteral("hex"), QStringLiteral("6868"));
    const QCommandLineOption usbPid(QStringLiteral("usb-pid"), QStringLiteral("USB product id, 4 hex digits (default 0500)."), QStringLiteral("hex"), QStringLiteral("0500"));
    const QCommandLineOption usbSerial(QStringLiteral("usb-serial"), QStringLiteral("USB serial number (default VP0000001)."), QStringLiteral("text"), QStringLiteral("VP0000001"));
    const QCommandLineOption mac(QStringLiteral("mac"), QStringLiteral("MAC address reported by NetBIOS (default 00:11:22:33:44:55)."), QStringLiteral("mac"), QStringLiteral("00:11:22:33:44:55"));
    const QCommandLineOption control(QStringLiteral("control"), QStringLiteral("Also take control commands on this Unix socket path."), QStringLiteral("path"));
    const QCommandLineOption fleet(QStringLiteral("fleet"), QStringLiteral("Serve a fleet: one printer per address of NET/PREFIX, FIRST-LAST or FIRST+COUNT, all on loopback (see below)."), QStringLiteral("addresses"));
    parser.addOptions({address, model, output, rawPort, httpPort, netbiosPort, netbiosName, paper, serial, usbSysfs,
                       usbVid, usbPid, usbSerial, mac, control, fleet});
    QList<QCommandLineOption> flagOptions;
    for (const QString &flag : VpState::flagNames()) {
        QString opt = flag;
        opt.replace(QLatin1Char('_'), QLatin1Char('-'));
        flagOptions.append(QCommandLineOption(opt, QStringLiteral("Start with the state flag %1 set.").arg(flag)));
    }
    parser.addOptions(flagOptions);
    parser.process(app);

    VirtualPrinterOptions o;
    o.address = parser.value(address);
    o.model = parser.value(model);
    o.outputDir = parser.value(output);
    bool ok1 = false, ok2 = false, ok3 = false, ok4 = false;
    o.rawPort = parser.value(rawPort).toInt(&ok1);
    o.httpPort = parser.value(httpPort).toInt(&ok2);
    o.netbiosPort = parser.value(netbiosPort).toInt(&ok3);
    o.paperMm = parser.value(paper).toInt(&ok4);
    if (!ok1 || !ok2 || !ok3 || o.rawPort > 65535 || o.httpPort > 65535 || o.netbiosPort > 65535 || o.rawPort < -1
        || o.httpPort < -1 || o.netbiosPort < -1) {
        QTextStream(stderr) << "error: ports are numbers from 0 to 65535, or -1 for off\n";
        return 2;
    }
    if (!ok4 || (o.paperMm != 80 && o.paperMm != 58)) {
        QTextStream(stderr) << "error: --paper takes 80 or 58\n";
        return 2;
    }
    if (QHostAddress(o.address).isNull()) {
        QTextStream(stderr) << "error: --address takes an IP address\n";
        return 2;
    }
    o.netbiosName = parser.value(netbiosName);
    o.serialPath = parser.value(serial);
    o.serialEnabled = parser.isSet(serial);
    if (o.serialPath == QLatin1String("-"))
        o.serialPath.clear();
    o.usbSysfsRoot = parser.value(usbSysfs);
    o.usb.vendorId = parser.value(usbVid);
    o.usb.productId = parser.value(usbPid);
    o.usb.serial = parser.value(usbSerial);
    const QByteArray macBytes = QByteArray::fromHex(parser.value(mac).remove(QLatin1Char(':')).remove(QLatin1Char('-')).toLatin1());
    if (macBytes.size() != 6) {
        QTextStream(stderr) << "error: --mac takes six hexadecimal bytes\n";
        return 2;
    }
    o.mac = macBytes;
    for (int i = 0; i < VpState::FlagCount; ++i)
        if (parser.isSet(flagOptions.at(i)))
            o.flags.insert(i);

    std::unique_ptr<VirtualPrinter> printer;
    std::unique_ptr<VirtualPrinterFleet> printers;
    if (parser.isSet(fleet)) {
        if (parser.isSet(address) || parser.isSet(serial) || parser.isSet(usbSysfs) || parser.isSet(output)) {
            QTextStream(stderr) << "error: --fleet takes no --address, --serial, --usb-sysfs or --output\n";
            return 2;
        }
        QStringList addresses;
        QString error;
        if (!VirtualPrinterFleet::parseAddresses(parser.value(fleet), &addresses, &error)) {
            QTextStream(stderr) << "error: " << error << '\n';
            return 2;
        }
        // Web page and NetBIOS name only when asked for.
        if (!parser.isSet(httpPort))
            o.httpPort = VirtualPrinterOptions::Off;
        if (!parser.isSet(netbiosPort))
            o.netbiosPort = VirtualPrinterOptions::Off;
        raiseOpenFileLimit();
        printers = std::make_unique<VirtualPrinterFleet>(o, addresses);
        QStringList failures;
        const bool anything = printers->start(&failures);
        out(QStringLiteral("fleet %1 printers %2-%3").arg(addresses.size()).arg(addresses.first(), addresses.last()));
        for (const QString &line : qAsConst(failures))
            out(line);
        if (!anything) {
            QTextStream(stderr) << "error: no printer could be started\n";
            return 1;
        }
    } else {
        printer = std::make_unique<VirtualPrinter>(o);
        printer->start();
        bool anything = false;
        for (const QString &line : printer->serviceLines()) {
            out(line);
            if (!line.contains(QLatin1String(" not-")) && !line.startsWith(QLatin1String("output ")))
                anything = true;
        }
        if (!anything) {
            QTextStream(stderr) << "error: no service could be started\n";
            return 1;
        }
    }

    // SIGINT / SIGTERM end the event loop.
    if (::pipe2(g_signalPipe, O_CLOEXEC) == 0) {
        auto *sigNotifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(sigNotifier, &QSocketNotifier::activated, &app, [&]() {
            char c;
            const ssize_t ignored = ::read(g_signalPipe[0], &c, 1);
            (void)ignored;
            app.quit();
        });
        struct sigaction sa = {};
        sa.sa_handler = onSignal;
        sigemptyset(&sa.sa_mask);
        sigaction(SIGINT, &sa, nullptr);
        sigaction(SIGTERM, &sa, nullptr);
    }
    signal(SIGPIPE, SIG_IGN);

    auto runLine = [&](const QString &line) {
        const QString answer = printers ? printers->control(line) : printer->control(line);
        if (answer == QLatin1String("ok quit"))
            QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
        return answer;
    };

    // Control commands on standard input; end of input just stops listening.
    QByteArray stdinBuffer;
    auto *stdinNotifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &app);
    QObject::connect(stdinNotifier, &QSocketNotifier::activated, &app, [&]() {
        char buf[1024];
        const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0) {
            stdinNotifier->setEnabled(false);
            return;
        }
        stdinBuffer.append(buf, int(n));
        int nl;
        while ((nl = stdinBuffer.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(stdinBuffer.left(nl)).trimmed();
            stdinBuffer.remove(0, nl + 1);
            if (!line.isEmpty())
                out(runLine(line));
        }
        if (stdinBuffer.size() > 64 * 1024)
            stdinBuffer.clear();
    });

    VpControlServer controlServer(runLine);
    if (parser.isSet(control)) {
        QString error;
        if (controlServer.listen(parser.value(control), &error))
            out(QStringLiteral("control socket %1").arg(controlServer.fullServerName()));
        else
            out(QStringLiteral("control not-bound %1 %2").arg(parser.value(control), error));
    }
    out(QStringLiteral("ready"));

    const int rc = app.exec();
    if (printers)
        printers->stop();
    else
        printer->stop();
    out(QStringLiteral("stopped"));
    return rc;
}
