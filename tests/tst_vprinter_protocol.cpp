// The virtual printer's command side, fed with byte streams written by hand:
// status replies, the settings frame, the maker's commands, events, the
// control interface, and input that must not hurt it.

#include "VirtualPrinter.h"
#include "VpControlServer.h"
#include "VpEventLog.h"
#include "VpRawServer.h"
#include "support/vprinter_client.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using VprinterClient::exchange;
using VprinterClient::hex;

namespace {
constexpr int WaitMs = 3000;

VirtualPrinterOptions rawOnly()
{
    VirtualPrinterOptions o;
    o.rawPort = 0;
    o.httpPort = VirtualPrinterOptions::Off;
    o.netbiosPort = VirtualPrinterOptions::Off;
    return o;
}

quint8 sum(const QByteArray &b)
{
    quint8 s = 0;
    for (char c : b)
        s = quint8(s + quint8(c));
    return s;
}
} // namespace

class TestVprinterProtocol : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void statusReplies_data();
    void statusReplies();
    void statusRepliesFollowTheControlInterface();
    void settingsFrameWriteAndReadBack_data();
    void settingsFrameWriteAndReadBack();
    void settingsFrameWithBadChecksumIsNotApplied();
    void settingsDefaultsAnswerEveryCode();
    void makerCommandsUpdateState();
    void nonPrintingEvents();
    void otherAnswers();
    void commandsAreLoggedWithNameAndParameters();
    void clientsAreServedInTurn();
    void waitingClientIsHeldToTheReceiveBuffer();
    void everythingSentBeforeAHangUpArrives();
    void controlSocketHoldsBackAClientThatDoesNotRead();
    void randomBytesDoNotHurt();
    void truncatedCommandIsReported();
    void oversizedLengthsAreSkipped_data();
    void oversizedLengthsAreSkipped();
    void controlInterface();

private:
    QScopedPointer<VirtualPrinter> m_printer;
    quint16 port() const { return m_printer->rawPort(); }
};

void TestVprinterProtocol::init()
{
    m_printer.reset(new VirtualPrinter(rawOnly()));
    QVERIFY(m_printer->start());
    QVERIFY(port() != 0);
}

void TestVprinterProtocol::cleanup()
{
    m_printer.reset();
}

void TestVprinterProtocol::statusReplies_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QByteArray>("expected"); // answers to DLE EOT 1, 2, 3, 4
    QTest::newRow("ready") << QString() << hex("16 12 12 12");
    QTest::newRow("cover open") << "cover_open" << hex("1e 16 12 12");
    QTest::newRow("paper out") << "paper_out" << hex("1e 32 12 72");
    QTest::newRow("paper near end") << "paper_near_end" << hex("16 12 12 1e");
    QTest::newRow("drawer open") << "drawer_open" << hex("12 12 12 12");
    QTest::newRow("cutter error") << "cutter_error" << hex("1e 52 1a 12");
    QTest::newRow("unrecoverable error") << "unrecoverable_error" << hex("1e 52 32 12");
    QTest::newRow("head overheat") << "head_overheat" << hex("1e 52 52 12");
    QTest::newRow("auto-recoverable error") << "auto_recoverable_error" << hex("1e 52 52 12");
    QTest::newRow("mechanical error") << "mechanical_error" << hex("1e 52 16 12");
    QTest::newRow("offline") << "offline" << hex("1e 12 12 12");
    QTest::newRow("feed button") << "feed_button" << hex("1e 1a 12 12");
}

void TestVprinterProtocol::statusReplies()
{
    QFETCH(QString, flag);
    QFETCH(QByteArray, expected);
    if (!flag.isEmpty())
        QVERIFY(m_printer->setFlag(flag, true));
    const QByteArray reply = exchange(port(), hex("10 04 01 10 04 02 10 04 03 10 04 04"), 4);
    QCOMPARE(reply.toHex(' '), expected.toHex(' '));
}

