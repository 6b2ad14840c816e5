// How long the window's thread stands still while the transports wait on
// something that does not answer. A 16 ms heartbeat timer runs in the event
// loop of the main thread, as the window's repaints would; for each case the
// longest and the median gap between two beats are printed:
//   usb      seven logos (one logo download, seven logo prints) to a USB node
//            (a pty) whose printer stops reading, then a disconnect;
//   spooler  the print-spooler manager against a scheduler that accepts the
//            connection and never answers: its start-up list request, a raw
//            job from a command, a list refresh;
//   tcp      three connects to an address that never answers and one
//            single-address test;
//   lan      a LAN search of 127.0.0. with two virtual printers;
//   spooler-result  (extra) the calls that return the scheduler's answer
//            directly (connectDevice, sendESCposData) against the same
//            scheduler: their wait is bounded, not removed.
// Run it through bench/gui_stall.sh: the tcp and lan cases need a private
// network namespace in which the black-hole address is routed into nothing.
#include "VirtualPrinter.h"
#include "../support/RawPty.h"
#include "app/base/AppPaths.h"
#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "commands/CommType.h"
#include "transport/spooler/PrintDriverManager.h"
#include "transport/tcp/TcpDeviceManager.h"
#include "transport/usb/USBDeviceManager.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

const int HeartbeatMs = 16;
const int LogoCount = 7;
const int LogoSide = 560;

struct Figures
{
    QString name;
    double longestMs = 0;
    double medianMs = 0;
    int beats = 0;
    qint64 wallMs = 0;
    QString note;
};

// Runs the event loop while the heartbeat counts; steps are (delay after the
// previous step returned, action); the loop ends settleMs after the last step
// returned and done() is true (or after limitMs).
Figures measure(const QString &name, const QList<QPair<int, std::function<void()>>> &steps,
                std::function<bool()> done, int settleMs, int limitMs)
{
    QEventLoop loop;
    QElapsedTimer clock;
    std::vector<qint64> gaps;
    qint64 lastBeat = 0;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(HeartbeatMs);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        gaps.push_back(now - lastBeat);
        lastBeat = now;
    });

    int next = 0;
    qint64 stepsDoneAt = -1;
    std::function<void()> runNext = [&] {
        if (next >= steps.size()) {
            stepsDoneAt = clock.elapsed();
            return;
        }
        const auto step = steps.at(next++);
        QTimer::singleShot(step.first, &loop, [&, step] {
            step.second();
            runNext();
        });
    };
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const qint64 t = clock.elapsed();
        if ((stepsDoneAt >= 0 && t - stepsDoneAt >= settleMs && done()) || t >= limitMs)
            loop.quit();
    });

    clock.start();
    heartbeat.start();
    watch.start();
    runNext();
    loop.exec();
    gaps.push_back(clock.nsecsElapsed() - lastBeat); // up to the end
    heartbeat.stop();
    watch.stop();

    Figures f;
    f.name = name;
    f.beats = int(gaps.size());
    f.wallMs = clock.elapsed();
    std::sort(gaps.begin(), gaps.end());
    f.longestMs = gaps.back() / 1e6;
    f.medianMs = gaps.at(gaps.size() / 2) / 1e6;
    return f;
}

// The printer side of the pty never reads, so the node stops taking data once
// the pty's buffer is full.
using StalledNode = RawPty;

// A scheduler socket that takes connections (the kernel's backlog completes
// them) and never answers a request.
struct SilentScheduler
{
    int fd = -1;
    QString path;

    explicit SilentScheduler(const QString &dir)
    {
        path = dir + QStringLiteral("/cups.sock");
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const QByteArray native = path.toLocal8Bit();
        ::unlink(native.constData());
        qstrncpy(addr.sun_path, native.constData(), sizeof addr.sun_path);
        ::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
        ::listen(fd, 64);
    }
    ~SilentScheduler()
    {
        ::close(fd);
        ::unlink(path.toLocal8Bit().constData());
    }
};

