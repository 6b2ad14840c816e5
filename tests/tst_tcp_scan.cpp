// The LAN search and the single-address test, against hand-written printers
// on 127.0.51.x (raw port, web page, NetBIOS name and unit id) and a
// neighbour table the tests fill.

#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "platform/MacAddressLookup.h"
#include "support/TestAppDir.h"
#include "support/tcp_fixtures.h"
#include "transport/tcp/HostIdentifier.h"
#include "transport/tcp/ScanWorker.h"
#include "transport/tcp/TcpDeviceManager.h"

#include <QHash>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

struct Host
{
    QString ip;
    TcpFakePrintPort *port = nullptr;
    TcpFakeWebServer *web = nullptr;
    TcpFakeNetbios *netbios = nullptr;
};

// Everything a manager reports, in the order it arrives on the main thread.
struct Recorder : QObject
{
    QStringList events;
    QList<int> progress;
    explicit Recorder(TcpDeviceManager *m)
    {
        connect(m->scanWorker(), &ScanWorker::sigAddDevList, this,
                [this](const QString &ip, const QString &mac, const QString &name) {
                    events << QStringLiteral("add %1 %2 %3").arg(ip, mac, name);
                });
        connect(m->scanWorker(), &ScanWorker::sigWorkOver, this, [this] { events << QStringLiteral("over"); });
        connect(m, &TcpDeviceManager::sigTestConnectionResult, this,
                [this](const QString &ip, const QString &mac, const QString &name, bool ok, const QString &err) {
                    events << QStringLiteral("test %1|%2|%3|%4|%5").arg(ip, mac, name, ok ? "1" : "0", err);
                });
        connect(m, &TcpDeviceManager::sigSearchProgress, this, [this](int p) { progress << p; });
    }
    int overs() const { return events.count(QStringLiteral("over")); }
};

// The neighbour table as a test wants it: a MAC address for the addresses
// listed, none for the others (as for any address on loopback).
struct MacTable : MacAddressLookup
{
    QHash<QString, QString> macs;
    QString macAddress(const QString &ip, QString *entry) const override
    {
        const QString mac = macs.value(ip);
        if (entry)
            *entry = mac.isEmpty() ? QString() : ip + QLatin1Char(' ') + mac;
        return mac;
    }
};

// The neighbour table's MAC address of 127.0.51.n, for the hosts that have one.
QString tableMac(int n)
{
    return QStringLiteral("02:00:00:51:00:%1").arg(n, 2, 16, QLatin1Char('0'));
}

// The one host on 127.0.51. with no neighbour entry whose NetBIOS answer
// names its MAC address.
const QByteArray NetbiosMac = QByteArray::fromHex("0a0000510026");
const QString NetbiosMacText = QStringLiteral("0a:00:00:51:00:26");

std::shared_ptr<MacTable> neighbours(std::initializer_list<QString> addresses)
{
    auto table = std::make_shared<MacTable>();
    for (const QString &ip : addresses)
        table->macs.insert(ip, tableMac(ip.section(QLatin1Char('.'), 3).toInt()));
    return table;
}

DevInfo dev(const QString &ip, const QString &mac, const QString &name)
{
    return DevInfo{ip, mac, name, {}, {}, {}, {}};
}


} // namespace

class TcpScanTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void modelRecognition_data();
    void modelRecognition();
    void pageReachesTheLogAsOneShortLine();
    void prefixes_data();
    void prefixes();
    void searchFindsThePrintersInAddressOrder();
    void repeatedSearchIsStable();
    void requestsWaitTheirTurn();
    void segmentWithAndWithoutPoint_data();
    void segmentWithAndWithoutPoint();
    void secondPassRules_data();
    void secondPassRules();
    void singleAddressTest_data();
    void singleAddressTest();
    void connectionSeenByABusyThread_data();
    void connectionSeenByABusyThread();
    void pageWithoutHttpHeadIsReadRaw();
    void drippingPageCannotStallTheSearch();
    void identifiedPrintersShowWhileAPageHangs();
    void destroyedDuringSearch();

private:
    Host &addHost(const QString &ip, const QByteArray &page,
                  TcpFakeWebServer::Mode mode = TcpFakeWebServer::Mode::Page,
                  TcpFakePrintPort::Mode portMode = TcpFakePrintPort::Mode::Record);
    QList<Host> m_hosts;
    std::unique_ptr<TcpDeviceManager> m_mgr;
    std::unique_ptr<TcpLogCapture> m_log;
};

