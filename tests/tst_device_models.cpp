// The device lists and connection state the view model publishes to the
// connection pages: list models following each transport's manager (a LAN
// search with live rows, USB hot-plug, serial port and spooler queue refresh)
// and the connection of each transport with the connected printer's model.

#include "support/TestAppDir.h"
#include "support/UsbFakeSysfs.h"
#include "support/UsbPtyPrinter.h"
#include "support/serial_PtyPair.h"

#include "app/DeviceListModel.h"
#include "app/DeviceViewModel.h"
#include "app/base/ConfigManager.h"
#include "platform/DeviceChangeSource.h"
#include "platform/PrintQueueService.h"
#include "platform/SysfsUsbPrinterLister.h"
#include "transport/serial/SerialPortManager.h"
#include "transport/spooler/PrintDriverManager.h"
#include "transport/tcp/ScanWorker.h"
#include "transport/tcp/TcpDeviceManager.h"
#include "transport/usb/USBDeviceManager.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>
#include <mutex>

namespace {

using Pass = QList<DevInfo>;

DevInfo tcpPrinter(const QString &ip, const QString &mac, const QString &name)
{
    return DevInfo{ip, mac, name, {}, {}, {}, {}};
}

// What a list model did, in order: "reset <rows>", "insert <name> <rows>",
// "searching" and "idle".
struct ModelTrace : QObject
{
    QStringList events;
    explicit ModelTrace(DeviceListModel *model)
    {
        connect(model, &QAbstractItemModel::modelReset, this,
                [this, model] { events << QStringLiteral("reset %1").arg(model->count()); });
        connect(model, &QAbstractItemModel::rowsInserted, this, [this, model](const QModelIndex &, int first, int) {
            events << QStringLiteral("insert %1 %2").arg(model->device(first).name).arg(model->count());
        });
        connect(model, &DeviceListModel::searchingChanged, this, [this, model] {
            events << (model->searching() ? QStringLiteral("searching") : QStringLiteral("idle"));
        });
    }
};

QStringList column(const DeviceListModel &model, const char *role)
{
    QStringList values;
    for (int row = 0; row < model.count(); ++row)
        values << model.get(row).value(QString::fromLatin1(role)).toString();
    return values;
}

// A spooler whose queue names the test sets.
class FakeQueues : public PrintQueueService
{
public:
    void setNames(const QStringList &names)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_names = names;
    }
    QStringList queueNames() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_names;
    }
    JobResult submitRawJob(const QString &, const QString &, const QByteArray &) override { return JobResult::Completed; }
    QUrl queuePageUrl(const QString &) const override { return QUrl(); }
    QUrl propertiesPageUrl(const QString &) const override { return QUrl(); }

private:
    std::mutex m_mutex;
    QStringList m_names;
};

// Longer than the USB hot-plug debounce window.
const int kPastDebounceMs = 150;
// A loopback address no other test puts a printer on.
const char *const kPrinterIp = "127.0.77.1";

} // namespace

class DeviceModelsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void tcpSearchShowsPrintersLiveThenItsList();
    void tcpRowsOutsideASearchAndDuplicates();
    void tcpPageEntriesLastUntilTheNextSearch();
    void usbListFollowsPlugAndUnplug();
    void serialPortsFollowRefresh();
    void spoolerQueuesFollowRefresh();

    void tcpConnectionNamesThePrinter();
    void serialConnectionLeavesThePrinterName();
    void usbUnplugEmptiesListAndConnection();
    void capabilitiesFollowTheNameFromAnySource_data();
    void capabilitiesFollowTheNameFromAnySource();

private:
    TestAppDir m_app;
};

void DeviceModelsTest::initTestCase()
{
    ConfigManager::getInstance()->initialize();
}

void DeviceModelsTest::cleanup()
{
    ConfigManager::getInstance()->setCurrentDeviceName(QString());
}

