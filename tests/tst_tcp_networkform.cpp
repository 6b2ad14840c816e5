// Network settings: the form POSTed to the printer's /config.cgi over TCP (as
// a printer web server on 127.0.58.x records it) and the USB command bytes.

#include "support/tcp_fixtures.h"
#include "commands/NetworkForm.h"
#include "transport/tcp/TcpDeviceManager.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
const QString PrinterIp = QStringLiteral("127.0.58.1");
const QString Mac = QStringLiteral("00-11-22-33-44-55");
} // namespace

class TcpNetworkFormTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void formPosted_data();
    void formPosted();
    void printerAnswerIsLogged();
    void newerRequestEndsOlder();
    void usbBytes_data();
    void usbBytes();
    void serialAndDriverDoNothing();

private:
    TcpFakePrintPort *m_port = nullptr;
    TcpFakeWebServer *m_web = nullptr;
    std::unique_ptr<TcpLogCapture> m_log;
};

void TcpNetworkFormTest::initTestCase()
{
    tcpPrepareApp(QStringLiteral("127.0.58."));
    m_log = std::make_unique<TcpLogCapture>();
}

void TcpNetworkFormTest::init()
{
    delete m_port;
    delete m_web;
    m_port = new TcpFakePrintPort(this);
    m_web = new TcpFakeWebServer(this);
    QVERIFY(m_port->listen(QHostAddress(PrinterIp)));
    QVERIFY(m_web->listen(QHostAddress(PrinterIp)));
    m_log->clear();
}

void TcpNetworkFormTest::formPosted_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("gateway");
    QTest::addColumn<QList<int>>("values"); // dhcp, beep, cut, beepType, printMode, density
    QTest::addColumn<bool>("posted");
    QTest::addColumn<QString>("body");

    const QString ip = QStringLiteral("192.168.1.50"), mask = QStringLiteral("255.255.255.0"),
                  gw = QStringLiteral("192.168.1.1");
    QTest::newRow("L7N static") << "KVZ-L7N" << ip << mask << gw << QList<int>{0, 1, 1, 0, 1, 2} << true
                                << "ip=192.168.1.50&sub=255.255.255.0&gw=192.168.1.1&dhcp=0&beep=1&cut=1&beepType=0&printMode=1&density=2";
    QTest::newRow("L7N DHCP") << "KVZ-L7N" << ip << mask << gw << QList<int>{1, 1, 0, 1, 0, 3} << true
                              << "ip=0.0.0.0&sub=255.255.255.0&gw=192.168.1.1&dhcp=1&beep=1&cut=0&beepType=1&printMode=0&density=3";
    QTest::newRow("L7K static") << "KVZ-L7K" << ip << mask << gw << QList<int>{0, 0, 0, 0, 0, 1} << true
                                << "ip=192.168.1.50&sub=255.255.255.0&gw=192.168.1.1&dhcp=dhcpn&mac=00:11:22:33:44:55";
    QTest::newRow("L7W DHCP") << "KVZ-L7W" << ip << mask << gw << QList<int>{1, 0, 0, 0, 0, 1} << true
                              << "ip=0.0.0.0&sub=255.255.255.0&gw=192.168.1.1&dhcp=dhcpy&mac=00:11:22:33:44:55";
    QTest::newRow("L7S static") << "KVZ-L7S" << ip << mask << gw << QList<int>{0, 0, 0, 0, 0, 1} << true
                                << "mac=00:11:22:33:44:55&ip=192.168.1.50&sub=255.255.255.0&gw=192.168.1.1&dhcp=dhcpn";
    QTest::newRow("L7S DHCP: empty form") << "KVZ-L7S" << ip << mask << gw << QList<int>{1, 0, 0, 0, 0, 1} << true
                                          << "";
    QTest::newRow("DHCP ignores a bad address") << "KVZ-L7N" << "bad" << mask << gw << QList<int>{1, 0, 0, 0, 0, 4}
                                                << true
                                                << "ip=0.0.0.0&sub=255.255.255.0&gw=192.168.1.1&dhcp=1&beep=0&cut=0&beepType=0&printMode=0&density=4";
    QTest::newRow("static, unknown model") << "" << ip << mask << gw << QList<int>{0, 0, 0, 0, 0, 1} << false << "";
    QTest::newRow("static, model in other case") << "kvz-l7n" << ip << mask << gw << QList<int>{0, 0, 0, 0, 0, 1}
                                                 << false << "";
    QTest::newRow("static, gateway out of range") << "KVZ-L7N" << ip << mask << "192.168.1.300"
                                                  << QList<int>{0, 0, 0, 0, 0, 1} << false << "";
    QTest::newRow("static, IPv6 address") << "KVZ-L7N" << "::1" << mask << gw << QList<int>{0, 0, 0, 0, 0, 1}
                                          << false << "";
}

