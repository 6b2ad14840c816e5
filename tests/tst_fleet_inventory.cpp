// The fleet's inventory by MAC address: address ranges as the command line
// takes them, what a search changes in an inventory (appeared, moved,
// vanished), the targets file that follows the printers, and damaged files.

#include "fleet/AddressRange.h"
#include "fleet/PrinterInventory.h"
#include "fleet/TargetFile.h"

#include <QtTest>

#include <QTemporaryDir>

using Printers = QList<RangeScanner::Printer>;

namespace {
const QString MacA = QStringLiteral("00:11:22:33:44:0a");
const QString MacB = QStringLiteral("00:11:22:33:44:0b");
const QString MacC = QStringLiteral("00:11:22:33:44:0c");
const QDateTime Before = QDateTime(QDate(2024, 5, 1), QTime(8, 0), Qt::UTC);
const QDateTime Now = QDateTime(QDate(2024, 5, 2), QTime(8, 0), Qt::UTC);

PrinterInventory::Entry entry(const QString &mac, const QString &address, bool present = true)
{
    PrinterInventory::Entry e;
    e.mac = mac;
    e.address = address;
    e.model = QStringLiteral("KVZ-L7N");
    e.firstSeen = Before;
    e.lastSeen = Before;
    e.present = present;
    return e;
}

RangeScanner::Printer printer(const QString &ip, const QString &mac)
{
    return RangeScanner::Printer{ip, mac, QStringLiteral("KVZ-L7N"), QStringLiteral("KVZ-L7N")};
}

QList<AddressRange> ranges(const QStringList &texts)
{
    QList<AddressRange> list;
    for (const QString &t : texts) {
        AddressRange r;
        QString error;
        if (AddressRange::parse(t, &r, &error))
            list.append(r);
    }
    return list;
}

QList<PrinterTarget> targetsOf(const QByteArray &text)
{
    return TargetFile::parse(text).targets;
}
} // namespace

Q_DECLARE_METATYPE(QList<PrinterInventory::Entry>)

class FleetInventoryTest : public QObject
{
    Q_OBJECT
private slots:
    void addressRange_data();
    void addressRange();
    void update_data();
    void update();
    void targetsFollowThePrinters_data();
    void targetsFollowThePrinters();
    void damagedFileIsRefused_data();
    void damagedFileIsRefused();
    void writtenFileReadsBack();
    void largeInventoryReadsBack();
    void inventoryTooLargeToReadBackIsNotWritten();
};

void FleetInventoryTest::addressRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first"); // empty: refused
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("message"); // part of the refusal
    QTest::newRow("/22") << "10.1.0.0/22" << "10.1.0.1" << "10.1.3.254" << 1022 << "";
    QTest::newRow("/16, the widest") << "10.1.0.0/16" << "10.1.0.1" << "10.1.255.254" << 65534 << "";
    QTest::newRow("/24 with blanks") << " 192.168.7.0/24 " << "192.168.7.1" << "192.168.7.254" << 254 << "";
    QTest::newRow("/30") << "10.1.0.4/30" << "10.1.0.5" << "10.1.0.6" << 2 << "";
    QTest::newRow("/31: both addresses") << "10.1.0.6/31" << "10.1.0.6" << "10.1.0.7" << 2 << "";
    QTest::newRow("/32: one address") << "10.1.0.7/32" << "10.1.0.7" << "10.1.0.7" << 1 << "";
    QTest::newRow("prefix too short") << "10.0.0.0/15" << "" << "" << 0 << "16";
    QTest::newRow("prefix too long") << "10.1.0.0/33" << "" << "" << 0 << "32";
    QTest::newRow("host bits set") << "10.1.0.5/22" << "" << "" << 0 << "10.1.0.0/22";
    QTest::newRow("no prefix") << "10.1.0.0" << "" << "" << 0 << "10.1.0.0";
    QTest::newRow("empty prefix") << "10.1.0.0/" << "" << "" << 0 << "16";
    QTest::newRow("prefix not a number") << "10.1.0.0/x" << "" << "" << 0 << "16";
    QTest::newRow("signed prefix") << "10.1.0.0/+24" << "" << "" << 0 << "16";
    QTest::newRow("short address") << "10.1.0/22" << "" << "" << 0 << "10.1.0/22";
    QTest::newRow("part over 255") << "256.1.0.0/16" << "" << "" << 0 << "256.1.0.0/16";
    QTest::newRow("a name") << "printers.local/24" << "" << "" << 0 << "printers.local/24";
    QTest::newRow("empty") << "" << "" << "" << 0 << "";
}