Host &TcpScanTest::addHost(const QString &ip, const QByteArray &page, TcpFakeWebServer::Mode mode,
                           TcpFakePrintPort::Mode portMode)
{
    Host h;
    h.ip = ip;
    h.port = new TcpFakePrintPort(this);
    h.web = new TcpFakeWebServer(this);
    h.netbios = new TcpFakeNetbios(this);
    h.web->setPage(page, mode);
    if (!h.port->listen(QHostAddress(ip), 9100, portMode) || !h.web->listen(QHostAddress(ip))
        || !h.netbios->listen(QHostAddress(ip)))
        qFatal("cannot listen on %s", qPrintable(ip));
    m_hosts.append(h);
    return m_hosts.last();
}

void TcpScanTest::initTestCase()
{
    tcpPrepareApp(QStringLiteral("127.0.51."));
    m_log = std::make_unique<TcpLogCapture>();
    addHost(QStringLiteral("127.0.51.3"), tcpModelPage(QStringLiteral("KVZ-L7D")));
    addHost(QStringLiteral("127.0.51.7"), tcpModelPage(QStringLiteral("KVZ-L7N")));
    addHost(QStringLiteral("127.0.51.12"), tcpModelPage(QStringLiteral("KVZ-L7S")));
    // Unknown page, but its NetBIOS name carries the family marker.
    addHost(QStringLiteral("127.0.51.20"), tcpModelPage(QString()))
        .netbios->setNames({{"KVZ-L7X", 0x00}});
    // Unknown page and no name: dropped.
    addHost(QStringLiteral("127.0.51.21"), tcpModelPage(QString()));
    // Unknown page and a malformed name answer: dropped.
    addHost(QStringLiteral("127.0.51.24"), tcpModelPage(QString()))
        .netbios->setRawAnswer(QByteArray::fromHex("0000840000010000000000002041"), true);
    // Accepts and resets, on the print port and on the web port: dropped.
    addHost(QStringLiteral("127.0.51.22"), QByteArray(), TcpFakeWebServer::Mode::Reset,
            TcpFakePrintPort::Mode::AcceptAndReset);
    // A 100 MB page: read only as far as needed.
    addHost(QStringLiteral("127.0.51.23"), tcpModelPage(QStringLiteral("KVZ-L7D")), TcpFakeWebServer::Mode::Endless);
    // The print port answers, the web port does not.
    auto *portOnly = new TcpFakePrintPort(this);
    QVERIFY(portOnly->listen(QHostAddress(QStringLiteral("127.0.51.25"))));
    // No neighbour entry: the NetBIOS answer names the MAC address.
    Host &fromNetbios = addHost(QStringLiteral("127.0.51.26"), tcpModelPage(QStringLiteral("KVZ-L7D")));
    fromNetbios.netbios->setNames({{"PRN26", 0x00}});
    fromNetbios.netbios->setUnitId(NetbiosMac);
    // A recognised page, but no MAC address from either: dropped.
    addHost(QStringLiteral("127.0.51.27"), tcpModelPage(QStringLiteral("KVZ-L7S")));
    m_mgr = std::make_unique<TcpDeviceManager>();
    m_mgr->scanWorker()->setMacLookup(neighbours({"127.0.51.3", "127.0.51.7", "127.0.51.12", "127.0.51.20", "127.0.51.21",
                                                  "127.0.51.22", "127.0.51.23", "127.0.51.24", "127.0.51.25"}));
}

