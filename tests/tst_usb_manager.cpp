#include "support/serial_CommandCalls.h"
#include "support/RecordingManager.h"
#include "support/TestAppDir.h"
#include "support/UsbFakeSysfs.h"
#include "support/UsbPtyPrinter.h"

#include "app/base/Logger.h"
#include "commands/RealTimeStatusForm.h"
#include "platform/DeviceChangeSource.h"
#include "platform/SysfsUsbPrinterLister.h"
#include "transport/usb/USBDeviceManager.h"
#include "transport/usb/USBPrinterController.h"

#include <QElapsedTimer>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const quint32 kArrival = DeviceChangeSource::DeviceArrival;
const quint32 kRemoval = DeviceChangeSource::DeviceRemoveComplete;
// Longer than the hot-plug debounce window, so a repeated event is not dropped.
const int kPastDebounceMs = 150;
// Limit for calls that must not block: far above what they take, far below a hang.
const int kPromptMs = 2000;
const QString kModel = QStringLiteral("QM-80");
const QString kVpid = QStringLiteral("0a5f&00a3");

// The manager with its builders in view, to tell whether they were rebuilt.
class UsbManagerUnderTest : public USBDeviceManager
{
public:
    using USBDeviceManager::USBDeviceManager;
    const RealTimeStatusForm *statusBuilder() const { return m_realTimeStatusForm; }
};

bool logged(const QSignalSpy &log, int level, const QString &text)
{
    for (const QList<QVariant> &args : log) {
        if (args.at(0).toInt() == level && args.at(1).toString().endsWith(QStringLiteral("] ") + text))
            return true;
    }
    return false;
}

int loggedCount(const QSignalSpy &log, int level, const QString &text)
{
    int n = 0;
    for (const QList<QVariant> &args : log) {
        if (args.at(0).toInt() == level && args.at(1).toString().endsWith(QStringLiteral("] ") + text))
            ++n;
    }
    return n;
}

// Several times what a pty buffers.
QByteArray bigBlock()
{
    QByteArray bytes(256 * 1024, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 + 3);
    return bytes;
}

QList<QPair<QString, QString>> responses(const QSignalSpy &spy)
{
    QList<QPair<QString, QString>> list;
    for (const QList<QVariant> &args : spy)
        list << qMakePair(args.at(0).toString(), args.at(1).toString());
    return list;
}

} // namespace

class UsbManagerTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void connectListedPrinter();
    void connectFailure();
    void fileAsNodeIsRefused();
    void commandsByteExact_data();
    void commandsByteExact();
    void everyCommandOperationByteExact();
    void otherTypeAndEmptyBlock();
    void statusQueriesAnsweredInOrder();
    void settingsQueriesAnsweredInOrder();
    void queryWithoutAnswer();
    void dataWithNothingPending();
    void requestWhileClosed();
    void idleStopAndRestart();
    void unplugWhileConnected();
    void replugReconnects();
    void unplugOfAnotherDevice();
    void noReconnectAfterClose();
    void enterConfigFlag();
    void enterConfigFailureReportedOnce();
    void closeWhileReadPending();
    void builderOutputWaitsOffTheCallersThread();
    void builderOutputToStalledPrinterReported();

private:
    bool connectFirst();
    void fire(quint32 code, const QString &name = QStringLiteral("lp0"));

    std::unique_ptr<TestAppDir> m_appDir;
    std::unique_ptr<UsbFakeSysfs> m_tree;
    UsbPtyPrinter *m_printer = nullptr;
    DeviceChangeSource *m_source = nullptr;
    UsbManagerUnderTest *m_manager = nullptr;
};

void UsbManagerTest::init()
{
    if (!m_appDir)
        m_appDir = std::make_unique<TestAppDir>();
    m_tree = std::make_unique<UsbFakeSysfs>();
    m_printer = new UsbPtyPrinter;
    QVERIFY(m_printer->plugIn());
    m_printer->setWatching(true);
    QVERIFY(m_tree->addPrinter(0, UsbFakeSysfs::Printer(), m_printer->slavePath()));
    m_source = new DeviceChangeSource;
    m_manager = new UsbManagerUnderTest(
        std::make_unique<SysfsUsbPrinterLister>(m_tree->sysfsRoot(), m_tree->devRoot()), m_source);
}

