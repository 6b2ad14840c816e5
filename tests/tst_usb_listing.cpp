#include "support/UsbFakeSysfs.h"

#include "app/base/AppPaths.h"
#include "app/base/Logger.h"
#include "platform/DeviceChangeSource.h"
#include "platform/Ieee1284Id.h"
#include "platform/SysfsUsbPrinterLister.h"
#include "transport/usb/USBDeviceManager.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class UsbListingTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void printerFields_data();
    void printerFields();
    void orderAndSkippedEntries();
    void missingClassDirectory();
    void ieee1284Fields_data();
    void ieee1284Fields();
    void managerRefresh();
    void managerOnAnotherTree();

private:
    QTemporaryDir m_appDir;
};

void UsbListingTest::initTestCase()
{
    QVERIFY(m_appDir.isValid());
    AppPaths::setDirectory(m_appDir.path());
}

void UsbListingTest::printerFields_data()
{
    QTest::addColumn<QString>("idVendor");
    QTest::addColumn<QString>("idProduct");
    QTest::addColumn<QString>("usbManufacturer");
    QTest::addColumn<QString>("usbProduct");
    QTest::addColumn<QString>("usbSerial");
    QTest::addColumn<QString>("ieeeId");
    QTest::addColumn<QString>("vpid");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("manufacturer");

    const QString fullId = QStringLiteral("MFG:Quillmark;CMD:ESC/POS;MDL:QM-80;CLS:PRINTER;");
    QTest::newRow("ieee1284 id") << "0a5f" << "00a3" << "USB Maker" << "USB Product" << "S1" << fullId
                                 << "0a5f&00a3" << "QM-80" << "Quillmark";
    QTest::newRow("long keys") << "0a5f" << "00a3" << "USB Maker" << "USB Product" << "S1"
                               << "MANUFACTURER:Acme;COMMAND SET:ESC/POS;MODEL:A-58;"
                               << "0a5f&00a3" << "A-58" << "Acme";
    QTest::newRow("upper-case ids") << "0A5F" << "00A3" << "M" << "P" << "S" << fullId << "0a5f&00a3" << "QM-80"
                                    << "Quillmark";
    QTest::newRow("short ids padded") << "5f" << "a3" << "M" << "P" << "S" << fullId << "005f&00a3" << "QM-80"
                                      << "Quillmark";
    QTest::newRow("no MDL: product") << "0a5f" << "00a3" << "USB Maker" << "USB Product" << "S1"
                                     << "MFG:Quillmark;CMD:ESC/POS;" << "0a5f&00a3" << "USB Product"
                                     << "Quillmark";
    QTest::newRow("no id: USB strings") << "0a5f" << "00a3" << "USB Maker" << "USB Product" << "S1" << QString()
                                        << "0a5f&00a3" << "USB Product" << "USB Maker";
    QTest::newRow("no product: serial") << "0a5f" << "00a3" << QString() << QString() << "S1" << QString()
                                        << "0a5f&00a3" << "S1" << "";
    QTest::newRow("empty MDL value") << "0a5f" << "00a3" << "USB Maker" << "USB Product" << "S1"
                                     << "MFG:;MDL:;" << "0a5f&00a3" << "USB Product" << "USB Maker";
    QTest::newRow("bad vendor id") << "zz" << "00a3" << "M" << "P" << "S" << fullId << "" << "QM-80"
                                   << "Quillmark";
}

void UsbListingTest::printerFields()
{
    QFETCH(QString, idVendor);
    QFETCH(QString, idProduct);
    QFETCH(QString, usbManufacturer);
    QFETCH(QString, usbProduct);
    QFETCH(QString, usbSerial);
    QFETCH(QString, ieeeId);
    QFETCH(QString, vpid);
    QFETCH(QString, model);
    QFETCH(QString, manufacturer);

    UsbFakeSysfs tree;
    QVERIFY(tree.isValid());
    UsbFakeSysfs::Printer p;
    p.idVendor = idVendor;
    p.idProduct = idProduct;
    p.manufacturer = usbManufacturer;
    p.product = usbProduct;
    p.serial = usbSerial;
    p.ieee1284Id = ieeeId;
    QVERIFY(tree.addPrinter(0, p, QStringLiteral("/dev/null")));

    const QList<DevInfo> printers = SysfsUsbPrinterLister(tree.sysfsRoot(), tree.devRoot()).listPrinters();
    QCOMPARE(printers.size(), 1);
    const DevInfo &d = printers.first();
    QCOMPARE(d.vpid, vpid);
    QCOMPARE(d.model, model);
    QCOMPARE(d.manufacturer, manufacturer);
    QCOMPARE(d.devPath, tree.nodePath(0));
    QVERIFY(d.ip.isEmpty() && d.mac.isEmpty() && d.name.isEmpty());
}