void TcpScanTest::modelRecognition_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("model");
    QTest::newRow("Table1") << QByteArray("<table id=Table1>") << "KVZ-L7D";
    QTest::newRow("Table1 before colour picker") << QByteArray("Table1 nativeColorPicker") << "KVZ-L7D";
    QTest::newRow("nativeColorPicker") << QByteArray("nativeColorPicker") << "KVZ-L7N";
    QTest::newRow("color-swatch") << QByteArray("<i class=color-swatch>") << "KVZ-L7N";
    QTest::newRow("configureNetwork") << QByteArray("function configureNetwork(){}") << "KVZ-L7N";
    QTest::newRow("w5500 and rgbToHex") << QByteArray("fetch('/w5500.js') rgbToHex") << "KVZ-L7N";
    QTest::newRow("w5500 alone") << QByteArray("fetch('/w5500.js')") << "";
    QTest::newRow("Copyright") << QByteArray("Copyright") << "KVZ-L7K";
    QTest::newRow("plain page") << QByteArray("<html></html>") << "";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("upload-form, English title")
        << QByteArray("upload-form Ethernet Web Page Configuration Copyright") << "KVZ-L7S";
    QTest::newRow("upload-form, Chinese title")
        << QStringLiteral("upload-form 以太网网页配置 size='16'").toUtf8() << "KVZ-L7W";
    QTest::newRow("upload-form, Chinese title in GBK")
        << QByteArray("upload-form ") + QTextCodec::codecForName("GBK")->fromUnicode(QStringLiteral("以太网网页配置"))
               + " size='16'"
        << "KVZ-L7W";
    QTest::newRow("upload-form, Chinese title without size")
        << QStringLiteral("upload-form 以太网网页配置").toUtf8() << "KVZ-L7S";
    QTest::newRow("upload-form alone") << QByteArray("upload-form") << "KVZ-L7S";
    QTest::newRow("case matters") << QByteArray("table1 COPYRIGHT") << "";
}

void TcpScanTest::modelRecognition()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, model);
    QCOMPARE(HostIdentifier::recognizeModel(page), model);
}