void UsbManagerTest::cleanup()
{
    delete m_manager;
    delete m_printer;
    m_manager = nullptr;
    m_printer = nullptr;
    m_tree.reset();
}

bool UsbManagerTest::connectFirst()
{
    m_manager->refreshDeviceList();
    const QVariantList list = m_manager->getDeviceList();
    if (list.isEmpty())
        return false;
    const QVariantMap d = list.first().toMap();
    return m_manager->connectDevice(d.value("vpid").toString(), d.value("model").toString(),
                                    d.value("manufacturer").toString(), d.value("devPath").toString());
}

void UsbManagerTest::fire(quint32 code, const QString &name)
{
    QTest::qWait(kPastDebounceMs);
    emit m_source->deviceChanged(code, name, true);
}

void UsbManagerTest::connectListedPrinter()
{
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    QVERIFY(!m_manager->hasBuilders());
    QVERIFY(connectFirst());
    QVERIFY(m_manager->isConnected());
    QVERIFY(m_manager->hasBuilders());
    QCOMPARE(m_manager->currentConnectedDevPath(), m_tree->nodePath(0));
    const DevInfo device = m_manager->connectedDevice();
    QCOMPARE(device.vpid, kVpid);
    QCOMPARE(device.model, kModel);
    QCOMPARE(device.manufacturer, QStringLiteral("Quillmark"));
    QCOMPARE(device.devPath, m_tree->nodePath(0));
    QVERIFY(logged(log, Logger::Info, QStringLiteral("连接USB设备: QM-80 成功")));

    m_manager->disconnectDevice();
    QVERIFY(!m_manager->isConnected());
    QVERIFY(m_manager->currentConnectedDevPath().isEmpty());
    QCOMPARE(m_manager->connectedDevice(), DevInfo());
    QVERIFY(!m_manager->controller()->isOpen());
    QVERIFY(logged(log, Logger::Info, QStringLiteral("断开USB设备: QM-80 ")));

    // A second disconnect has nothing to do and says nothing.
    log.clear();
    m_manager->disconnectDevice();
    QCOMPARE(log.count(), 0);
}

void UsbManagerTest::connectFailure()
{
    QSignalSpy failed(m_manager, &USBDeviceManager::sigConnectionFailUsb);
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    QVERIFY(!m_manager->connectDevice(kVpid, kModel, QString(), m_tree->nodePath(7)));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first().at(0).toString(), kModel);
    QVERIFY(logged(log, Logger::Info, QStringLiteral("连接USB设备: QM-80 失败")));
    QVERIFY(!m_manager->isConnected());
    QVERIFY(!m_manager->hasBuilders());
    QCOMPARE(m_manager->connectedDevice().devPath, m_tree->nodePath(7));
}

void UsbManagerTest::fileAsNodeIsRefused()
{
    // A file chosen as the node would be written over from its first byte.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("passwd"));
    const QByteArray text("root:x:0:0:root:/root:/bin/bash\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QSignalSpy failed(m_manager, &USBDeviceManager::sigConnectionFailUsb);
    QVERIFY(!m_manager->connectDevice(kVpid, kModel, QString(), path));
    QVERIFY(!m_manager->isConnected());
    QVERIFY(!m_manager->controller()->isOpen());
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first().at(0).toString(),
             kModel + QStringLiteral("\n%1 不是设备节点（应为字符设备，如 /dev/usb/lp0 或 /dev/ttyUSB0）").arg(path));
    m_manager->setBuzzerClicked(1, 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), text);
}

void UsbManagerTest::commandsByteExact_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("beep") << 0 << QByteArray::fromHex("1b42030500");
    QTest::newRow("beep and flash") << 1 << QByteArray::fromHex("1b43020402");
    QTest::newRow("partial cut with feed") << 2 << QByteArray::fromHex("1d564228");
    QTest::newRow("full cut") << 3 << QByteArray::fromHex("1d5600");
    QTest::newRow("drawer pulse") << 4 << QByteArray::fromHex("1b70011932");
    QTest::newRow("real-time drawer pulse") << 5 << QByteArray::fromHex("1014010003");
    QTest::newRow("low 8 bits only") << 6 << QByteArray::fromHex("1b42ff0100");
}

