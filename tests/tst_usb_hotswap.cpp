#include "support/UsbFakeSysfs.h"

#include "platform/DeviceChangeSource.h"
#include "platform/SysfsPollingDeviceChangeSource.h"
#include "platform/UdevDeviceChangeSource.h"
#include "transport/usb/DeviceChangeDebouncer.h"
#include "transport/usb/USBHotSwapping.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
const quint32 kArrival = DeviceChangeSource::DeviceArrival;
const quint32 kRemoval = DeviceChangeSource::DeviceRemoveComplete;
const quint32 kNodesChanged = DeviceChangeSource::DevNodesChanged;
} // namespace

// One notification of a scripted sequence: when it comes, what it reports,
// and whether it is about a device interface.
struct Notification
{
    qint64 atMs;
    quint32 code;
    bool deviceInterface;
};
Q_DECLARE_METATYPE(QList<Notification>)

class UsbHotSwapTest : public QObject
{
    Q_OBJECT
private slots:
    void debounce_data();
    void debounce();
    void debouncerAlone();
    void udevActions();
    void sysfsPolling();
};

void UsbHotSwapTest::debounce_data()
{
    QTest::addColumn<QList<Notification>>("sequence");
    QTest::addColumn<QList<quint32>>("emitted");

    QTest::newRow("three arrivals within 50 ms")
        << QList<Notification>{{0, kArrival, true}, {20, kArrival, true}, {50, kArrival, true}}
        << QList<quint32>{kArrival};
    QTest::newRow("arrival 150 ms after the accepted one")
        << QList<Notification>{{0, kArrival, true}, {150, kArrival, true}} << QList<quint32>{kArrival, kArrival};
    QTest::newRow("window counts from the last accepted, not the last seen")
        << QList<Notification>{{0, kArrival, true}, {60, kArrival, true}, {120, kArrival, true}}
        << QList<quint32>{kArrival, kArrival};
    QTest::newRow("exactly 100 ms passes")
        << QList<Notification>{{0, kArrival, true}, {100, kArrival, true}} << QList<quint32>{kArrival, kArrival};
    QTest::newRow("nodes-changed in between lets the next arrival through")
        << QList<Notification>{{0, kArrival, true}, {30, kNodesChanged, true}, {60, kArrival, true}}
        << QList<quint32>{kArrival, kArrival};
    QTest::newRow("removal right after arrival")
        << QList<Notification>{{0, kArrival, true}, {10, kRemoval, true}} << QList<quint32>{kArrival, kRemoval};
    QTest::newRow("repeated removals")
        << QList<Notification>{{0, kRemoval, true}, {40, kRemoval, true}, {90, kRemoval, true}}
        << QList<quint32>{kRemoval};
    QTest::newRow("other device type updates the last code but is not emitted")
        << QList<Notification>{{0, kArrival, false}, {30, kArrival, true}, {200, kArrival, true}}
        << QList<quint32>{kArrival};
    QTest::newRow("other device type in between lets the arrival through")
        << QList<Notification>{{0, kArrival, true}, {20, kRemoval, false}, {40, kArrival, true}}
        << QList<quint32>{kArrival, kArrival};
    QTest::newRow("first event at clock zero") << QList<Notification>{{0, kNodesChanged, true}}
                                               << QList<quint32>{};
}

void UsbHotSwapTest::debounce()
{
    QFETCH(QList<Notification>, sequence);
    QFETCH(QList<quint32>, emitted);

    qint64 now = 0;
    auto *source = new DeviceChangeSource;
    USBHotSwapping hotSwapping(nullptr, source);
    hotSwapping.setDebounceClock([&now] { return now; });
    QSignalSpy spy(&hotSwapping, &USBHotSwapping::sigDeviceChanges);

    for (const Notification &n : sequence) {
        now = n.atMs;
        emit source->deviceChanged(n.code, QStringLiteral("lp0"), n.deviceInterface);
    }
    QList<quint32> seen;
    for (const QList<QVariant> &args : qAsConst(spy)) {
        seen << args.at(0).value<uint16_t>();
        QCOMPARE(args.at(1).toString(), QStringLiteral("lp0"));
    }
    QCOMPARE(seen, emitted);
}

void UsbHotSwapTest::debouncerAlone()
{
    DeviceChangeDebouncer real;
    QVERIFY(real.accept(kArrival));
    QVERIFY(!real.accept(kArrival));
    QTest::qWait(150);
    QVERIFY(real.accept(kArrival));
}

void UsbHotSwapTest::udevActions()
{
    QCOMPARE(UdevDeviceChangeSource::codeForAction(QStringLiteral("add")), kArrival);
    QCOMPARE(UdevDeviceChangeSource::codeForAction(QStringLiteral("remove")), kRemoval);
    QCOMPARE(UdevDeviceChangeSource::codeForAction(QStringLiteral("change")), kNodesChanged);
    QCOMPARE(UdevDeviceChangeSource::codeForAction(QStringLiteral("bind")), kNodesChanged);
    // Setting up the monitor must not fail loudly where udev is missing.
    UdevDeviceChangeSource source;
    Q_UNUSED(source.isMonitoring());
}

void UsbHotSwapTest::sysfsPolling()
{
    UsbFakeSysfs tree;
    UsbFakeSysfs::Printer p;
    QVERIFY(tree.addPrinter(0, p, QStringLiteral("/dev/null")));
    SysfsPollingDeviceChangeSource source(tree.sysfsRoot() + QStringLiteral("/class/usbmisc"), 20);
    QSignalSpy spy(&source, &DeviceChangeSource::deviceChanged);

    QVERIFY(tree.addPrinter(1, p, QStringLiteral("/dev/null")));
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toUInt(), kArrival);
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("lp1"));

    tree.removePrinter(0);
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toUInt(), kRemoval);
    QCOMPARE(spy.at(1).at(1).toString(), QStringLiteral("lp0"));
}

QTEST_GUILESS_MAIN(UsbHotSwapTest)
#include "tst_usb_hotswap.moc"
