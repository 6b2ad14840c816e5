// The serial transport against a pseudo-terminal: line settings, byte-exact
// sending, hexadecimal parsing, reception and the port going away.
#include "app/base/AppPaths.h"
#include "app/base/Logger.h"
#include "support/serial_PtyPair.h"
#include "transport/serial/SerialPortManager.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <termios.h>

namespace {

constexpr int WaitMs = 3000;

// The English interface: only the words the parity choice is compared with.
class EnglishParityWords : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "SerialPortManager") != 0)
            return {};
        const QString source = QString::fromUtf8(sourceText);
        if (source == QStringLiteral("奇校验"))
            return QStringLiteral("Odd");
        if (source == QStringLiteral("偶校验"))
            return QStringLiteral("Even");
        return {};
    }
    bool isEmpty() const override { return false; }
};

QStringList messages(const QSignalSpy &spy)
{
    QStringList list;
    for (const QList<QVariant> &args : spy)
        list << args.at(0).toString();
    return list;
}

// A log line as written, without its time and level.
QString logMessage(const QList<QVariant> &args)
{
    return args.at(1).toString().remove(QRegularExpression("^\\[[^\\]]*\\] \\[[A-Z]+\\] "));
}

} // namespace

class TestSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void openWithAllParameters_data();
    void openWithAllParameters();
    void textMappings();
    void refusedSettingLeavesThePortClosed();
    void parityFollowsTheInterfaceLanguage();
    void openWithBaudRateOnly_data();
    void openWithBaudRateOnly();
    void openMissingPortFails();
    void connectingTwiceIsRefused();
    void commandsArriveByteExact();
    void otherTransportsBuilderDataIsIgnored();
    void connectDeviceDoesNothing();
    void hexText_data();
    void hexText();
    void textGoesOutAsUtf8();
    void sendingWithoutConnectionFails();
    void receivedBytesAreSignalled();
    void portVanishingWhileOpen();
    void disconnectWithoutPort();
    void portListing();
    void byIdNamesAreListedAndOpen();

private:
    QTemporaryDir m_appDir;
};

void TestSerialPort::initTestCase()
{
    QVERIFY(m_appDir.isValid());
    AppPaths::setDirectory(m_appDir.path());
    Logger::getInstance();
}

void TestSerialPort::openWithAllParameters_data()
{
    // A pseudo-terminal keeps 8 data bits and no parity whatever it is told, so
    // those two choices are checked through their mapping (textMappings) and the
    // refusal path (refusedSettingLeavesThePortClosed).
    QTest::addColumn<QString>("baud");
    QTest::addColumn<QString>("dataBits");
    QTest::addColumn<QString>("stopBits");
    QTest::addColumn<QString>("parity");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<int>("speed");
    QTest::addColumn<bool>("twoStop");
    QTest::addColumn<int>("flowMode"); // 0 none, 1 XON/XOFF, 2 RTS/CTS

    QTest::newRow("defaults") << "9600" << "8" << "1" << "None" << "None" << int(B9600) << false << 0;
    QTest::newRow("115200 two stop RTS") << "115200" << "8" << "2" << "None" << "RTS" << int(B115200) << true << 2;
    QTest::newRow("1200 xon") << "1200" << "8" << "1" << "None" << "Xon/Xoff" << int(B1200) << false << 1;
    QTest::newRow("57600 1.0") << "57600" << "8" << "1.0" << "" << "" << int(B57600) << false << 0;
    QTest::newRow("one and a half") << "2400" << "8" << "1.5" << "" << "" << int(B2400) << false << 0;
    QTest::newRow("non-standard rate") << "250000" << "9" << "3" << "Mark" << "DTR" << int(B9600) << false << 0;
    QTest::newRow("not numbers") << "abc" << "" << "" << "Odd" << "none" << int(B9600) << false << 0;
    QTest::newRow("19200 two stop") << "19200" << "x" << "2" << "None" << "None" << int(B19200) << true << 0;
    QTest::newRow("4800") << "4800" << "8" << "1" << "None" << "None" << int(B4800) << false << 0;
    QTest::newRow("38400") << "38400" << "8" << "1" << "None" << "None" << int(B38400) << false << 0;
}

