#pragma once

#include "transport/tcp/ScanWorker.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QString>
#include <QStringList>

#include <memory>

class HostIdentifier;
class MacAddressLookup;

// Searches any number of addresses (the hosts of AddressRanges) for the
// maker's printers, identified as the LAN search identifies them: the print
// port answers, the model comes from the web page (else the NetBIOS name),
// and only the family's models count. Every printer is also asked for its
// NetBIOS name table; its unit id gives the MAC address where the neighbour
// table has none (a printer behind a router, or one served by this machine),
// as in every other search.
//
// The hosts are probed concurrently, at most maxAtOnce of them at a time
// (each holds one connection, and a printer also its page fetch and a UDP
// query), so a large range neither runs out of file descriptors nor floods
// the network. A silent host costs its connect limit in one of these places,
// a printer its identification. Printers are reported as soon as they are
// identified. The hosts whose connect limit has passed give up together, a
// batch at a time after one look at all their sockets (as a LAN search pass
// ends its waits), rather than each with a look of its own. Runs in the event
// loop of the thread that owns it.
class RangeScanner : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultMaxAtOnce = 1024;
    static constexpr int MaxMaxAtOnce = 16384;
    // Hosts whose limit ends within this much of the first give up with it.
    static constexpr int DeadlineBatchMs = 10;

    struct Settings
    {
        quint16 printPort = ScanWorker::PrintPort;
        int connectTimeoutMs = ScanWorker::ProbeConnectTimeoutMs;
        int maxAtOnce = DefaultMaxAtOnce;
    };

    struct Printer
    {
        QString ip;
        QString mac; // aa:bb:cc:dd:ee:ff, empty when neither source named one
        QString model;
        QString netbiosName;
    };

    explicit RangeScanner(const Settings &settings, QObject *parent = nullptr);
    // For tests: where MAC addresses come from.
    RangeScanner(const Settings &settings, std::unique_ptr<MacAddressLookup> macLookup, QObject *parent = nullptr);
    ~RangeScanner() override;

    // Probes the addresses; finished() follows, never from inside start().
    void start(const QStringList &addresses);
    bool isFinished() const { return m_finished; }
    int probedCount() const { return m_probed; }
    // The most hosts that were probed at the same time.
    int mostAtOnce() const { return m_mostAtOnce; }

signals:
    void printerFound(const RangeScanner::Printer &printer);
    void finished();

private:
    void startMore();
    void onHostFinished(HostIdentifier *host);
    void endDueConnectWaits();
    void armDeadline();
    // Finished hosts go once no batch of them is being ended: the end of a
    // batch runs the event loop, in which a host that was let go must not
    // disappear.
    void deleteRetired();

    struct Waiting
    {
        qint64 deadline; // on m_clock
        QPointer<HostIdentifier> host;
    };

    Settings m_settings;
    std::unique_ptr<MacAddressLookup> m_macLookup;
    QStringList m_waiting;
    int m_next = 0;
    QList<HostIdentifier *> m_running;
    QList<Waiting> m_connecting; // in start order, so by deadline
    QElapsedTimer m_clock;
    QTimer m_deadline;
    QList<HostIdentifier *> m_retired;
    bool m_inBatch = false;
    int m_probed = 0;
    int m_mostAtOnce = 0;
    bool m_finished = false;
};

Q_DECLARE_METATYPE(RangeScanner::Printer)