void TestVprinterProtocol::statusRepliesFollowTheControlInterface()
{
    QCOMPARE(m_printer->control(QStringLiteral("set paper_out on")), QStringLiteral("ok paper_out on"));
    QCOMPARE(exchange(port(), hex("10 04 04"), 1), hex("72"));
    QCOMPARE(m_printer->control(QStringLiteral("set paper_out off")), QStringLiteral("ok paper_out off"));
    QCOMPARE(exchange(port(), hex("10 04 04"), 1), hex("12"));
    // A drawer pulse opens the drawer; the printer status shows it.
    QCOMPARE(exchange(port(), hex("10 14 01 00 05 10 04 01"), 1), hex("12"));
    QVERIFY(m_printer->flag(VpState::DrawerOpen));
}

void TestVprinterProtocol::settingsFrameWriteAndReadBack_data()
{
    QTest::addColumn<QByteArray>("write");
    QTest::addColumn<QByteArray>("read");
    QTest::addColumn<QByteArray>("data");
    // Frames written out by hand, checksums included.
    QTest::newRow("instruction set TSPL") << hex("10 A2 01 00 01 00 01 B5") << hex("10 A2 00 00 00 00 B2") << hex("01");
    QTest::newRow("paper type gap") << hex("10 A3 01 00 01 00 01 B6") << hex("10 A3 00 00 00 00 B3") << hex("01");
    QTest::newRow("speed faster") << hex("10 A4 01 00 01 00 03 B9") << hex("10 A4 00 00 00 00 B4") << hex("03");
    QTest::newRow("density darker") << hex("10 A5 01 00 01 00 03 BA") << hex("10 A5 00 00 00 00 B5") << hex("03");
    QTest::newRow("character mode UTF-8") << hex("10 A6 01 00 01 00 01 B9") << hex("10 A6 00 00 00 00 B6") << hex("01");
    QTest::newRow("bluetooth name AB") << hex("10 A7 01 00 02 00 41 42 3D") << hex("10 A7 00 00 00 00 B7") << QByteArray("AB");
    QTest::newRow("pairing code 0000") << hex("10 A8 01 00 04 00 30 30 30 30 7D") << hex("10 A8 00 00 00 00 B8")
                                       << QByteArray("0000");
}

void TestVprinterProtocol::settingsFrameWriteAndReadBack()
{
    QFETCH(QByteArray, write);
    QFETCH(QByteArray, read);
    QFETCH(QByteArray, data);
    const int expectedSize = 6 + data.size() + 1;
    const QByteArray reply = exchange(port(), write + read, expectedSize);
    QCOMPARE(reply.size(), expectedSize);
    QCOMPARE(quint8(reply.at(0)), quint8(0x10));
    QCOMPARE(reply.at(1), read.at(1));
    QCOMPARE(quint8(reply.at(3)), quint8(0x00));
    QCOMPARE(int(quint8(reply.at(4)) | (quint8(reply.at(5)) << 8)), data.size());
    QCOMPARE(reply.mid(6, data.size()), data);
    QCOMPARE(quint8(reply.back()), sum(reply.left(reply.size() - 1)));
    QVERIFY(!m_printer->events(QStringLiteral("setting_written")).isEmpty());
}

void TestVprinterProtocol::settingsFrameWithBadChecksumIsNotApplied()
{
    const QByteArray before = m_printer->setting(0xA7);
    // Checksum off by one.
    const QByteArray reply = exchange(port(), hex("10 A7 01 00 02 00 41 42 3E 10 04 01"), 1);
    QCOMPARE(reply, hex("16"));
    QCOMPARE(m_printer->setting(0xA7), before);
    const QList<QJsonObject> frames = m_printer->events(QStringLiteral("settings_frame"));
    QCOMPARE(frames.size(), 1);
    QCOMPARE(frames.first().value("kind").toString(), QStringLiteral("malformed"));
}

void TestVprinterProtocol::settingsDefaultsAnswerEveryCode()
{
    for (int code = 0xA2; code <= 0xA9; ++code) {
        QByteArray read = hex("10 00 00 00 00 00");
        read[1] = char(code);
        read.append(char(sum(read)));
        const QByteArray stored = m_printer->setting(quint8(code));
        QVERIFY(!stored.isEmpty());
        const QByteArray reply = exchange(port(), read, 7 + stored.size());
        QCOMPARE(reply.mid(6, stored.size()), stored);
        QCOMPARE(quint8(reply.back()), sum(reply.left(reply.size() - 1)));
    }
}