void DeviceModelsTest::tcpSearchShowsPrintersLiveThenItsList()
{
    TcpDeviceManager manager;
    DeviceListModel model(&manager);
    // The second search's first pass differs from the first search's result,
    // so a second pass runs; both passes announce their printers.
    std::mutex scriptMutex;
    QList<Pass> script{{tcpPrinter("127.0.77.1", "aa:00", "KVZ-L7N")},
                       {tcpPrinter("127.0.77.1", "aa:00", "KVZ-L7N"), tcpPrinter("127.0.77.2", "", "KVZ-L7S")},
                       {tcpPrinter("127.0.77.1", "aa:00", "KVZ-L7N"), tcpPrinter("127.0.77.2", "", "KVZ-L7S"),
                        tcpPrinter("127.0.77.3", "aa:03", "KVZ-L7K")}};
    manager.scanWorker()->setPassRunner([&](int) {
        std::lock_guard<std::mutex> lock(scriptMutex);
        return script.isEmpty() ? Pass{} : script.takeFirst();
    });
    QSignalSpy over(&manager, &TcpDeviceManager::sigScanOverTcp);
    manager.refreshDeviceList();
    QVERIFY(over.wait(5000));
    QCOMPARE(column(model, "name"), QStringList{QStringLiteral("KVZ-L7N")});

    ModelTrace trace(&model);
    manager.refreshDeviceList();
    // Emptied and searching as soon as the search is asked for.
    QCOMPARE(model.count(), 0);
    QVERIFY(model.searching());
    QVERIFY(over.wait(5000));
    QCOMPARE(trace.events, (QStringList{QStringLiteral("reset 0"), QStringLiteral("searching"),
                                        QStringLiteral("insert KVZ-L7N 1"), QStringLiteral("insert KVZ-L7S 2"),
                                        QStringLiteral("insert KVZ-L7K 3"), QStringLiteral("reset 3"),
                                        QStringLiteral("idle")}));

    QCOMPARE(column(model, "name"), (QStringList{QStringLiteral("KVZ-L7N"), QStringLiteral("KVZ-L7S"), QStringLiteral("KVZ-L7K")}));
    QCOMPARE(column(model, "ip"), (QStringList{QStringLiteral("127.0.77.1"), QStringLiteral("127.0.77.2"), QStringLiteral("127.0.77.3")}));
    // A printer without a MAC address reads as unknown; the device keeps it empty.
    QCOMPARE(column(model, "mac"), (QStringList{QStringLiteral("aa:00"), QStringLiteral("未知MAC"), QStringLiteral("aa:03")}));
    QCOMPARE(model.data(model.index(1), DeviceListModel::MacRole).toString(), QStringLiteral("未知MAC"));
    QVERIFY(model.device(1).mac.isEmpty());
    QCOMPARE(model.get(3), QVariantMap());
}

void DeviceModelsTest::tcpRowsOutsideASearchAndDuplicates()
{
    TcpDeviceManager manager;
    DeviceListModel model(&manager);
    manager.scanWorker()->setPassRunner([](int) { return Pass{tcpPrinter("127.0.77.1", "aa:00", "KVZ-L7N")}; });
    QVariantMap found{{QStringLiteral("name"), QStringLiteral("KVZ-L7N")},
                      {QStringLiteral("ip"), QStringLiteral("127.0.77.1")},
                      {QStringLiteral("mac"), QStringLiteral("aa:00")}};
    // Outside a search an identified printer is not listed.
    emit manager.sigDeviceFoundTcp(found);
    QCOMPARE(model.count(), 0);

    QSignalSpy over(&manager, &TcpDeviceManager::sigScanOverTcp);
    manager.refreshDeviceList();
    emit manager.sigDeviceFoundTcp(found);
    emit manager.sigDeviceFoundTcp(found);
    QCOMPARE(model.count(), 1);
    // The worker's own report of the same printer adds nothing either.
    QVERIFY(over.wait(5000));
    QCOMPARE(model.count(), 1);
    QVERIFY(!model.searching());
}