void TcpNetworkFormTest::formPosted()
{
    QFETCH(QString, model);
    QFETCH(QString, ip);
    QFETCH(QString, mask);
    QFETCH(QString, gateway);
    QFETCH(QList<int>, values);
    QFETCH(bool, posted);
    QFETCH(QString, body);

    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(model, PrinterIp, Mac, QString()));
    QSignalSpy arrived(m_web, &TcpFakeWebServer::postArrived);
    mgr.setNetworkClicked(ip, mask, gateway, values[0], values[1], values[2], values[3], values[4], values[5]);
    QVERIFY(m_log->contains(QStringLiteral("TCP 更多设置-tcp模式以太网设置 IP: %1  Mask: %2").arg(ip, mask)));
    if (!posted) {
        QVERIFY(!arrived.wait(300));
        QCOMPARE(m_web->posts().size(), 0);
        return;
    }
    QVERIFY(arrived.wait(3000));
    QCOMPARE(m_web->posts().size(), 1);
    const TcpFakeWebServer::Post post = m_web->posts().first();
    QCOMPARE(post.path, QStringLiteral("/config.cgi"));
    QCOMPARE(post.contentType, QStringLiteral("application/x-www-form-urlencoded"));
    QCOMPARE(QString::fromUtf8(post.body), body);
    // Nothing travels over the print port.
    QCOMPARE(m_port->received(), QByteArray());
}

void TcpNetworkFormTest::printerAnswerIsLogged()
{
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(QStringLiteral("KVZ-L7K"), PrinterIp, Mac, QString()));
    m_web->setPostStatus(500);
    QSignalSpy finished(&mgr, &TcpDeviceManager::sigNetworkPostFinished);
    QSignalSpy failures(&mgr, &BaseDeviceManager::sigOperationFailed);
    mgr.setNetworkClicked(QStringLiteral("10.0.0.9"), QStringLiteral("255.0.0.0"), QStringLiteral("10.0.0.1"), 0, 0, 0,
                          0, 0, 1);
    QVERIFY(mgr.networkPostPending());
    QTRY_VERIFY(m_log->contains(QStringLiteral("网络设置已发送到 http://127.0.58.1/config.cgi，打印机回应: HTTP 500")));
    // An answer, even a refusal, is no failure of the post.
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), 500);
    QCOMPARE(failures.count(), 0);
    QVERIFY(!mgr.networkPostPending());

    // No web server at the printer's address: the network error is logged
    // and reported with the same text.
    delete m_web;
    m_web = nullptr;
    mgr.setNetworkClicked(QStringLiteral("10.0.0.9"), QStringLiteral("255.0.0.0"), QStringLiteral("10.0.0.1"), 0, 0, 0,
                          0, 0, 1);
    QTRY_VERIFY(m_log->contains(QStringLiteral("网络设置发送到 http://127.0.58.1/config.cgi 失败: ")));
    QCOMPARE(finished.count(), 2);
    QCOMPARE(finished.last().first().toInt(), 0);
    QCOMPARE(failures.count(), 1);
    QVERIFY(failures.first().first().toString().startsWith(
        QStringLiteral("网络设置发送到 http://127.0.58.1/config.cgi 失败: ")));
    QVERIFY(m_log->contains(failures.first().first().toString()));
}

