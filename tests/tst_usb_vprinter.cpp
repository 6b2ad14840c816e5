// The USB transport against the virtual printer's USB mode: a fake sysfs entry
// under a temporary root and a pty as the printer's node, unplugged and
// plugged in again through the printer's own control.
#include "support/TestAppDir.h"

#include "app/base/Logger.h"
#include "platform/SysfsPollingDeviceChangeSource.h"
#include "platform/SysfsUsbPrinterLister.h"
#include "transport/usb/USBDeviceManager.h"

#include "VirtualPrinter.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
// How often the test's device-change source looks at the fake tree.
const int kPollMs = 50;
const QString kModel = QStringLiteral("KVZ-L7N");
const QString kVpid = QStringLiteral("6868&0500");
} // namespace

class UsbVirtualPrinterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listsThePrinter();
    void commandsReachThePrinter();
    void statusRepliesInOrder();
    void settingsWrittenAndReadBack();
    void unplugAndReplug();

private:
    bool connectFirst();

    std::unique_ptr<TestAppDir> m_appDir;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<VirtualPrinter> m_printer;
    std::unique_ptr<USBDeviceManager> m_manager;
};

void UsbVirtualPrinterTest::initTestCase()
{
    m_appDir = std::make_unique<TestAppDir>();
    Logger::getInstance();
}

void UsbVirtualPrinterTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    VirtualPrinterOptions o;
    o.rawPort = VirtualPrinterOptions::Off;
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    o.usbSysfsRoot = m_root->path();
    m_printer = std::make_unique<VirtualPrinter>(o);
    QString error;
    QVERIFY2(m_printer->start(&error), qPrintable(error));
    QVERIFY(!m_printer->usbNodePath().isEmpty());

    const QString root = m_root->path();
    auto lister = std::make_unique<SysfsUsbPrinterLister>(root, root + QStringLiteral("/dev"));
    auto *source = new SysfsPollingDeviceChangeSource(lister->classDirectory(), kPollMs);
    m_manager = std::make_unique<USBDeviceManager>(std::move(lister), source);
}

void UsbVirtualPrinterTest::cleanup()
{
    m_manager.reset();
    m_printer.reset();
    m_root.reset();
}

bool UsbVirtualPrinterTest::connectFirst()
{
    m_manager->refreshDeviceList();
    const QVariantList list = m_manager->getDeviceList();
    if (list.size() != 1)
        return false;
    const QVariantMap d = list.first().toMap();
    return m_manager->connectDevice(d.value("vpid").toString(), d.value("model").toString(),
                                    d.value("manufacturer").toString(), d.value("devPath").toString());
}

namespace {
// The bytes of every command the printer decoded from its USB link, in order.
QByteArray usbCommandBytes(const VirtualPrinter &printer)
{
    QByteArray bytes;
    for (const QJsonObject &e : printer.events()) {
        if (e.value("source").toString() == QLatin1String("usb") && e.value("kind").toString() == QLatin1String("command"))
            bytes += QByteArray::fromHex(e.value("hex").toString().toLatin1());
    }
    return bytes;
}
} // namespace

void UsbVirtualPrinterTest::listsThePrinter()
{
    QSignalSpy scanOver(m_manager.get(), &USBDeviceManager::sigScanOverUsb);
    m_manager->refreshDeviceList();
    QCOMPARE(scanOver.count(), 1);
    const QVariantList list = m_manager->getDeviceList();
    QCOMPARE(list.size(), 1);
    const QVariantMap d = list.first().toMap();
    QCOMPARE(d.value("vpid").toString(), kVpid);
    QCOMPARE(d.value("model").toString(), kModel);
    QCOMPARE(d.value("manufacturer").toString(), QStringLiteral("KVZ"));
    QCOMPARE(d.value("devPath").toString(), m_printer->usbNodePath());
    QVERIFY(connectFirst());
    QVERIFY(m_manager->isConnected());
}

void UsbVirtualPrinterTest::commandsReachThePrinter()
{
    QVERIFY(connectFirst());
    m_manager->setBuzzerClicked(3, 5);
    m_manager->setCutClicked(1, 0);
    m_manager->setOpenPulseClicked(1, 3);
    const QByteArray expected = QByteArray::fromHex("1b42030500" "1d5600" "1014010003");
    QTRY_COMPARE(usbCommandBytes(*m_printer), expected);
}