void DeviceModelsTest::tcpPageEntriesLastUntilTheNextSearch()
{
    TcpDeviceManager manager;
    DeviceListModel model(&manager);
    manager.scanWorker()->setPassRunner([](int) { return Pass{tcpPrinter("127.0.77.1", "aa:00", "KVZ-L7N")}; });
    QSignalSpy over(&manager, &TcpDeviceManager::sigScanOverTcp);
    manager.refreshDeviceList();
    QVERIFY(over.wait(5000));

    QSignalSpy count(&model, &DeviceListModel::countChanged);
    // An address tested on the page is listed even when the search found it.
    model.append({{QStringLiteral("name"), QStringLiteral("KVZ-L7N")},
                  {QStringLiteral("ip"), QStringLiteral("127.0.77.1")},
                  {QStringLiteral("mac"), QStringLiteral("aa:00")}});
    model.append({{QStringLiteral("name"), QStringLiteral("KVZ-L7W")}, {QStringLiteral("ip"), QStringLiteral("127.0.77.9")}});
    QCOMPARE(column(model, "ip"), (QStringList{QStringLiteral("127.0.77.1"), QStringLiteral("127.0.77.1"), QStringLiteral("127.0.77.9")}));
    model.remove(0);
    model.remove(7); // no such row
    model.remove(-1);
    QCOMPARE(column(model, "name"), (QStringList{QStringLiteral("KVZ-L7N"), QStringLiteral("KVZ-L7W")}));
    QCOMPARE(count.count(), 3);
    // Removing from the page leaves the transport's list alone.
    QCOMPARE(manager.getDeviceList().size(), 1);

    manager.refreshDeviceList();
    QCOMPARE(model.count(), 0);
    QVERIFY(over.wait(5000));
    QCOMPARE(column(model, "ip"), QStringList{QStringLiteral("127.0.77.1")});
}

void DeviceModelsTest::usbListFollowsPlugAndUnplug()
{
    UsbFakeSysfs tree;
    QVERIFY(tree.isValid());
    QTemporaryDir nodes;
    const auto node = [&nodes](const QString &name) {
        QFile file(nodes.filePath(name));
        return file.open(QIODevice::WriteOnly) ? file.fileName() : QString();
    };
    UsbFakeSysfs::Printer other;
    other.idVendor = QStringLiteral("6868");
    other.idProduct = QStringLiteral("0500");
    other.manufacturer.clear();
    other.ieee1284Id = QStringLiteral("MFG:;CMD:ESC/POS;MDL:KVZ-L7N;CLS:PRINTER;");
    QVERIFY(tree.addPrinter(0, UsbFakeSysfs::Printer(), node(QStringLiteral("a"))));
    QVERIFY(tree.addPrinter(1, other, node(QStringLiteral("b"))));
    auto *source = new DeviceChangeSource;
    USBDeviceManager manager(std::make_unique<SysfsUsbPrinterLister>(tree.sysfsRoot(), tree.devRoot()), source);
    DeviceListModel model(&manager);
    QCOMPARE(model.count(), 0);

    manager.refreshDeviceList();
    QCOMPARE(column(model, "vpid"), (QStringList{QStringLiteral("0a5f&00a3"), QStringLiteral("6868&0500")}));
    QCOMPARE(column(model, "modelName"), (QStringList{QStringLiteral("QM-80"), QStringLiteral("KVZ-L7N")}));
    QCOMPARE(column(model, "manufacturer"), (QStringList{QStringLiteral("Quillmark"), QStringLiteral("未知厂商")}));
    QCOMPARE(column(model, "devPath"), (QStringList{tree.nodePath(0), tree.nodePath(1)}));
    QVERIFY(!model.searching());

    // Unplugged: the manager lists again and the row goes.
    tree.removePrinter(0);
    QTest::qWait(kPastDebounceMs);
    emit source->deviceChanged(DeviceChangeSource::DeviceRemoveComplete, QStringLiteral("lp0"), true);
    QCOMPARE(column(model, "devPath"), QStringList{tree.nodePath(1)});

    QVERIFY(tree.addPrinter(0, UsbFakeSysfs::Printer(), node(QStringLiteral("a"))));
    QTest::qWait(kPastDebounceMs);
    emit source->deviceChanged(DeviceChangeSource::DeviceArrival, QStringLiteral("lp0"), true);
    QCOMPARE(column(model, "devPath"), (QStringList{tree.nodePath(0), tree.nodePath(1)}));
}

void DeviceModelsTest::serialPortsFollowRefresh()
{
    // A by-id name of an adapter no port list knows: it is listed by that name.
    QTemporaryDir byId;
    QTemporaryDir devices;
    QFile node(devices.filePath(QStringLiteral("ttyQM0")));
    QVERIFY(node.open(QIODevice::WriteOnly));
    const QString alias = byId.filePath(QStringLiteral("usb-QM_Serial-if00-port0"));
    QVERIFY(QFile::link(node.fileName(), alias));
    SerialPortManager manager(byId.path(), nullptr);
    DeviceListModel model(&manager);
    QVERIFY(column(model, "name").contains(alias));
    QCOMPARE(model.data(model.index(column(model, "name").indexOf(alias)), Qt::DisplayRole).toString(), alias);

    QVERIFY(QFile::remove(alias));
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    manager.refreshAvailablePorts();
    QCOMPARE(reset.count(), 1);
    QVERIFY(!column(model, "name").contains(alias));
    QCOMPARE(column(model, "name"), manager.availablePorts());
}

