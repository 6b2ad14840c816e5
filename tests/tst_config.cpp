#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "support/FileSizeLimit.h"
#include "support/TestAppDir.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

Q_DECLARE_METATYPE(ConfigManager::DeviceModel)
Q_DECLARE_METATYPE(ConfigManager::NetInterface)
Q_DECLARE_METATYPE(ConfigManager::TcpNetworkMode)

namespace {

QHostAddress ip(const char *text)
{
    return QHostAddress(QString::fromLatin1(text));
}

int countLines(const QString &needle)
{
    const QString text = QString::fromUtf8(TestAppDir::readAll(Logger::getInstance()->currentFilePath()));
    return text.count(needle);
}

// Lines written while the disk is full never reach the file: count them as sent.
int countSpied(const QSignalSpy &spy, const QString &needle)
{
    int n = 0;
    for (const QList<QVariant> &args : spy)
        n += args.at(1).toString().contains(needle) ? 1 : 0;
    return n;
}

} // namespace

class ConfigTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void defaultTestPageBytes();
    void defaultReceipts_data();
    void defaultReceipts();
    void firstStartWritesTheDefaultFile();
    void missingKeysTakeTheNewFileValues();
    void damagedKeysTakeTheNewFileValues_data();
    void damagedKeysTakeTheNewFileValues();
    void settersWriteAtOnce();
    void unwritableFolderKeepsDefaults();
    void fullDiskLeavesNoEmptyFile();
    void emptyOrDamagedFileIsReplaced_data();
    void emptyOrDamagedFileIsReplaced();
    void failedSaveIsReportedNotLoggedAsSaved();
    void saveThatDoesNotFitKeepsTheOldFile();
    void modelFromName_data();
    void modelFromName();
    void sameNameTwiceLogsOnce();
    void localAddress_data();
    void localAddress();
    void segmentOf_data();
    void segmentOf();

private:
    TestAppDir m_app;
};

void ConfigTest::initTestCase()
{
    Logger::getInstance();
}

void ConfigTest::defaultTestPageBytes()
{
    const QByteArray page = ConfigManager::defaultTestPage();
    QCOMPARE(page.size(), 315);
    QVERIFY(page.startsWith(QByteArray::fromHex("1b401c2e1c26")));
    QVERIFY(page.endsWith(QByteArray::fromHex("1b4afa1d56011b40")));
    QTextCodec *gbk = QTextCodec::codecForName("GBK");
    QVERIFY(page.contains(gbk->fromUnicode(QStringLiteral("普通字体大小:")) + "\r\n"));
    QVERIFY(page.contains(QByteArray::fromHex("1d2111") + QByteArray::fromHex("1c26")
                          + gbk->fromUnicode(QStringLiteral("2倍字体大小:"))));
    QByteArray high;
    for (int b = 0x80; b <= 0xFF; ++b)
        high += char(b);
    QVERIFY(page.contains(QByteArray::fromHex("1c2e1d2100") + high + "\r\n"));
    QVERIFY(page.contains(QByteArray::fromHex("1c2e") + high + "\r\n" + QByteArray::fromHex("1b4afa")));
}

void ConfigTest::defaultReceipts_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("padding");
    QTest::addColumn<QString>("stamp");
    QTest::newRow("58") << 58 << 435 << 32 << 17 << "2025-12-18 14:28:42";
    QTest::newRow("76") << 76 << 491 << 40 << 21 << "2025-12-18 14:29:02";
    QTest::newRow("80") << 80 << 547 << 48 << 25 << "2025-12-18 14:28:56";
}

void ConfigTest::defaultReceipts()
{
    QFETCH(int, paper);
    QFETCH(int, size);
    QFETCH(int, rule);
    QFETCH(int, padding);
    QFETCH(QString, stamp);
    QTextCodec *gbk = QTextCodec::codecForName("GBK");
    const QByteArray r = ConfigManager::defaultReceipt(paper);
    QCOMPARE(r.size(), size);
    QVERIFY(r.startsWith(QByteArray::fromHex("1b40") + QByteArray(rule, '-') + '\n'));
    QVERIFY(r.contains(QByteArray::fromHex("1d21111b6101")
                       + gbk->fromUnicode(QStringLiteral("测试%1小票").arg(paper)) + '\n'));
    const QByteArray header = gbk->fromUnicode(QStringLiteral("商品名称"));
    QVERIFY(r.contains(header + QByteArray(padding - header.size(), ' ') + gbk->fromUnicode(QStringLiteral("数量"))
                       + "   " + gbk->fromUnicode(QStringLiteral("价格")) + '\n'));
    QVERIFY(r.contains(gbk->fromUnicode(QStringLiteral("打印时间:")) + stamp.toLatin1() + "\n\n"));
    QVERIFY(r.endsWith(QByteArray::fromHex("1b4afa1d5601")));
    QVERIFY(ConfigManager::defaultReceipt(57).isEmpty());
}