void TcpScanTest::pageReachesTheLogAsOneShortLine()
{
    // A busy segment serves big pages; one with a line break and a forged
    // entry must neither fill the disk nor add an entry of its own.
    QByteArray page = "<html>configureNetwork\r\n[2026-01-01 00:00:00] [ERROR] forged entry\n";
    page += QByteArray(4 * 1024 * 1024, 'p');
    QSignalSpy spy(Logger::getInstance(), &Logger::newLogMessage);
    QCOMPARE(HostIdentifier::recognizeModel(page), QStringLiteral("KVZ-L7N"));
    QStringList pageLines;
    for (const QList<QVariant> &args : qAsConst(spy)) {
        const QString line = args.at(1).toString();
        QVERIFY2(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')), qPrintable(line.left(200)));
        if (line.contains(QLatin1String("htmlContent")))
            pageLines << line;
    }
    QCOMPARE(pageLines.size(), 1);
    QVERIFY(pageLines.first().size() < 100 + Logger::MaxExcerptChars);
    QVERIFY(pageLines.first().contains(QStringLiteral("configureNetwork\\r\\n[2026-01-01 00:00:00] [ERROR] forged")));
    const QString file = QString::fromUtf8(TestAppDir::readAll(Logger::getInstance()->currentFilePath()));
    QVERIFY(!file.contains(QLatin1String("\n[2026-01-01 00:00:00] [ERROR] forged")));
}

void TcpScanTest::prefixes_data()
{
    QTest::addColumn<bool>("local");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("segment with point") << false << "10.1.2." << "10.1.2.";
    QTest::newRow("segment without point") << false << "10.1.2" << "10.1.2.";
    QTest::newRow("local address") << true << "192.168.1.23" << "192.168.1.";
    QTest::newRow("no adapter") << true << "0.0.0.0" << "0.0.0.";
}

void TcpScanTest::prefixes()
{
    QFETCH(bool, local);
    QFETCH(QString, text);
    QFETCH(QString, prefix);
    QCOMPARE(local ? ScanWorker::localPrefix(text) : ScanWorker::prefixOf(text), prefix);
}

void TcpScanTest::searchFindsThePrintersInAddressOrder()
{
    Recorder rec(m_mgr.get());
    QSignalSpy over(m_mgr.get(), &TcpDeviceManager::sigScanOverTcp);
    m_log->clear();
    m_mgr->refreshDeviceList();
    QVERIFY(m_mgr->getDeviceList().isEmpty());
    QVERIFY(over.wait(20000));
    QTRY_COMPARE(rec.overs(), 1);

    const QStringList expected{
        QStringLiteral("add 127.0.51.3 %1 KVZ-L7D").arg(tableMac(3)),
        QStringLiteral("add 127.0.51.7 %1 KVZ-L7N").arg(tableMac(7)),
        QStringLiteral("add 127.0.51.12 %1 KVZ-L7S").arg(tableMac(12)),
        QStringLiteral("add 127.0.51.20 %1 KVZ-L7X").arg(tableMac(20)),
        QStringLiteral("add 127.0.51.23 %1 KVZ-L7D").arg(tableMac(23)),
        QStringLiteral("add 127.0.51.26 %1 KVZ-L7D").arg(NetbiosMacText),
        QStringLiteral("over"),
    };
    QVERIFY2(rec.events == expected, qPrintable(rec.events.join('\n') + "\n--\n" + m_log->lines().filter("127.0.51.2").join('\n')));

    const QVariantList list = m_mgr->getDeviceList();
    QCOMPARE(list.size(), 6);
    const QVariantMap first = list.at(0).toMap();
    QCOMPARE(first.keys(), (QStringList{"ip", "mac", "name"}));
    QCOMPARE(first.value("ip").toString(), QStringLiteral("127.0.51.3"));
    QCOMPARE(first.value("name").toString(), QStringLiteral("KVZ-L7D"));

    // Progress: 0 first, then one step per host up to 100.
    QCOMPARE(rec.progress.size(), 1 + ScanWorker::HostCount);
    QCOMPARE(rec.progress.first(), 0);
    QCOMPARE(rec.progress.last(), 100);
    QVERIFY(std::is_sorted(rec.progress.begin(), rec.progress.end()));

    QCOMPARE(m_log->count(QStringLiteral("try to connect :127.0.51.")), ScanWorker::HostCount);
    QVERIFY(m_log->contains(QStringLiteral("127.0.51.3 connected!")));
    QVERIFY(m_log->contains(QStringLiteral("IP: 127.0.51.3 destMac: %1").arg(tableMac(3))));
    QVERIFY(m_log->contains(QStringLiteral("IP: 127.0.51.26 destMac: %1").arg(NetbiosMacText)));
    QVERIFY(!m_log->contains(QStringLiteral("destMac: 00:00:00:00:00:00")));
    // No MAC address from either source: dropped before its page is asked for.
    QVERIFY(!m_log->contains(QStringLiteral("get url: http://127.0.51.27/ ")));
    QVERIFY(m_log->contains(QStringLiteral("get url: http://127.0.51.3/ ")));
    QVERIFY(m_log->contains(QStringLiteral("通过 nativeColorPicker 判断型号: KVZ-L7N")));
    // .20 .21 .24 .25, and .22 when its reset comes after the connection is seen
    QVERIFY(m_log->count(QStringLiteral("未知型号，开始使用nbtstat 搜索")) >= 4);
    QVERIFY(m_log->contains(QStringLiteral("fetch failed : Connection refused")));
    QVERIFY(m_log->contains(QStringLiteral("本次搜索完成，共发现 6 个设备")));
    QVERIFY(m_log->contains(QStringLiteral("TCP 设备搜索到设备 ip:127.0.51.20 mac:%1 name:KVZ-L7X").arg(tableMac(20))));
    QVERIFY(m_log->contains(QStringLiteral("TCP 设备搜索完成")));
    QVERIFY(!m_log->contains(QStringLiteral("开始第二次搜索")));

    // The endless page was read only as far as the size bound.
    const Host &endless = m_hosts.at(7);
    QCOMPARE(endless.ip, QStringLiteral("127.0.51.23"));
    QVERIFY2(endless.web->bytesServed() < 16 * ScanWorker::MaxPageBytes,
             qPrintable(QString::number(endless.web->bytesServed())));
}

void TcpScanTest::repeatedSearchIsStable()
{
    Recorder rec(m_mgr.get());
    QSignalSpy over(m_mgr.get(), &TcpDeviceManager::sigScanOverTcp);
    m_log->clear();
    m_mgr->refreshDeviceList();
    QVERIFY(over.wait(20000));
    QCOMPARE(m_mgr->getDeviceList().size(), 6);
    QVERIFY(m_log->contains(QStringLiteral("本次搜索完成，共发现 6 个设备")));
    QVERIFY(!m_log->contains(QStringLiteral("开始第二次搜索")));
}

void TcpScanTest::requestsWaitTheirTurn()
{
    Recorder rec(m_mgr.get());
    m_mgr->refreshDeviceList();
    m_mgr->testDeviceConnection(QStringLiteral("127.0.51.7"));
    m_mgr->refreshDeviceList();
    QTRY_COMPARE_WITH_TIMEOUT(rec.overs(), 2, 40000);
    QCOMPARE(rec.events.size(), 6 + 1 + 1 + 6 + 1);
    QCOMPARE(rec.events.at(6), QStringLiteral("over"));
    QCOMPARE(rec.events.at(7), QStringLiteral("test 127.0.51.7|%1|KVZ-L7N|1|").arg(tableMac(7)));
    QCOMPARE(rec.events.last(), QStringLiteral("over"));
}

void TcpScanTest::segmentWithAndWithoutPoint_data()
{
    QTest::addColumn<QString>("segment");
    QTest::newRow("with point") << "127.0.52.";
    QTest::newRow("without point") << "127.0.52";
}

void TcpScanTest::segmentWithAndWithoutPoint()
{
    QFETCH(QString, segment);
    TcpFakePrintPort port;
    TcpFakeWebServer web;
    QVERIFY(port.listen(QHostAddress(QStringLiteral("127.0.52.9"))));
    QVERIFY(web.listen(QHostAddress(QStringLiteral("127.0.52.9"))));
    web.setPage(tcpModelPage(QStringLiteral("KVZ-L7K")));

    TcpDeviceManager mgr;
    mgr.scanWorker()->setMacLookup(neighbours({"127.0.52.9"}));
    mgr.setTcpNetworkSegment(segment);
    QCOMPARE(ConfigManager::getInstance()->getTcpNetworkSegment(), segment);
    QSignalSpy over(&mgr, &TcpDeviceManager::sigScanOverTcp);
    m_log->clear();
    mgr.refreshDeviceList();
    QVERIFY(over.wait(20000));
    QVERIFY(m_log->contains(QStringLiteral("try to connect :127.0.52.254")));
    QVERIFY(!m_log->contains(QStringLiteral("try to connect :127.0.5225")));
    QCOMPARE(mgr.getDeviceList().size(), 1);
    QCOMPARE(mgr.getDeviceList().at(0).toMap().value("name").toString(), QStringLiteral("KVZ-L7K"));
    ConfigManager::getInstance()->setTcpNetworkSegment(QStringLiteral("127.0.51."));
}

using Pass = QList<DevInfo>;

void TcpScanTest::secondPassRules_data()
{
    QTest::addColumn<Pass>("previous");
    QTest::addColumn<Pass>("first");
    QTest::addColumn<Pass>("second");
    QTest::addColumn<bool>("again");
    QTest::addColumn<QString>("decision");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<Pass>("reported");
    const DevInfo a = dev("10.9.0.1", "aa", "KVZ-L7N");
    const DevInfo a2 = dev("10.9.0.1", "bb", "KVZ-L7N");
    const DevInfo b = dev("10.9.0.2", "cc", "KVZ-L7D");
    QTest::newRow("first search") << Pass{} << Pass{a} << Pass{} << false << "" << "本次搜索完成，共发现 1 个设备"
                                  << Pass{a};
    QTest::newRow("same result, other order")
        << Pass{a, b} << Pass{b, a} << Pass{} << false << "" << "本次搜索完成，共发现 2 个设备" << Pass{b, a};
    QTest::newRow("found nothing this time, second finds it")
        << Pass{a} << Pass{} << Pass{a} << true << "上次搜索到设备但本次未找到，可能是搜索异常，准备重新搜索..."
        << "第二次搜索完成，发现 1 个设备（第一次: 0 个）" << Pass{a};
    QTest::newRow("fewer this time, second finds even fewer")
        << Pass{a, b} << Pass{a} << Pass{} << true << "本次搜索结果与上次不一致，可能是搜索异常，准备重新搜索..."
        << "第二次搜索结果不如第一次，使用第一次结果（1 个）" << Pass{a};
    QTest::newRow("changed MAC, second finds more")
        << Pass{a} << Pass{a2} << Pass{a2, b} << true << "本次搜索结果与上次不一致，可能是搜索异常，准备重新搜索..."
        << "第二次搜索完成，发现 2 个设备（第一次: 1 个）" << Pass{a2, b};
    QTest::newRow("nothing before, nothing now") << Pass{} << Pass{} << Pass{} << false << ""
                                                  << "本次搜索完成，共发现 0 个设备" << Pass{};
}

void TcpScanTest::secondPassRules()
{
    QFETCH(Pass, previous);
    QFETCH(Pass, first);
    QFETCH(Pass, second);
    QFETCH(bool, again);
    QFETCH(QString, decision);
    QFETCH(QString, outcome);
    QFETCH(Pass, reported);

    TcpDeviceManager mgr;
    // The runner runs on the scan thread; the test reads what it did here.
    std::mutex scriptMutex;
    QList<Pass> script{previous, first, second};
    QList<int> passesRun;
    mgr.scanWorker()->setPassRunner([&](int pass) {
        std::lock_guard<std::mutex> lock(scriptMutex);
        passesRun << pass;
        return script.isEmpty() ? Pass{} : script.takeFirst();
    });
    const auto passes = [&] {
        std::lock_guard<std::mutex> lock(scriptMutex);
        return passesRun;
    };
    QSignalSpy over(&mgr, &TcpDeviceManager::sigScanOverTcp);
    mgr.refreshDeviceList(); // establishes the previous result
    QVERIFY(over.wait(5000));
    QCOMPARE(passes(), QList<int>{1});

    Recorder rec(&mgr);
    QSignalSpy live(&mgr, &TcpDeviceManager::sigDeviceFoundTcp);
    m_log->clear();
    mgr.refreshDeviceList();
    QVERIFY(over.wait(5000));
    QTRY_COMPARE(rec.overs(), 1);
    // Every printer seen by either pass shows once while the search runs.
    QStringList expectedLive, seenLive;
    for (const DevInfo &d : first + (again ? second : Pass{})) {
        const QString text = QStringLiteral("%1 %2 %3").arg(d.ip, d.mac, d.name);
        if (!expectedLive.contains(text))
            expectedLive << text;
    }
    for (const QList<QVariant> &args : qAsConst(live)) {
        const QVariantMap m = args.at(0).toMap();
        seenLive << QStringLiteral("%1 %2 %3").arg(m.value("ip").toString(), m.value("mac").toString(),
                                                   m.value("name").toString());
    }
    QCOMPARE(seenLive, expectedLive);
    QCOMPARE(passes(), again ? (QList<int>{1, 1, 2}) : (QList<int>{1, 1}));
    if (!decision.isEmpty())
        QVERIFY(m_log->contains(decision));
    QCOMPARE(m_log->contains(QStringLiteral("开始第二次搜索...")), again);
    QVERIFY2(m_log->contains(outcome), qPrintable(m_log->lines().join('\n')));
    QStringList expected;
    for (const DevInfo &d : reported)
        expected << QStringLiteral("add %1 %2 %3").arg(d.ip, d.mac, d.name);
    expected << QStringLiteral("over");
    QCOMPARE(rec.events, expected);
    // Progress runs 0..100 once per pass.
    QCOMPARE(rec.progress.count(100), again ? 2 : 1);
}

void TcpScanTest::singleAddressTest_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<bool>("noMac"); // the neighbour table has no entry
    QTest::addColumn<QString>("expected");
    QTest::newRow("recognised printer") << "127.0.51.12" << false << "127.0.51.12|" + tableMac(12) + "|KVZ-L7S|1|";
    QTest::newRow("page not recognised")
        << "127.0.51.21" << false << "127.0.51.21|" + tableMac(21) + "||0|未能获取完整的设备信息 (设备名称获取失败)";
    QTest::newRow("no MAC") << "127.0.51.3" << true << "127.0.51.3||KVZ-L7D|0|未能获取完整的设备信息 (MAC地址获取失败)";
    QTest::newRow("MAC from the NetBIOS answer")
        << "127.0.51.26" << true << "127.0.51.26|" + NetbiosMacText + "|KVZ-L7D|1|";
    QTest::newRow("neighbour table before the NetBIOS answer")
        << "127.0.51.26" << false << "127.0.51.26|" + tableMac(26) + "|KVZ-L7D|1|";
    QTest::newRow("no MAC, no name")
        << "127.0.51.21" << true
        << "127.0.51.21|||0|未能获取完整的设备信息 (MAC地址获取失败) (设备名称获取失败)";
    QTest::newRow("nothing listening") << "127.0.51.99" << false << "127.0.51.99|||0|Connection refused";
    QTest::newRow("three parts only") << "127.0.51" << false << "127.0.51|||0|Host not found";
    QTest::newRow("a name") << "localhost" << false << "localhost|||0|Host not found";
}