QStringList makeLogos(const QString &dir)
{
    QStringList paths;
    QRandomGenerator rng(14);
    for (int i = 0; i < LogoCount; ++i) {
        QImage image(LogoSide, LogoSide, QImage::Format_RGB32);
        for (int y = 0; y < LogoSide; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < LogoSide; ++x) {
                const int v = int(rng.bounded(256));
                line[x] = qRgb(v, (v + x) & 0xff, (v + y) & 0xff);
            }
        }
        const QString path = QStringLiteral("%1/logo%2.png").arg(dir).arg(i + 1);
        image.save(path);
        paths << path;
    }
    return paths;
}

Figures usbCase(const QString &dir)
{
    StalledNode node;
    USBDeviceManager manager;
    manager.connectDevice(QStringLiteral("0a5f&00a3"), QStringLiteral("QM-80"), QStringLiteral("Quillmark"), node.path);
    // Loading decodes and converts the pictures (work of the processor, not a
    // wait on the printer): done before the measurement.
    manager.setLoadClickedMultiple(makeLogos(dir));
    QThreadPool::globalInstance()->waitForDone(); // the conversion runs on a worker
    Figures f = measure(QStringLiteral("usb: 7 logos, printer stops reading"),
                        {{0, [&] { manager.setPrintClicked(); }},
                         {0, [&] {
                              for (int i = 0; i < LogoCount; ++i)
                                  manager.setPrintLogoClicked(0, i);
                          }},
                         {3000, [&] { manager.disconnectDevice(); }}},
                        [] { return true; }, 200, 120000);
    return f;
}

Figures spoolerCase(const QString &dir, const QByteArray &job)
{
    SilentScheduler scheduler(dir);
    qputenv("CUPS_SERVER", scheduler.path.toLocal8Bit());
    PrintDriverManager *manager = nullptr;
    Figures f = measure(QStringLiteral("spooler: raw job, scheduler silent"),
                        {{0, [&] { manager = new PrintDriverManager; }},
                         {0, [&] {
                              manager->setCurrentPrinter(QStringLiteral("QM_Raw"));
                              manager->onBuilderData(CommType::Driver, job);
                          }},
                         {0, [&] { manager->refreshPrinters(); }}},
                        [] { return true; }, 1000, 120000);
    QElapsedTimer teardown;
    teardown.start();
    delete manager;
    f.note = QStringLiteral("teardown %1 ms").arg(teardown.elapsed());
    return f;
}

Figures spoolerResultCase(const QString &dir)
{
    SilentScheduler scheduler(dir);
    qputenv("CUPS_SERVER", scheduler.path.toLocal8Bit());
    PrintDriverManager *manager = nullptr;
    bool connected = true;
    bool sent = true;
    Figures f = measure(QStringLiteral("spooler: connectDevice + sendESCposData (direct result)"),
                        {{0, [&] { manager = new PrintDriverManager; }},
                         {0, [&] { connected = manager->connectDevice(QStringLiteral("QM_Raw"), {}, {}, {}); }},
                         {0, [&] { sent = manager->sendESCposData(QStringLiteral("QM_Raw"), "\x1b\x40"); }}},
                        [] { return true; }, 500, 120000);
    QElapsedTimer teardown;
    teardown.start();
    delete manager;
    f.note = QStringLiteral("results %1/%2, teardown %3 ms").arg(connected).arg(sent).arg(teardown.elapsed());
    return f;
}

Figures tcpCase(const QString &address)
{
    TcpDeviceManager manager;
    int results = 0;
    QObject::connect(&manager, &TcpDeviceManager::sigTestConnectionResult, [&] { ++results; });
    int failures = 0;
    auto connectOnce = [&] {
        if (!manager.connectDevice(QString(), address, QString(), QString()))
            ++failures;
    };
    Figures f = measure(QStringLiteral("tcp: connect to a silent address"),
                        {{0, [&] { manager.testDeviceConnection(address); }},
                         {0, connectOnce},
                         {50, connectOnce},
                         {50, connectOnce}},
                        [&] { return results > 0; }, 300, 120000);
    f.note = QStringLiteral("%1 of 3 connects failed").arg(failures);
    return f;
}

