// Targets files of the exporter (fleet/TargetFile): the command line's target
// forms with labels, comments and quotes; every faulty line reported with its
// number while the others count; written back as they were read.

#include "fleet/TargetFile.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(PrinterTarget)

namespace {
PrinterTarget target(PrinterTarget::Transport transport, const QString &address, int baud = 0,
                     const QList<PrinterTarget::Label> &labels = {})
{
    PrinterTarget t;
    t.transport = transport;
    t.address = address;
    t.baud = baud;
    t.labels = labels;
    return t;
}
using T = PrinterTarget::Transport;
} // namespace

class FleetTargetsTest : public QObject
{
    Q_OBJECT
private slots:
    void goodLines_data();
    void goodLines();
    void badLines_data();
    void badLines();
    void badLinesLeaveTheOthers();
    void sameHostTwiceIsReportedAtTheSecond();
    void linesAreCountedAcrossEndings();
    void writtenBackAsRead();
    void readingFiles();
    void specAndIdentity();
};

void FleetTargetsTest::goodLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<PrinterTarget>("expected");
    QTest::newRow("tcp") << "tcp:10.1.2.3" << target(T::Tcp, "10.1.2.3");
    QTest::newRow("tcp with labels") << "tcp:10.1.2.3 site=shop-17 till=2"
                                     << target(T::Tcp, "10.1.2.3", 0, {{"site", "shop-17"}, {"till", "2"}});
    QTest::newRow("usb") << "usb:/dev/usb/lp0" << target(T::Usb, "/dev/usb/lp0");
    QTest::newRow("serial default speed") << "serial:/dev/ttyUSB0" << target(T::Serial, "/dev/ttyUSB0");
    QTest::newRow("serial with speed") << "serial:/dev/ttyUSB0:9600" << target(T::Serial, "/dev/ttyUSB0", 9600);
    QTest::newRow("serial by-id path with colons")
        << "serial:/dev/serial/by-id/usb-KVZ:L7-if00:115200"
        << target(T::Serial, "/dev/serial/by-id/usb-KVZ:L7-if00", 115200);
    QTest::newRow("queue") << "queue:Kitchen_2" << target(T::Queue, "Kitchen_2");
    QTest::newRow("blanks and tabs around") << " \t tcp:10.0.0.1\t site=a  " << target(T::Tcp, "10.0.0.1", 0, {{"site", "a"}});
    QTest::newRow("comment after") << "tcp:10.0.0.1 site=a # the shop front" << target(T::Tcp, "10.0.0.1", 0, {{"site", "a"}});
    QTest::newRow("hash inside a word") << "tcp:10.0.0.1 till=no#2" << target(T::Tcp, "10.0.0.1", 0, {{"till", "no#2"}});
    QTest::newRow("quoted value") << "tcp:10.0.0.1 site=\"shop 17 # north\""
                                  << target(T::Tcp, "10.0.0.1", 0, {{"site", "shop 17 # north"}});
    QTest::newRow("escapes in quotes") << "tcp:10.0.0.1 note=\"say \\\"hi\\\" \\\\ there\""
                                       << target(T::Tcp, "10.0.0.1", 0, {{"note", "say \"hi\" \\ there"}});
    QTest::newRow("empty value") << "tcp:10.0.0.1 note=" << target(T::Tcp, "10.0.0.1", 0, {{"note", ""}});
    QTest::newRow("value with =") << "tcp:10.0.0.1 q=a=b" << target(T::Tcp, "10.0.0.1", 0, {{"q", "a=b"}});
    QTest::newRow("unicode value") << "tcp:10.0.0.1 site=北京店" << target(T::Tcp, "10.0.0.1", 0, {{"site", "北京店"}});
    QTest::newRow("quoted device path") << "\"usb:/dev/usb/my lp0\"" << target(T::Usb, "/dev/usb/my lp0");
}

void FleetTargetsTest::goodLines()
{
    QFETCH(QString, line);
    QFETCH(PrinterTarget, expected);
    const TargetFile file = TargetFile::parse(line.toUtf8());
    QVERIFY2(file.problems.isEmpty(), qPrintable(file.problems.value(0).message));
    QCOMPARE(file.targets.size(), 1);
    QCOMPARE(file.targets.first(), expected);
    QCOMPARE(file.targets.first().line, 1);
}