void TestSerialPort::openWithAllParameters()
{
    QFETCH(QString, baud);
    QFETCH(QString, dataBits);
    QFETCH(QString, stopBits);
    QFETCH(QString, parity);
    QFETCH(QString, flow);
    QFETCH(int, speed);
    QFETCH(bool, twoStop);
    QFETCH(int, flowMode);

    PtyPair pty;
    QVERIFY(pty.isValid());
    SerialPortManager manager;
    QSignalSpy status(&manager, &CommunicationInterface::connectionStatusChanged);
    QSignalSpy errors(&manager, &SerialPortManager::errorOccurred);

    QVERIFY(manager.connectSerialPort(pty.slavePath(), baud, dataBits, stopBits, parity, flow));
    QVERIFY(manager.isConnected());
    QVERIFY(manager.hasBuilders());
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.at(0).at(0).toBool(), true);
    QCOMPARE(messages(errors), QStringList());

    termios tio;
    QVERIFY(pty.lineSettings(&tio));
    QCOMPARE(int(cfgetospeed(&tio)), speed);
    QCOMPARE(int(cfgetispeed(&tio)), speed);
    QCOMPARE(int(tio.c_cflag & CSIZE), int(CS8));
    QCOMPARE(bool(tio.c_cflag & CSTOPB), twoStop);
    QCOMPARE(int(tio.c_cflag & PARENB), 0);
    QCOMPARE(bool(tio.c_cflag & CRTSCTS), flowMode == 2);
    QCOMPARE(bool(tio.c_iflag & IXON), flowMode == 1);
    QCOMPARE(bool(tio.c_iflag & IXOFF), flowMode == 1);
}

void TestSerialPort::textMappings()
{
    QCOMPARE(SerialPortManager::dataBitsFromText("5"), QSerialPort::Data5);
    QCOMPARE(SerialPortManager::dataBitsFromText("6"), QSerialPort::Data6);
    QCOMPARE(SerialPortManager::dataBitsFromText("7"), QSerialPort::Data7);
    for (const char *text : {"8", "9", "", "4", "seven"})
        QCOMPARE(SerialPortManager::dataBitsFromText(text), QSerialPort::Data8);

    QCOMPARE(SerialPortManager::stopBitsFromText("1.5"), QSerialPort::OneAndHalfStop);
    QCOMPARE(SerialPortManager::stopBitsFromText("2"), QSerialPort::TwoStop);
    for (const char *text : {"1", "1.0", "2.0", "", "3"})
        QCOMPARE(SerialPortManager::stopBitsFromText(text), QSerialPort::OneStop);

    QCOMPARE(SerialPortManager::parityFromText("奇校验"), QSerialPort::OddParity);
    QCOMPARE(SerialPortManager::parityFromText("偶校验"), QSerialPort::EvenParity);
    for (const char *text : {"None", "无", "", "Mark"})
        QCOMPARE(SerialPortManager::parityFromText(text), QSerialPort::NoParity);

    QCOMPARE(SerialPortManager::flowControlFromText("None"), QSerialPort::NoFlowControl);
    QCOMPARE(SerialPortManager::flowControlFromText("Xon/Xoff"), QSerialPort::SoftwareControl);
    QCOMPARE(SerialPortManager::flowControlFromText("RTS"), QSerialPort::HardwareControl);
    QCOMPARE(SerialPortManager::flowControlFromText("rts"), QSerialPort::NoFlowControl);

    for (const char *text : {"1200", "2400", "4800", "19200", "38400", "57600", "115200"})
        QCOMPARE(SerialPortManager::baudRateFromText(text), QString(text).toInt());
    for (const char *text : {"9600", "250000", "abc", "", "-1", "0x4B0"})
        QCOMPARE(SerialPortManager::baudRateFromText(text), 9600);
}

