// End to end against the virtual printer: a LAN search of 127.0.0. finds the
// three virtual printers there, commands reach one byte-exact over TCP and the
// four status queries come back and decode.

#include "support/tcp_OperationRows.h"
#include "support/tcp_fixtures.h"
#include "transport/tcp/TcpDeviceManager.h"

#include <QtTest>

#include <functional>
#include <memory>

class VirtualPrinter;

namespace {
const QStringList Addresses{QStringLiteral("127.0.0.31"), QStringLiteral("127.0.0.32"), QStringLiteral("127.0.0.33")};
const QStringList Models{QStringLiteral("KVZ-L7D"), QStringLiteral("KVZ-L7N"), QStringLiteral("KVZ-L7S")};
} // namespace

class TcpVprinterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void searchFindsTheVirtualPrinters();
    void commandsArriveByteExact_data();
    void commandsArriveByteExact();
    void statusQueriesComeBackDecoded_data();
    void statusQueriesComeBackDecoded();

private:
    QString mismatch(VirtualPrinter *p, qint64 seq, const QByteArray &sent) const;
    QList<VirtualPrinter *> m_printers;
    std::unique_ptr<TcpLogCapture> m_log;
};

#if __has_include("VirtualPrinter.h")

#include "VirtualPrinter.h"
#include "commands/RealTimeStatusForm.h"

#include <QJsonObject>
#include <QSignalSpy>

void TcpVprinterTest::initTestCase()
{
    tcpPrepareApp(QStringLiteral("127.0.0."));
    m_log = std::make_unique<TcpLogCapture>();
    for (int i = 0; i < Addresses.size(); ++i) {
        VirtualPrinterOptions o;
        o.address = Addresses.at(i);
        o.model = Models.at(i);
        auto *p = new VirtualPrinter(o);
        m_printers.append(p);
        QString error;
        QVERIFY2(p->start(&error), qPrintable(error));
    }
}

// Walks what the printer decoded since seq against the bytes sent: commands
// must match byte for byte, text runs by their length (the printer logs text
// decoded, not as bytes). Empty when all of sent is accounted for.
QString TcpVprinterTest::mismatch(VirtualPrinter *p, qint64 seq, const QByteArray &sent) const
{
    // The printer logs at most this many bytes of one command.
    constexpr int LoggedBytesLimit = 64;
    int pos = 0;
    bool cutShort = false; // the last command was logged cut short: its end is unknown
    for (const QJsonObject &e : p->events()) {
        if (e.value(QStringLiteral("seq")).toVariant().toLongLong() <= seq
            || e.value(QStringLiteral("source")).toString() != QLatin1String("tcp"))
            continue;
        const QString kind = e.value(QStringLiteral("kind")).toString();
        if (kind == QLatin1String("event"))
            continue;
        if (kind == QLatin1String("text")) {
            if (cutShort)
                return QStringLiteral("text after a long command");
            pos += e.value(QStringLiteral("params")).toObject().value(QStringLiteral("bytes")).toInt();
            continue;
        }
        const QByteArray bytes = QByteArray::fromHex(e.value(QStringLiteral("hex")).toString().toLatin1());
        if (cutShort) {
            const int at = sent.indexOf(bytes, pos);
            if (at < 0)
                return QStringLiteral("printer read %1, not sent").arg(QString::fromLatin1(bytes.toHex(' ')));
            pos = at;
        }
        if (sent.mid(pos, bytes.size()) != bytes)
            return QStringLiteral("at %1: printer read %2, sent %3")
                .arg(pos)
                .arg(QString::fromLatin1(bytes.toHex(' ')), QString::fromLatin1(sent.mid(pos, bytes.size()).toHex(' ')));
        pos += bytes.size();
        cutShort = bytes.size() >= LoggedBytesLimit;
    }
    if (cutShort)
        pos = sent.size();
    if (pos != sent.size())
        return QStringLiteral("printer accounted for %1 of %2 bytes").arg(pos).arg(sent.size());
    return QString();
}

void TcpVprinterTest::cleanupTestCase()
{
    qDeleteAll(m_printers);
    m_printers.clear();
}