void FleetTargetsTest::badLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown transport") << QByteArray("lpt:/dev/lp0") << "未知的传输方式: lpt";
    QTest::newRow("no transport") << QByteArray("10.1.2.3") << "目标应写作";
    QTest::newRow("empty address") << QByteArray("tcp:") << "tcp: 需要一个值";
    QTest::newRow("host name") << QByteArray("tcp:printer.local") << "不是 IPv4 地址: printer.local";
    QTest::newRow("short address") << QByteArray("tcp:10.1") << "不是 IPv4 地址";
    QTest::newRow("address out of range") << QByteArray("tcp:10.1.2.300") << "不是 IPv4 地址";
    QTest::newRow("relative node") << QByteArray("usb:lp0") << "必须是绝对路径: lp0";
    QTest::newRow("file as node") << QByteArray("usb:/etc/passwd") << "/etc/passwd 不是设备节点";
    QTest::newRow("folder as serial line") << QByteArray("serial:/etc:9600") << "/etc 不是设备节点";
    QTest::newRow("odd speed") << QByteArray("serial:/dev/ttyS0:1234") << "不支持的波特率: 1234";
    QTest::newRow("label without =") << QByteArray("tcp:10.0.0.1 shop17") << "名称=值: shop17";
    QTest::newRow("label name with dash") << QByteArray("tcp:10.0.0.1 shop-id=1") << "无效的标签名: shop-id";
    QTest::newRow("label name from a digit") << QByteArray("tcp:10.0.0.1 1st=a") << "无效的标签名: 1st";
    QTest::newRow("our label") << QByteArray("tcp:10.0.0.1 model=x") << "标签名 model 是保留的";
    QTest::newRow("Prometheus's label") << QByteArray("tcp:10.0.0.1 instance=x") << "标签名 instance 是保留的";
    QTest::newRow("double underscore") << QByteArray("tcp:10.0.0.1 __name__=x") << "标签名 __name__ 是保留的";
    QTest::newRow("label twice") << QByteArray("tcp:10.0.0.1 a=1 a=2") << "标签 a 出现了两次";
    QTest::newRow("too many labels")
        << QByteArray("tcp:10.0.0.1 a=1 b=1 c=1 d=1 e=1 f=1 g=1 h=1 i=1 j=1 k=1 l=1 m=1 n=1 o=1 p=1 q=1") << "标签太多";
    QTest::newRow("long value") << (QByteArray("tcp:10.0.0.1 a=") + QByteArray(257, 'x')) << "的值太长";
    QTest::newRow("open quote") << QByteArray("tcp:10.0.0.1 site=\"shop 17") << "引号没有结束";
    QTest::newRow("not UTF-8") << QByteArray("tcp:10.0.0.1 site=\xff\xfe") << "不是 UTF-8 文本";
    QTest::newRow("NUL byte") << QByteArray("tcp:10.0.0.1\0", 13) << "不是 UTF-8 文本";
    QTest::newRow("control character") << QByteArray("tcp:10.0.0.1 a=\x1b[31m") << "控制字符";
    QTest::newRow("long line") << (QByteArray("tcp:10.0.0.1 #") + QByteArray(5000, 'x')) << "行太长";
}

void FleetTargetsTest::badLines()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, message);
    const TargetFile file = TargetFile::parse("# first\n" + line + "\n");
    QCOMPARE(file.targets.size(), 0);
    QCOMPARE(file.problems.size(), 1);
    QCOMPARE(file.problems.first().line, 2);
    QVERIFY2(file.problems.first().message.contains(message), qPrintable(file.problems.first().message));
}

void FleetTargetsTest::badLinesLeaveTheOthers()
{
    const TargetFile file = TargetFile::parse("tcp:10.0.0.1\nbogus\ntcp:10.0.0.2 site=a\nusb:lp0\n\nserial:/dev/ttyS1\n");
    QCOMPARE(file.targets.size(), 3);
    QCOMPARE(file.targets.at(0).line, 1);
    QCOMPARE(file.targets.at(1).line, 3);
    QCOMPARE(file.targets.at(2).line, 6);
    QCOMPARE(file.problems.size(), 2);
    QCOMPARE(file.problems.at(0).line, 2);
    QCOMPARE(file.problems.at(1).line, 4);
    QCOMPARE(TargetFile::lineMessage(QStringLiteral("/etc/quillmark/targets"), 4, QStringLiteral("x")),
             QStringLiteral("/etc/quillmark/targets 第 4 行: x"));
}