void TestSerialPort::refusedSettingLeavesThePortClosed()
{
    // A pseudo-terminal refuses 7 data bits and even parity: every refused
    // setting is reported and the attempt leaves the port closed.
    PtyPair pty;
    SerialPortManager manager;
    QSignalSpy status(&manager, &CommunicationInterface::connectionStatusChanged);
    QSignalSpy errors(&manager, &SerialPortManager::errorOccurred);

    if (manager.connectSerialPort(pty.slavePath(), "9600", "7", "1", "偶校验", "None"))
        QSKIP("this kernel's pseudo-terminals accept 7 data bits with even parity");
    QVERIFY(!manager.isConnected());
    QVERIFY(!manager.hasBuilders());
    QCOMPARE(status.count(), 0);
    const QStringList got = messages(errors);
    QVERIFY2(got.filter(QRegularExpression("^设置数据位失败: .+")).size() == 1, qPrintable(got.join('|')));
    QVERIFY2(got.filter(QRegularExpression("^设置校验位失败: .+")).size() == 1, qPrintable(got.join('|')));
    QVERIFY2(got.filter(QRegularExpression("^设置(波特率|停止位|流控制)失败")).isEmpty(), qPrintable(got.join('|')));

    errors.clear();
    QVERIFY(!manager.sendData("x"));
    QCOMPARE(messages(errors), QStringList{"串口未连接"});
    // Closed again, so the next attempt on the same port succeeds.
    QVERIFY(manager.connectSerialPort_new(pty.slavePath(), "9600"));
}

void TestSerialPort::parityFollowsTheInterfaceLanguage()
{
    EnglishParityWords english;
    QVERIFY(QCoreApplication::installTranslator(&english));
    const QSerialPort::Parity odd = SerialPortManager::parityFromText("Odd");
    const QSerialPort::Parity even = SerialPortManager::parityFromText("Even");
    const QSerialPort::Parity chineseOdd = SerialPortManager::parityFromText("奇校验");
    QCoreApplication::removeTranslator(&english);

    QCOMPARE(odd, QSerialPort::OddParity);
    QCOMPARE(even, QSerialPort::EvenParity);
    QCOMPARE(chineseOdd, QSerialPort::NoParity);
    QCOMPARE(SerialPortManager::parityFromText("Odd"), QSerialPort::NoParity);
    QCOMPARE(SerialPortManager::parityFromText("奇校验"), QSerialPort::OddParity);
}

void TestSerialPort::openWithBaudRateOnly_data()
{
    QTest::addColumn<QString>("baud");
    QTest::addColumn<int>("speed");
    QTest::newRow("115200") << "115200" << int(B115200);
    QTest::newRow("9600") << "9600" << int(B9600);
    QTest::newRow("250000") << "250000" << int(B9600);
    QTest::newRow("abc") << "abc" << int(B9600);
    QTest::newRow("38400") << "38400" << int(B38400);
}

void TestSerialPort::openWithBaudRateOnly()
{
    QFETCH(QString, baud);
    QFETCH(int, speed);
    PtyPair pty;
    SerialPortManager manager;
    QSignalSpy status(&manager, &CommunicationInterface::connectionStatusChanged);
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);

    QVERIFY(manager.connectSerialPort_new(pty.slavePath(), baud));
    QVERIFY(manager.isConnected());
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.at(0).at(0).toBool(), true);
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.at(0).at(0).toInt(), int(Logger::Info));
    QCOMPARE(logMessage(log.at(0)), QString("串口连接成功:%1 波特率:%2  ").arg(pty.slavePath(), baud));

    termios tio;
    QVERIFY(pty.lineSettings(&tio));
    QCOMPARE(int(cfgetospeed(&tio)), speed);
    QCOMPARE(int(tio.c_cflag & CSIZE), int(CS8));
    QCOMPARE(int(tio.c_cflag & PARENB), 0);
}