void TestVprinterProtocol::makerCommandsUpdateState()
{
    QByteArray stream;
    stream += hex("1F 1B 07 FF 80 00");          // work lamp colour
    stream += hex("1F 1B 06 01");                // standby lamp on
    stream += hex("1F 1B 0B 02");                // standby rhythm 2
    stream += hex("1F 1B 02 00");                // buzzer off
    stream += hex("1F 1B 03 01");                // knife on
    stream += hex("1F 1B 04 03");                // density 3
    stream += hex("1F 1B 0F 04") + "ABCD" + hex("01"); // model name, error beep six times
    stream += hex("1F 1B 1F C1 87");             // 115200 baud
    stream += hex("1F 73 02 00 01 01 00 00 00 00 00"); // cutter only
    stream += hex("1F 69 C0 A8 01 C8 1F 25 00 FF FF FF 00 1F 25 01 C0 A8 01 01");
    stream += hex("10 04 01");
    QCOMPARE(exchange(port(), stream, 1), hex("16"));

    const QJsonObject maker = m_printer->snapshot().value("maker").toObject();
    QCOMPARE(maker.value("work_lamp").toObject().value("g").toInt(), 128);
    QCOMPARE(maker.value("standby_lamp_switch").toInt(), 1);
    QCOMPARE(maker.value("standby_lamp_pattern").toInt(), 2);
    QCOMPARE(maker.value("buzzer_switch").toInt(), 0);
    QCOMPARE(maker.value("knife_switch").toInt(), 1);
    QCOMPARE(maker.value("density").toInt(), 3);
    QCOMPARE(maker.value("model_name").toString(), QStringLiteral("ABCD"));
    QCOMPARE(maker.value("error_beep").toInt(), 1);
    QCOMPARE(maker.value("baud_rate").toInt(), 115200);
    QCOMPARE(maker.value("peripherals").toObject(),
             (QJsonObject{{"cutter", true}, {"buzzer", false}, {"drawer", false}}));
    QCOMPARE(maker.value("network").toObject(),
             (QJsonObject{{"ip", "192.168.1.200"}, {"mask", "255.255.255.0"}, {"gateway", "192.168.1.1"}}));

    // Factory reset brings the stored settings back.
    exchange(port(), hex("10 A7 01 00 02 00 41 42 3D 1F 1B 19 10 04 01"), 1);
    QCOMPARE(m_printer->snapshot().value("maker").toObject().value("density").toInt(), 2);
    QVERIFY(m_printer->setting(0xA7) != QByteArray("AB"));
    QCOMPARE(m_printer->events(QStringLiteral("settings_reset")).size(), 1);
}

void TestVprinterProtocol::nonPrintingEvents()
{
    exchange(port(), hex("1B 42 03 05 00 1B 43 02 03 03 1B 70 01 FF 00 10 14 01 00 14 10 04 01"), 1);
    const QList<QJsonObject> buzzer = m_printer->events(QStringLiteral("buzzer_beep"));
    QCOMPARE(buzzer.size(), 1);
    QCOMPARE(buzzer.first().value("params").toObject(), (QJsonObject{{"count", 3}, {"duration_ms", 250}}));
    const QList<QJsonObject> alarm = m_printer->events(QStringLiteral("alarm"));
    QCOMPARE(alarm.size(), 1);
    QCOMPARE(alarm.first().value("params").toObject(),
             (QJsonObject{{"count", 2}, {"interval_ms", 150}, {"beep", true}, {"flash", true}}));
    const QList<QJsonObject> pulses = m_printer->events(QStringLiteral("drawer_kick"));
    QCOMPARE(pulses.size(), 2);
    QCOMPARE(pulses.at(0).value("params").toObject(), (QJsonObject{{"pin", 5}, {"on_ms", 510}, {"off_ms", 0}}));
    QCOMPARE(pulses.at(1).value("params").toObject(), (QJsonObject{{"pin", 2}, {"on_ms", 2000}}));
    QCOMPARE(m_printer->events(QStringLiteral("lamp_colour")).size(), 0);
}

void TestVprinterProtocol::otherAnswers()
{
    // GS I: model name; GS r 1: paper sensor; ESC v: the same.
    QCOMPARE(exchange(port(), hex("1D 49 43"), 9), QByteArray("_KVZ-L7N\0", 9));
    m_printer->setFlag(VpState::PaperNearEnd, true);
    QCOMPARE(exchange(port(), hex("1D 72 01 1B 76"), 2), hex("03 03"));
    // Unknown escape sequences are logged and skipped; what follows still works.
    QCOMPARE(exchange(port(), hex("1B FE 1D FE 1C FE 1F FE 07 10 04 01"), 1), hex("16"));
    QCOMPARE(m_printer->events(QStringLiteral("unknown")).size(), 5);
}

