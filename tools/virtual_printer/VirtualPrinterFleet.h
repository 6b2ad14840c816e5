#pragma once

#include "VirtualPrinter.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>
#include <vector>

class QThread;

// Many virtual printers in one process, one per loopback address, for trying
// and measuring tools that watch a whole estate of printers. Every printer
// has its own state, event log and raw port (and a web page and NetBIOS
// responder when the options ask for them); they share a few threads (one
// per core, at most MaxThreads) and keep only a little history, so a thousand
// cost a few tens of MiB.
//
//   QStringList addresses;
//   VirtualPrinterFleet::parseAddresses("127.0.10.0/24", &addresses, &error);
//   VirtualPrinterFleet fleet(options, addresses); // options.address is ignored
//   fleet.start(&failures);
//   fleet.control("printer 127.0.10.7 set paper_out on");
//   fleet.control("printer 127.0.10.9 off");
class VirtualPrinterFleet
{
public:
    // What a fleet printer keeps in memory.
    static constexpr int EventsInMemory = 64;
    static constexpr int ReceivedBytesInMemory = 4096;
    static constexpr int MaxPrinters = 65536;
    static constexpr int MaxThreads = 4;

    // The addresses of "NET/PREFIX" (the hosts of the network: without its
    // first and last address for prefixes up to 30), "FIRST-LAST" or
    // "FIRST+COUNT" (COUNT addresses from FIRST on). IPv4 on loopback only.
    static bool parseAddresses(const QString &range, QStringList *addresses, QString *error);

    VirtualPrinterFleet(const VirtualPrinterOptions &options, const QStringList &addresses);
    ~VirtualPrinterFleet();
    VirtualPrinterFleet(const VirtualPrinterFleet &) = delete;
    VirtualPrinterFleet &operator=(const VirtualPrinterFleet &) = delete;

    // Starts every printer; failures holds the service lines of those that
    // could not bind. False when none could.
    bool start(QStringList *failures);
    void stop();

    int size() const { return int(m_printers.size()); }
    QStringList addresses() const { return m_addresses; }
    // Null for an address outside the fleet.
    VirtualPrinter *printer(const QString &address) const;

    // "printer ADDRESS COMMAND..." runs a printer's control command (see
    // VirtualPrinter::controlHelp); "list" gives the addresses and which are
    // switched off; "help" and "quit" as for one printer.
    QString control(const QString &line);
    static QString controlHelp();

private:
    VirtualPrinterOptions m_options;
    QStringList m_addresses;
    std::vector<QThread *> m_threads;
    std::shared_ptr<std::mutex> m_quitFence = std::make_shared<std::mutex>();
    std::vector<std::unique_ptr<VirtualPrinter>> m_printers;
    QHash<QString, VirtualPrinter *> m_byAddress;
};