void UsbManagerTest::commandsByteExact()
{
    QFETCH(int, row);
    QFETCH(QByteArray, bytes);
    const std::function<void(CommunicationInterface *)> calls[] = {
        [](CommunicationInterface *c) { c->setBuzzerClicked(3, 5); },
        [](CommunicationInterface *c) { c->setBuzzerAlarmClicked(2, 4, 3); },
        [](CommunicationInterface *c) { c->setCutClicked(3, 40); },
        [](CommunicationInterface *c) { c->setCutClicked(1, 40); },
        [](CommunicationInterface *c) { c->setControlPulseClicked(2, 25, 50); },
        [](CommunicationInterface *c) { c->setOpenPulseClicked(1, 3); },
        [](CommunicationInterface *c) { c->setBuzzerClicked(0x1ff, 0x101); },
    };
    QVERIFY(connectFirst());
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    calls[row](m_manager);
    // Sent synchronously: the bytes are on their way when the call returns.
    QTRY_COMPARE(m_printer->received(), bytes);
    QVERIFY(logged(log, Logger::Info, QStringLiteral("USB发出数据 %1 ").arg(QString::fromLatin1(bytes.toHex(' ')))));
    QVERIFY(!m_manager->controller()->isAsyncIoRunning());
}

// Every operation sends over USB exactly the bytes its builder produces (the
// serial transport's output of the same call is the reference).
void UsbManagerTest::everyCommandOperationByteExact()
{
    RecordingManager reference(CommType::Serial);
    QVERIFY(reference.connectDevice(QString(), QString(), QString(), QString()));
    QVERIFY(connectFirst());
    int sending = 0;
    // Texts are valid hexadecimal for the operations that take bytes as text.
    for (const CommandCalls::Call &op : CommandCalls::all(QStringLiteral("31 32 33"))) {
        const QByteArray name = op.name();
        reference.written.clear();
        QVERIFY2(CommandCalls::invoke(&reference, op), name.constData());
        const QByteArray expected = reference.allWritten();
        m_printer->clearReceived();
        QVERIFY2(CommandCalls::invoke(m_manager, op), name.constData());
        if (!expected.isEmpty()) {
            ++sending;
            QTRY_VERIFY2(m_printer->received().size() >= expected.size(), name.constData());
        }
        QTest::qWait(20); // nothing more may follow
        QVERIFY2(m_printer->received() == expected,
                 (name + " sent " + m_printer->received().toHex(' ') + " expected " + expected.toHex(' ')).constData());
    }
    QVERIFY(sending > 0);
}

void UsbManagerTest::otherTypeAndEmptyBlock()
{
    QVERIFY(connectFirst());
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    m_manager->onBuilderData(CommType::Tcp, QByteArray::fromHex("1b40"));
    m_manager->onBuilderData(CommType::Serial, QByteArray::fromHex("1b40"));
    QCOMPARE(log.count(), 0);
    QSignalSpy failures(m_manager, &BaseDeviceManager::sigOperationFailed);
    m_manager->onBuilderData(CommType::Usb, QByteArray());
    QVERIFY(logged(log, Logger::Error, QStringLiteral("USB数据发送失败")));
    QCOMPARE(failures.count(), 1);
    QCOMPARE(failures.first().first().toString(), QStringLiteral("USB数据发送失败"));
    QTest::qWait(50);
    QVERIFY(m_printer->received().isEmpty());
}

void UsbManagerTest::statusQueriesAnsweredInOrder()
{
    m_printer->setReplyGap(100);
    m_printer->setReply(QByteArray::fromHex("100401"), QByteArray::fromHex("12"));
    m_printer->setReply(QByteArray::fromHex("100402"), QByteArray::fromHex("16"));
    m_printer->setReply(QByteArray::fromHex("100403"), QByteArray::fromHex("32"));
    m_printer->setReply(QByteArray::fromHex("100404"), QByteArray::fromHex("1e"));
    QVERIFY(connectFirst());
    QSignalSpy replies(m_manager, &USBDeviceManager::sigUsbResponse);
    m_manager->setPrinterStatusClicked();
    m_manager->setOfflineStatusClicked();
    m_manager->setErrorStatusClicked();
    m_manager->setPaperStatusClicked();
    QCOMPARE(m_manager->pendingCommands(),
             QStringList({"PrinterStatus", "OfflineStatus", "ErrorStatus", "PaperStatus"}));
    QTRY_COMPARE(replies.count(), 4);
    const QList<QPair<QString, QString>> expected = {
        {"PrinterStatus", "12"}, {"OfflineStatus", "16"}, {"ErrorStatus", "32"}, {"PaperStatus", "1e"}};
    QCOMPARE(responses(replies), expected);
    QCOMPARE(m_printer->received(), QByteArray::fromHex("100401100402100403100404"));
    QVERIFY(m_manager->pendingCommands().isEmpty());
    // No late time-out for answered requests.
    QTest::qWait(1200);
    QCOMPARE(replies.count(), 4);
}

