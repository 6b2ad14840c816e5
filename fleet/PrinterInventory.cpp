#include "fleet/PrinterInventory.h"

#include "platform/AtomicFileWriter.h"
#include "text/DottedQuad.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

const QString KeyVersion = QStringLiteral("version");
const QString KeyPrinters = QStringLiteral("printers");
const QString KeyMac = QStringLiteral("mac");
const QString KeyAddress = QStringLiteral("address");
const QString KeyModel = QStringLiteral("model");
const QString KeyNetbios = QStringLiteral("netbios");
const QString KeyFirstSeen = QStringLiteral("firstSeen");
const QString KeyLastSeen = QStringLiteral("lastSeen");
const QString KeyPresent = QStringLiteral("present");

quint32 addressValue(const QString &ip)
{
    bool ok = false;
    const quint32 v = DottedQuad::toIPv4(ip, &ok);
    return ok ? v : 0;
}

bool byAddress(const QString &a, const QString &b)
{
    return addressValue(a) < addressValue(b);
}

QString timeText(const QDateTime &t)
{
    return t.toUTC().toString(Qt::ISODate);
}

} // namespace

bool PrinterInventory::isMac(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^[0-9a-f]{2}(:[0-9a-f]{2}){5}$"));
    return re.match(text).hasMatch();
}

QString PrinterInventory::Change::text() const
{
    switch (kind) {
    case Kind::Appeared: return QStringLiteral("appeared %1 %2 %3").arg(mac, to, model).trimmed();
    case Kind::Moved: return QStringLiteral("moved %1 %2 -> %3").arg(mac, from, to);
    case Kind::Vanished: return QStringLiteral("vanished %1 %2").arg(mac, from);
    }
    return QString();
}

QJsonObject PrinterInventory::Change::json() const
{
    static const char *const names[] = {"appeared", "moved", "vanished"};
    QJsonObject o{{QStringLiteral("change"), QLatin1String(names[int(kind)])}, {KeyMac, mac}, {KeyModel, model}};
    if (!from.isEmpty())
        o.insert(QStringLiteral("from"), from);
    if (!to.isEmpty())
        o.insert(QStringLiteral("to"), to);
    return o;
}

bool PrinterInventory::parse(const QByteArray &bytes, PrinterInventory *inventory, QString *error)
{
    QJsonParseError jsonError;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &jsonError);
    if (jsonError.error != QJsonParseError::NoError) {
        *error = tr("不是 JSON（第 %1 个字节: %2）").arg(jsonError.offset).arg(jsonError.errorString());
        return false;
    }
    const QJsonObject root = doc.object();
    if (!doc.isObject() || !root.value(KeyPrinters).isArray()) {
        *error = tr("缺少打印机列表 \"printers\"");
        return false;
    }
    if (root.value(KeyVersion).toInt(-1) != FormatVersion) {
        *error = tr("不支持的版本: %1（应为 %2）")
                     .arg(QString::fromUtf8(QJsonDocument(QJsonArray{root.value(KeyVersion)}).toJson(QJsonDocument::Compact)))
                     .arg(FormatVersion);
        return false;
    }
    PrinterInventory result;
    QSet<QString> macs;
    const QJsonArray printers = root.value(KeyPrinters).toArray();
    for (int i = 0; i < printers.size(); ++i) {
        const QJsonObject o = printers.at(i).toObject();
        auto bad = [&](const QString &why) {
            *error = tr("第 %1 台打印机: %2").arg(i + 1).arg(why);
            return false;
        };
        if (!printers.at(i).isObject())
            return bad(tr("不是 JSON 对象"));
        Entry e;
        e.mac = o.value(KeyMac).toString();
        e.address = o.value(KeyAddress).toString();
        e.model = o.value(KeyModel).toString();
        e.netbiosName = o.value(KeyNetbios).toString();
        e.firstSeen = QDateTime::fromString(o.value(KeyFirstSeen).toString(), Qt::ISODate);
        e.lastSeen = QDateTime::fromString(o.value(KeyLastSeen).toString(), Qt::ISODate);
        e.present = o.value(KeyPresent).toBool(true);
        if (!isMac(e.mac))
            return bad(tr("无效的 MAC 地址: %1").arg(e.mac));
        if (macs.contains(e.mac))
            return bad(tr("MAC 地址 %1 出现了两次").arg(e.mac));
        if (!DottedQuad::isValid(e.address))
            return bad(tr("无效的地址: %1").arg(e.address));
        if (!e.firstSeen.isValid() || !e.lastSeen.isValid())
            return bad(tr("无效的时间"));
        macs.insert(e.mac);
        result.entries.append(e);
    }
    std::sort(result.entries.begin(), result.entries.end(),
              [](const Entry &a, const Entry &b) { return a.mac < b.mac; });
    *inventory = result;
    return true;
}