void DeviceModelsTest::spoolerQueuesFollowRefresh()
{
    auto *queues = new FakeQueues;
    queues->setNames({QStringLiteral("QM-Receipt"), QStringLiteral("QM-Kitchen")});
    PrintDriverManager manager(queues);
    DeviceListModel model(&manager);
    QCOMPARE(column(model, "name"), (QStringList{QStringLiteral("QM-Receipt"), QStringLiteral("QM-Kitchen")}));

    model.remove(0);
    QCOMPARE(column(model, "name"), QStringList{QStringLiteral("QM-Kitchen")});
    queues->setNames({QStringLiteral("QM-Kitchen"), QStringLiteral("QM-Bar")});
    manager.refreshPrinters();
    QTRY_COMPARE(column(model, "name"), (QStringList{QStringLiteral("QM-Kitchen"), QStringLiteral("QM-Bar")}));
}

void DeviceModelsTest::tcpConnectionNamesThePrinter()
{
    QTcpServer printer;
    QVERIFY(printer.listen(QHostAddress(QString::fromLatin1(kPrinterIp)), TcpDeviceManager::PrintPort));
    DeviceViewModel vm;
    DeviceConnection *tcp = vm.tcpConnection();
    QSignalSpy opened(tcp, &DeviceConnection::opened);
    QSignalSpy closed(tcp, &DeviceConnection::closed);
    QSignalSpy model(&vm, &DeviceViewModel::deviceModelChanged);

    // Nobody answers there: no connection.
    QVERIFY(!vm.tcpDeviceManager()->connectDevice(QStringLiteral("KVZ-L7N"), QStringLiteral("127.0.77.2"), {}, {}));
    QVERIFY(!tcp->isConnected());
    QCOMPARE(opened.count(), 0);

    QVERIFY(vm.tcpDeviceManager()->connectDevice(QStringLiteral("KVZ-L7N"), QString::fromLatin1(kPrinterIp),
                                                 QStringLiteral("aa:bb:cc:dd:ee:ff"), {}));
    QCOMPARE(opened.count(), 1);
    QVERIFY(tcp->isConnected());
    QCOMPARE(tcp->property("name").toString(), QStringLiteral("KVZ-L7N"));
    QCOMPARE(tcp->property("ip").toString(), QString::fromLatin1(kPrinterIp));
    QCOMPARE(tcp->property("mac").toString(), QStringLiteral("aa:bb:cc:dd:ee:ff"));
    QCOMPARE(vm.deviceName(), QStringLiteral("KVZ-L7N"));
    QVERIFY(vm.isL7N());
    QVERIFY(!vm.isL7S());
    QVERIFY(model.count() >= 1);
    QCOMPARE(ConfigManager::getInstance()->getCurrentDeviceModel(), ConfigManager::L7N);

    vm.tcpDeviceManager()->disconnectDevice();
    vm.tcpDeviceManager()->disconnectDevice();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!tcp->isConnected());
    QCOMPARE(tcp->property("ip").toString(), QString());
    QCOMPARE(vm.deviceName(), QString());
    QVERIFY(!vm.isL7N());
    QCOMPARE(vm.deviceModel(), int(ConfigManager::Unknown));
}

void DeviceModelsTest::serialConnectionLeavesThePrinterName()
{
    PtyPair line;
    QVERIFY(line.isValid());
    DeviceViewModel vm;
    ConfigManager::getInstance()->setCurrentDeviceName(QStringLiteral("KVZ-L7S"));
    DeviceConnection *serial = vm.serialConnection();
    QSignalSpy opened(serial, &DeviceConnection::opened);

    QVERIFY(vm.serialportmanager()->connectSerialPort_new(QStringLiteral(" ") + line.slavePath(), QStringLiteral("9600")));
    QCOMPARE(opened.count(), 1);
    QCOMPARE(serial->name(), line.slavePath());
    QCOMPARE(vm.deviceName(), QStringLiteral("KVZ-L7S"));
    QVERIFY(vm.isL7S());
    QVERIFY(!vm.tcpConnection()->isConnected());

    vm.serialportmanager()->disconnectSerialPort();
    QVERIFY(!serial->isConnected());
    QCOMPARE(serial->name(), QString());
    QCOMPARE(vm.deviceName(), QStringLiteral("KVZ-L7S"));
}