void UsbManagerTest::settingsQueriesAnsweredInOrder()
{
    // Each read is the frame 10 code 00 00 00 00 sum; the printer answers with
    // the frame of its stored value.
    struct Setting
    {
        const char *op;
        const char *answerName;
        quint8 code;
        QByteArray value;
    };
    const Setting settings[] = {
        {"setSearchBluetoothAddressClicked", "BluetoothAddress", 0xA9, "DC:0D:30:00:00:01"},
        {"setSearchBluetoothNameClicked", "BluetoothName", 0xA7, "QM-80"},
        {"setSearchBluetoothPinCodeClicked", "BluetoothPinCode", 0xA8, "1234"},
        {"setSearchPrintInstructionClicked", "PrintInstruction", 0xA2, QByteArray(1, 1)},
        {"setSearchPaperTypeClicked", "PaperType", 0xA3, QByteArray(1, 0)},
        {"setSearchPrintSpeedModeClicked", "PrintSpeedMode", 0xA4, QByteArray(1, 2)},
        {"setSearchPrintDensityModeClicked", "PrintDensityMode", 0xA5, QByteArray(1, 3)},
        {"setSearchCharacterModeModeClicked", "CharacterModeMode", 0xA6, QByteArray(1, 5)},
    };
    auto frame = [](quint8 code, quint8 direction, const QByteArray &data) {
        QByteArray f;
        f.append(char(0x10)).append(char(code)).append(char(direction)).append(char(0));
        f.append(char(data.size() & 0xFF)).append(char(data.size() >> 8)).append(data);
        quint8 sum = 0;
        for (char b : qAsConst(f))
            sum = quint8(sum + quint8(b));
        return f.append(char(sum));
    };
    QList<QPair<QString, QString>> expected;
    QByteArray requests;
    m_printer->setReplyGap(60);
    for (const Setting &s : settings) {
        const QByteArray answer = frame(s.code, 0x00, s.value);
        m_printer->setReply(frame(s.code, 0x00, QByteArray()), answer);
        expected << qMakePair(QString::fromLatin1(s.answerName), QString::fromLatin1(answer.toHex(' ')));
        requests += frame(s.code, 0x00, QByteArray());
    }
    QVERIFY(connectFirst());
    QSignalSpy replies(m_manager, &USBDeviceManager::sigUsbResponse);
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    for (const Setting &s : settings)
        QVERIFY(QMetaObject::invokeMethod(m_manager, s.op, Qt::DirectConnection));
    QTRY_COMPARE(replies.count(), int(std::size(settings)));
    QCOMPARE(responses(replies), expected);
    QCOMPARE(m_printer->received(), requests);
    QVERIFY(logged(log, Logger::Info, QStringLiteral("USB发出数据 10 a3 00 00 00 00 b3 ")));
    QVERIFY(logged(log, Logger::Info, QStringLiteral("USB收到的数据 10 a3 00 00 01 00 00 b4 ")));
}

void UsbManagerTest::queryWithoutAnswer()
{
    QVERIFY(connectFirst());
    QSignalSpy replies(m_manager, &USBDeviceManager::sigUsbResponse);
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    QSignalSpy failures(m_manager, &BaseDeviceManager::sigOperationFailed);
    QElapsedTimer clock;
    clock.start();
    m_manager->setErrorStatusClicked();
    QVERIFY(replies.wait(3000));
    QVERIFY(clock.elapsed() >= 900);
    QCOMPARE(responses(replies).first(), qMakePair(QStringLiteral("ErrorStatus"), QString()));
    QVERIFY(logged(log, Logger::Error, QStringLiteral("发送超时")));
    QCOMPARE(failures.count(), 1);
    QCOMPARE(failures.first().first().toString(), QStringLiteral("发送超时"));
    QVERIFY(m_manager->pendingCommands().isEmpty());
    QCOMPARE(m_printer->received(), QByteArray::fromHex("100403"));

    // A reply that comes after the time-out answers nothing.
    QVERIFY(m_printer->write(QByteArray::fromHex("48")));
    QTest::qWait(100);
    QCOMPARE(replies.count(), 1);
}

