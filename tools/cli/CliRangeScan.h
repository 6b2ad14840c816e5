#pragma once

#include "fleet/AddressRange.h"
#include "fleet/RangeScanner.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <functional>

class CliCommandLine;

// The search of address ranges behind quillmark scan --range and quillmark
// inventory: their options (--range, several allowed; --connect-timeout;
// --max-open) and the search itself, whose printers are handed on as soon as
// each is identified.
class CliRangeScan
{
    Q_DECLARE_TR_FUNCTIONS(CliRangeScan)
public:
    // Descriptors a probed host may hold at once: its connection, then its
    // page fetch and its NetBIOS query.
    static constexpr int DescriptorsPerHost = 3;
    static constexpr int ReservedDescriptors = 64;

    static void addOptions(CliCommandLine *line);
    // Reads the options; false with a message.
    bool configure(const CliCommandLine &line, int defaultConnectMs, QString *error);

    const QList<AddressRange> &ranges() const { return m_ranges; }
    // The hosts of all ranges, each once.
    QStringList hosts() const;

    // Searches; found is called for each printer as it is identified.
    // Returns the exit status: ExitOk once every host has been probed; when
    // SIGINT or SIGTERM stops the search first, it says so on standard error
    // and gives the status of that signal (130 after Ctrl-C).
    int run(const std::function<void(const RangeScanner::Printer &)> &found);

    static QJsonObject json(const RangeScanner::Printer &printer);
    // Address, MAC address and model separated by tabs, as the segment search prints them.
    static QString line(const RangeScanner::Printer &printer);

private:
    QList<AddressRange> m_ranges;
    RangeScanner::Settings m_settings;
};
