// The virtual printer's network face: the web page of every model (checked
// against the markers a LAN search tells the models apart by), the network
// form POSTed to /config.cgi, the NetBIOS node-status answer, and the
// program's command line.

#include "VirtualPrinter.h"
#include "support/vprinter_client.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

#include <memory>
#include <vector>

using VprinterClient::exchange;
using VprinterClient::hex;

namespace {

constexpr int WaitMs = 5000;

// The model recognition rules of the LAN search, restated from their
// description: first rule that applies wins.
QString recognise(const QByteArray &body)
{
    const QString text = QString::fromUtf8(body);
    if (body.contains("Table1"))
        return QStringLiteral("KVZ-L7D");
    if (text.contains(QLatin1String("nativeColorPicker")) || text.contains(QLatin1String("color-swatch")))
        return QStringLiteral("KVZ-L7N");
    if (body.contains("configureNetwork"))
        return QStringLiteral("KVZ-L7N");
    if (text.contains(QLatin1String("fetch('/w5500.js')")) && text.contains(QLatin1String("rgbToHex")))
        return QStringLiteral("KVZ-L7N");
    if (!body.contains("upload-form") && body.contains("Copyright"))
        return QStringLiteral("KVZ-L7K");
    if (!body.contains("upload-form"))
        return QString();
    if (body.contains("Ethernet Web Page Configuration"))
        return QStringLiteral("KVZ-L7S");
    if (text.contains(QString::fromUtf8("以太网网页配置")) && text.contains(QLatin1String("size='16'")))
        return QStringLiteral("KVZ-L7W");
    return QStringLiteral("KVZ-L7S");
}

// One HTTP/1.0 request over a plain socket; returns status line, headers and body.
QByteArray httpRequest(quint16 port, const QByteArray &request)
{
    QTcpSocket s;
    s.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!s.waitForConnected(WaitMs))
        return {};
    s.write(request);
    QByteArray all;
    while (s.waitForReadyRead(WaitMs))
        all += s.readAll();
    all += s.readAll();
    return all;
}

QByteArray httpRequestTo(const QString &host, quint16 port, const QByteArray &request)
{
    QTcpSocket s;
    s.connectToHost(host, port);
    if (!s.waitForConnected(WaitMs))
        return {};
    s.write(request);
    QByteArray all;
    while (s.waitForReadyRead(WaitMs))
        all += s.readAll();
    return all + s.readAll();
}

QByteArray bodyOf(const QByteArray &response)
{
    const int at = response.indexOf("\r\n\r\n");
    return at < 0 ? QByteArray() : response.mid(at + 4);
}

QByteArray nodeStatusRequest(quint16 id)
{
    QByteArray q;
    q.append(char(id >> 8)).append(char(id & 0xFF));
    q += hex("00 00 00 01 00 00 00 00 00 00");
    q.append(char(0x20));
    q += "CK" + QByteArray(30, 'A'); // "*" padded with NUL, first-level encoded
    q.append(char(0));
    q += hex("00 21 00 01");
    return q;
}

VirtualPrinterOptions webOnly(const QString &model)
{
    VirtualPrinterOptions o;
    o.model = model;
    o.rawPort = VirtualPrinterOptions::Off;
    o.httpPort = 0;
    o.netbiosPort = 0;
    return o;
}

} // namespace

class TestVprinterNetwork : public QObject
{
    Q_OBJECT

private slots:
    void eachModelPageIsRecognised_data();
    void eachModelPageIsRecognised();
    void networkFormIsRecorded_data();
    void networkFormIsRecorded();
    void networkFormMovesThePrinterOnLoopback_data();
    void networkFormMovesThePrinterOnLoopback();
    void badHttpRequests();
    void idleAndExtraHttpClientsAreClosed();
    void netbiosNodeStatus();
    void netbiosIgnoresGarbage();
    void printersSideBySideOnDefaultPorts();
    void commandLineProgram();
    void commandLineReportsPortsItCannotBind();
    void commandLineHelpAndBadArguments();
};