void ConfigTest::firstStartWritesTheDefaultFile()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("configFile"));
    ConfigManager config(folder);
    config.initialize();

    const QByteArray text = TestAppDir::readAll(folder + QStringLiteral("/printtest.ini"));
    const QByteArray expected = "[PrintTest]\n"
                                "BitMapPath=configFile/img/bitmap.png\n"
                                "BarCodeType=UPCA\n"
                                "BarCodeValue=123456789012\n"
                                "TestPageText="
        + ConfigManager::toUpperHexText(ConfigManager::defaultTestPage()).toLatin1()
        + "\nReceipt58Text=" + ConfigManager::toUpperHexText(ConfigManager::defaultReceipt(58)).toLatin1()
        + "\nReceipt76Text=" + ConfigManager::toUpperHexText(ConfigManager::defaultReceipt(76)).toLatin1()
        + "\nReceipt80Text=" + ConfigManager::toUpperHexText(ConfigManager::defaultReceipt(80)).toLatin1()
        + "\nLogoMaxWidth=560\nLogoMaxHeight=560\n\n[Network]\nTcpNetworkSegment=192.168.1.\nTcpNetworkMode=1\n";
    QCOMPARE(text, expected);
    QVERIFY(text.contains("TestPageText=1B 40 1C 2E 1C 26 "));

    QCOMPARE(config.getTcpNetworkMode(), ConfigManager::Custom);
    QCOMPARE(config.getTcpNetworkSegment(), QStringLiteral("192.168.1."));
    QCOMPARE(config.getLogoMaxWidth(), 560);
    QCOMPARE(config.getBarCodeType(), QStringLiteral("UPCA"));
    QCOMPARE(config.getBarCodeValue(), QStringLiteral("123456789012"));
    QCOMPARE(QByteArray::fromHex(config.getReceipt80Text().toLatin1()), ConfigManager::defaultReceipt(80));
    QCOMPARE(countLines(QStringLiteral("默认打印测试配置文件创建成功: ") + folder + QStringLiteral("/printtest.ini")), 1);
}

void ConfigTest::missingKeysTakeTheNewFileValues()
{
    // A file without most keys behaves like a new one for those keys, and the
    // gaps are logged once.
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("printtest.ini")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[PrintTest]\nBarCodeType=QR\n");
    f.close();
    const int before = countLines(QStringLiteral("[WARNING] 打印测试配置文件缺少或损坏的项已使用默认值"));
    ConfigManager config(dir.path());
    config.initialize();
    QCOMPARE(config.getBarCodeType(), QStringLiteral("QR"));
    QCOMPARE(config.getBarCodeValue(), QStringLiteral("123456789012"));
    QCOMPARE(config.getTcpNetworkMode(), ConfigManager::Custom);
    QCOMPARE(config.getTcpNetworkSegment(), QStringLiteral("192.168.1."));
    QCOMPARE(config.getLogoMaxWidth(), 560);
    QCOMPARE(config.getLogoMaxHeight(), 560);
    QCOMPARE(QByteArray::fromHex(config.getTestPageText().toLatin1()), ConfigManager::defaultTestPage());
    QCOMPARE(QByteArray::fromHex(config.getReceipt58Text().toLatin1()), ConfigManager::defaultReceipt(58));
    QCOMPARE(countLines(QStringLiteral("[WARNING] 打印测试配置文件缺少或损坏的项已使用默认值")), before + 1);
    // The file itself is left as the user has it.
    QCOMPARE(TestAppDir::readAll(config.filePath()), QByteArray("[PrintTest]\nBarCodeType=QR\n"));
}

