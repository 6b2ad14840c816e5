// The HTTP client of the LAN search and the network form: answers read the
// same however they are split, bounded by length, chunks, the end of the
// connection or the body limit; what is not HTTP is an error, not a page.

#include "support/tcp_fixtures.h"
#include "transport/tcp/HttpAnswerParser.h"
#include "transport/tcp/HttpRequest.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
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

QTEST_GUILESS_MAIN(TcpHttpTest)
#include "tst_tcp_http.moc"
