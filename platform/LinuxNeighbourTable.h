#pragma once

#include "platform/MacAddressLookup.h"

#include <QByteArray>
#include <QString>

// MAC addresses from the kernel's neighbour table (/proc/net/arp). Only
// neighbours are in it: an address of this machine itself (loopback
// included) and a host behind a router have no entry, and get no MAC
// address here.
class LinuxNeighbourTable : public MacAddressLookup
{
public:
    static constexpr const char *DefaultArpPath = "/proc/net/arp";

    explicit LinuxNeighbourTable(const QString &arpPath = QString::fromLatin1(DefaultArpPath));

    QString macAddress(const QString &ip, QString *entry = nullptr) const override;

    // The complete entry for ip in the text of /proc/net/arp: the address must
    // match exactly (10.0.0.1 does not match 10.0.0.10) and the entry must be
    // resolved (flag 0x2 set, address not all zero).
    static QString macFromArpTable(const QByteArray &table, const QString &ip, QString *entry = nullptr);

private:
    QString m_arpPath;
};