void ConfigTest::damagedKeysTakeTheNewFileValues_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<ConfigManager::TcpNetworkMode>("mode");
    const QByteArray rest = "BitMapPath=a\nBarCodeType=b\nBarCodeValue=c\nTestPageText=1B\nReceipt58Text=1B\n"
                            "Receipt76Text=1B\nReceipt80Text=1B\n[Network]\nTcpNetworkSegment=10.0.0.\n";
    QTest::newRow("letters for a number") << "[PrintTest]\nLogoMaxWidth=abc\nLogoMaxHeight=300\n" + rest
                                                 + "TcpNetworkMode=0\n"
                                          << 560 << 300 << ConfigManager::Local;
    QTest::newRow("zero and negative") << "[PrintTest]\nLogoMaxWidth=0\nLogoMaxHeight=-8\n" + rest + "TcpNetworkMode=1\n"
                                       << 560 << 560 << ConfigManager::Custom;
    QTest::newRow("beyond int") << "[PrintTest]\nLogoMaxWidth=99999999999\nLogoMaxHeight=400\n" + rest
                                       + "TcpNetworkMode=0\n"
                                << 560 << 400 << ConfigManager::Local;
    QTest::newRow("unknown mode") << "[PrintTest]\nLogoMaxWidth=200\nLogoMaxHeight=400\n" + rest + "TcpNetworkMode=7\n"
                                  << 200 << 400 << ConfigManager::Custom;
}

void ConfigTest::damagedKeysTakeTheNewFileValues()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(ConfigManager::TcpNetworkMode, mode);
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("printtest.ini")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(lines);
    f.close();
    const int before = countLines(QStringLiteral("[WARNING] 打印测试配置文件缺少或损坏的项已使用默认值"));
    ConfigManager config(dir.path());
    config.initialize();
    QCOMPARE(config.getLogoMaxWidth(), width);
    QCOMPARE(config.getLogoMaxHeight(), height);
    QCOMPARE(config.getTcpNetworkMode(), mode);
    QCOMPARE(config.getTcpNetworkSegment(), QStringLiteral("10.0.0."));
    QCOMPARE(countLines(QStringLiteral("[WARNING] 打印测试配置文件缺少或损坏的项已使用默认值")), before + 1);
}

void ConfigTest::settersWriteAtOnce()
{
    QTemporaryDir dir;
    ConfigManager config(dir.path());
    config.initialize();
    config.setTcpNetworkSegment(QStringLiteral("10.0.0."));
    config.setTcpNetworkMode(ConfigManager::Local);
    config.setBarCodeType(QStringLiteral("QR"));
    config.setReceipt58Text(QStringLiteral("1B 40"));
    config.setBitMapPath(QStringLiteral("/tmp/图片.png"));

    QSettings s(config.filePath(), QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    QCOMPARE(s.value(QStringLiteral("Network/TcpNetworkSegment")).toString(), QStringLiteral("10.0.0."));
    QCOMPARE(s.value(QStringLiteral("Network/TcpNetworkMode")).toString(), QStringLiteral("0"));
    QCOMPARE(s.value(QStringLiteral("PrintTest/BarCodeType")).toString(), QStringLiteral("QR"));

    ConfigManager again(dir.path());
    again.initialize();
    QCOMPARE(again.getTcpNetworkSegment(), QStringLiteral("10.0.0."));
    QCOMPARE(again.getTcpNetworkMode(), ConfigManager::Local);
    QCOMPARE(again.getReceipt58Text(), QStringLiteral("1B 40"));
    QCOMPARE(again.getBitMapPath(), QStringLiteral("/tmp/图片.png"));
    QCOMPARE(countLines(QStringLiteral("TCP网段模式已保存: 本机网段")), 1);
    QCOMPARE(countLines(QStringLiteral("58小票文本已保存")), 1);
}

void ConfigTest::unwritableFolderKeepsDefaults()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ConfigManager config(dir.filePath(QStringLiteral("blocked/configFile")));
    config.initialize();
    // The values a new file would hold.
    QCOMPARE(config.getLogoMaxWidth(), 560);
    QCOMPARE(config.getTcpNetworkMode(), ConfigManager::Custom);
    QVERIFY(countLines(QStringLiteral("[ERROR] 创建默认打印测试配置文件失败")) >= 1);
}

