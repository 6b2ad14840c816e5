#include "platform/LinuxNeighbourTable.h"

#include <QFile>

namespace {

// ATF_COM: the kernel has resolved the entry.
constexpr unsigned ArpFlagComplete = 0x2;
// Columns of /proc/net/arp: IP address, HW type, Flags, HW address, Mask, Device.
constexpr int ArpColumnAddress = 0;
constexpr int ArpColumnFlags = 2;
constexpr int ArpColumnHardware = 3;
constexpr int ArpMinColumns = 4;
constexpr qint64 ArpTableMaxBytes = 4 * 1024 * 1024;
const QString ZeroMac = QStringLiteral("00:00:00:00:00:00");

} // namespace

LinuxNeighbourTable::LinuxNeighbourTable(const QString &arpPath) : m_arpPath(arpPath) {}

QString LinuxNeighbourTable::macAddress(const QString &ip, QString *entry) const
{
    if (entry)
        entry->clear();
    QFile file(m_arpPath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // Files under /proc report size 0: read until the end.
    return macFromArpTable(file.read(ArpTableMaxBytes), ip, entry);
}

QString LinuxNeighbourTable::macFromArpTable(const QByteArray &table, const QString &ip, QString *entry)
{
    if (entry)
        entry->clear();
    const QString wanted = ip.trimmed();
    if (wanted.isEmpty())
        return QString();
    const QList<QByteArray> lines = table.split('\n');
    for (int i = 1; i < lines.size(); ++i) { // line 0 is the heading
        const QString line = QString::fromLatin1(lines.at(i)).trimmed();
        const QStringList cols = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (cols.size() < ArpMinColumns || cols.at(ArpColumnAddress) != wanted)
            continue;
        bool ok = false;
        const unsigned flags = cols.at(ArpColumnFlags).toUInt(&ok, 16);
        const QString mac = cols.at(ArpColumnHardware).toLower();
        if (!ok || !(flags & ArpFlagComplete) || mac == ZeroMac)
            continue;
        if (entry)
            *entry = line;
        return mac;
    }
    return QString();
}