void TestVprinterNetwork::eachModelPageIsRecognised_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("recognised");
    for (const char *m : {"KVZ-L7D", "KVZ-L7N", "KVZ-L7K", "KVZ-L7S", "KVZ-L7W"})
        QTest::newRow(m) << m << m;
    QTest::newRow("unknown") << "Standard" << QString();
}

void TestVprinterNetwork::eachModelPageIsRecognised()
{
    QFETCH(QString, model);
    QFETCH(QString, recognised);
    VirtualPrinter printer(webOnly(model));
    QVERIFY(printer.start());
    // As the search's fallback fetch sends it.
    const QByteArray response = httpRequest(printer.httpPort(),
                                            "GET / HTTP/1.0\r\nHost: 127.0.0.1\r\nUser-Agent: Qt-TcpSocket/1.0\r\nAccept: */*\r\n\r\n");
    QVERIFY(response.startsWith("HTTP/1.1 200 OK\r\n"));
    const QByteArray body = bodyOf(response);
    QVERIFY(response.contains("Content-Length: " + QByteArray::number(body.size()) + "\r\n"));
    QCOMPARE(recognise(body), recognised);
    QCOMPARE(printer.events(QStringLiteral("http_request")).size(), 1);
}

void TestVprinterNetwork::networkFormIsRecorded_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("L7N static") << "KVZ-L7N"
                                << QByteArray("ip=192.168.1.50&sub=255.255.255.0&gw=192.168.1.1&dhcp=0&beep=1&cut=1&beepType=0&printMode=1&density=2");
    QTest::newRow("L7K dhcp") << "KVZ-L7K" << QByteArray("ip=0.0.0.0&sub=255.255.255.0&gw=192.168.1.1&dhcp=dhcpy&mac=00:11:22:33:44:55");
    QTest::newRow("L7S static") << "KVZ-L7S" << QByteArray("mac=00:11:22:33:44:55&ip=10.0.0.9&sub=255.0.0.0&gw=10.0.0.1&dhcp=dhcpn");
    QTest::newRow("empty body") << "KVZ-L7S" << QByteArray();
}

void TestVprinterNetwork::networkFormIsRecorded()
{
    QFETCH(QString, model);
    QFETCH(QByteArray, body);
    VirtualPrinter printer(webOnly(model));
    QVERIFY(printer.start());
    // What "curl -d BODY -X POST URL" sends.
    const QByteArray request = "POST /config.cgi HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: curl/7.88.1\r\nAccept: */*\r\n"
                               "Content-Length: " + QByteArray::number(body.size())
        + "\r\nContent-Type: application/x-www-form-urlencoded\r\n\r\n" + body;
    const QByteArray response = httpRequest(printer.httpPort(), request);
    QVERIFY(response.startsWith("HTTP/1.1 200 OK"));
    QVERIFY(bodyOf(response).contains("settings saved"));
    QCOMPARE(printer.recordedForms(), QList<QByteArray>{body});
    const QJsonObject form = printer.events(QStringLiteral("network_form")).value(0).value("params").toObject();
    QCOMPARE(form.value("body").toString(), QString::fromLatin1(body));
    if (!body.isEmpty()) {
        // The fields in the order they were sent.
        const QList<QByteArray> pairs = body.split('&');
        const QJsonArray order = form.value("order").toArray();
        QCOMPARE(order.size(), pairs.size());
        for (int i = 0; i < pairs.size(); ++i)
            QCOMPARE(order.at(i).toArray().at(0).toString(), QString::fromLatin1(pairs.at(i).split('=').at(0)));
        QCOMPARE(form.value("fields").toObject().value("sub").toString(), QString::fromLatin1(body).section("sub=", 1).section('&', 0, 0));
    }
}