void ConfigTest::fullDiskLeavesNoEmptyFile()
{
    QTemporaryDir dir;
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    {
        FileSizeLimit full(0);
        QVERIFY(full.active());
        ConfigManager config(dir.path());
        config.initialize();
        // Nothing half-written is left behind to be trusted later.
        QVERIFY(!QFile::exists(config.filePath()));
        QCOMPARE(config.getLogoMaxWidth(), 560);
    }
    QCOMPARE(countSpied(log, QStringLiteral("[ERROR] 创建默认打印测试配置文件失败: ")
                                 + dir.filePath(QStringLiteral("printtest.ini"))),
             1);
    QCOMPARE(countSpied(log, QStringLiteral("默认打印测试配置文件创建成功")), 0);
    // Space again: the next start writes the whole default file.
    ConfigManager next(dir.path());
    next.initialize();
    QCOMPARE(TestAppDir::readAll(next.filePath()), ConfigManager::defaultFileText());
    QCOMPARE(next.getLogoMaxWidth(), 560);
    QCOMPARE(next.getTcpNetworkMode(), ConfigManager::Custom);
}

void ConfigTest::emptyOrDamagedFileIsReplaced_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("copyKept");
    QTest::newRow("empty (disk was full)") << QByteArray() << false;
    QTest::newRow("zero blocks after a crash") << QByteArray(4096, '\0') << true;
    QTest::newRow("cut inside a section name") << QByteArray("[PrintTest]\nBarCodeType=QR\n[Netw") << true;
}

void ConfigTest::emptyOrDamagedFileIsReplaced()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, copyKept);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printtest.ini"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contents);
    f.close();
    ConfigManager config(dir.path());
    config.initialize();
    QCOMPARE(TestAppDir::readAll(path), ConfigManager::defaultFileText());
    QCOMPARE(config.getLogoMaxWidth(), 560);
    QCOMPARE(config.getTcpNetworkSegment(), QStringLiteral("192.168.1."));
    QVERIFY(countLines(QStringLiteral("[ERROR] 打印测试配置文件为空或已损坏，重新创建默认配置文件: ") + path) >= 1);
    const QStringList copies = QDir(dir.path()).entryList({QStringLiteral("printtest.ini.damaged-*")}, QDir::Files);
    QCOMPARE(copies.size(), copyKept ? 1 : 0);
    if (copyKept)
        QCOMPARE(TestAppDir::readAll(dir.filePath(copies.first())), contents);
}

void ConfigTest::failedSaveIsReportedNotLoggedAsSaved()
{
    QTemporaryDir dir;
    ConfigManager config(dir.path());
    config.initialize();
    QSignalSpy failed(&config, &ConfigManager::saveFailed);
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    {
        FileSizeLimit full(0);
        QVERIFY(full.active());
        config.setBarCodeType(QStringLiteral("CODE128"));
        config.setTcpNetworkMode(ConfigManager::Local);
    }
    QCOMPARE(failed.count(), 2);
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("PrintTest/BarCodeType"));
    QCOMPARE(failed.at(1).at(0).toString(), QStringLiteral("Network/TcpNetworkMode"));
    QVERIFY(failed.at(0).at(1).toString().contains(config.filePath()));
    QCOMPARE(countSpied(log, QStringLiteral("条码类型已保存")), 0);
    QCOMPARE(countSpied(log, QStringLiteral("TCP网段模式已保存")), 0);
    QCOMPARE(countSpied(log, QStringLiteral("[ERROR] 保存配置项失败: PrintTest/BarCodeType")), 1);
    // The file still holds the old value, whole.
    QCOMPARE(TestAppDir::readAll(config.filePath()), ConfigManager::defaultFileText());

    config.setBarCodeType(QStringLiteral("CODE128"));
    QCOMPARE(failed.count(), 2);
    QCOMPARE(countSpied(log, QStringLiteral("条码类型已保存: CODE128")), 1);
}