void TestSerialPort::openMissingPortFails()
{
    SerialPortManager manager;
    QSignalSpy status(&manager, &CommunicationInterface::connectionStatusChanged);
    QSignalSpy errors(&manager, &SerialPortManager::errorOccurred);
    QVERIFY(!manager.connectSerialPort_new("/dev/quillmark-no-such-port", "9600"));
    QVERIFY(!manager.isConnected());
    QVERIFY(!manager.hasBuilders());
    QCOMPARE(status.count(), 0);
    const QStringList got = messages(errors);
    QVERIFY2(got.contains("找不到设备"), qPrintable(got.join('|')));
    QVERIFY2(got.filter(QRegularExpression("^串口连接失败: .+")).size() == 1, qPrintable(got.join('|')));
}

void TestSerialPort::connectingTwiceIsRefused()
{
    PtyPair pty;
    PtyPair other;
    SerialPortManager manager;
    QVERIFY(manager.connectSerialPort_new(pty.slavePath(), "9600"));
    QSignalSpy status(&manager, &CommunicationInterface::connectionStatusChanged);
    QSignalSpy errors(&manager, &SerialPortManager::errorOccurred);

    QVERIFY(!manager.connectSerialPort_new(pty.slavePath(), "9600"));
    QVERIFY(!manager.connectSerialPort(other.slavePath(), "9600", "8", "1", "None", "None"));
    QCOMPARE(messages(errors), (QStringList{"串口已经连接", "串口已经连接"}));
    QCOMPARE(status.count(), 0);
    QVERIFY(manager.isConnected());

    // The open port was left alone and still carries data.
    QVERIFY(manager.sendHexData("1B 40"));
    QCOMPARE(pty.read(2), QByteArray("\x1B\x40", 2));
}

void TestSerialPort::commandsArriveByteExact()
{
    PtyPair pty;
    SerialPortManager manager;
    QVERIFY(manager.connectSerialPort("" + pty.slavePath(), "115200", "8", "1", "None", "None"));
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);

    manager.setBuzzerClicked(3, 2);
    QCOMPARE(pty.read(5), QByteArray::fromHex("1b42030200"));
    QCOMPARE(log.count(), 1);
    QCOMPARE(logMessage(log.at(0)), QString("Serial 蜂鸣器设置:次数 3 持续: 2 "));

    manager.setPrinterStatusClicked();
    QCOMPARE(pty.read(3), QByteArray::fromHex("100401"));
    manager.setOpenPulseClicked(1, 5);
    const QByteArray pulse = pty.readUntilQuiet();
    QVERIFY(!pulse.isEmpty());

    // Reconnecting replaces the builders: each command still goes out once.
    manager.disconnectSerialPort();
    QVERIFY(manager.connectSerialPort_new(pty.slavePath(), "9600"));
    manager.setBuzzerClicked(1, 1);
    QCOMPARE(pty.readUntilQuiet(), QByteArray::fromHex("1b42010100"));
}

void TestSerialPort::otherTransportsBuilderDataIsIgnored()
{
    PtyPair pty;
    SerialPortManager manager;
    QVERIFY(manager.connectSerialPort_new(pty.slavePath(), "9600"));
    manager.onBuilderData(CommType::Tcp, "A");
    manager.onBuilderData(CommType::Usb, "B");
    manager.onBuilderData(CommType::Driver, "C");
    manager.onBuilderData(CommType::Serial, "D");
    QCOMPARE(pty.readUntilQuiet(), QByteArray("D"));
}

void TestSerialPort::connectDeviceDoesNothing()
{
    PtyPair pty;
    SerialPortManager manager;
    QVERIFY(!manager.connectDevice(pty.slavePath(), "", "", pty.slavePath()));
    QVERIFY(!manager.isConnected());
    QVERIFY(!manager.hasBuilders());
    manager.setBuzzerClicked(1, 1);
    QCOMPARE(pty.readUntilQuiet(), QByteArray());
}