void UsbManagerTest::dataWithNothingPending()
{
    QVERIFY(connectFirst());
    QVERIFY(m_manager->writeRaw(QByteArray::fromHex("1b40"))); // starts the reader
    QSignalSpy replies(m_manager, &USBDeviceManager::sigUsbResponse);
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    QVERIFY(m_printer->write(QByteArray::fromHex("55")));
    QTRY_VERIFY(logged(log, Logger::Info, QStringLiteral("USB收到的数据 55 ")));
    QCOMPARE(replies.count(), 0);
}

void UsbManagerTest::requestWhileClosed()
{
    QSignalSpy replies(m_manager, &USBDeviceManager::sigUsbResponse);
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    QSignalSpy failures(m_manager, &BaseDeviceManager::sigOperationFailed);
    QVERIFY(!m_manager->onRequestUsbSend(QByteArray::fromHex("100401"), QStringLiteral("PrinterStatus"), 100));
    QVERIFY(logged(log, Logger::Error, QStringLiteral("SendAsync 发送失败")));
    QCOMPARE(failures.count(), 1);
    QCOMPARE(failures.first().first().toString(), QStringLiteral("SendAsync 发送失败"));
    QVERIFY(m_manager->pendingCommands().isEmpty());
    QVERIFY(!m_manager->writeRaw(QByteArray::fromHex("1b40")));
    QTest::qWait(200);
    QCOMPARE(replies.count(), 0);
}

void UsbManagerTest::idleStopAndRestart()
{
    m_printer->setReply(QByteArray::fromHex("100404"), QByteArray::fromHex("1e"));
    QVERIFY(connectFirst());
    m_manager->controller()->setIdleInterval(200);
    QSignalSpy replies(m_manager, &USBDeviceManager::sigUsbResponse);
    m_manager->setPaperStatusClicked();
    QTRY_COMPARE(replies.count(), 1);
    QTRY_VERIFY(!m_manager->controller()->isAsyncIoRunning());
    m_manager->setPaperStatusClicked();
    QTRY_COMPARE(replies.count(), 2);
    QCOMPARE(responses(replies).last(), qMakePair(QStringLiteral("PaperStatus"), QStringLiteral("1e")));
}

void UsbManagerTest::unplugWhileConnected()
{
    QVERIFY(connectFirst());
    QVERIFY(m_manager->writeRaw(QByteArray::fromHex("1b40")));
    QSignalSpy removed(m_manager, &USBDeviceManager::sigUsbDeviceRemoved);
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);

    m_printer->hangUp();
    m_tree->removePrinter(0);
    fire(kRemoval);
    QCOMPARE(removed.count(), 1);
    QVERIFY(!m_manager->isConnected());
    QVERIFY(!m_manager->controller()->isOpen());
    QCOMPARE(m_manager->currentConnectedDevPath(), m_tree->nodePath(0));
    QCOMPARE(m_manager->connectedDevice().model, kModel);
    QVERIFY(logged(log, Logger::Info, QStringLiteral("usb设备 %1 断开!").arg(m_tree->nodePath(0))));

    // More removals, repeated quickly or not, change nothing.
    emit m_source->deviceChanged(kRemoval, QStringLiteral("lp0"), true);
    fire(kRemoval);
    fire(kRemoval);
    QCOMPARE(removed.count(), 1);
}

