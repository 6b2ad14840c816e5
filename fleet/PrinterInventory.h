#pragma once

#include "fleet/AddressRange.h"
#include "fleet/PrinterTarget.h"
#include "fleet/RangeScanner.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

// The network printers of an estate, kept by MAC address, so that a printer
// is known again after DHCP gave it another address. Each search of address
// ranges updates it and tells what changed: printers that appeared, moved to
// another address, or vanished from the ranges searched (a printer outside
// them is left as it was). Vanished printers stay, with the time they were
// last seen. Stored as compact JSON (here spread over lines):
//
//   {"version": 1, "printers": [{"mac": "00:11:22:33:44:55", "address": "10.1.0.20",
//     "model": "KVZ-L7N", "netbios": "KVZ-L7N", "firstSeen": "2024-05-01T08:00:00Z",
//     "lastSeen": "2024-05-02T08:00:00Z", "present": true}, ...]}
class PrinterInventory
{
    Q_DECLARE_TR_FUNCTIONS(PrinterInventory)
public:
    static constexpr int FormatVersion = 1;
    static constexpr int MaxFileBytes = 16 * 1024 * 1024;

    struct Entry
    {
        QString mac; // aa:bb:cc:dd:ee:ff
        QString address;
        QString model;
        QString netbiosName;
        QDateTime firstSeen; // UTC
        QDateTime lastSeen;
        bool present = true; // false once it vanished from a search of its range
    };

    struct Change
    {
        enum class Kind { Appeared, Moved, Vanished };
        Kind kind = Kind::Appeared;
        QString mac;
        QString from; // moved and vanished: the address before
        QString to;   // appeared and moved: the address now
        QString model;

        // "moved 00:11:22:33:44:55 10.1.0.20 -> 10.1.0.87",
        // "appeared 00:11:22:33:44:55 10.1.0.20 KVZ-L7N", "vanished 00:11:22:33:44:55 10.1.0.20".
        QString text() const;
        QJsonObject json() const;
    };

    // A search's printers as update() saw them: one that gave no MAC address
    // cannot be kept, one whose MAC address answered twice is kept once.
    struct Skipped
    {
        RangeScanner::Printer printer;
        QString message;
    };

    QList<Entry> entries; // ordered by MAC address

    // False with a message when the bytes are no inventory of this format.
    static bool parse(const QByteArray &bytes, PrinterInventory *inventory, QString *error);
    // A missing file is an empty inventory; false with a message when the
    // file cannot be read or is damaged.
    static bool read(const QString &path, PrinterInventory *inventory, QString *error);
    // Compact JSON, one line.
    QByteArray toJson() const;
    // Whole or not at all (AtomicFileWriter); an inventory that would not
    // read back (over MaxFileBytes) is not written: false with a message, and
    // the file stays as it was.
    bool write(const QString &path, QString *error) const;

    const Entry *find(const QString &mac) const;

    // Takes the printers a search of ranges found at the time now; returns
    // the changes in the order appeared, moved, vanished (each by address).
    QList<Change> update(const QList<RangeScanner::Printer> &found, const QList<AddressRange> &ranges,
                         const QDateTime &now, QList<Skipped> *skipped = nullptr);

    // A targets file for the exporter that follows the printers: the lines of
    // existing in their order, each line's labels going with the printer (by
    // MAC address) that was at its address in the inventory before the search
    // (a line of a printer that moved is rewritten to its new address), then a
    // line for every printer of the inventory that has none yet (ordered by
    // address). Where several lines come to name one address, the line of the
    // printer found there stays; another printer's labels never go to it.
    // Lines of other transports and of addresses no known printer had stay.
    QList<PrinterTarget> targets(const QList<PrinterTarget> &existing, const PrinterInventory &before) const;

    static bool isMac(const QString &text);
};