void FleetInventoryTest::addressRange()
{
    QFETCH(QString, text);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, count);
    QFETCH(QString, message);
    AddressRange range;
    QString error;
    const bool ok = AddressRange::parse(text, &range, &error);
    QCOMPARE(ok, !first.isEmpty());
    if (!ok) {
        QVERIFY2(!error.isEmpty() && error.contains(message), qPrintable(error));
        return;
    }
    QCOMPARE(AddressRange::dotted(range.firstHost()), first);
    QCOMPARE(AddressRange::dotted(range.lastHost()), last);
    QCOMPARE(range.hostCount(), count);
    const QStringList hosts = range.hosts();
    QCOMPARE(hosts.size(), count);
    QCOMPARE(hosts.first(), first);
    QCOMPARE(hosts.last(), last);
    QVERIFY(range.contains(first));
    QVERIFY(range.contains(last));
    QCOMPARE(range.text(), text.trimmed());
}

void FleetInventoryTest::update_data()
{
    QTest::addColumn<QList<PrinterInventory::Entry>>("before");
    QTest::addColumn<Printers>("found");
    QTest::addColumn<QStringList>("searched");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QStringList>("after"); // MAC address present|gone, ordered by MAC
    QTest::addColumn<int>("skipped");

    const QStringList range{QStringLiteral("10.1.0.0/22")};
    QTest::newRow("first run: every printer appears")
        << QList<PrinterInventory::Entry>{} << Printers{printer("10.1.0.20", MacB), printer("10.1.0.7", MacA)} << range
        << QStringList{"appeared " + MacA + " 10.1.0.7 KVZ-L7N", "appeared " + MacB + " 10.1.0.20 KVZ-L7N"}
        << QStringList{MacA + " 10.1.0.7 present", MacB + " 10.1.0.20 present"} << 0;
    QTest::newRow("nothing changed")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.7")} << Printers{printer("10.1.0.7", MacA)} << range
        << QStringList{} << QStringList{MacA + " 10.1.0.7 present"} << 0;
    QTest::newRow("moved after DHCP")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.20")} << Printers{printer("10.1.0.87", MacA)} << range
        << QStringList{"moved " + MacA + " 10.1.0.20 -> 10.1.0.87"} << QStringList{MacA + " 10.1.0.87 present"} << 0;
    QTest::newRow("MAC address in capitals is the same printer")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.20")} << Printers{printer("10.1.0.87", MacA.toUpper())}
        << range << QStringList{"moved " + MacA + " 10.1.0.20 -> 10.1.0.87"}
        << QStringList{MacA + " 10.1.0.87 present"} << 0;
    QTest::newRow("two printers swap their addresses")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.20"), entry(MacB, "10.1.0.30")}
        << Printers{printer("10.1.0.30", MacA), printer("10.1.0.20", MacB)} << range
        << QStringList{"moved " + MacB + " 10.1.0.30 -> 10.1.0.20", "moved " + MacA + " 10.1.0.20 -> 10.1.0.30"}
        << QStringList{MacA + " 10.1.0.30 present", MacB + " 10.1.0.20 present"} << 0;
    QTest::newRow("vanished inside the ranges searched")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.20"), entry(MacB, "10.9.0.5")} << Printers{} << range
        << QStringList{"vanished " + MacA + " 10.1.0.20"}
        << QStringList{MacA + " 10.1.0.20 gone", MacB + " 10.9.0.5 present"} << 0;
    QTest::newRow("a vanished printer is reported once")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.20", false)} << Printers{} << range << QStringList{}
        << QStringList{MacA + " 10.1.0.20 gone"} << 0;
    QTest::newRow("back at its address")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.20", false)} << Printers{printer("10.1.0.20", MacA)}
        << range << QStringList{"appeared " + MacA + " 10.1.0.20 KVZ-L7N"} << QStringList{MacA + " 10.1.0.20 present"}
        << 0;
    QTest::newRow("a new printer takes the address of one that left")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.20")} << Printers{printer("10.1.0.20", MacC)} << range
        << QStringList{"appeared " + MacC + " 10.1.0.20 KVZ-L7N", "vanished " + MacA + " 10.1.0.20"}
        << QStringList{MacA + " 10.1.0.20 gone", MacC + " 10.1.0.20 present"} << 0;
    QTest::newRow("no MAC address, all-zero MAC address: not kept")
        << QList<PrinterInventory::Entry>{} << Printers{printer("10.1.0.5", ""), printer("10.1.0.6", "00:00:00:00:00:00")}
        << range << QStringList{} << QStringList{} << 2;
    QTest::newRow("one MAC address at two addresses: the first is kept")
        << QList<PrinterInventory::Entry>{} << Printers{printer("10.1.0.5", MacA), printer("10.1.0.6", MacA)} << range
        << QStringList{"appeared " + MacA + " 10.1.0.5 KVZ-L7N"} << QStringList{MacA + " 10.1.0.5 present"} << 1;
}

