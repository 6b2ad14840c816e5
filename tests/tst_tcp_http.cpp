// The HTTP client of the LAN search and the network form: answers read the
// same however they are split, bounded by length, chunks, the end of the
// connection or the body limit; what is not HTTP is an error, not a page.
// The raw request of the search's fallback takes any answer as it comes,
// bounded by its byte limit, a silence or its whole time.

#include "support/tcp_fixtures.h"
#include "transport/tcp/HttpAnswerParser.h"
#include "transport/tcp/HttpRequest.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

using State = HttpAnswerParser::State;
Q_DECLARE_METATYPE(HttpAnswerParser::State)

class TcpHttpTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { tcpPrepareApp(QStringLiteral("127.0.61.")); }
    void answers_data();
    void answers();
    void requestOverSocket_data();
    void requestOverSocket();
    void rawRequest_data();
    void rawRequest();
    void rawAnswerWithoutEndIsBounded();
    void badUrls_data();
    void badUrls();
    void newRequestIsNotEndedByTheOldOne();
};

namespace {
struct Outcome
{
    State state;
    int status;
    QByteArray body;
    bool cut;
    bool early;
};

Outcome parse(const QByteArray &answer, int piece, bool close, qint64 maxBody)
{
    HttpAnswerParser parser(maxBody);
    for (int at = 0; at < answer.size(); at += piece)
        parser.feed(answer.mid(at, piece));
    if (close)
        parser.closed();
    return {parser.state(), parser.status(), parser.body(), parser.bodyCut(), parser.endedEarly()};
}
} // namespace

void TcpHttpTest::answers_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("close");      // the connection ends after the bytes
    QTest::addColumn<int>("maxBody");
    QTest::addColumn<State>("state");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<bool>("early");

    const QByteArray page = "<html>upload-form</html>";
    QTest::newRow("length") << "HTTP/1.1 200 OK\r\nContent-Length: 24\r\n\r\n" + page + "trailing junk" << false
                            << 1000 << State::Complete << 200 << page << false << false;
    QTest::newRow("length, bare LF lines") << "HTTP/1.0 200 OK\nContent-length:24\n\n" + page << false << 1000
                                           << State::Complete << 200 << page << false << false;
    QTest::newRow("length, connection ends early")
        << "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n" + page << true << 1000 << State::Complete << 200 << page
        << false << true;
    QTest::newRow("until the end of the connection")
        << "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + page << true << 1000 << State::Complete << 200
        << page << false << false;
    QTest::newRow("until the end, still open") << "HTTP/1.0 200 OK\r\n\r\n" + page << false << 1000 << State::Body
                                               << 200 << page << false << false;
    QTest::newRow("chunked") << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                                           "6\r\n<html>\r\n0b;x=y\r\nupload-form\r\n7\r\n</html>\r\n0\r\n"
                                           "Trailer: t\r\n\r\nignored")
                             << false << 1000 << State::Complete << 200 << page << false << false;
    QTest::newRow("chunked wins over length")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 3\r\nTransfer-Encoding: gzip, chunked\r\n\r\n"
                      "5\r\nhello\r\n0\r\n\r\n")
        << false << 1000 << State::Complete << 200 << QByteArray("hello") << false << false;
    QTest::newRow("chunked, cut short") << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                                                      "a\r\nhello")
                                        << true << 1000 << State::Complete << 200 << QByteArray("hello") << false
                                        << true;
    QTest::newRow("chunk size not hexadecimal")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nhello\r\n") << false << 1000
        << State::Invalid << 200 << QByteArray() << false << false;
    QTest::newRow("chunk without its line end")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nhello\r\n") << false << 1000
        << State::Invalid << 200 << QByteArray("he") << false << false;
    QTest::newRow("interim answer first")
        << "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 404 Not Found\r\nContent-Length: 24\r\n\r\n" + page << false
        << 1000 << State::Complete << 404 << page << false << false;
    QTest::newRow("no body") << QByteArray("HTTP/1.1 204 No Content\r\n\r\nextra") << false << 1000
                             << State::Complete << 204 << QByteArray() << false << false;
    QTest::newRow("body cut at the limit")
        << "HTTP/1.0 200 OK\r\n\r\n" + QByteArray(5000, 'x') << false << 1000 << State::Complete << 200
        << QByteArray(1000, 'x') << true << false;
    QTest::newRow("chunked body cut at the limit")
        << "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1388\r\n" + QByteArray(5000, 'x') << false << 1000
        << State::Complete << 200 << QByteArray(1000, 'x') << true << false;
    QTest::newRow("not HTTP") << page << false << 1000 << State::Invalid << 0 << QByteArray() << false << false;
    QTest::newRow("status not three digits") << QByteArray("HTTP/1.1 2000 OK\r\n\r\n") << false << 1000
                                             << State::Invalid << 0 << QByteArray() << false << false;
    QTest::newRow("head cut short") << QByteArray("HTTP/1.1 200 OK\r\nContent-") << true << 1000 << State::Invalid
                                    << 200 << QByteArray() << false << false;
    QTest::newRow("two different lengths")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nContent-Length: 3\r\n\r\nabc") << false << 1000
        << State::Invalid << 200 << QByteArray() << false << false;
    QTest::newRow("negative length") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\nabc") << false
                                     << 1000 << State::Invalid << 200 << QByteArray() << false << false;
    QTest::newRow("endless head")
        << "HTTP/1.1 200 OK\r\nX: " + QByteArray(HttpAnswerParser::MaxHeadBytes, 'h') << false << 1000
        << State::Invalid << 200 << QByteArray() << false << false;
}