void TcpNetworkFormTest::newerRequestEndsOlder()
{
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(QStringLiteral("KVZ-L7N"), PrinterIp, Mac, QString()));
    QSignalSpy arrived(m_web, &TcpFakeWebServer::postArrived);
    m_web->setHoldPosts(true);
    mgr.setNetworkClicked(QStringLiteral("10.0.0.9"), QStringLiteral("255.0.0.0"), QStringLiteral("10.0.0.1"), 0, 1, 1,
                          1, 1, 1);
    QVERIFY(arrived.wait(3000));
    m_web->setHoldPosts(false);
    mgr.setNetworkClicked(QStringLiteral("10.0.0.8"), QStringLiteral("255.0.0.0"), QStringLiteral("10.0.0.1"), 0, 1, 1,
                          1, 1, 1);
    QTRY_VERIFY(m_log->contains(QStringLiteral("打印机回应: HTTP 200")));
    QTest::qWait(200);
    QCOMPARE(m_web->posts().size(), 2);
    QVERIFY(m_web->posts().last().body.startsWith("ip=10.0.0.8&"));
    QCOMPARE(m_log->count(QStringLiteral("打印机回应")) + m_log->count(QStringLiteral("config.cgi 失败")), 1);
}

void TcpNetworkFormTest::usbBytes_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("gateway");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("valid") << "192.168.1.200" << "255.255.255.0" << "192.168.1.1"
                           << QByteArray::fromHex("1f69c0a801c81f2500ffffff001f2501c0a80101");
    QTest::newRow("leading zeros") << "010.000.001.009" << "255.0.0.0" << "10.0.0.1"
                                   << QByteArray::fromHex("1f690a0001091f2500ff0000001f25010a000001");
    QTest::newRow("mask out of range") << "192.168.1.200" << "256.0.0.0" << "192.168.1.1" << QByteArray();
    QTest::newRow("three parts") << "192.168.1" << "255.255.255.0" << "192.168.1.1" << QByteArray();
    QTest::newRow("empty gateway") << "192.168.1.200" << "255.255.255.0" << "" << QByteArray();
}

void TcpNetworkFormTest::usbBytes()
{
    QFETCH(QString, ip);
    QFETCH(QString, mask);
    QFETCH(QString, gateway);
    QFETCH(QByteArray, bytes);
    NetworkForm form(CommType::Usb, DevInfo{});
    QSignalSpy spy(&form, &NetworkForm::sigSendData);
    form.sendNetwork(ip, mask, gateway, 0, 0, 0, 0, 0, 0);
    if (bytes.isEmpty()) {
        QCOMPARE(spy.count(), 0);
        return;
    }
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<CommType>(), CommType::Usb);
    QCOMPARE(spy.at(0).at(1).toByteArray(), bytes);
}

void TcpNetworkFormTest::serialAndDriverDoNothing()
{
    for (CommType type : {CommType::Serial, CommType::Driver}) {
        DevInfo device;
        device.ip = PrinterIp;
        device.name = QStringLiteral("KVZ-L7N");
        NetworkForm form(type, device);
        QSignalSpy spy(&form, &NetworkForm::sigSendData);
        form.sendNetwork(QStringLiteral("10.0.0.9"), QStringLiteral("255.0.0.0"), QStringLiteral("10.0.0.1"), 0, 0, 0,
                         0, 0, 1);
        QTest::qWait(100);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(m_web->posts().size(), 0);
    }
}

QTEST_GUILESS_MAIN(TcpNetworkFormTest)
#include "tst_tcp_networkform.moc"