bool PrinterInventory::read(const QString &path, PrinterInventory *inventory, QString *error)
{
    if (!QFileInfo::exists(path)) {
        *inventory = PrinterInventory();
        return true;
    }
    QFile f(path);
    if (QFileInfo(path).isDir() || !f.open(QIODevice::ReadOnly)) {
        *error = tr("无法读取库存文件 %1: %2").arg(path, QFileInfo(path).isDir() ? tr("是一个文件夹") : f.errorString());
        return false;
    }
    const QByteArray bytes = f.read(MaxFileBytes + 1);
    QString why;
    if (bytes.size() > MaxFileBytes)
        why = tr("太大（最多 %1 MiB）").arg(MaxFileBytes / (1024 * 1024));
    else if (parse(bytes, inventory, &why))
        return true;
    *error = tr("库存文件 %1 已损坏: %2。文件没有被改写；请修复或移走它").arg(path, why);
    return false;
}

QByteArray PrinterInventory::toJson() const
{
    QJsonArray printers;
    for (const Entry &e : entries) {
        printers.append(QJsonObject{{KeyMac, e.mac},
                                    {KeyAddress, e.address},
                                    {KeyModel, e.model},
                                    {KeyNetbios, e.netbiosName},
                                    {KeyFirstSeen, timeText(e.firstSeen)},
                                    {KeyLastSeen, timeText(e.lastSeen)},
                                    {KeyPresent, e.present}});
    }
    return QJsonDocument(QJsonObject{{KeyVersion, FormatVersion}, {KeyPrinters, printers}}).toJson(QJsonDocument::Compact);
}

bool PrinterInventory::write(const QString &path, QString *error) const
{
    const QByteArray bytes = toJson();
    QString reason;
    if (bytes.size() > MaxFileBytes)
        reason = tr("%1 台打印机的库存超过 %2 MiB，写入后无法再读回").arg(entries.size()).arg(MaxFileBytes / (1024 * 1024));
    else if (AtomicFileWriter::write(path, bytes, &reason))
        return true;
    *error = tr("无法写入库存文件 %1: %2").arg(path, reason);
    return false;
}

const PrinterInventory::Entry *PrinterInventory::find(const QString &mac) const
{
    for (const Entry &e : entries) {
        if (e.mac == mac)
            return &e;
    }
    return nullptr;
}

QList<PrinterInventory::Change> PrinterInventory::update(const QList<RangeScanner::Printer> &found,
                                                         const QList<AddressRange> &ranges, const QDateTime &now,
                                                         QList<Skipped> *skipped)
{
    QList<Change> appeared, moved, vanished;
    QHash<QString, QString> seenAt; // MAC -> address of this search
    for (const RangeScanner::Printer &p : found) {
        const QString mac = p.mac.toLower();
        if (!isMac(mac) || mac == QLatin1String("00:00:00:00:00:00")) {
            if (skipped)
                skipped->append({p, tr("%1（%2）没有告知 MAC 地址，不能记入库存").arg(p.ip, p.model)});
            continue;
        }
        if (seenAt.contains(mac)) {
            if (skipped)
                skipped->append({p, tr("MAC 地址 %1 在 %2 和 %3 上都有应答；只记录 %2").arg(mac, seenAt.value(mac), p.ip)});
            continue;
        }
        seenAt.insert(mac, p.ip);
        auto it = std::find_if(entries.begin(), entries.end(), [&](const Entry &e) { return e.mac == mac; });
        if (it == entries.end()) {
            Entry e;
            e.mac = mac;
            e.address = p.ip;
            e.firstSeen = now;
            entries.append(e);
            it = entries.end() - 1;
            appeared.append({Change::Kind::Appeared, mac, QString(), p.ip, p.model});
        } else if (it->address != p.ip) {
            moved.append({Change::Kind::Moved, mac, it->address, p.ip, p.model});
        } else if (!it->present) {
            appeared.append({Change::Kind::Appeared, mac, QString(), p.ip, p.model});
        }
        it->address = p.ip;
        it->lastSeen = now;
        it->present = true;
        if (!p.model.isEmpty())
            it->model = p.model;
        if (!p.netbiosName.isEmpty())
            it->netbiosName = p.netbiosName;
    }
    for (Entry &e : entries) {
        if (!e.present || seenAt.contains(e.mac))
            continue;
        const bool searched = std::any_of(ranges.begin(), ranges.end(),
                                          [&](const AddressRange &r) { return r.contains(e.address); });
        if (!searched)
            continue;
        e.present = false;
        vanished.append({Change::Kind::Vanished, e.mac, e.address, QString(), e.model});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.mac < b.mac; });
    auto sortTo = [](QList<Change> &list, bool useFrom) {
        std::stable_sort(list.begin(), list.end(), [useFrom](const Change &a, const Change &b) {
            return byAddress(useFrom ? a.from : a.to, useFrom ? b.from : b.to);
        });
    };
    sortTo(appeared, false);
    sortTo(moved, false);
    sortTo(vanished, true);
    return appeared + moved + vanished;
}