void FleetInventoryTest::update()
{
    QFETCH(QList<PrinterInventory::Entry>, before);
    QFETCH(Printers, found);
    QFETCH(QStringList, searched);
    QFETCH(QStringList, changes);
    QFETCH(QStringList, after);
    QFETCH(int, skipped);
    PrinterInventory inventory;
    inventory.entries = before;
    QList<PrinterInventory::Skipped> left;
    QStringList texts;
    for (const PrinterInventory::Change &c : inventory.update(found, ranges(searched), Now, &left))
        texts.append(c.text());
    QCOMPARE(texts, changes);
    QStringList state;
    for (const PrinterInventory::Entry &e : qAsConst(inventory.entries)) {
        state.append(QStringLiteral("%1 %2 %3").arg(e.mac, e.address, e.present ? "present" : "gone"));
        const bool seenNow = std::any_of(found.begin(), found.end(), [&](const RangeScanner::Printer &p) {
            return p.mac.toLower() == e.mac && p.ip == e.address;
        });
        QCOMPARE(e.lastSeen, seenNow ? Now : Before);
        QVERIFY(e.firstSeen <= e.lastSeen);
    }
    QCOMPARE(state, after);
    QCOMPARE(left.size(), skipped);
    for (const PrinterInventory::Skipped &s : qAsConst(left))
        QVERIFY(s.message.contains(s.printer.ip));
}