void DeviceModelsTest::usbUnplugEmptiesListAndConnection()
{
    UsbFakeSysfs tree;
    UsbPtyPrinter printer;
    QVERIFY(printer.plugIn());
    QVERIFY(tree.addPrinter(0, UsbFakeSysfs::Printer(), printer.slavePath()));
    // The view model's USB manager looks at this tree, polling it for changes.
    qputenv("QM_USB_SYSFS_ROOT", tree.sysfsRoot().toLocal8Bit());
    qputenv("QM_USB_DEV_ROOT", tree.devRoot().toLocal8Bit());
    DeviceViewModel vm;
    qunsetenv("QM_USB_SYSFS_ROOT");
    qunsetenv("QM_USB_DEV_ROOT");
    DeviceListModel *list = vm.usbDevices();
    DeviceConnection *usb = vm.usbConnection();
    QSignalSpy opened(usb, &DeviceConnection::opened);
    QSignalSpy closed(usb, &DeviceConnection::closed);

    vm.usbDeviceManager()->refreshDeviceList();
    QCOMPARE(list->count(), 1);
    const QVariantMap row = list->get(0);
    QVERIFY(vm.usbDeviceManager()->connectDevice(row.value("vpid").toString(), row.value("modelName").toString(),
                                                 row.value("manufacturer").toString(), row.value("devPath").toString()));
    QCOMPARE(opened.count(), 1);
    QCOMPARE(usb->modelName(), QStringLiteral("QM-80"));
    QCOMPARE(usb->vpid(), QStringLiteral("0a5f&00a3"));
    QCOMPARE(vm.deviceName(), QStringLiteral("QM-80"));

    printer.hangUp();
    tree.removePrinter(0);
    QTRY_COMPARE(list->count(), 0);
    QTRY_COMPARE(closed.count(), 1);
    QVERIFY(!usb->isConnected());
    QCOMPARE(vm.deviceName(), QString());

    QVERIFY(printer.plugIn());
    QVERIFY(tree.addPrinter(0, UsbFakeSysfs::Printer(), printer.slavePath()));
    QTRY_COMPARE(list->count(), 1);
    QTRY_COMPARE(opened.count(), 2);
    QCOMPARE(usb->devPath(), tree.nodePath(0));
    QCOMPARE(vm.deviceName(), QStringLiteral("QM-80"));
    vm.usbDeviceManager()->disconnectDevice();
}

void DeviceModelsTest::capabilitiesFollowTheNameFromAnySource_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("l7n");
    QTest::addColumn<bool>("l7s");
    QTest::newRow("L7N") << "KVZ-L7N-80" << int(ConfigManager::L7N) << true << false;
    QTest::newRow("L7S any case") << "kvz-l7s" << int(ConfigManager::L7S) << false << true;
    QTest::newRow("other") << "KVZ-80" << int(ConfigManager::Standard) << false << false;
    QTest::newRow("none") << "" << int(ConfigManager::Unknown) << false << false;
}

void DeviceModelsTest::capabilitiesFollowTheNameFromAnySource()
{
    QFETCH(QString, name);
    QFETCH(int, model);
    QFETCH(bool, l7n);
    QFETCH(bool, l7s);
    DeviceViewModel vm;
    ConfigManager::getInstance()->setCurrentDeviceName(QStringLiteral("QM-Start"));
    QSignalSpy changed(&vm, &DeviceViewModel::deviceModelChanged);
    // Set in the store directly, as the command pages' tests do.
    ConfigManager::getInstance()->setCurrentDeviceName(name);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(vm.property("deviceName").toString(), name);
    QCOMPARE(vm.property("deviceModel").toInt(), model);
    QCOMPARE(vm.property("isL7N").toBool(), l7n);
    QCOMPARE(vm.property("isL7S").toBool(), l7s);
}

QTEST_MAIN(DeviceModelsTest)
#include "tst_device_models.moc"