void TestVprinterProtocol::commandsAreLoggedWithNameAndParameters()
{
    exchange(port(), hex("1B 40 1B 61 01 1D 21 12 1D 56 42 00"));
    QVERIFY(!m_printer->waitForEvent(QStringLiteral("client_disconnected"), WaitMs).isEmpty());
    const QList<QJsonObject> init = m_printer->events(QStringLiteral("initialize"));
    QCOMPARE(init.size(), 1);
    QCOMPARE(init.first().value("code").toString(), QStringLiteral("ESC @"));
    QCOMPARE(init.first().value("hex").toString(), QStringLiteral("1b 40"));
    QCOMPARE(init.first().value("source").toString(), QStringLiteral("tcp"));
    QCOMPARE(m_printer->events(QStringLiteral("alignment")).first().value("params").toObject(), (QJsonObject{{"n", 1}}));
    QCOMPARE(m_printer->events(QStringLiteral("char_size")).first().value("params").toObject(), (QJsonObject{{"n", 0x12}}));
    const QJsonObject cut = m_printer->events(QStringLiteral("cut")).first();
    QCOMPARE(cut.value("params").toObject().value("feed").toInt(), 0);
}

void TestVprinterProtocol::clientsAreServedInTurn()
{
    QTcpSocket first, second;
    first.connectToHost(QStringLiteral("127.0.0.1"), port());
    QVERIFY(first.waitForConnected(WaitMs));
    QVERIFY(!m_printer->waitForEvent(QStringLiteral("client_connected"), WaitMs).isEmpty());
    second.connectToHost(QStringLiteral("127.0.0.1"), port());
    QVERIFY(second.waitForConnected(WaitMs));
    second.write(hex("10 04 01"));
    QVERIFY(second.waitForBytesWritten(WaitMs));
    QVERIFY(!m_printer->waitForEvent(QStringLiteral("client_queued"), WaitMs).isEmpty());
    // Not served while the first client holds the printer.
    QVERIFY(!second.waitForReadyRead(300));
    first.write(hex("10 04 02"));
    QVERIFY(first.waitForReadyRead(WaitMs));
    QCOMPARE(first.readAll(), hex("12"));
    first.disconnectFromHost();
    QVERIFY(second.waitForReadyRead(WaitMs));
    QCOMPARE(second.readAll(), hex("16"));
}

void TestVprinterProtocol::waitingClientIsHeldToTheReceiveBuffer()
{
    QTcpSocket first;
    first.connectToHost(QStringLiteral("127.0.0.1"), port());
    QVERIFY(first.waitForConnected(WaitMs));
    QVERIFY(!m_printer->waitForEvent(QStringLiteral("client_connected"), WaitMs).isEmpty());

    // The second client writes while it waits, until the network holds it back.
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    QVERIFY(fd >= 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port());
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    QCOMPARE(::connect(fd, reinterpret_cast<const sockaddr *>(&to), sizeof to), 0);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    QVERIFY(!m_printer->waitForEvent(QStringLiteral("client_queued"), WaitMs).isEmpty());
    // A raster that declares 4 GB: what follows is its data, cheap to decode.
    QByteArray chunk = hex("1D 76 30 00 FF FF FF FF") + QByteArray(64 * 1024, '\x55');
    constexpr qint64 MaxSent = 64 * 1024 * 1024;
    qint64 sent = 0;
    while (sent < MaxSent) {
        const ssize_t n = ::send(fd, chunk.constData(), size_t(chunk.size()), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
            continue;
        }
        pollfd p{fd, POLLOUT, 0};
        if (errno != EAGAIN || ::poll(&p, 1, 500) <= 0)
            break;
    }
    const QJsonObject status =
        QJsonDocument::fromJson(m_printer->control(QStringLiteral("status")).mid(3).toUtf8()).object();
    QVERIFY2(sent < MaxSent, "the waiting connection never stopped taking bytes");
    QVERIFY2(status.value("tcp_buffered").toDouble() <= VpRawServer::ReceiveBufferBytes,
             qPrintable(QStringLiteral("%1 bytes held for a waiting client").arg(status.value("tcp_buffered").toDouble())));

    // Its turn: everything it sent arrives.
    m_printer->clearReceivedBytes();
    const qint64 seq = m_printer->lastEventSeq();
    first.disconnectFromHost();
    const QJsonObject served = m_printer->waitForEvent(QStringLiteral("client_connected"), WaitMs, seq);
    QVERIFY(!served.isEmpty());
    ::shutdown(fd, SHUT_WR);
    QVERIFY(!m_printer->waitForEvent(QStringLiteral("client_disconnected"), 30000, qint64(served.value("seq").toDouble()))
                 .isEmpty());
    ::close(fd);
    const QByteArray received = m_printer->receivedBytes(QStringLiteral("tcp"));
    QCOMPARE(qint64(received.size()), qMin<qint64>(sent, VpPrinterCore::MaxReceivedBytes));
    QVERIFY(received.endsWith(chunk.left(int(sent % chunk.size()))));
}