Figures lanCase()
{
    QList<VirtualPrinter *> printers;
    const QStringList addresses{QStringLiteral("127.0.0.41"), QStringLiteral("127.0.0.42")};
    const QStringList models{QStringLiteral("KVZ-L7N"), QStringLiteral("KVZ-L7D")};
    for (int i = 0; i < addresses.size(); ++i) {
        VirtualPrinterOptions o;
        o.address = addresses.at(i);
        o.model = models.at(i);
        o.netbiosPort = VirtualPrinterOptions::Off;
        auto *p = new VirtualPrinter(o);
        QString error;
        if (!p->start(&error))
            std::fprintf(stderr, "virtual printer %s: %s\n", qPrintable(o.address), qPrintable(error));
        printers << p;
    }
    ConfigManager *config = ConfigManager::getInstance();
    config->setTcpNetworkMode(ConfigManager::Custom);
    config->setTcpNetworkSegment(QStringLiteral("127.0.0."));

    TcpDeviceManager manager;
    bool over = false;
    QObject::connect(&manager, &TcpDeviceManager::sigScanOverTcp, [&] { over = true; });
    Figures f = measure(QStringLiteral("lan: search of 127.0.0. (2 printers)"),
                        {{0, [&] { manager.refreshDeviceList(); }}}, [&] { return over; }, 100, 120000);
    f.note = QStringLiteral("%1 found").arg(manager.getDeviceList().size());
    qDeleteAll(printers);
    return f;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.info=false;*.warning=false");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption casesOption(QStringLiteral("cases"),
                                   QStringLiteral("Comma-separated: usb, spooler, tcp, lan, spooler-result."),
                                   QStringLiteral("list"),
                                   QStringLiteral("usb,spooler,tcp,lan,spooler-result"));
    QCommandLineOption silentOption(QStringLiteral("silent-address"),
                                    QStringLiteral("An address whose packets go nowhere (set up by gui_stall.sh)."),
                                    QStringLiteral("ip"), QStringLiteral("10.99.0.2"));
    parser.addOption(casesOption);
    parser.addOption(silentOption);
    parser.process(app);
    const QStringList cases = parser.value(casesOption).split(QLatin1Char(','));

    QTemporaryDir dir;
    AppPaths::setDirectory(dir.path());
    Logger::getInstance();
    ConfigManager::getInstance()->initialize();
    // Quillmark's USB manager looks at this tree instead of the system's.
    qputenv("QM_USB_SYSFS_ROOT", (dir.path() + QStringLiteral("/sys")).toLocal8Bit());

    QList<Figures> table;
    for (const QString &c : cases) {
        if (c == QLatin1String("usb"))
            table << usbCase(dir.path());
        else if (c == QLatin1String("spooler"))
            table << spoolerCase(dir.path(), QByteArray(64 * 1024, '\x1b'));
        else if (c == QLatin1String("tcp"))
            table << tcpCase(parser.value(silentOption));
        else if (c == QLatin1String("lan"))
            table << lanCase();
        else if (c == QLatin1String("spooler-result"))
            table << spoolerResultCase(dir.path());
        else
            std::fprintf(stderr, "unknown case %s\n", qPrintable(c));
    }

    std::printf("%-58s %12s %10s %7s %9s  %s\n", "case", "longest ms", "median ms", "beats", "wall ms", "note");
    for (const Figures &f : qAsConst(table))
        std::printf("%-58s %12.1f %10.1f %7d %9lld  %s\n", qPrintable(f.name), f.longestMs, f.medianMs, f.beats,
                    f.wallMs, qPrintable(f.note));
    return 0;
}