void UsbManagerTest::replugReconnects()
{
    m_printer->setReply(QByteArray::fromHex("100401"), QByteArray::fromHex("16"));
    QVERIFY(connectFirst());
    const RealTimeStatusForm *const builder = m_manager->statusBuilder();
    QVERIFY(builder);
    m_manager->setPrinterStatusClicked();
    QSignalSpy replies(m_manager, &USBDeviceManager::sigUsbResponse);
    QTRY_COMPARE(replies.count(), 1);

    m_printer->hangUp();
    m_tree->removePrinter(0);
    fire(kRemoval);
    QVERIFY(!m_manager->isConnected());

    QSignalSpy reconnect(m_manager, &USBDeviceManager::sigUsbDeviceReconnect);
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    QVERIFY(m_printer->plugIn());
    QVERIFY(m_tree->addPrinter(0, UsbFakeSysfs::Printer(), m_printer->slavePath()));
    fire(kArrival);
    QCOMPARE(reconnect.count(), 1);
    QCOMPARE(reconnect.first().at(0).toString(), kModel);
    QCOMPARE(reconnect.first().at(1).toString(), kVpid);
    QVERIFY(m_manager->isConnected());
    QVERIFY(logged(log, Logger::Info, QStringLiteral("重新连接USB设备 %1 ").arg(m_tree->nodePath(0))));
    QCOMPARE(m_manager->statusBuilder(), builder);

    // Commands and queries reach the printer on its new node.
    m_manager->setBuzzerClicked(1, 2);
    QTRY_COMPARE(m_printer->received(), QByteArray::fromHex("1b42010200"));
    m_manager->setPrinterStatusClicked();
    QTRY_COMPARE(replies.count(), 2);
    QCOMPARE(responses(replies).last(), qMakePair(QStringLiteral("PrinterStatus"), QStringLiteral("16")));

    // A further arrival while connected does nothing.
    fire(kArrival);
    QCOMPARE(reconnect.count(), 1);
}

void UsbManagerTest::unplugOfAnotherDevice()
{
    UsbPtyPrinter other;
    QVERIFY(other.plugIn());
    UsbFakeSysfs::Printer p;
    p.ieee1284Id = QStringLiteral("MFG:Other;MDL:OT-58;");
    QVERIFY(m_tree->addPrinter(1, p, other.slavePath()));
    QVERIFY(connectFirst());
    QCOMPARE(m_manager->connectedDevice().model, kModel);

    QSignalSpy removed(m_manager, &USBDeviceManager::sigUsbDeviceRemoved);
    QSignalSpy reconnect(m_manager, &USBDeviceManager::sigUsbDeviceReconnect);
    other.hangUp();
    m_tree->removePrinter(1);
    fire(kRemoval, QStringLiteral("lp1"));
    QCOMPARE(removed.count(), 0);
    QVERIFY(m_manager->isConnected());
    QCOMPARE(m_manager->devices().size(), 1);

    QVERIFY(other.plugIn());
    QVERIFY(m_tree->addPrinter(1, p, other.slavePath()));
    fire(kArrival, QStringLiteral("lp1"));
    QCOMPARE(reconnect.count(), 0);
    QCOMPARE(m_manager->devices().size(), 2);

    m_manager->setCutClicked(1, 0);
    QTRY_COMPARE(m_printer->received(), QByteArray::fromHex("1d5600"));
}

void UsbManagerTest::noReconnectAfterClose()
{
    QVERIFY(connectFirst());
    m_manager->closeDevice();
    QSignalSpy removed(m_manager, &USBDeviceManager::sigUsbDeviceRemoved);
    QSignalSpy reconnect(m_manager, &USBDeviceManager::sigUsbDeviceReconnect);
    m_printer->hangUp();
    m_tree->removePrinter(0);
    fire(kRemoval);
    QVERIFY(m_printer->plugIn());
    QVERIFY(m_tree->addPrinter(0, UsbFakeSysfs::Printer(), m_printer->slavePath()));
    fire(kArrival);
    QCOMPARE(removed.count(), 0);
    QCOMPARE(reconnect.count(), 0);
    QVERIFY(!m_manager->isConnected());
    QVERIFY(!m_manager->controller()->isOpen());
}

void UsbManagerTest::enterConfigFlag()
{
    QSignalSpy status(m_manager, &USBDeviceManager::sigEnterConfigConnectStatus);
    QSignalSpy scanOver(m_manager, &USBDeviceManager::sigScanOverUsb);
    m_manager->enterConfigSetFlag();
    QVERIFY(m_manager->enterConfigFlag());
    QVERIFY(!m_manager->isConnected());

    fire(kArrival);
    QCOMPARE(scanOver.count(), 1);
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.first().at(0).toBool(), true);
    QCOMPARE(status.first().at(1).toString(), kVpid);
    QCOMPARE(status.first().at(2).toString(), kModel);
    QVERIFY(!m_manager->enterConfigFlag());
    QVERIFY(m_manager->isConnected());
    QCOMPARE(m_manager->currentConnectedDevPath(), m_tree->nodePath(0));
    QVERIFY(m_manager->hasBuilders());

    fire(kArrival);
    QCOMPARE(status.count(), 1);
    m_manager->setBuzzerClicked(1, 1);
    QTRY_COMPARE(m_printer->received(), QByteArray::fromHex("1b42010100"));
}