void TcpVprinterTest::searchFindsTheVirtualPrinters()
{
    TcpDeviceManager mgr;
    QSignalSpy over(&mgr, &TcpDeviceManager::sigScanOverTcp);
    mgr.refreshDeviceList();
    QVERIFY(over.wait(30000));
    const QVariantList list = mgr.getDeviceList();
    QCOMPARE(list.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QVariantMap m = list.at(i).toMap();
        QCOMPARE(m.value("ip").toString(), Addresses.at(i));
        QCOMPARE(m.value("name").toString(), Models.at(i));
        // On loopback: the NetBIOS answer's (the printers' default), never zeros.
        QCOMPARE(m.value("mac").toString(), QStringLiteral("00:11:22:33:44:55"));
    }
}

void TcpVprinterTest::commandsArriveByteExact_data()
{
    QTest::addColumn<Op>("op");
    addEveryOperationRow();
}

void TcpVprinterTest::commandsArriveByteExact()
{
    QFETCH(Op, op);
    VirtualPrinter *printer = m_printers.at(1);
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(Models.at(1), Addresses.at(1), QStringLiteral("00:11:22:33:44:55"), QString()));
    QVERIFY(!printer->waitForEvent(QStringLiteral("client_connected"), 5000).isEmpty());
    const qint64 seq = printer->lastEventSeq();
    m_log->clear();
    op(&mgr);
    QByteArray sent;
    const QString prefix = QStringLiteral("TCP发出数据 ");
    for (const QString &line : m_log->lines()) {
        const int at = line.indexOf(prefix);
        if (at >= 0)
            sent += QByteArray::fromHex(line.mid(at + prefix.size()).toLatin1());
    }
    if (sent.isEmpty())
        QTest::qWait(30);
    QTRY_COMPARE_WITH_TIMEOUT(mismatch(printer, seq, sent), QString(), 5000);
}

void TcpVprinterTest::statusQueriesComeBackDecoded_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QString>("cmd");
    QTest::addColumn<int>("n");
    QTest::newRow("printer") << Op([](BaseDeviceManager *m) { m->setPrinterStatusClicked(); }) << "PrinterStatus" << 1;
    QTest::newRow("offline") << Op([](BaseDeviceManager *m) { m->setOfflineStatusClicked(); }) << "OfflineStatus" << 2;
    QTest::newRow("error") << Op([](BaseDeviceManager *m) { m->setErrorStatusClicked(); }) << "ErrorStatus" << 3;
    QTest::newRow("paper") << Op([](BaseDeviceManager *m) { m->setPaperStatusClicked(); }) << "PaperStatus" << 4;
}

void TcpVprinterTest::statusQueriesComeBackDecoded()
{
    QFETCH(Op, op);
    QFETCH(QString, cmd);
    QFETCH(int, n);
    VirtualPrinter *printer = m_printers.at(0);
    printer->setFlag(QStringLiteral("paper_out"), true);
    printer->setFlag(QStringLiteral("cover_open"), true);
    TcpDeviceManager mgr;
    QVERIFY(mgr.connectDevice(Models.at(0), Addresses.at(0), QString(), QString()));
    QSignalSpy reply(&mgr, &BaseDeviceManager::sigTcpResponse);
    op(&mgr);
    QVERIFY(reply.wait(5000));
    QCOMPARE(reply.at(0).at(0).toString(), cmd);
    const QString payload = reply.at(0).at(1).toString();
    QCOMPARE(payload, QString::fromLatin1(QByteArray(1, char(printer->statusByte(n))).toHex()));
    QVERIFY(!RealTimeStatusForm::decodeReply(cmd, payload).isEmpty());
    printer->clearFlags();
}

#else // the virtual printer is not part of this build

void TcpVprinterTest::initTestCase() { QSKIP("the virtual printer is not part of this build"); }
void TcpVprinterTest::cleanupTestCase() {}
void TcpVprinterTest::searchFindsTheVirtualPrinters() {}
void TcpVprinterTest::commandsArriveByteExact_data() {}
void TcpVprinterTest::commandsArriveByteExact() {}
void TcpVprinterTest::statusQueriesComeBackDecoded_data() {}
void TcpVprinterTest::statusQueriesComeBackDecoded() {}

#endif

QTEST_GUILESS_MAIN(TcpVprinterTest)
#include "tst_tcp_vprinter.moc"