void UsbVirtualPrinterTest::statusRepliesInOrder()
{
    m_printer->setFlag(VpState::PaperOut, true);
    QVERIFY(connectFirst());
    QSignalSpy replies(m_manager.get(), &USBDeviceManager::sigUsbResponse);
    const QStringList names = {"PrinterStatus", "OfflineStatus", "ErrorStatus", "PaperStatus"};
    // One request at a time: each reply is a chunk of its own.
    for (int n = 1; n <= 4; ++n) {
        switch (n) {
        case 1: m_manager->setPrinterStatusClicked(); break;
        case 2: m_manager->setOfflineStatusClicked(); break;
        case 3: m_manager->setErrorStatusClicked(); break;
        default: m_manager->setPaperStatusClicked(); break;
        }
        QTRY_COMPARE(replies.count(), n);
        QCOMPARE(replies.last().at(0).toString(), names.at(n - 1));
        QCOMPARE(replies.last().at(1).toString(),
                 QStringLiteral("%1").arg(m_printer->statusByte(n), 2, 16, QLatin1Char('0')));
    }
    QVERIFY(m_printer->statusByte(4) != 0); // the paper-out flag shows
}

void UsbVirtualPrinterTest::settingsWrittenAndReadBack()
{
    QVERIFY(connectFirst());
    QSignalSpy replies(m_manager.get(), &USBDeviceManager::sigUsbResponse);
    m_manager->setBluetoothNameClicked(QStringLiteral("QM-BT7"));
    m_manager->setSearchBluetoothNameClicked();
    QTRY_COMPARE(replies.count(), 1);
    m_manager->setPrintDensityModeClicked(3);
    m_manager->setSearchPrintDensityModeClicked();
    QTRY_COMPARE(replies.count(), 2);

    // Each answer is a settings frame: 10, code, direction, 00, length (low
    // byte first), the stored value, the sum of all bytes before it.
    const struct
    {
        const char *name;
        quint8 code;
        QByteArray value;
    } expected[] = {{"BluetoothName", 0xA7, "QM-BT7"}, {"PrintDensityMode", 0xA5, QByteArray(1, 3)}};
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(replies.at(i).at(0).toString(), QString::fromLatin1(expected[i].name));
        const QByteArray frame = QByteArray::fromHex(replies.at(i).at(1).toString().toLatin1());
        QVERIFY2(frame.size() >= 7, qPrintable(replies.at(i).at(1).toString()));
        QCOMPARE(quint8(frame.at(0)), quint8(0x10));
        QCOMPARE(quint8(frame.at(1)), expected[i].code);
        const int length = quint8(frame.at(4)) | (quint8(frame.at(5)) << 8);
        QCOMPARE(frame.size(), 6 + length + 1);
        QCOMPARE(frame.mid(6, length), expected[i].value);
        quint8 sum = 0;
        for (int k = 0; k < frame.size() - 1; ++k)
            sum = quint8(sum + quint8(frame.at(k)));
        QCOMPARE(quint8(frame.back()), sum);
    }
    QCOMPARE(m_printer->setting(0xA7), QByteArray("QM-BT7"));
}

void UsbVirtualPrinterTest::unplugAndReplug()
{
    QVERIFY(connectFirst());
    QSignalSpy removed(m_manager.get(), &USBDeviceManager::sigUsbDeviceRemoved);
    QSignalSpy reconnect(m_manager.get(), &USBDeviceManager::sigUsbDeviceReconnect);
    QSignalSpy replies(m_manager.get(), &USBDeviceManager::sigUsbResponse);
    m_manager->setPrinterStatusClicked(); // the reader is running when the printer goes
    QTRY_COMPARE(replies.count(), 1);

    QString error;
    QVERIFY2(m_printer->unplug(&error), qPrintable(error));
    QTRY_COMPARE(removed.count(), 1);
    QVERIFY(!m_manager->isConnected());
    QTest::qWait(5 * kPollMs);
    QCOMPARE(removed.count(), 1);

    QVERIFY2(m_printer->replug(&error), qPrintable(error));
    QTRY_COMPARE(reconnect.count(), 1);
    QCOMPARE(reconnect.first().at(0).toString(), kModel);
    QCOMPARE(reconnect.first().at(1).toString(), kVpid);
    QVERIFY(m_manager->isConnected());

    m_manager->setPaperStatusClicked();
    QTRY_COMPARE(replies.count(), 2);
    QCOMPARE(replies.last().at(0).toString(), QStringLiteral("PaperStatus"));
    QVERIFY(!replies.last().at(1).toString().isEmpty());
    m_manager->setBuzzerClicked(1, 1);
    QTRY_VERIFY(usbCommandBytes(*m_printer).endsWith(QByteArray::fromHex("1b42010100")));
}

QTEST_GUILESS_MAIN(UsbVirtualPrinterTest)
#include "tst_usb_vprinter.moc"