void UsbManagerTest::enterConfigFailureReportedOnce()
{
    // Two listed printers whose nodes cannot be opened (directories).
    m_tree->relinkNode(0, m_tree->sysfsRoot());
    QVERIFY(m_tree->addPrinter(1, UsbFakeSysfs::Printer(), m_tree->sysfsRoot()));
    QSignalSpy status(m_manager, &USBDeviceManager::sigEnterConfigConnectStatus);
    QSignalSpy failed(m_manager, &USBDeviceManager::sigConnectionFailUsb);
    m_manager->enterConfigSetFlag();
    fire(kArrival);
    QCOMPARE(m_manager->devices().size(), 2);
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.first().at(0).toBool(), false);
    QCOMPARE(failed.count(), 1);
    QVERIFY(m_manager->enterConfigFlag());

    // The next arrival tries again and, with a working printer, connects.
    m_tree->relinkNode(0, m_printer->slavePath());
    fire(kArrival);
    QCOMPARE(status.count(), 2);
    QCOMPARE(status.last().at(0).toBool(), true);
    QVERIFY(!m_manager->enterConfigFlag());
}

void UsbManagerTest::closeWhileReadPending()
{
    QVERIFY(connectFirst());
    m_manager->setPrinterStatusClicked(); // never answered
    QTest::qWait(50);
    QVERIFY(m_manager->controller()->isAsyncIoRunning());
    QElapsedTimer clock;
    clock.start();
    m_manager->disconnectDevice();
    QVERIFY(clock.elapsed() < kPromptMs);
    QVERIFY(!m_manager->controller()->isAsyncIoRunning());
}

// Builder output to a printer that has stopped reading does not hold the
// caller: the block waits on the writer thread, a status request sent after it
// goes out after it, and once the printer reads again everything arrives
// whole and in order.
void UsbManagerTest::builderOutputWaitsOffTheCallersThread()
{
    QVERIFY(connectFirst());
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    m_printer->setPaused(true);
    const QByteArray block = bigBlock();
    m_manager->onBuilderData(CommType::Usb, block);
    m_manager->setPrinterStatusClicked();
    QCOMPARE(m_manager->pendingCommands(), QStringList{"PrinterStatus"});
    m_printer->setPaused(false);
    QTRY_COMPARE_WITH_TIMEOUT(m_printer->received().size(), block.size() + 3, USBPrinterController::SyncWriteTimeoutMs);
    QVERIFY(m_printer->received() == block + QByteArray::fromHex("100401"));
    QCOMPARE(loggedCount(log, Logger::Error, QStringLiteral("USB数据发送失败")), 0);
}

// A printer that never reads again: the block being written gives up after
// its limit and is reported; the one behind it is reported when the printer
// is disconnected, which does not wait for it.
void UsbManagerTest::builderOutputToStalledPrinterReported()
{
    QVERIFY(connectFirst());
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    QSignalSpy failures(m_manager, &BaseDeviceManager::sigOperationFailed);
    m_printer->setPaused(true);
    m_manager->onBuilderData(CommType::Usb, bigBlock());
    m_manager->onBuilderData(CommType::Usb, QByteArray::fromHex("1b40"));
    QVERIFY(logged(log, Logger::Info, QStringLiteral("USB发出数据 1b 40 ")));
    QTRY_COMPARE_WITH_TIMEOUT(loggedCount(log, Logger::Error, QStringLiteral("USB数据发送失败")), 1,
                              USBPrinterController::SyncWriteTimeoutMs + kPromptMs);
    QElapsedTimer clock;
    clock.start();
    m_manager->disconnectDevice();
    QVERIFY(clock.elapsed() < kPromptMs);
    QTRY_COMPARE(loggedCount(log, Logger::Error, QStringLiteral("USB数据发送失败")), 2);
    // The same failures reach the manager's listeners, with the texts of the log.
    int errorLines = 0;
    for (const QList<QVariant> &line : log)
        errorLines += line.at(0).toInt() == Logger::Error;
    QTRY_COMPARE(failures.count(), errorLines);
    int reported = 0;
    for (const QList<QVariant> &f : failures)
        reported += f.first().toString() == QStringLiteral("USB数据发送失败");
    QCOMPARE(reported, 2);
}

QTEST_GUILESS_MAIN(UsbManagerTest)
#include "tst_usb_manager.moc"