void TcpHttpTest::answers()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, close);
    QFETCH(int, maxBody);
    QFETCH(State, state);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, cut);
    QFETCH(bool, early);
    for (const int piece : {answer.size(), 1, 7}) {
        const Outcome o = parse(answer, qMax(1, piece), close, maxBody);
        const QByteArray where = "pieces of " + QByteArray::number(piece);
        QVERIFY2(o.state == state, where);
        QVERIFY2(o.status == status, where);
        QVERIFY2(o.body == body, where + ": " + o.body.left(80));
        QVERIFY2(o.cut == cut, where);
        QVERIFY2(o.early == early, where);
    }
}

// A server on 127.0.61.1 that answers each connection with fixed bytes, then
// closes it or keeps it open; no bytes and closing: a server that hangs up.
class OneAnswerServer : public QTcpServer
{
public:
    QByteArray answer;
    bool closeAfter = true;
    QByteArray request;
    QByteArray requestEnd = "\r\n\r\n"; // answered once the request ends so
    int dripMs = 0;                       // then one byte at this interval, without end

    OneAnswerServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *s = nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                request += s->readAll();
                if (!request.endsWith(requestEnd))
                    return;
                if (!answer.isEmpty())
                    s->write(answer);
                if (dripMs > 0) {
                    auto *drip = new QTimer(s);
                    connect(drip, &QTimer::timeout, s, [s] { s->write("x"); });
                    drip->start(dripMs);
                }
                if (closeAfter)
                    s->disconnectFromHost();
            });
        });
    }
};

void TcpHttpTest::requestOverSocket_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("closeAfter");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("error");

    QTest::newRow("page") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello") << false << 200
                          << QByteArray("hello") << QString();
    QTest::newRow("error status keeps its body")
        << QByteArray("HTTP/1.1 500 Oops\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nbad\r\n0\r\n\r\n") << false << 500
        << QByteArray("bad") << QString();
    QTest::newRow("answer until close") << QByteArray("HTTP/1.0 200 OK\r\n\r\nall of it") << true << 200
                                        << QByteArray("all of it") << QString();
    QTest::newRow("not HTTP") << QByteArray("<html>upload-form</html>") << true << 0 << QByteArray()
                              << QStringLiteral("打印机的回答不是HTTP");
    QTest::newRow("closed without a word") << QByteArray() << true << 0 << QByteArray()
                                           << QStringLiteral("The remote host closed the connection");
    QTest::newRow("silent") << QByteArray() << false << 0 << QByteArray()
                            << QStringLiteral("Socket operation timed out");
}