void UsbListingTest::orderAndSkippedEntries()
{
    UsbFakeSysfs tree;
    UsbFakeSysfs::Printer p;
    for (int n : {10, 2, 0}) {
        p.serial = QStringLiteral("S%1").arg(n);
        QVERIFY(tree.addPrinter(n, p, QStringLiteral("/dev/null")));
    }
    // Listed in sysfs but without a node: not present.
    QVERIFY(tree.addPrinter(3, p, QString()));
    // Not a printer node of the usbmisc class layout.
    QVERIFY(QDir().mkpath(tree.sysfsRoot() + QStringLiteral("/class/usbmisc/hiddev0")));

    const QList<DevInfo> printers = SysfsUsbPrinterLister(tree.sysfsRoot(), tree.devRoot()).listPrinters();
    QStringList paths;
    for (const DevInfo &d : printers)
        paths << d.devPath;
    QCOMPARE(paths, QStringList({tree.nodePath(0), tree.nodePath(2), tree.nodePath(10)}));

    tree.removePrinter(2);
    QCOMPARE(SysfsUsbPrinterLister(tree.sysfsRoot(), tree.devRoot()).listPrinters().size(), 2);
}

void UsbListingTest::missingClassDirectory()
{
    QTemporaryDir empty;
    QVERIFY(SysfsUsbPrinterLister(empty.path(), empty.path()).listPrinters().isEmpty());
}

void UsbListingTest::ieee1284Fields_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("manufacturer");
    QTest::newRow("plain") << "MFG:Quillmark;MDL:QM-80;" << "QM-80" << "Quillmark";
    QTest::newRow("blanks and case") << " mfg : Quillmark ; mdl: QM 80 ;\n" << "QM 80" << "Quillmark";
    QTest::newRow("colon in value") << "MDL:QM:80;" << "QM:80" << "";
    QTest::newRow("no trailing semicolon") << "MFG:A;MDL:B" << "B" << "A";
    QTest::newRow("MDL wins over MODEL") << "MODEL:X;MDL:Y;" << "Y" << "";
    QTest::newRow("garbage") << "no pairs here" << "" << "";
    QTest::newRow("empty") << "" << "" << "";
}

void UsbListingTest::ieee1284Fields()
{
    QFETCH(QString, id);
    QFETCH(QString, model);
    QFETCH(QString, manufacturer);
    QCOMPARE(Ieee1284Id::model(id), model);
    QCOMPARE(Ieee1284Id::manufacturer(id), manufacturer);
}

void UsbListingTest::managerRefresh()
{
    UsbFakeSysfs tree;
    USBDeviceManager manager(std::make_unique<SysfsUsbPrinterLister>(tree.sysfsRoot(), tree.devRoot()),
                             new DeviceChangeSource);
    QSignalSpy scanOver(&manager, &USBDeviceManager::sigScanOverUsb);
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);

    manager.refreshDeviceList();
    QCOMPARE(scanOver.count(), 1);
    QCOMPARE(log.count(), 1);
    QVERIFY(log.first().at(1).toString().endsWith(QStringLiteral("] USB设备搜索完成")));
    QVERIFY(manager.getDeviceList().isEmpty());

    UsbFakeSysfs::Printer p;
    QVERIFY(tree.addPrinter(0, p, QStringLiteral("/dev/null")));
    manager.refreshDeviceList();
    QCOMPARE(scanOver.count(), 2);
    const QVariantList list = manager.getDeviceList();
    QCOMPARE(list.size(), 1);
    const QVariantMap entry = list.first().toMap();
    QCOMPARE(entry.keys(), QStringList({"devPath", "manufacturer", "model", "vpid"}));
    QCOMPARE(entry.value("vpid").toString(), QStringLiteral("0a5f&00a3"));
    QCOMPARE(entry.value("model").toString(), QStringLiteral("QM-80"));
    QCOMPARE(entry.value("manufacturer").toString(), QStringLiteral("Quillmark"));
    QCOMPARE(entry.value("devPath").toString(), tree.nodePath(0));
}

// The program pointed at a tree of its own lists that tree's printers and
// notices a printer plugged in there.
void UsbListingTest::managerOnAnotherTree()
{
    UsbFakeSysfs tree;
    QVERIFY(tree.addPrinter(0, UsbFakeSysfs::Printer(), QStringLiteral("/dev/null")));
    qputenv("QM_USB_SYSFS_ROOT", tree.sysfsRoot().toLocal8Bit());
    qputenv("QM_USB_DEV_ROOT", tree.devRoot().toLocal8Bit());
    USBDeviceManager manager;
    qunsetenv("QM_USB_SYSFS_ROOT");
    qunsetenv("QM_USB_DEV_ROOT");

    manager.refreshDeviceList();
    QCOMPARE(manager.devices().size(), 1);
    QCOMPARE(manager.devices().first().devPath, tree.nodePath(0));

    QSignalSpy scanOver(&manager, &USBDeviceManager::sigScanOverUsb);
    UsbFakeSysfs::Printer second;
    second.serial = QStringLiteral("QM0002");
    QVERIFY(tree.addPrinter(1, second, QStringLiteral("/dev/null")));
    QTRY_COMPARE(manager.devices().size(), 2);
    QVERIFY(scanOver.count() >= 1);
}

QTEST_GUILESS_MAIN(UsbListingTest)
#include "tst_usb_listing.moc"