void TestSerialPort::hexText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes"); // empty: refused as invalid

    QTest::newRow("pairs") << "48 65 6C" << QByteArray::fromHex("48656c");
    QTest::newRow("inside a pair") << "4 8" << QByteArray::fromHex("48");
    QTest::newRow("tabs and lines") << "\t1b\r\n40 \n0A  " << QByteArray::fromHex("1b400a");
    QTest::newRow("no blanks") << "1D5601" << QByteArray::fromHex("1d5601");
    QTest::newRow("all byte values") << "00 7f 80 FF" << QByteArray::fromHex("007f80ff");
    QTest::newRow("odd length") << "486" << QByteArray();
    QTest::newRow("bad pair") << "4G" << QByteArray();
    QTest::newRow("bad pair later") << "48 65 ZZ" << QByteArray();
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("blanks only") << " \t\r\n" << QByteArray();
    QTest::newRow("prefix") << "0x41" << QByteArray();
    QTest::newRow("sign") << "+1" << QByteArray();
}

void TestSerialPort::hexText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    PtyPair pty;
    SerialPortManager manager;
    QVERIFY(manager.connectSerialPort_new(pty.slavePath(), "9600"));
    QSignalSpy errors(&manager, &SerialPortManager::errorOccurred);

    QCOMPARE(SerialPortManager::parseHexText(text), bytes);
    QCOMPARE(manager.sendHexData(text), !bytes.isEmpty());
    QCOMPARE(pty.readUntilQuiet(), bytes);
    QCOMPARE(messages(errors), bytes.isEmpty() ? QStringList{"无效的十六进制数据"} : QStringList());
    QVERIFY(manager.isConnected());
}

void TestSerialPort::textGoesOutAsUtf8()
{
    PtyPair pty;
    SerialPortManager manager;
    QVERIFY(manager.connectSerialPort_new(pty.slavePath(), "9600"));
    const QString text = QStringLiteral("Grüße 打印机 ✓\n");
    QVERIFY(manager.sendData(text));
    QCOMPARE(pty.readUntilQuiet(), text.toUtf8());

    // Raw bytes go out unchanged, including those that are not UTF-8.
    const QByteArray raw = QByteArray::fromHex("00ff1b40c3");
    QVERIFY(manager.writeRaw(raw));
    QCOMPARE(pty.readUntilQuiet(), raw);
}

void TestSerialPort::sendingWithoutConnectionFails()
{
    SerialPortManager manager;
    QSignalSpy errors(&manager, &SerialPortManager::errorOccurred);
    QVERIFY(!manager.sendData("x"));
    QVERIFY(!manager.sendHexData("41"));
    QVERIFY(!manager.writeRaw("x"));
    QCOMPARE(messages(errors), (QStringList{"串口未连接", "串口未连接", "串口未连接"}));

    PtyPair pty;
    QVERIFY(manager.connectSerialPort_new(pty.slavePath(), "9600"));
    manager.disconnectSerialPort();
    errors.clear();
    QVERIFY(!manager.sendData("x"));
    QCOMPARE(messages(errors), QStringList{"串口未连接"});
}

void TestSerialPort::receivedBytesAreSignalled()
{
    PtyPair pty;
    SerialPortManager manager;
    QVERIFY(manager.connectSerialPort_new(pty.slavePath(), "9600"));
    QSignalSpy text(&manager, &SerialPortManager::dataReceived);
    QSignalSpy raw(&manager, &SerialPortManager::hexDataReceived);

    const QByteArray reply = QByteArray("ok ") + QStringLiteral("你好").toUtf8() + QByteArray::fromHex("12");
    QVERIFY(pty.write(reply));
    QTRY_VERIFY_WITH_TIMEOUT(!raw.isEmpty(), WaitMs);
    // Without framing, a reply may come in pieces: together they are the reply.
    QTRY_COMPARE_WITH_TIMEOUT(
        [&] {
            QByteArray all;
            for (const auto &args : raw)
                all += args.at(0).toByteArray();
            return all;
        }(),
        reply, WaitMs);
    QCOMPARE(text.count(), raw.count());
    QString decoded;
    for (const auto &args : text)
        decoded += args.at(0).toString();
    QCOMPARE(decoded, QString::fromUtf8(reply));
}