void ConfigTest::saveThatDoesNotFitKeepsTheOldFile()
{
    // Room for a little, not for the whole new file: the old file must stay
    // as it was rather than be replaced by a cut-short one.
    QTemporaryDir dir;
    const QByteArray before = "[PrintTest]\nBarCodeType=QR\nLogoMaxWidth=300\nLogoMaxHeight=300\n";
    QFile f(dir.filePath(QStringLiteral("printtest.ini")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(before);
    f.close();
    ConfigManager config(dir.path());
    config.initialize();
    QSignalSpy failed(&config, &ConfigManager::saveFailed);
    {
        FileSizeLimit full(before.size() + 100);
        QVERIFY(full.active());
        config.setReceipt80Text(QString(2000, QLatin1Char('A')));
    }
    QCOMPARE(failed.count(), 1);
    QCOMPARE(TestAppDir::readAll(config.filePath()), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("printtest.ini")});
}

void ConfigTest::modelFromName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ConfigManager::DeviceModel>("model");
    QTest::newRow("empty") << "" << ConfigManager::Unknown;
    QTest::newRow("upper L7N") << "KVZ-L7N" << ConfigManager::L7N;
    QTest::newRow("mixed case") << "kvz-l7N printer" << ConfigManager::L7N;
    QTest::newRow("L7S") << "KVZ-L7S" << ConfigManager::L7S;
    QTest::newRow("both, l7n first") << "l7s-l7n" << ConfigManager::L7N;
    QTest::newRow("neither") << "KVZ-L7D" << ConfigManager::Standard;
}

void ConfigTest::modelFromName()
{
    QFETCH(QString, name);
    QFETCH(ConfigManager::DeviceModel, model);
    QCOMPARE(ConfigManager::modelFromName(name), model);
}

void ConfigTest::sameNameTwiceLogsOnce()
{
    QTemporaryDir dir;
    ConfigManager config(dir.path());
    const QString name = QStringLiteral("Counter-L7S-%1").arg(QDateTime::currentMSecsSinceEpoch());
    config.setCurrentDeviceName(name);
    config.setCurrentDeviceName(name);
    QCOMPARE(config.getCurrentDeviceModel(), ConfigManager::L7S);
    QCOMPARE(countLines(QStringLiteral("当前设备名称已设置为: ") + name), 1);
    config.setCurrentDeviceName(QString());
    QCOMPARE(config.getCurrentDeviceModel(), ConfigManager::Unknown);
}

void ConfigTest::localAddress_data()
{
    using NI = ConfigManager::NetInterface;
    QTest::addColumn<QList<NI>>("interfaces");
    QTest::addColumn<QString>("address");
    QTest::newRow("none") << QList<NI>{} << "0.0.0.0";
    QTest::newRow("loopback and VMware only")
        << QList<NI>{{QStringLiteral("lo"), true, {ip("127.0.0.1")}},
                     {QStringLiteral("VMware Network Adapter VMnet8"), true, {ip("192.168.50.1")}}}
        << "0.0.0.0";
    QTest::newRow("down interface skipped")
        << QList<NI>{{QStringLiteral("eth0"), false, {ip("10.1.2.3")}},
                     {QStringLiteral("wlan0"), true, {ip("fe80::1"), ip("10.0.0.5")}}}
        << "10.0.0.5";
    QTest::newRow("VirtualBox skipped, first IPv4 wins")
        << QList<NI>{{QStringLiteral("VirtualBox Host-Only"), true, {ip("192.168.56.1")}},
                     {QStringLiteral("eth0"), true, {ip("172.20.1.9"), ip("172.20.2.9")}}}
        << "172.20.1.9";
    QTest::newRow("match is case-sensitive")
        << QList<NI>{{QStringLiteral("vmware-lookalike"), true, {ip("10.9.8.7")}}} << "10.9.8.7";
}

void ConfigTest::localAddress()
{
    QFETCH(QList<ConfigManager::NetInterface>, interfaces);
    QFETCH(QString, address);
    QCOMPARE(ConfigManager::pickLocalAddress(interfaces), address);
}

void ConfigTest::segmentOf_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("segment");
    QTest::newRow("class C") << "192.168.1.23" << "192.168.1.";
    QTest::newRow("ten") << "10.0.0.5" << "10.0.0.";
    QTest::newRow("unset") << "0.0.0.0" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("leading dot only") << ".5" << "";
}

void ConfigTest::segmentOf()
{
    QFETCH(QString, address);
    QFETCH(QString, segment);
    QCOMPARE(ConfigManager::segmentOf(address), segment);
}

QTEST_GUILESS_MAIN(ConfigTest)
#include "tst_config.moc"