void TcpHttpTest::requestOverSocket()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, closeAfter);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, error);

    OneAnswerServer server;
    server.answer = answer;
    server.closeAfter = closeAfter;
    server.requestEnd = "mask=255.0.0.0";
    QVERIFY(server.listen(QHostAddress(QStringLiteral("127.0.61.1"))));
    HttpRequest request;
    QSignalSpy finished(&request, &HttpRequest::finished);
    const QString url = QStringLiteral("http://127.0.61.1:%1/config.cgi").arg(server.serverPort());
    request.post(url, "application/x-www-form-urlencoded", "ip=127.0.61.9&mask=255.0.0.0", 1000, 2000);
    QCOMPARE(finished.count(), 0); // never from inside post()
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.at(0).at(0).toInt(), status);
    QCOMPARE(finished.at(0).at(1).toByteArray(), body);
    QCOMPARE(finished.at(0).at(2).toString(), error);
    QTest::qWait(50);
    QCOMPARE(finished.count(), 1);
    QVERIFY(server.request.startsWith("POST /config.cgi HTTP/1.1\r\nHost: 127.0.61.1:"));
    QVERIFY(server.request.contains("\r\nContent-Type: application/x-www-form-urlencoded\r\n"));
    QVERIFY(server.request.contains("\r\nContent-Length: 28\r\n"));
    QVERIFY(server.request.endsWith("\r\n\r\nip=127.0.61.9&mask=255.0.0.0"));
}

namespace {
constexpr int RawStepMs = 500;
constexpr int RawTotalMs = 2000;
} // namespace

void TcpHttpTest::rawRequest_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("closeAfter");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QByteArray>("data"); // what arrived, as it came; never an error once sent

    const QByteArray page = "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello";
    QTest::newRow("answer with its head") << page << true << 1000 << page;
    QTest::newRow("not HTTP") << QByteArray("<html>upload-form</html>") << true << 1000
                              << QByteArray("<html>upload-form</html>");
    QTest::newRow("broken status line") << QByteArray("HTTP/1.1 2000 OK\r\n\r\nTable1") << true << 1000
                                        << QByteArray("HTTP/1.1 2000 OK\r\n\r\nTable1");
    QTest::newRow("length beyond what comes")
        << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 900\r\n\r\nshort") << true << 1000
        << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 900\r\n\r\nshort");
    QTest::newRow("left open: the silence ends it") << page << false << 1000 << page;
    QTest::newRow("cut at the byte limit") << QByteArray(3000, 'x') << false << 1000 << QByteArray(1000, 'x');
    QTest::newRow("closed without a word") << QByteArray() << true << 1000 << QByteArray();
    QTest::newRow("silent") << QByteArray() << false << 1000 << QByteArray();
}

void TcpHttpTest::rawRequest()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, closeAfter);
    QFETCH(int, maxBytes);
    QFETCH(QByteArray, data);

    OneAnswerServer server;
    server.answer = answer;
    server.closeAfter = closeAfter;
    QVERIFY(server.listen(QHostAddress(QStringLiteral("127.0.61.1"))));
    HttpRequest request;
    QSignalSpy finished(&request, &HttpRequest::finished);
    request.getRaw(QStringLiteral("http://127.0.61.1:%1/?a=1").arg(server.serverPort()), RawStepMs, RawTotalMs,
                   maxBytes);
    QCOMPARE(finished.count(), 0); // never from inside getRaw()
    QVERIFY(finished.wait(RawTotalMs + 3000));
    QCOMPARE(finished.at(0).at(0).toInt(), 0);
    QCOMPARE(finished.at(0).at(1).toByteArray(), data);
    QCOMPARE(finished.at(0).at(2).toString(), QString());
    QTest::qWait(50);
    QCOMPARE(finished.count(), 1);
    // The bare request, the host named without its port.
    QCOMPARE(server.request, QByteArray("GET /?a=1 HTTP/1.0\r\nHost: 127.0.61.1\r\nUser-Agent: Qt-TcpSocket/1.0\r\n"
                                        "Accept: */*\r\n\r\n"));
}