void TcpScanTest::singleAddressTest()
{
    QFETCH(QString, ip);
    QFETCH(bool, noMac);
    QFETCH(QString, expected);
    TcpDeviceManager mgr;
    mgr.scanWorker()->setMacLookup(noMac ? std::make_shared<MacTable>() : neighbours({ip}));
    Recorder rec(&mgr);
    mgr.testDeviceConnection(ip);
    QTRY_COMPARE_WITH_TIMEOUT(rec.events.size(), 1, 15000);
    QCOMPARE(rec.events.first(), QStringLiteral("test ") + expected);
}

// A scan thread busy past a host's connect limit (hundreds of hosts starting
// at once on a slow machine) must still see a connection the kernel has made
// by then, not give the printer up.
void TcpScanTest::connectionSeenByABusyThread_data()
{
    QTest::addColumn<bool>("passLimit");
    QTest::newRow("limit of each host") << false;
    QTest::newRow("limit of the pass") << true;
}

void TcpScanTest::connectionSeenByABusyThread()
{
    QFETCH(bool, passLimit);
    HostIdentifier::Settings settings;
    settings.stage = HostIdentifier::Stage::SingleTest;
    settings.connectTimeoutMs = passLimit ? 0 : 1;
    settings.fetchLimitMs = 2000;
    settings.rawLimitMs = 500;
    settings.rawTotalLimitMs = 1000;
    settings.maxPageBytes = ScanWorker::MaxPageBytes;
    settings.netbiosFallback = false;
    QObject parent;
    QList<HostIdentifier *> hosts;
    for (int n = 1; n <= 40; ++n)
        hosts << new HostIdentifier(QStringLiteral("127.0.51.%1").arg(n), settings, nullptr, &parent);
    for (HostIdentifier *host : qAsConst(hosts))
        host->start();
    QThread::msleep(100); // busy: every limit runs out before the loop looks
    if (passLimit) {
        std::vector<HostIdentifier *> all(hosts.begin(), hosts.end());
        HostIdentifier::endConnectWaits(all);
    }
    QTRY_VERIFY(std::all_of(hosts.begin(), hosts.end(), [](HostIdentifier *h) { return h->isDone(); }));
    for (const int n : {3, 7, 12}) {
        const HostIdentifier *host = hosts.at(n - 1);
        QVERIFY2(host->portOpen(), qPrintable(host->ip() + ": " + host->connectError()));
    }
    QCOMPARE(hosts.at(11)->model(), QStringLiteral("KVZ-L7S"));
}

