#pragma once

#include <condition_variable>
#include <mutex>

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

// The printer's event log: one JSON object per line. Every entry carries
//   "seq"    running number from 1,
//   "time"   ISO 8601 local time with milliseconds,
//   "kind"   "command" (a decoded command), "text" (printable characters),
//            "event" (something the printer did or was told: buzzer, drawer
//            pulse, lamp colour, setting written, page written, client
//            connected, form recorded, ...), "unknown" (bytes no command
//            starts with), "malformed" (a command with impossible parameters),
//            "truncated" (a command cut off by the end of its stream),
//            "oversized" (a command whose length is beyond the printer's limits),
//   "name"   a stable snake_case name ("initialize", "status_request", "buzzer"),
//   "source" the link it came over ("tcp", "serial", "usb", "http", "netbios",
//            "control"),
// and, for commands, "code" (the mnemonic such as "ESC @"), "hex" (the bytes,
// capped) and "params" (an object of the decoded parameters).
// Event names: buzzer_beep, alarm, drawer_kick, lamp_colour, setting_written,
// settings_read, settings_reset, network_changed, self_test_printed,
// upgrade_mode_entered, paper_cut, page (file, width, height), print_error,
// client_connected, client_queued, client_disconnected, http_request,
// http_refused (a connection over the web server's limit), http_timeout (a
// request not complete in time), network_form (body, fields, order),
// netbios_query, usb_unplugged,
// usb_plugged, state_set, started, power_off, power_on.
// Thread-safe; entries are kept in memory (capped) and appended to a file.
class VpEventLog : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxEntriesInMemory = 200000;

    explicit VpEventLog(QObject *parent = nullptr);
    ~VpEventLog() override;

    // How many entries stay in memory (the oldest go first); 0 keeps none,
    // as a fleet of printers does.
    void setMaxEntries(int count);

    // Appends to filePath from now on; false when it cannot be opened.
    bool openFile(const QString &filePath);
    void closeFile();

    // Adds seq and time and records the entry; returns its seq.
    qint64 append(QJsonObject entry);

    QList<QJsonObject> entries() const;
    QList<QJsonObject> entriesNamed(const QString &name) const;
    QList<QJsonObject> entriesSince(qint64 seq) const;
    qint64 lastSeq() const;
    void clear();

    // Blocks the calling thread until an entry with this name and seq > afterSeq
    // exists, or until timeoutMs passes. Returns the entry or an empty object.
    QJsonObject waitFor(const QString &name, int timeoutMs, qint64 afterSeq = 0) const;

signals:
    void entryAdded(const QJsonObject &entry);

private:
    // std::mutex and std::condition_variable rather than Qt's: ThreadSanitizer
    // sees their ordering (Debian's QMutex is futex-based and invisible to it).
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_added;
    QList<QJsonObject> m_entries;
    qint64 m_seq = 0;
    int m_maxEntries = MaxEntriesInMemory;
    QFile m_file;
};
