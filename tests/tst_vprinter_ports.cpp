// The virtual printer's serial line and USB printer: ptys opened the way a
// client opens a device, the fake sysfs entry, and unplugging and plugging.

#include "VirtualPrinter.h"
#include "support/vprinter_client.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using VprinterClient::hex;

namespace {

constexpr int WaitMs = 3000;

int openRaw(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fd;
    termios tio;
    if (tcgetattr(fd, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(fd, TCSANOW, &tio);
    }
    return fd;
}

// Writes bytes and reads until count bytes came or the time ran out.
QByteArray transact(int fd, const QByteArray &bytes, int count)
{
    if (::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
        return {};
    QByteArray got;
    QElapsedTimer t;
    t.start();
    while (got.size() < count && t.elapsed() < WaitMs) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) > 0 && (p.revents & POLLIN)) {
            char buf[256];
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n > 0)
                got.append(buf, int(n));
        }
    }
    return got;
}

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
}

VirtualPrinterOptions noNetwork()
{
    VirtualPrinterOptions o;
    o.rawPort = VirtualPrinterOptions::Off;
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    return o;
}

} // namespace

class TestVprinterPorts : public QObject
{
    Q_OBJECT

private slots:
    void serialLineAnswersAndPassesBytesUnchanged();
    void serialLineWithoutLink();
    void usbEntryLooksLikeLinux();
    void usbUnplugAndReplug();
    void twoUsbPrintersShareARoot();
};

void TestVprinterPorts::serialLineAnswersAndPassesBytesUnchanged()
{
    QTemporaryDir dir;
    VirtualPrinterOptions o = noNetwork();
    o.serialPath = dir.filePath(QStringLiteral("ttyVP0"));
    VirtualPrinter printer(o);
    QVERIFY(printer.start());
    QVERIFY(QFileInfo(o.serialPath).isSymLink());
    QCOMPARE(QFileInfo(o.serialPath).symLinkTarget(), printer.serialPtyPath());
    QVERIFY(printer.serviceLines().contains(
        QStringLiteral("serial pty %1 link %2").arg(printer.serialPtyPath(), o.serialPath)));

    const int fd = openRaw(o.serialPath);
    QVERIFY(fd >= 0);
    printer.setFlag(VpState::CoverOpen, true);
    QCOMPARE(transact(fd, hex("10 04 02"), 1), hex("16"));
    // CR, LF and a settings frame with bytes a terminal would translate.
    const qint64 seq = printer.lastEventSeq();
    QCOMPARE(transact(fd, hex("41 0D 0A 10 A7 01 00 02 00 0D 0A D1 10 A7 00 00 00 00 B7"), 9),
             hex("10 A7 00 00 02 00 0D 0A D0"));
    QVERIFY(!printer.waitForEvent(QStringLiteral("carriage_return"), WaitMs, seq).isEmpty());
    QCOMPARE(printer.events(QStringLiteral("print_line_feed")).size(), 1);
    QCOMPARE(printer.events(QStringLiteral("text")).last().value("source").toString(), QStringLiteral("serial"));
    ::close(fd);

    // A second client after the first closed its end.
    const int again = openRaw(o.serialPath);
    QVERIFY(again >= 0);
    QCOMPARE(transact(again, hex("10 04 01"), 1), hex("1E"));
    // A serial line never ends its stream: flush ends the page, and so does stop.
    QCOMPARE(transact(again, QByteArray("one\n\x10\x04\x01", 7), 1), hex("1E"));
    QCOMPARE(printer.control(QStringLiteral("flush")), QStringLiteral("ok"));
    QCOMPARE(printer.pages().size(), 1);
    QCOMPARE(transact(again, QByteArray("two\n\x10\x04\x01", 7), 1), hex("1E"));
    ::close(again);
    printer.stop();
    QCOMPARE(printer.pages().size(), 2);
    QVERIFY(!QFileInfo(o.serialPath).isSymLink()); // the link goes with the printer
}

void TestVprinterPorts::serialLineWithoutLink()
{
    VirtualPrinterOptions o = noNetwork();
    o.serialEnabled = true;
    VirtualPrinter printer(o);
    QVERIFY(printer.start());
    QVERIFY(printer.serialPtyPath().startsWith(QLatin1String("/dev/pts/")));
    QVERIFY(printer.serviceLines().contains(QStringLiteral("serial pty ") + printer.serialPtyPath()));
    const int fd = openRaw(printer.serialPtyPath());
    QVERIFY(fd >= 0);
    QCOMPARE(transact(fd, hex("10 04 01"), 1), hex("16"));
    ::close(fd);
}