// A web server that sends its page without any HTTP head fails the page
// request; the raw request that follows reads it, and the printer is named.
void TcpScanTest::pageWithoutHttpHeadIsReadRaw()
{
    TcpFakePrintPort port;
    TcpFakeWebServer web;
    QVERIFY(port.listen(QHostAddress(QStringLiteral("127.0.59.4"))));
    QVERIFY(web.listen(QHostAddress(QStringLiteral("127.0.59.4"))));
    web.setPage(tcpModelPage(QStringLiteral("KVZ-L7N")), TcpFakeWebServer::Mode::Bare);
    TcpDeviceManager mgr;
    mgr.scanWorker()->setMacLookup(neighbours({"127.0.59.4"}));
    Recorder rec(&mgr);
    mgr.testDeviceConnection(QStringLiteral("127.0.59.4"));
    QTRY_COMPARE_WITH_TIMEOUT(rec.events.size(), 1, 15000);
    QCOMPARE(rec.events.first(), QStringLiteral("test 127.0.59.4|%1|KVZ-L7N|1|").arg(tableMac(4)));
    QCOMPARE(web.getCount(), 2); // the page request, then the raw one
}

void TcpScanTest::drippingPageCannotStallTheSearch()
{
    TcpFakePrintPort dripPort, goodPort;
    TcpFakeWebServer dripWeb, goodWeb;
    QVERIFY(dripPort.listen(QHostAddress(QStringLiteral("127.0.55.4"))));
    QVERIFY(dripWeb.listen(QHostAddress(QStringLiteral("127.0.55.4"))));
    dripWeb.setMode(TcpFakeWebServer::Mode::Drip);
    QVERIFY(goodPort.listen(QHostAddress(QStringLiteral("127.0.55.5"))));
    QVERIFY(goodWeb.listen(QHostAddress(QStringLiteral("127.0.55.5"))));
    goodWeb.setPage(tcpModelPage(QStringLiteral("KVZ-L7W")));

    ConfigManager::getInstance()->setTcpNetworkSegment(QStringLiteral("127.0.55."));
    TcpDeviceManager mgr;
    mgr.scanWorker()->setMacLookup(neighbours({"127.0.55.4", "127.0.55.5"}));
    QSignalSpy over(&mgr, &TcpDeviceManager::sigScanOverTcp);
    m_log->clear();
    mgr.refreshDeviceList();
    // Bounded by the page limit plus the fallback's whole-answer limit.
    QVERIFY(over.wait(ScanWorker::FirstPassFetchLimitMs + ScanWorker::RawRequestTotalLimitMs + 5000));
    ConfigManager::getInstance()->setTcpNetworkSegment(QStringLiteral("127.0.51."));
    QCOMPARE(mgr.getDeviceList().size(), 1);
    QCOMPARE(mgr.getDeviceList().at(0).toMap().value("ip").toString(), QStringLiteral("127.0.55.5"));
    QVERIFY(m_log->contains(QStringLiteral("Abort request after timeout")));
}

