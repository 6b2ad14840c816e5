#pragma once

#include "fleet/PrinterTarget.h"
#include "fleet/StatusPoller.h"

#include <prometheus/collectable.h>
#include <prometheus/metric_family.h>

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace prometheus {
class Counter;
class Gauge;
template <typename T> class Family;
class Registry;
} // namespace prometheus

// The printers' series for Prometheus, in a registry of the Prometheus C++
// client, one series per printer with the labels of its target line and
// target="tcp:10.1.2.3":
//   quillmark_printer_up                          answered the last poll
//   quillmark_printer_online                      reports itself online
//   quillmark_printer_paper_state{state}          ok, near_end, out: 1 for the current one
//   quillmark_printer_cover_open, _drawer_open
//   quillmark_printer_error{kind}                 cutter, unrecoverable, auto_recoverable, mechanical
//   quillmark_printer_status_rtt_seconds          longest round trip of the last poll
//   quillmark_printer_last_seen_timestamp_seconds last complete answer
//   quillmark_printer_info{model, mac, transport} 1
// and quillmark_exporter_poll_duration_seconds, quillmark_exporter_targets,
// quillmark_exporter_poll_rounds_total,
// quillmark_exporter_targets_last_reload_successful and
// quillmark_exporter_targets_last_reload_success_timestamp_seconds. What a
// printer reports (online, paper, cover, drawer, errors, round trip) is there
// while it answers and gone while it does not; up, info and last seen stay. A
// printer whose labels change keeps what it reported under its new labels.
// Any thread may record; a scrape reads what was recorded last and never
// waits on a printer.
//
// Scrapes collect through this object, not the registry: it keeps the
// registry's last collection and collects again only after something was
// recorded. The registry's own collection of a thousand printers takes ten
// times as long as handing out a copy of the kept one, and a scrape comes far
// more often than the series change.
class PrinterMetrics : public prometheus::Collectable
{
    Q_DECLARE_TR_FUNCTIONS(PrinterMetrics)
public:
    // What a poll changed for a printer, for the log.
    struct Change
    {
        bool known = false;   // a printer of the list
        bool first = false;   // its first poll
        bool wasUp = false;
        bool isUp = false;
        bool errorChanged = false;      // not answering, for another reason than before
        bool conditionsChanged = false; // answering, with other conditions than before
        QString conditions;             // "paper=out cover_open" or "ok"
    };

    PrinterMetrics();
    ~PrinterMetrics() override;
    PrinterMetrics(const PrinterMetrics &) = delete;
    PrinterMetrics &operator=(const PrinterMetrics &) = delete;

    std::shared_ptr<prometheus::Registry> registry() const { return m_registry; }

    // The printers from now on: new ones start with up 0 and an info series,
    // gone ones lose all their series, ones whose labels changed carry their
    // series over to the new labels.
    void setTargets(const QList<PrinterTarget> &targets);
    // Model and MAC address learnt for a printer (info's labels).
    void setIdentity(const QString &identity, const QString &model, const QString &mac);

    Change record(const StatusPoller::Result &result);
    void recordRound(double seconds);
    // A reading of the targets file: taken into use, or refused (the printers
    // stay as they were); atMs is the wall clock in milliseconds.
    void recordReload(bool successful, qint64 atMs);

    // The series as a scrape sees them (any thread).
    std::vector<prometheus::MetricFamily> Collect() const override;
    // Collects now what was recorded, so that the next scrape need not (the
    // poller's thread calls it when a round is over).
    void refresh() const;

    // The conditions of a reply in the words of the series:
    // "offline paper=near_end cover_open drawer_open error=cutter", or "ok".
    static QString conditionsText(const StatusReply &reply);

private:
    struct Printer;

    Printer &addPrinter(const PrinterTarget &target);
    // The series of a printer whose labels changed, with their values.
    void carryOver(const Printer &from, Printer &to);
    void removePrinter(Printer &printer);
    void addStatusSeries(Printer &printer);
    void removeStatusSeries(Printer &printer);
    void setInfo(Printer &printer);

    std::shared_ptr<prometheus::Registry> m_registry;
    prometheus::Family<prometheus::Gauge> *m_up;
    prometheus::Family<prometheus::Gauge> *m_online;
    prometheus::Family<prometheus::Gauge> *m_paper;
    prometheus::Family<prometheus::Gauge> *m_cover;
    prometheus::Family<prometheus::Gauge> *m_drawer;
    prometheus::Family<prometheus::Gauge> *m_error;
    prometheus::Family<prometheus::Gauge> *m_rtt;
    prometheus::Family<prometheus::Gauge> *m_lastSeen;
    prometheus::Family<prometheus::Gauge> *m_info;
    prometheus::Gauge *m_pollDuration;
    prometheus::Gauge *m_targets;
    prometheus::Counter *m_rounds;
    prometheus::Gauge *m_reloadSuccessful;
    prometheus::Gauge *m_reloadTime;

    std::mutex m_mutex; // guards m_printers and the series they hold
    QHash<QString, std::shared_ptr<Printer>> m_printers; // by identity

    mutable std::mutex m_snapshotMutex; // guards m_snapshot
    mutable std::vector<prometheus::MetricFamily> m_snapshot;
    mutable std::atomic<bool> m_changed{true}; // since m_snapshot was collected
};