void TestVprinterNetwork::networkFormMovesThePrinterOnLoopback_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("expectedAddress");
    QTest::addColumn<QString>("event");
    const QString from = QStringLiteral("127.0.3.186");
    QTest::newRow("L7N static loopback address") << "KVZ-L7N"
        << "ip=127.0.3.187&sub=255.0.0.0&gw=127.0.0.1&dhcp=0&beep=1&cut=1&beepType=0&printMode=1&density=2"
        << "127.0.3.187" << "address_changed";
    QTest::newRow("L7S static loopback address") << "KVZ-L7S"
        << "mac=00:11:22:33:44:55&ip=127.0.3.188&sub=255.0.0.0&gw=127.0.0.1&dhcp=dhcpn" << "127.0.3.188"
        << "address_changed";
    QTest::newRow("DHCP on stays") << "KVZ-L7N"
        << "ip=0.0.0.0&sub=255.255.255.0&gw=192.168.1.1&dhcp=1&beep=1&cut=1&beepType=0&printMode=1&density=2" << from
        << "address_kept";
    QTest::newRow("address off loopback stays") << "KVZ-L7S"
        << "mac=00:11:22:33:44:55&ip=10.0.0.9&sub=255.0.0.0&gw=10.0.0.1&dhcp=dhcpn" << from << "address_kept";
    QTest::newRow("no address stays") << "KVZ-L7N" << "ip=127.0.3&sub=255.0.0.0&gw=127.0.0.1&dhcp=0" << from
                                      << "address_kept";
}