// A server that sends a byte now and then, never falling silent for long,
// holds the raw request no longer than its whole limit.
void TcpHttpTest::rawAnswerWithoutEndIsBounded()
{
    OneAnswerServer server;
    server.answer = "HTTP/1.0 200 OK\r\n\r\n";
    server.closeAfter = false;
    server.dripMs = RawStepMs / 4;
    QVERIFY(server.listen(QHostAddress(QStringLiteral("127.0.61.1"))));
    HttpRequest request;
    QSignalSpy finished(&request, &HttpRequest::finished);
    request.getRaw(QStringLiteral("http://127.0.61.1:%1/").arg(server.serverPort()), RawStepMs, RawTotalMs, 1000);
    QVERIFY(finished.wait(RawTotalMs + 3000));
    const QByteArray data = finished.at(0).at(1).toByteArray();
    QVERIFY2(data.startsWith("HTTP/1.0 200 OK\r\n\r\nx"), data.constData());
    QCOMPARE(finished.at(0).at(2).toString(), QString());
}

void TcpHttpTest::badUrls_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("raw");
    QTest::addColumn<QString>("error");

    // Nothing listens on 127.0.61.2.
    QTest::newRow("refused") << "http://127.0.61.2:9/" << false << "Connection refused";
    QTest::newRow("refused, raw") << "http://127.0.61.2:9/" << true << "Connection refused";
    QTest::newRow("not http") << "ftp://127.0.61.1/" << false << "无效URL";
    QTest::newRow("not http, raw") << "ftp://127.0.61.1/" << true << "无效URL";
    QTest::newRow("no host") << "http:///config.cgi" << false << "无效URL";
    QTest::newRow("no host, raw") << "http:///" << true << "缺少主机名";
    QTest::newRow("not a URL") << "http://[::1/" << false << "无效URL";
}

void TcpHttpTest::badUrls()
{
    QFETCH(QString, url);
    QFETCH(bool, raw);
    QFETCH(QString, error);
    HttpRequest request;
    QSignalSpy finished(&request, &HttpRequest::finished);
    if (raw)
        request.getRaw(url, RawStepMs, RawTotalMs, 1000);
    else
        request.post(url, "application/x-www-form-urlencoded", "ip=1", 1000, 2000);
    QCOMPARE(finished.count(), 0);
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.at(0).at(0).toInt(), 0);
    QCOMPARE(finished.at(0).at(1).toByteArray(), QByteArray());
    QCOMPARE(finished.at(0).at(2).toString(), error);
    QTest::qWait(50);
    QCOMPARE(finished.count(), 1);
}

// The search asks again with the same object once the page gave nothing; the
// network form may start a request while an older one is still under way.
// Only the newest request's outcome is reported.
void TcpHttpTest::newRequestIsNotEndedByTheOldOne()
{
    OneAnswerServer server;
    server.answer = "<html>upload-form</html>";
    QVERIFY(server.listen(QHostAddress(QStringLiteral("127.0.61.1"))));
    const QString url = QStringLiteral("http://127.0.61.1:%1/").arg(server.serverPort());
    HttpRequest request;
    QSignalSpy finished(&request, &HttpRequest::finished);
    request.get(QStringLiteral("ftp://127.0.61.1/"), 1000); // its error is due on the next turn of the loop
    request.getRaw(url, RawStepMs, RawTotalMs, 1000);
    QVERIFY(finished.wait(RawTotalMs + 3000));
    QTest::qWait(50);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(1).toByteArray(), QByteArray("<html>upload-form</html>"));
    QCOMPARE(finished.at(0).at(2).toString(), QString());

    request.get(url, 1000);
    request.abort(); // ended: no word follows
    QTest::qWait(200);
    QCOMPARE(finished.count(), 1);
}

QTEST_GUILESS_MAIN(TcpHttpTest)
#include "tst_tcp_http.moc"