void TestSerialPort::portVanishingWhileOpen()
{
    auto pty = std::make_unique<PtyPair>();
    SerialPortManager manager;
    QVERIFY(manager.connectSerialPort_new(pty->slavePath(), "9600"));
    QSignalSpy status(&manager, &CommunicationInterface::connectionStatusChanged);
    QSignalSpy errors(&manager, &SerialPortManager::errorOccurred);

    pty->closeMaster();
    QTRY_VERIFY_WITH_TIMEOUT(!status.isEmpty(), WaitMs);
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.at(0).at(0).toBool(), false);
    QVERIFY(!manager.isConnected());
    // Reported once, not again and again while the line stays gone.
    QTest::qWait(300);
    QCOMPARE(messages(errors), QStringList{"资源错误，设备可能已被移除"});
    QCOMPARE(status.count(), 1);

    errors.clear();
    QVERIFY(!manager.sendData("x"));
    QCOMPARE(messages(errors), QStringList{"串口未连接"});

    // A new port can be opened after the old one vanished.
    PtyPair replacement;
    QVERIFY(manager.connectSerialPort_new(replacement.slavePath(), "9600"));
    QVERIFY(manager.sendData("y"));
    QCOMPARE(replacement.read(1), QByteArray("y"));
}

void TestSerialPort::disconnectWithoutPort()
{
    SerialPortManager manager;
    QSignalSpy status(&manager, &CommunicationInterface::connectionStatusChanged);
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    manager.disconnectSerialPort();
    manager.disconnectDevice();
    QCOMPARE(status.count(), 2);
    QCOMPARE(status.at(0).at(0).toBool(), false);
    QCOMPARE(log.count(), 2);
    QCOMPARE(logMessage(log.at(0)), QString("串口已断开连接"));
}

void TestSerialPort::portListing()
{
    SerialPortManager manager;
    QSignalSpy changed(&manager, &SerialPortManager::availablePortsChanged);
    manager.refreshDeviceList();
    QCOMPARE(changed.count(), 1);
    const QVariantList list = manager.getDeviceList();
    QCOMPARE(list.size(), manager.availablePorts().size());
    for (int i = 0; i < list.size(); ++i) {
        const QVariantMap entry = list.at(i).toMap();
        QCOMPARE(entry.value("name").toString(), manager.availablePorts().at(i));
        for (const char *key : {"ip", "mac", "devPath"}) {
            QVERIFY(entry.contains(key));
            QCOMPARE(entry.value(key).toString(), QString());
        }
    }
}

// Stable by-id names are offered beside the ports and open like them; a name
// whose adapter has gone is left out. Typed paths may carry stray blanks.
void TestSerialPort::byIdNamesAreListedAndOpen()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    QTemporaryDir byId;
    QVERIFY(byId.isValid());
    const QString alias = byId.filePath("usb-Quillmark_Test_Adapter_0001-if00-port0");
    QVERIFY(QFile::link(pty.slavePath(), alias));
    QVERIFY(QFile::link("/dev/quillmark-gone-adapter", byId.filePath("usb-Gone_Adapter-if00-port0")));

    SerialPortManager manager(byId.path(), nullptr);
    QStringList ports = manager.availablePorts();
    QCOMPARE(ports.last(), alias);             // no port of the system leads to the pty
    QVERIFY(!ports.join('|').contains("Gone_Adapter"));
    QCOMPARE(manager.getDeviceList().last().toMap().value("name").toString(), alias);

    QVERIFY(manager.connectSerialPort_new("  " + alias + " ", "9600"));
    QVERIFY(manager.sendHexData("1B 40"));
    QCOMPARE(pty.read(2), QByteArray("\x1b\x40", 2));
    manager.disconnectSerialPort();

    // A missing directory (no adapter plugged in) lists the ports alone.
    SerialPortManager none(byId.filePath("missing"), nullptr);
    QVERIFY(!none.availablePorts().contains(alias));
}

QTEST_MAIN(TestSerialPort)
#include "tst_serial_port.moc"
