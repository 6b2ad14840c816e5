#include "platform/LinuxNeighbourTable.h"

#include <QFile>
#include <QHostAddress>
#include <QNetworkInterface>

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

LinuxNeighbourTable::LinuxNeighbourTable(const QString &arpPath, OwnAddresses own) : m_arpPath(arpPath), m_own(own) {}

QString LinuxNeighbourTable::macAddress(const QString &ip, QString *entry) const
{
    if (entry)
        entry->clear();
    const QString own = macOfLocalAddress(systemInterfaces(), ip);
    if (!own.isEmpty() && m_own == OwnAddresses::Nothing)
        return QString();
    if (!own.isEmpty()) {
        if (entry)
            *entry = ip + QLatin1Char(' ') + own;
        return own;
    }
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

QString LinuxNeighbourTable::macOfLocalAddress(const QList<LocalInterface> &interfaces, const QString &ip)
{
    const QHostAddress address(ip.trimmed());
    if (address.protocol() != QAbstractSocket::IPv4Protocol)
        return QString();
    const QString text = address.toString();
    for (const LocalInterface &iface : interfaces) {
        if (iface.addresses.contains(text))
            return iface.hardwareAddress.toLower();
    }
    if (address.isLoopback()) {
        for (const LocalInterface &iface : interfaces) {
            if (iface.loopback)
                return iface.hardwareAddress.isEmpty() ? ZeroMac : iface.hardwareAddress.toLower();
        }
    }
    return QString();
}

QList<LinuxNeighbourTable::LocalInterface> LinuxNeighbourTable::systemInterfaces()
{
    QList<LocalInterface> result;
    const QList<QNetworkInterface> all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &ni : all) {
        LocalInterface iface;
        iface.hardwareAddress = ni.hardwareAddress();
        iface.loopback = ni.flags().testFlag(QNetworkInterface::IsLoopBack);
        if (iface.loopback && iface.hardwareAddress.isEmpty())
            iface.hardwareAddress = ZeroMac;
        for (const QNetworkAddressEntry &e : ni.addressEntries()) {
            if (e.ip().protocol() == QAbstractSocket::IPv4Protocol)
                iface.addresses.append(e.ip().toString());
        }
        result.append(iface);
    }
    return result;
}
