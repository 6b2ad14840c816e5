#pragma once

#include <QString>

// Finds the hardware (MAC) address of a host on the local network, as the
// system's neighbour table knows it.
class MacAddressLookup
{
public:
    virtual ~MacAddressLookup() = default;

    // The MAC address text of ip, empty when the table has no complete entry.
    // entry, when given, receives the table text the answer was read from
    // (empty when there was none).
    virtual QString macAddress(const QString &ip, QString *entry = nullptr) const = 0;
};