// A printer is shown as soon as it is identified; a web server that never
// answers delays only the end of the search, never the printers already known.
void TcpScanTest::identifiedPrintersShowWhileAPageHangs()
{
    TcpFakePrintPort silentPort, goodPort;
    TcpFakeWebServer silentWeb, goodWeb;
    QVERIFY(silentPort.listen(QHostAddress(QStringLiteral("127.0.57.4"))));
    QVERIFY(silentWeb.listen(QHostAddress(QStringLiteral("127.0.57.4"))));
    silentWeb.setMode(TcpFakeWebServer::Mode::Silent);
    QVERIFY(goodPort.listen(QHostAddress(QStringLiteral("127.0.57.9"))));
    QVERIFY(goodWeb.listen(QHostAddress(QStringLiteral("127.0.57.9"))));
    goodWeb.setPage(tcpModelPage(QStringLiteral("KVZ-L7N")));

    ConfigManager::getInstance()->setTcpNetworkSegment(QStringLiteral("127.0.57."));
    TcpDeviceManager mgr;
    mgr.scanWorker()->setMacLookup(neighbours({"127.0.57.4", "127.0.57.9"}));
    QSignalSpy over(&mgr, &TcpDeviceManager::sigScanOverTcp);
    QSignalSpy live(&mgr, &TcpDeviceManager::sigDeviceFoundTcp);
    mgr.refreshDeviceList();
    QVERIFY(live.wait(ScanWorker::FirstPassFetchLimitMs / 2));
    QCOMPARE(over.count(), 0); // the silent page still holds the search
    QTRY_VERIFY_WITH_TIMEOUT(silentWeb.getCount() > 0, 5000);
    QVERIFY(mgr.getDeviceList().isEmpty());
    const QVariantMap found = live.at(0).at(0).toMap();
    QCOMPARE(found.keys(), (QStringList{"ip", "mac", "name"}));
    QCOMPARE(found.value("ip").toString(), QStringLiteral("127.0.57.9"));
    QCOMPARE(found.value("name").toString(), QStringLiteral("KVZ-L7N"));
    QCOMPARE(found.value("mac").toString(), tableMac(9));

    QVERIFY(over.wait(ScanWorker::FirstPassFetchLimitMs + ScanWorker::RawRequestTotalLimitMs + 5000));
    ConfigManager::getInstance()->setTcpNetworkSegment(QStringLiteral("127.0.51."));
    QCOMPARE(live.count(), 1);
    QCOMPARE(mgr.getDeviceList(), (QVariantList{found}));
}

