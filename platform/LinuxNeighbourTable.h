#pragma once

#include "platform/MacAddressLookup.h"

#include <QByteArray>
#include <QList>
#include <QString>

// MAC addresses from the kernel's neighbour table (/proc/net/arp). An address
// of this machine itself is never in that table: for it the hardware address
// of the interface that carries it is given (00:00:00:00:00:00 for loopback),
// unless the table is asked for neighbours only.
class LinuxNeighbourTable : public MacAddressLookup
{
public:
    static constexpr const char *DefaultArpPath = "/proc/net/arp";

    enum class OwnAddresses { InterfaceAddress, Nothing };

    struct LocalInterface
    {
        QString hardwareAddress;
        QList<QString> addresses; // IPv4 addresses as dotted text
        bool loopback = false;
    };

    explicit LinuxNeighbourTable(const QString &arpPath = QString::fromLatin1(DefaultArpPath),
                                 OwnAddresses own = OwnAddresses::InterfaceAddress);

    QString macAddress(const QString &ip, QString *entry = nullptr) const override;

    // The complete entry for ip in the text of /proc/net/arp: the address must
    // match exactly (10.0.0.1 does not match 10.0.0.10) and the entry must be
    // resolved (flag 0x2 set, address not all zero).
    static QString macFromArpTable(const QByteArray &table, const QString &ip, QString *entry = nullptr);
    // The hardware address of the interface of this machine that owns ip;
    // any 127.x.x.x address belongs to the loopback interface. Empty otherwise.
    static QString macOfLocalAddress(const QList<LocalInterface> &interfaces, const QString &ip);
    // This machine's interfaces as the system lists them.
    static QList<LocalInterface> systemInterfaces();

private:
    QString m_arpPath;
    OwnAddresses m_own;
};