QList<PrinterTarget> PrinterInventory::targets(const QList<PrinterTarget> &existing, const PrinterInventory &before) const
{
    // A line was written for the printer at its address before this search;
    // its labels go wherever that printer, known by its MAC address, is now.
    QHash<QString, const Entry *> ownerBefore; // address -> the printer there before, a present one first
    for (const Entry &e : before.entries) {
        const Entry *other = ownerBefore.value(e.address);
        if (!other || (e.present && !other->present))
            ownerBefore.insert(e.address, &e);
    }
    QHash<QString, QString> addressNow; // MAC -> address
    QHash<QString, QString> presentAt;  // address -> MAC of the printer found there now
    for (const Entry &e : entries) {
        addressNow.insert(e.mac, e.address);
        if (e.present)
            presentAt.insert(e.address, e.mac);
    }

    struct Line
    {
        PrinterTarget target;
        QString mac; // empty: no printer of the inventory was at its address
    };
    QList<Line> lines;
    for (PrinterTarget t : existing) {
        Line line;
        const Entry *owner = t.transport == PrinterTarget::Transport::Tcp ? ownerBefore.value(t.address) : nullptr;
        if (owner && addressNow.contains(owner->mac)) {
            line.mac = owner->mac;
            t.address = addressNow.value(owner->mac);
        }
        t.line = 0;
        line.target = t;
        lines.append(line);
    }
    // Which line keeps an address that several lines now name: the one of the
    // printer found there, else a line of no known printer, else the first.
    auto rank = [&](const Line &line) {
        if (line.target.transport != PrinterTarget::Transport::Tcp)
            return 0;
        const QString here = presentAt.value(line.target.address);
        if (!line.mac.isEmpty() && line.mac == here)
            return 0;
        if (line.mac.isEmpty())
            return 1;
        return here.isEmpty() ? 2 : 3; // another printer's labels never go to the one found here
    };
    QHash<QString, int> chosen; // identity -> index into lines
    for (int i = 0; i < lines.size(); ++i) {
        const QString identity = lines.at(i).target.identity();
        const int r = rank(lines.at(i));
        if (r == 3)
            continue;
        const auto it = chosen.constFind(identity);
        if (it == chosen.constEnd() || r < rank(lines.at(it.value())))
            chosen.insert(identity, i);
    }
    QList<PrinterTarget> out;
    QSet<QString> emitted;
    for (int i = 0; i < lines.size(); ++i) {
        const QString identity = lines.at(i).target.identity();
        if (chosen.value(identity, -1) != i)
            continue;
        emitted.insert(identity);
        out.append(lines.at(i).target);
    }
    QStringList addresses;
    for (const Entry &e : entries)
        addresses.append(e.address);
    std::sort(addresses.begin(), addresses.end(), byAddress);
    for (const QString &address : qAsConst(addresses)) {
        PrinterTarget t;
        t.transport = PrinterTarget::Transport::Tcp;
        t.address = address;
        if (emitted.contains(t.identity()))
            continue;
        emitted.insert(t.identity());
        out.append(t);
    }
    return out;
}