void FleetTargetsTest::sameHostTwiceIsReportedAtTheSecond()
{
    const TargetFile file =
        TargetFile::parse("tcp:10.0.0.1\ntcp:10.0.0.1 site=b\nserial:/dev/ttyS0\nserial:/dev/ttyS0:115200\n");
    QCOMPARE(file.targets.size(), 2);
    QCOMPARE(file.problems.size(), 2);
    QCOMPARE(file.problems.at(0).line, 2);
    QCOMPARE(file.problems.at(0).message, QStringLiteral("tcp:10.0.0.1 已在第 1 行"));
    QCOMPARE(file.problems.at(1).line, 4);
}

void FleetTargetsTest::linesAreCountedAcrossEndings()
{
    const TargetFile file = TargetFile::parse("tcp:10.0.0.1\r\n\r\n# c\r\nbogus\r\ntcp:10.0.0.2");
    QCOMPARE(file.targets.size(), 2);
    QCOMPARE(file.targets.at(1).line, 5);
    QCOMPARE(file.problems.size(), 1);
    QCOMPARE(file.problems.first().line, 4);
}

void FleetTargetsTest::writtenBackAsRead()
{
    const QList<PrinterTarget> targets{
        target(T::Tcp, "10.1.2.3", 0, {{"site", "shop 17"}, {"note", "say \"hi\" # \\"}, {"empty", ""}}),
        target(T::Serial, "/dev/ttyUSB0", 115200),
        target(T::Usb, "/dev/usb/my lp0"),
        target(T::Queue, "Kitchen"),
    };
    const QByteArray text = TargetFile::format(targets);
    QVERIFY(text.startsWith("tcp:10.1.2.3 site=\"shop 17\""));
    const TargetFile again = TargetFile::parse(text);
    QVERIFY(again.problems.isEmpty());
    QCOMPARE(again.targets, targets);

    QTemporaryDir dir;
    QString error;
    QVERIFY(TargetFile::write(dir.filePath("targets"), targets, &error));
    TargetFile read;
    QVERIFY(TargetFile::read(dir.filePath("targets"), &read, &error));
    QCOMPARE(read.targets, targets);
    QVERIFY(!TargetFile::write(dir.filePath("missing/targets"), targets, &error));
    QVERIFY(error.contains(dir.filePath("missing/targets")));
}

void FleetTargetsTest::readingFiles()
{
    QTemporaryDir dir;
    TargetFile file;
    QString error;
    QVERIFY(!TargetFile::read(dir.filePath("nothing"), &file, &error));
    QVERIFY2(error.startsWith(QStringLiteral("无法读取目标文件 %1").arg(dir.filePath("nothing"))), qPrintable(error));
    QVERIFY(!TargetFile::read(dir.path(), &file, &error));
    QVERIFY(error.contains(QStringLiteral("是一个文件夹")));
    QFile empty(dir.filePath("empty"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QVERIFY(TargetFile::read(dir.filePath("empty"), &file, &error));
    QVERIFY(file.targets.isEmpty() && file.problems.isEmpty());
}

void FleetTargetsTest::specAndIdentity()
{
    const PrinterTarget t = target(T::Serial, "/dev/ttyUSB0", 9600, {{"site", "a"}});
    QCOMPARE(t.text(), QStringLiteral("serial:/dev/ttyUSB0:9600"));
    QCOMPARE(t.identity(), QStringLiteral("serial:/dev/ttyUSB0"));
    QCOMPARE(t.transportName(), QStringLiteral("serial"));
    QVERIFY(t.answersStatus());
    QVERIFY(!target(T::Queue, "Q").answersStatus());
}

QTEST_GUILESS_MAIN(FleetTargetsTest)
#include "tst_fleet_targets.moc"