void TestVprinterNetwork::networkFormMovesThePrinterOnLoopback()
{
    QFETCH(QString, model);
    QFETCH(QString, body);
    QFETCH(QString, expectedAddress);
    QFETCH(QString, event);
    VirtualPrinterOptions o;
    o.model = model;
    o.address = QStringLiteral("127.0.3.186");
    o.rawPort = 0;
    o.httpPort = 0;
    o.netbiosPort = 0;
    VirtualPrinter printer(o);
    QVERIFY(printer.start());
    const quint16 rawPort = printer.rawPort();
    const quint16 httpPort = printer.httpPort();

    QTcpSocket s;
    s.connectToHost(o.address, httpPort);
    QVERIFY(s.waitForConnected(WaitMs));
    s.write("POST /config.cgi HTTP/1.1\r\nHost: " + o.address.toLatin1() + "\r\nContent-Length: "
            + QByteArray::number(body.size()) + "\r\nContent-Type: application/x-www-form-urlencoded\r\n\r\n"
            + body.toLatin1());
    QByteArray response;
    while (s.waitForReadyRead(WaitMs))
        response += s.readAll();
    // The answer still comes from the old address.
    QVERIFY2(response.startsWith("HTTP/1.1 200 OK"), response.constData());
    const QJsonObject moved = printer.waitForEvent(event, WaitMs);
    QVERIFY2(!moved.isEmpty(), qPrintable(event));
    QCOMPARE(printer.address(), expectedAddress);

    // Raw port and web server answer at the address the printer holds now.
    QTcpSocket raw;
    raw.connectToHost(expectedAddress, rawPort);
    QVERIFY(raw.waitForConnected(WaitMs));
    QVERIFY(bodyOf(httpRequestTo(expectedAddress, httpPort, "GET / HTTP/1.0\r\n\r\n")).contains("<form"));
    if (expectedAddress != o.address) {
        QTcpSocket old;
        old.connectToHost(o.address, rawPort);
        QVERIFY(!old.waitForConnected(WaitMs) || old.state() != QAbstractSocket::ConnectedState);
        QUdpSocket udp;
        QVERIFY(udp.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
        udp.writeDatagram(nodeStatusRequest(0x1234), QHostAddress(expectedAddress), printer.netbiosPort());
        QTRY_VERIFY_WITH_TIMEOUT(udp.hasPendingDatagrams(), WaitMs);
    }
}

void TestVprinterNetwork::badHttpRequests()
{
    VirtualPrinter printer(webOnly(QStringLiteral("KVZ-L7N")));
    QVERIFY(printer.start());
    QVERIFY(httpRequest(printer.httpPort(), "GET /nothing HTTP/1.0\r\n\r\n").startsWith("HTTP/1.1 404"));
    QVERIFY(httpRequest(printer.httpPort(), "DELETE / HTTP/1.0\r\n\r\n").startsWith("HTTP/1.1 405"));
    QVERIFY(httpRequest(printer.httpPort(), "POST /config.cgi HTTP/1.0\r\nContent-Length: 99999999\r\n\r\n")
                .startsWith("HTTP/1.1 413"));
    QVERIFY(httpRequest(printer.httpPort(), QByteArray(20000, 'x')).startsWith("HTTP/1.1 431"));
    QVERIFY(printer.recordedForms().isEmpty());
    // Still serving.
    QVERIFY(httpRequest(printer.httpPort(), "GET / HTTP/1.0\r\n\r\n").startsWith("HTTP/1.1 200"));
}

void TestVprinterNetwork::idleAndExtraHttpClientsAreClosed()
{
    constexpr int RequestTimeoutMs = 2000;
    VirtualPrinterOptions o = webOnly(QStringLiteral("KVZ-L7N"));
    o.netbiosPort = VirtualPrinterOptions::Off;
    o.httpRequestTimeoutMs = RequestTimeoutMs;
    VirtualPrinter printer(o);
    QVERIFY(printer.start());

    // As many half-sent bodies as the server takes at once.
    std::vector<std::unique_ptr<QTcpSocket>> held;
    for (int i = 0; i < VpHttpServer::MaxConnections; ++i) {
        auto s = std::make_unique<QTcpSocket>();
        s->connectToHost(QStringLiteral("127.0.0.1"), printer.httpPort());
        QVERIFY(s->waitForConnected(WaitMs));
        s->write("POST /config.cgi HTTP/1.1\r\nContent-Length: 1048576\r\n\r\n" + QByteArray(64 * 1024, 'a'));
        QVERIFY(s->waitForBytesWritten(WaitMs));
        held.push_back(std::move(s));
    }
    // One more is closed at once, unanswered.
    const qint64 seq = printer.lastEventSeq();
    QTcpSocket extra;
    extra.connectToHost(QStringLiteral("127.0.0.1"), printer.httpPort());
    extra.waitForConnected(WaitMs);
    QVERIFY(!printer.waitForEvent(QStringLiteral("http_refused"), WaitMs, seq).isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(extra.state(), QAbstractSocket::UnconnectedState, WaitMs);
    QCOMPARE(extra.readAll(), QByteArray());

    // The held ones are answered 408 and closed when the request time-out passes.
    for (const auto &s : held) {
        QByteArray answer;
        while (!answer.contains("\r\n\r\n") && s->waitForReadyRead(RequestTimeoutMs + WaitMs))
            answer += s->readAll();
        QVERIFY2(answer.startsWith("HTTP/1.1 408"), answer.constData());
        if (s->state() != QAbstractSocket::UnconnectedState)
            QVERIFY(s->waitForDisconnected(WaitMs));
    }
    QCOMPARE(printer.events(QStringLiteral("http_timeout")).size(), VpHttpServer::MaxConnections);
    // Then it serves again.
    QVERIFY(httpRequest(printer.httpPort(), "GET / HTTP/1.0\r\n\r\n").startsWith("HTTP/1.1 200"));
}

void TestVprinterNetwork::netbiosNodeStatus()
{
    VirtualPrinterOptions o = webOnly(QStringLiteral("KVZ-L7N"));
    o.netbiosName = QStringLiteral("kvz-l7n-front");
    o.mac = hex("0A 1B 2C 3D 4E 5F");
    VirtualPrinter printer(o);
    QVERIFY(printer.start());
    QUdpSocket udp;
    QVERIFY(udp.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
    udp.writeDatagram(nodeStatusRequest(0xBEEF), QHostAddress(QStringLiteral("127.0.0.1")), printer.netbiosPort());
    QVERIFY(udp.waitForReadyRead(WaitMs));
    QByteArray r(int(udp.pendingDatagramSize()), '\0');
    udp.readDatagram(r.data(), r.size());

    QVERIFY(r.size() >= 12 + 34 + 10 + 1);
    QCOMPARE(r.left(2), hex("BE EF"));
    QCOMPARE(r.mid(2, 2), hex("84 00"));       // response, authoritative
    QCOMPARE(r.mid(4, 8), hex("00 00 00 01 00 00 00 00"));
    QCOMPARE(r.mid(12, 34), nodeStatusRequest(0).mid(12, 34)); // the question's name
    int at = 12 + 34;
    QCOMPARE(r.mid(at, 4), hex("00 21 00 01"));
    at += 8; // type, class, TTL
    const int rdLength = (uchar(r.at(at)) << 8) | uchar(r.at(at + 1));
    at += 2;
    QCOMPARE(rdLength, r.size() - at);
    const int names = uchar(r.at(at++));
    QVERIFY(names >= 1);
    QCOMPARE(rdLength, 1 + names * 18 + 46);
    // First entry: the name, blank-padded to 15, suffix 00, unique and active.
    QCOMPARE(r.mid(at, 15), QByteArray("KVZ-L7N-FRONT  "));
    QCOMPARE(quint8(r.at(at + 15)), quint8(0x00));
    QCOMPARE(quint8(r.at(at + 16)) & 0x80, 0);
    // Statistics start with the unit id (MAC address).
    QCOMPARE(r.mid(at + names * 18, 6), o.mac);
    QVERIFY(!printer.waitForEvent(QStringLiteral("netbios_query"), WaitMs).isEmpty());
}

void TestVprinterNetwork::netbiosIgnoresGarbage()
{
    VirtualPrinter printer(webOnly(QStringLiteral("KVZ-L7N")));
    QVERIFY(printer.start());
    QUdpSocket udp;
    QVERIFY(udp.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
    const QHostAddress lo(QStringLiteral("127.0.0.1"));
    QByteArray longLabel = nodeStatusRequest(1);
    longLabel[12] = char(0x3F); // label longer than the packet
    QByteArray nameQuery = nodeStatusRequest(2);
    nameQuery[12 + 34 + 1] = 0x20; // NB, not NBSTAT
    for (const QByteArray &bad : {hex("01 02 03"), longLabel, nameQuery, QByteArray(600, '\xff')})
        udp.writeDatagram(bad, lo, printer.netbiosPort());
    udp.writeDatagram(nodeStatusRequest(3), lo, printer.netbiosPort());
    QVERIFY(udp.waitForReadyRead(WaitMs));
    QByteArray r(int(udp.pendingDatagramSize()), '\0');
    udp.readDatagram(r.data(), r.size());
    QCOMPARE(r.left(2), hex("00 03")); // only the good request was answered
}

void TestVprinterNetwork::printersSideBySideOnDefaultPorts()
{
    // The way a LAN search test sets up a shop: several printers on loopback
    // addresses of their own, each on the standard ports.
    QList<QSharedPointer<VirtualPrinter>> printers;
    const QStringList models{QStringLiteral("KVZ-L7D"), QStringLiteral("KVZ-L7W")};
    for (int i = 0; i < models.size(); ++i) {
        VirtualPrinterOptions o;
        o.address = QStringLiteral("127.0.0.%1").arg(i + 2);
        o.model = models.at(i);
        o.netbiosName = QStringLiteral("SHOP%1").arg(i + 2);
        printers.append(QSharedPointer<VirtualPrinter>::create(o));
        QString error;
        if (!printers.last()->start(&error) && error.contains(QLatin1String("ermission")))
            QSKIP("ports below 1024 need root (the suite runs as root in its namespace)");
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(printers.last()->rawPort(), quint16(9100));
        QCOMPARE(printers.last()->httpPort(), quint16(80));
        QCOMPARE(printers.last()->netbiosPort(), quint16(137));
    }
    for (int i = 0; i < models.size(); ++i) {
        const QString address = QStringLiteral("127.0.0.%1").arg(i + 2);
        QCOMPARE(exchange(9100, hex("10 04 01"), 1, WaitMs, address), hex("16"));
        QTcpSocket s;
        s.connectToHost(address, 80);
        QVERIFY(s.waitForConnected(WaitMs));
        s.write("GET / HTTP/1.0\r\n\r\n");
        QByteArray all;
        while (s.waitForReadyRead(WaitMs))
            all += s.readAll();
        QCOMPARE(recognise(bodyOf(all)), models.at(i));
        QUdpSocket udp;
        QVERIFY(udp.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
        udp.writeDatagram(nodeStatusRequest(7), QHostAddress(address), 137);
        QVERIFY(udp.waitForReadyRead(WaitMs));
        QByteArray r(int(udp.pendingDatagramSize()), '\0');
        udp.readDatagram(r.data(), r.size());
        QCOMPARE(r.mid(12 + 34 + 11, 15).trimmed(), QStringLiteral("SHOP%1").arg(i + 2).toLatin1());
    }
}

void TestVprinterNetwork::commandLineProgram()
{
    QTemporaryDir dir;
    QProcess p;
    p.setProgram(QStringLiteral(QM_VPRINTER_BIN));
    p.setArguments({"--address", "127.0.0.1", "--model", "KVZ-L7S", "--output", dir.path(), "--raw-port", "0",
                    "--http-port", "0", "--netbios-port", "0", "--netbios-name", "SHOPFRONT", "--paper", "58",
                    "--paper-out", "--control", dir.filePath("control.sock")});
    p.start();
    QVERIFY(p.waitForStarted(WaitMs));
    QStringList lines;
    while (!lines.contains(QLatin1String("ready")) && p.waitForReadyRead(WaitMs))
        while (p.canReadLine())
            lines << QString::fromUtf8(p.readLine()).trimmed();
    QVERIFY2(lines.contains(QLatin1String("ready")), qPrintable(lines.join('\n')));
    quint16 raw = 0, http = 0;
    for (const QString &l : lines) {
        if (l.startsWith(QLatin1String("tcp listening 127.0.0.1:")))
            raw = quint16(l.section(':', 1).toUInt());
        if (l.startsWith(QLatin1String("http listening 127.0.0.1:")))
            http = quint16(l.section(':', 1).toUInt());
    }
    QVERIFY(raw && http);
    QVERIFY(lines.filter(QRegularExpression("^netbios listening 127\\.0\\.0\\.1:\\d+ name SHOPFRONT$")).size() == 1);
    QVERIFY(lines.contains(QStringLiteral("output ") + QDir(dir.path()).absolutePath()));

    QCOMPARE(exchange(raw, hex("10 04 04"), 1), hex("72"));
    QCOMPARE(recognise(bodyOf(httpRequest(http, "GET / HTTP/1.0\r\n\r\n"))), QStringLiteral("KVZ-L7S"));
    // Control on standard input.
    p.write("set paper_out off\n");
    QVERIFY(p.waitForReadyRead(WaitMs));
    QCOMPARE(QString::fromUtf8(p.readLine()).trimmed(), QStringLiteral("ok paper_out off"));
    QCOMPARE(exchange(raw, hex("10 04 04"), 1), hex("12"));
    // The same on the control socket.
    QLocalSocket control;
    control.connectToServer(dir.filePath("control.sock"));
    QVERIFY(control.waitForConnected(WaitMs));
    control.write("set cover_open on\nstatus-byte 2\n");
    QByteArray answers;
    while (answers.count('\n') < 2) {
        if (!control.bytesAvailable() && !control.waitForReadyRead(WaitMs))
            break;
        answers += control.readAll();
    }
    QCOMPARE(answers, QByteArray("ok cover_open on\nok 16\n"));
    control.disconnectFromServer();
    // A test page comes out as a 384-dot PNG.
    exchange(raw, QByteArray("\x1b@Test page\n\x1dV\x01", 15));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("page-0001.png")), WaitMs);
    QCOMPARE(QImage(dir.filePath("page-0001.png")).width(), 384);

    p.terminate(); // SIGTERM
    QVERIFY(p.waitForFinished(WaitMs));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(p.readAll().contains("stopped"));
    QFile log(dir.filePath("events.jsonl"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> entries = log.readAll().split('\n');
    QVERIFY(entries.size() > 5);
    QVERIFY(!QJsonDocument::fromJson(entries.first()).object().value("name").toString().isEmpty());
}

void TestVprinterNetwork::commandLineReportsPortsItCannotBind()
{
    VirtualPrinterOptions o = webOnly(QStringLiteral("KVZ-L7N"));
    o.rawPort = 0;
    o.netbiosPort = VirtualPrinterOptions::Off;
    VirtualPrinter holder(o);
    QVERIFY(holder.start());
    QProcess p;
    p.start(QStringLiteral(QM_VPRINTER_BIN),
            {"--raw-port", QString::number(holder.rawPort()), "--http-port", QString::number(holder.httpPort()),
             "--netbios-port", "0"});
    QVERIFY(p.waitForStarted(WaitMs));
    QStringList lines;
    while (!lines.contains(QLatin1String("ready")) && p.waitForReadyRead(WaitMs))
        while (p.canReadLine())
            lines << QString::fromUtf8(p.readLine()).trimmed();
    QVERIFY2(lines.filter(QRegularExpression("^tcp not-bound 127\\.0\\.0\\.1:\\d+ ")).size() == 1, qPrintable(lines.join('\n')));
    QVERIFY(lines.filter(QRegularExpression("^http not-bound ")).size() == 1);
    QVERIFY(lines.filter(QRegularExpression("^netbios listening ")).size() == 1); // the rest is served
    p.kill();
    p.waitForFinished(WaitMs);

    // Nothing at all to serve: the program says so and ends.
    QProcess none;
    none.start(QStringLiteral(QM_VPRINTER_BIN), {"--raw-port", QString::number(holder.rawPort()), "--http-port", "-1",
                                                "--netbios-port", "-1"});
    QVERIFY(none.waitForFinished(WaitMs));
    QCOMPARE(none.exitCode(), 1);
}

void TestVprinterNetwork::commandLineHelpAndBadArguments()
{
    QProcess help;
    help.start(QStringLiteral(QM_VPRINTER_BIN), {"--help"});
    QVERIFY(help.waitForFinished(WaitMs));
    const QByteArray text = help.readAllStandardOutput();
    for (const char *opt : {"--address", "--model", "--output", "--raw-port", "--http-port", "--netbios-name",
                            "--paper", "--serial", "--usb-sysfs", "--cover-open", "set FLAG on|off", "unplug"})
        QVERIFY2(text.contains(opt), opt);
    QProcess bad;
    bad.start(QStringLiteral(QM_VPRINTER_BIN), {"--paper", "76"});
    QVERIFY(bad.waitForFinished(WaitMs));
    QCOMPARE(bad.exitCode(), 2);
    bad.start(QStringLiteral(QM_VPRINTER_BIN), {"--raw-port", "70000"});
    QVERIFY(bad.waitForFinished(WaitMs));
    QCOMPARE(bad.exitCode(), 2);
}

QTEST_MAIN(TestVprinterNetwork)
#include "tst_vprinter_network.moc"