void TestVprinterProtocol::everythingSentBeforeAHangUpArrives()
{
    // Far more than the receive buffer, then the client hangs up at once.
    const QByteArray stream = hex("1D 76 30 00 FF FF FF FF") + QByteArray(4 * 1024 * 1024, '\x55');
    const qint64 seq = m_printer->lastEventSeq();
    QTcpSocket s;
    s.connectToHost(QStringLiteral("127.0.0.1"), port());
    QVERIFY(s.waitForConnected(WaitMs));
    s.write(stream);
    while (s.bytesToWrite() > 0 && s.waitForBytesWritten(WaitMs)) {
    }
    s.disconnectFromHost();
    QVERIFY(!m_printer->waitForEvent(QStringLiteral("client_disconnected"), 30000, seq).isEmpty());
    QCOMPARE(m_printer->receivedBytes(QStringLiteral("tcp")).size(), stream.size());
}

void TestVprinterProtocol::controlSocketHoldsBackAClientThatDoesNotRead()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("control"));
    VpControlServer server([this](const QString &line) { return m_printer->control(line); });
    QString error;
    QVERIFY2(server.listen(path, &error), qPrintable(error));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    QVERIFY(fd >= 0);
    sockaddr_un to{};
    to.sun_family = AF_UNIX;
    qstrncpy(to.sun_path, QFile::encodeName(path).constData(), sizeof to.sun_path);
    QCOMPARE(::connect(fd, reinterpret_cast<const sockaddr *>(&to), sizeof to), 0);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);

    // Commands with long answers, never read, until the client's writes block.
    const QByteArray command = "help" + QByteArray(100, ' ') + "\n";
    const int answerBytes = (m_printer->control(QStringLiteral("help")) + QLatin1Char('\n')).toUtf8().size();
    constexpr int MaxCommands = 20000;
    int sent = 0;
    int idleRounds = 0;
    qint64 mostUnsent = 0;
    while (sent < MaxCommands && idleRounds < 20) {
        const ssize_t n = ::send(fd, command.constData(), size_t(command.size()), MSG_NOSIGNAL);
        if (n == command.size()) {
            ++sent;
            idleRounds = 0;
            if (sent % 100 == 0)
                QCoreApplication::processEvents();
        } else {
            ++idleRounds;
            QTest::qWait(20);
        }
        mostUnsent = qMax(mostUnsent, server.unsentBytes());
    }
    QVERIFY2(sent < MaxCommands, "the server never stopped taking commands");
    QVERIFY2(mostUnsent <= VpControlServer::MaxUnsentBytes + answerBytes,
             qPrintable(QStringLiteral("%1 bytes of answers held").arg(mostUnsent)));

    // The client reads at last: every command is answered.
    QByteArray answers;
    QElapsedTimer t;
    t.start();
    while (answers.count('\n') < sent && t.elapsed() < 60000) {
        char buf[65536];
        const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n > 0)
            answers.append(buf, int(n));
        else
            QTest::qWait(5);
    }
    ::close(fd);
    QCOMPARE(answers.count('\n'), sent);
    QVERIFY(answers.startsWith("ok "));
}