void TestVprinterPorts::usbEntryLooksLikeLinux()
{
    QTemporaryDir root;
    VirtualPrinterOptions o = noNetwork();
    o.model = QStringLiteral("KVZ-L7S");
    o.usbSysfsRoot = root.path();
    o.usb.vendorId = QStringLiteral("1A2B");
    o.usb.productId = QStringLiteral("3C4D");
    o.usb.serial = QStringLiteral("SN42");
    VirtualPrinter printer(o);
    QVERIFY(printer.start());

    const QString entry = root.filePath(QStringLiteral("class/usbmisc/lp0"));
    QCOMPARE(printer.usbClassEntry(), entry);
    QVERIFY(QFileInfo(entry).isSymLink());
    const QString classDir = QFileInfo(entry).canonicalFilePath();
    QVERIFY(classDir.endsWith(QLatin1String("/1-1:1.0/usbmisc/lp0")));
    QVERIFY(QRegularExpression("^\\d+:\\d+$").match(readText(classDir + "/dev")).hasMatch());
    const QString iface = QFileInfo(classDir + "/device").canonicalFilePath();
    QVERIFY(iface.endsWith(QLatin1String("/1-1:1.0")));
    QCOMPARE(readText(iface + "/bInterfaceClass"), QStringLiteral("07"));
    const QString ieee = readText(iface + "/ieee1284_id");
    QVERIFY(ieee.startsWith(QLatin1String("MFG:KVZ;")));
    QVERIFY(ieee.contains(QLatin1String("MDL:KVZ-L7S;")));
    QVERIFY(ieee.contains(QLatin1String("CLS:PRINTER;")));
    const QString device = QFileInfo(iface).path();
    QCOMPARE(device, QFileInfo(printer.usbDeviceDir()).canonicalFilePath());
    QCOMPARE(readText(device + "/idVendor"), QStringLiteral("1a2b"));
    QCOMPARE(readText(device + "/idProduct"), QStringLiteral("3c4d"));
    QCOMPARE(readText(device + "/manufacturer"), QStringLiteral("KVZ"));
    QCOMPARE(readText(device + "/product"), QStringLiteral("KVZ-L7S"));
    QCOMPARE(readText(device + "/serial"), QStringLiteral("SN42"));

    QCOMPARE(printer.usbNodePath(), root.filePath(QStringLiteral("dev/usb/lp0")));
    const int fd = openRaw(printer.usbNodePath());
    QVERIFY(fd >= 0);
    QCOMPARE(transact(fd, hex("10 04 01"), 1), hex("16"));
    ::close(fd);
}

void TestVprinterPorts::usbUnplugAndReplug()
{
    QTemporaryDir root;
    VirtualPrinterOptions o = noNetwork();
    o.usbSysfsRoot = root.path();
    VirtualPrinter printer(o);
    QVERIFY(printer.start());
    const QString entry = printer.usbClassEntry();
    const QString node = printer.usbNodePath();
    const QString deviceDir = printer.usbDeviceDir();
    const int fd = openRaw(node);
    QVERIFY(fd >= 0);
    QCOMPARE(transact(fd, hex("10 04 01"), 1), hex("16"));

    QCOMPARE(printer.control(QStringLiteral("unplug")), QStringLiteral("ok"));
    QVERIFY(!QFileInfo::exists(entry) && !QFileInfo(entry).isSymLink());
    QVERIFY(!QFileInfo::exists(deviceDir));
    QVERIFY(!QFileInfo(node).isSymLink());
    // The open node sees the line go away.
    pollfd p{fd, POLLIN, 0};
    QVERIFY(::poll(&p, 1, WaitMs) > 0);
    QVERIFY(p.revents & (POLLHUP | POLLERR));
    ::close(fd);
    QVERIFY(!printer.events(QStringLiteral("usb_unplugged")).isEmpty());
    QVERIFY(printer.control(QStringLiteral("unplug")).startsWith(QLatin1String("ok"))); // twice is harmless

    QCOMPARE(printer.control(QStringLiteral("replug")), QStringLiteral("ok ") + node);
    QVERIFY(QFileInfo(entry).isSymLink());
    QCOMPARE(readText(deviceDir + "/idVendor"), QStringLiteral("6868"));
    const int again = openRaw(node);
    QVERIFY(again >= 0);
    QCOMPARE(transact(again, hex("10 04 03"), 1), hex("12"));
    ::close(again);
    QVERIFY(!printer.events(QStringLiteral("usb_plugged")).isEmpty());
}

void TestVprinterPorts::twoUsbPrintersShareARoot()
{
    QTemporaryDir root;
    VirtualPrinterOptions o = noNetwork();
    o.usbSysfsRoot = root.path();
    VirtualPrinter first(o);
    QVERIFY(first.start());
    o.usb.serial = QStringLiteral("VP0000002");
    VirtualPrinter second(o);
    QVERIFY(second.start());
    QVERIFY(first.usbClassEntry().endsWith(QLatin1String("/lp0")));
    QVERIFY(second.usbClassEntry().endsWith(QLatin1String("/lp1")));
    QCOMPARE(readText(second.usbDeviceDir() + "/serial"), QStringLiteral("VP0000002"));
    second.stop();
    QVERIFY(!QFileInfo(second.usbClassEntry()).isSymLink());
    QVERIFY(QFileInfo(first.usbClassEntry()).isSymLink());
}

QTEST_MAIN(TestVprinterPorts)
#include "tst_vprinter_ports.moc"