void FleetInventoryTest::targetsFollowThePrinters_data()
{
    QTest::addColumn<QList<PrinterInventory::Entry>>("before");
    QTest::addColumn<Printers>("found");
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("no file yet: one line a printer, by address")
        << QList<PrinterInventory::Entry>{} << Printers{printer("10.1.0.20", MacB), printer("10.1.0.7", MacA)}
        << QByteArray() << QByteArray("tcp:10.1.0.7\ntcp:10.1.0.20\n");
    QTest::newRow("a moved printer keeps its labels, other lines stay")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.20"), entry(MacB, "10.1.0.30")}
        << Printers{printer("10.1.0.87", MacA), printer("10.1.0.30", MacB)}
        << QByteArray("usb:/dev/usb/lp0 site=office\ntcp:10.1.0.20 site=\"shop 17\" till=2\ntcp:10.1.0.30\n"
                      "tcp:10.9.9.9 site=hq\n")
        << QByteArray("usb:/dev/usb/lp0 site=office\ntcp:10.1.0.87 site=\"shop 17\" till=2\ntcp:10.1.0.30\n"
                      "tcp:10.9.9.9 site=hq\n");
    QTest::newRow("swapped printers swap their labels")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.20"), entry(MacB, "10.1.0.30")}
        << Printers{printer("10.1.0.30", MacA), printer("10.1.0.20", MacB)}
        << QByteArray("tcp:10.1.0.20 till=1\ntcp:10.1.0.30 till=2\n")
        << QByteArray("tcp:10.1.0.30 till=1\ntcp:10.1.0.20 till=2\n");
    QTest::newRow("a printer that moved onto a vanished one's address keeps its own labels")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.20"), entry(MacB, "10.1.0.30")}
        << Printers{printer("10.1.0.30", MacA)} << QByteArray("tcp:10.1.0.30 till=2\ntcp:10.1.0.20 till=1\n")
        << QByteArray("tcp:10.1.0.30 till=1\n");
    QTest::newRow("a printer without a line that moved onto a vanished one's address gets none of its labels")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.20"), entry(MacB, "10.1.0.30")}
        << Printers{printer("10.1.0.30", MacA)} << QByteArray("tcp:10.1.0.30 till=2\n")
        << QByteArray("tcp:10.1.0.30\n");
    QTest::newRow("a new printer at a vanished one's address gets none of its labels")
        << QList<PrinterInventory::Entry>{entry(MacB, "10.1.0.30")} << Printers{printer("10.1.0.30", MacC)}
        << QByteArray("tcp:10.1.0.30 till=2\n") << QByteArray("tcp:10.1.0.30\n");
    QTest::newRow("three printers move round, each with its labels")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.20"), entry(MacB, "10.1.0.30"), entry(MacC, "10.1.0.40")}
        << Printers{printer("10.1.0.30", MacA), printer("10.1.0.40", MacB), printer("10.1.0.20", MacC)}
        << QByteArray("tcp:10.1.0.40 till=3\ntcp:10.1.0.30 till=2\ntcp:10.1.0.20 till=1\n")
        << QByteArray("tcp:10.1.0.20 till=3\ntcp:10.1.0.40 till=2\ntcp:10.1.0.30 till=1\n");
    QTest::newRow("a vanished printer stays watched, a new one is added")
        << QList<PrinterInventory::Entry>{entry(MacA, "10.1.0.20")} << Printers{printer("10.1.0.9", MacC)}
        << QByteArray("tcp:10.1.0.20 till=1\n") << QByteArray("tcp:10.1.0.20 till=1\ntcp:10.1.0.9\n");
    QTest::newRow("a line the user wrote for a new printer's address keeps its labels")
        << QList<PrinterInventory::Entry>{} << Printers{printer("10.1.0.9", MacC)}
        << QByteArray("tcp:10.1.0.9 till=4\n") << QByteArray("tcp:10.1.0.9 till=4\n");
}

void FleetInventoryTest::targetsFollowThePrinters()
{
    QFETCH(QList<PrinterInventory::Entry>, before);
    QFETCH(Printers, found);
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, written);
    PrinterInventory inventory;
    inventory.entries = before;
    const PrinterInventory old = inventory;
    inventory.update(found, ranges({"10.1.0.0/22"}), Now);
    const QByteArray text = TargetFile::format(inventory.targets(targetsOf(existing), old));
    QCOMPARE(text, written);
    // What the exporter reads: no line refused.
    QVERIFY(TargetFile::parse(text).problems.isEmpty());
}

void FleetInventoryTest::damagedFileIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray good = R"({"version":1,"printers":[{"mac":"00:11:22:33:44:0a","address":"10.1.0.7",
        "firstSeen":"2024-05-01T08:00:00Z","lastSeen":"2024-05-01T08:00:00Z"}]})";
    QTest::newRow("cut short") << good.left(good.size() / 2) << "JSON";
    QTest::newRow("not JSON") << QByteArray("tcp:10.1.0.7\n") << "JSON";
    QTest::newRow("empty file") << QByteArray() << "JSON";
    QTest::newRow("an array") << QByteArray("[]") << "printers";
    QTest::newRow("another version") << QByteArray(good).replace("\"version\":1", "\"version\":2") << "2";
    QTest::newRow("no version") << QByteArray(good).replace("\"version\":1,", "") << "1";
    QTest::newRow("bad MAC address") << QByteArray(good).replace("00:11:22:33:44:0a", "00:11:22:33:44") << "00:11:22:33:44";
    QTest::newRow("bad address") << QByteArray(good).replace("10.1.0.7", "10.1.0.700") << "10.1.0.700";
    QTest::newRow("bad time") << QByteArray(good).replace("2024-05-01T08:00:00Z\",\"lastSeen", "yesterday\",\"lastSeen")
                              << "1";
    QByteArray twice = good;
    twice.replace("}]}", "},{\"mac\":\"00:11:22:33:44:0a\",\"address\":\"10.1.0.8\",\"firstSeen\":"
                         "\"2024-05-01T08:00:00Z\",\"lastSeen\":\"2024-05-01T08:00:00Z\"}]}");
    QTest::newRow("one MAC address twice") << twice << "00:11:22:33:44:0a";
    QTest::newRow("a printer that is no object") << QByteArray(R"({"version":1,"printers":[7]})") << "1";
}