void TestVprinterProtocol::randomBytesDoNotHurt()
{
    QRandomGenerator rng(20261210);
    for (int round = 0; round < 4; ++round) {
        QByteArray junk(64 * 1024, '\0');
        for (char &c : junk)
            c = char(rng.bounded(256));
        QTcpSocket s;
        s.connectToHost(QStringLiteral("127.0.0.1"), port());
        QVERIFY(s.waitForConnected(WaitMs));
        for (int at = 0; at < junk.size(); at += 777) {
            s.write(junk.mid(at, 777));
            s.waitForBytesWritten(WaitMs);
        }
        s.disconnectFromHost();
        if (s.state() != QAbstractSocket::UnconnectedState)
            s.waitForDisconnected(WaitMs);
    }
    m_printer->clearFlags();
    // Still alive and answering on a fresh connection (served once the junk is
    // through, which takes a while under a sanitizer).
    QCOMPARE(exchange(port(), hex("10 04 01"), 1, 120000), hex("16"));
}

void TestVprinterProtocol::truncatedCommandIsReported()
{
    const qint64 seq = m_printer->lastEventSeq();
    exchange(port(), hex("1D 76 30 00 10 00 08 00 FF FF"));
    const QJsonObject t = m_printer->waitForEvent(QStringLiteral("truncated"), WaitMs, seq);
    QCOMPARE(t.value("kind").toString(), QStringLiteral("truncated"));
    QCOMPARE(exchange(port(), hex("10 04 01"), 1), hex("16"));
}

void TestVprinterProtocol::oversizedLengthsAreSkipped_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::newRow("raster 65535 x 65535") << hex("1D 76 30 00 FF FF FF FF 00 01 02 03");
    QTest::newRow("settings frame 65535") << hex("10 A7 01 00 FF FF 41 42");
    QTest::newRow("logo 1023 x 65535") << hex("1C 71 01 FF 03 FF FF 00 00");
}

void TestVprinterProtocol::oversizedLengthsAreSkipped()
{
    QFETCH(QByteArray, stream);
    const qint64 seq = m_printer->lastEventSeq();
    // The declared data never comes; what follows is swallowed as its data.
    exchange(port(), stream + hex("10 04 01"));
    const QJsonObject o = m_printer->waitForEvent(QStringLiteral("client_disconnected"), WaitMs, seq);
    QVERIFY(!o.isEmpty());
    bool sawOversized = false;
    for (const QJsonObject &e : m_printer->eventLog()->entriesSince(seq))
        sawOversized |= e.value("kind").toString() == QLatin1String("oversized");
    QVERIFY(sawOversized);
    QCOMPARE(exchange(port(), hex("10 04 01"), 1), hex("16"));
}

void TestVprinterProtocol::controlInterface()
{
    QCOMPARE(m_printer->control(QStringLiteral("set head_overheat 1")), QStringLiteral("ok head_overheat on"));
    QCOMPARE(m_printer->control(QStringLiteral("status-byte 3")), QStringLiteral("ok 52"));
    QVERIFY(m_printer->control(QStringLiteral("status")).contains(QLatin1String("\"head_overheat\":true")));
    QCOMPARE(m_printer->control(QStringLiteral("clear")), QStringLiteral("ok"));
    QCOMPARE(m_printer->control(QStringLiteral("status-byte 3")), QStringLiteral("ok 12"));
    QCOMPARE(m_printer->control(QStringLiteral("setting A7 41 42")), QStringLiteral("ok 41 42"));
    QCOMPARE(exchange(port(), hex("10 A7 00 00 00 00 B7"), 9), hex("10 A7 00 00 02 00 41 42 3C"));
    QVERIFY(m_printer->control(QStringLiteral("set no_such_flag on")).startsWith(QLatin1String("error")));
    QVERIFY(m_printer->control(QStringLiteral("set paper_out maybe")).startsWith(QLatin1String("error")));
    QVERIFY(m_printer->control(QStringLiteral("frobnicate")).startsWith(QLatin1String("error")));
    QVERIFY(m_printer->control(QStringLiteral("unplug")).startsWith(QLatin1String("error"))); // no USB printer
    QVERIFY(m_printer->control(QStringLiteral("events 2")).startsWith(QLatin1String("ok [")));
}

QTEST_MAIN(TestVprinterProtocol)
#include "tst_vprinter_protocol.moc"