void TcpScanTest::destroyedDuringSearch()
{
    TcpFakePrintPort port;
    TcpFakeWebServer web;
    QVERIFY(port.listen(QHostAddress(QStringLiteral("127.0.56.4"))));
    QVERIFY(web.listen(QHostAddress(QStringLiteral("127.0.56.4"))));
    web.setMode(TcpFakeWebServer::Mode::Silent);
    ConfigManager::getInstance()->setTcpNetworkSegment(QStringLiteral("127.0.56."));
    auto mgr = std::make_unique<TcpDeviceManager>();
    mgr->scanWorker()->setMacLookup(neighbours({"127.0.56.4"}));
    QSignalSpy over(mgr.get(), &TcpDeviceManager::sigScanOverTcp);
    mgr->refreshDeviceList();
    QTRY_VERIFY_WITH_TIMEOUT(web.getCount() > 0, 5000);
    QElapsedTimer t;
    t.start();
    mgr.reset(); // waits for the scan thread, which gives the search up
    QVERIFY(t.elapsed() < ScanWorker::FirstPassFetchLimitMs);
    ConfigManager::getInstance()->setTcpNetworkSegment(QStringLiteral("127.0.51."));
}

QTEST_GUILESS_MAIN(TcpScanTest)
#include "tst_tcp_scan.moc"