void FleetInventoryTest::damagedFileIsRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    PrinterInventory inventory;
    inventory.entries.append(entry(MacB, "10.1.0.1"));
    QString error;
    QVERIFY(!PrinterInventory::parse(bytes, &inventory, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(inventory.entries.size(), 1); // untouched

    // Read from a file: the message names it and says it stays as it is.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("inventory.json"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    QVERIFY(!PrinterInventory::read(path, &inventory, &error));
    QVERIFY2(error.contains(path), qPrintable(error));
}

void FleetInventoryTest::writtenFileReadsBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("inventory.json"));
    PrinterInventory missing;
    QString error;
    QVERIFY2(PrinterInventory::read(path, &missing, &error), qPrintable(error)); // no file yet: empty
    QVERIFY(missing.entries.isEmpty());

    PrinterInventory inventory;
    inventory.entries = {entry(MacA, "10.1.0.7"), entry(MacB, "10.1.0.8", false)};
    inventory.entries[0].netbiosName = QStringLiteral("TILL-1");
    QVERIFY2(inventory.write(path, &error), qPrintable(error));
    PrinterInventory again;
    QVERIFY2(PrinterInventory::read(path, &again, &error), qPrintable(error));
    QCOMPARE(again.entries.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const PrinterInventory::Entry &a = inventory.entries.at(i);
        const PrinterInventory::Entry &b = again.entries.at(i);
        QCOMPARE(b.mac, a.mac);
        QCOMPARE(b.address, a.address);
        QCOMPARE(b.model, a.model);
        QCOMPARE(b.netbiosName, a.netbiosName);
        QCOMPARE(b.firstSeen, a.firstSeen);
        QCOMPARE(b.lastSeen, a.lastSeen);
        QCOMPARE(b.present, a.present);
    }
}

void FleetInventoryTest::largeInventoryReadsBack()
{
    // 70,000 printers: more than fit the read limit when written indented.
    constexpr int Count = 70000;
    PrinterInventory inventory;
    for (int i = 0; i < Count; ++i) {
        const QByteArray mac = QByteArray::fromHex(QByteArray::number(0x020000000000LL + i, 16));
        inventory.entries.append(entry(QString::fromLatin1(mac.toHex(':')),
                                       QStringLiteral("10.%1.%2.%3").arg(i >> 16).arg((i >> 8) & 0xff).arg(i & 0xff)));
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("inventory.json"));
    QString error;
    QVERIFY2(inventory.write(path, &error), qPrintable(error));
    PrinterInventory again;
    QVERIFY2(PrinterInventory::read(path, &again, &error), qPrintable(error));
    QCOMPARE(again.entries.size(), Count);
    QCOMPARE(again.entries.last().mac, inventory.entries.last().mac);
    QCOMPARE(again.entries.last().address, inventory.entries.last().address);
}

void FleetInventoryTest::inventoryTooLargeToReadBackIsNotWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("inventory.json"));
    PrinterInventory small;
    small.entries = {entry(MacA, "10.1.0.7")};
    QString error;
    QVERIFY2(small.write(path, &error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();

    // Models as long as a web page may make them, until the file would pass the limit.
    PrinterInventory large;
    const QString model(64 * 1024, QLatin1Char('M'));
    for (int i = 0; i * model.size() <= PrinterInventory::MaxFileBytes; ++i) {
        const QByteArray mac = QByteArray::fromHex(QByteArray::number(0x020000000000LL + i, 16));
        PrinterInventory::Entry e = entry(QString::fromLatin1(mac.toHex(':')), QStringLiteral("10.2.0.%1").arg(i % 250));
        e.model = model;
        large.entries.append(e);
    }
    QVERIFY(!large.write(path, &error));
    QVERIFY2(error.contains(path) && error.contains(QStringLiteral("16 MiB")), qPrintable(error));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
}

QTEST_GUILESS_MAIN(FleetInventoryTest)
#include "tst_fleet_inventory.moc"
