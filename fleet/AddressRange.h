#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// An IPv4 network to search, written NETWORK/PREFIX (10.1.0.0/22), with a
// prefix from /16 (65534 hosts) to /32 (one address). Its hosts are the
// addresses between the network's own address and its broadcast address;
// a /31 and a /32 have no such pair, so every address counts.
class AddressRange
{
    Q_DECLARE_TR_FUNCTIONS(AddressRange)
public:
    static constexpr int MinPrefix = 16;
    static constexpr int MaxPrefix = 32;

    // False with a message for anything else, also for an address with bits
    // set beyond the prefix (10.1.0.5/22: the message names 10.1.0.0/22).
    static bool parse(const QString &text, AddressRange *range, QString *error);

    int prefix() const { return m_prefix; }
    quint32 network() const { return m_network; }
    quint32 firstHost() const;
    quint32 lastHost() const;
    int hostCount() const { return int(lastHost() - firstHost() + 1); }
    bool contains(const QString &ip) const;
    // The host addresses in ascending order, as dotted text.
    QStringList hosts() const;
    // As written back: "10.1.0.0/22".
    QString text() const;

    static QString dotted(quint32 address);

private:
    quint32 mask() const;

    quint32 m_network = 0;
    int m_prefix = MaxPrefix;
};
