#pragma once

#include "platform/DevInfo.h"
#include "transport/tcp/HostIdentifier.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <mutex>

class MacAddressLookup;

// Finds the maker's network printers on one IPv4 segment and identifies them.
// Lives on the TCP manager's scan thread; requests (search, single-address
// test, segment change) run one at a time in the order they arrive.
class ScanWorker : public QObject
{
    Q_OBJECT
public:
    static constexpr quint16 PrintPort = 9100;
    static constexpr int FirstHost = 1;
    static constexpr int LastHost = 254;
    static constexpr int HostCount = LastHost - FirstHost + 1;
    // All hosts of a pass are probed at once; a printer that takes longer than
    // this to accept is missed.
    static constexpr int ProbeConnectTimeoutMs = 300;
    static constexpr int TestConnectTimeoutMs = 2000;
    static constexpr int FirstPassFetchLimitMs = 8000;
    static constexpr int SecondPassFetchLimitMs = 3000;
    static constexpr int RawRequestLimitMs = 1000;
    static constexpr int RawRequestTotalLimitMs = 3000;
    static constexpr qint64 MaxPageBytes = 512 * 1024;
    static constexpr int NetbiosTimeoutMs = 1000;
    static constexpr const char *FamilyMarker = "KVZ-L7";

    // The limits every identification of a host shares (page fetch as in a
    // first pass, raw fallback, page size, NetBIOS fallback); callers change
    // what differs.
    static HostIdentifier::Settings hostSettings(HostIdentifier::Stage stage, quint16 printPort,
                                                 int connectTimeoutMs);

    explicit ScanWorker(QObject *parent = nullptr);
    ~ScanWorker() override;

    Q_INVOKABLE void setTcpNetworkSegment(const QString &segment);
    QString segment() const { return m_segment; }

    // The search prefix for a segment: the text with a point appended when it
    // lacks one.
    static QString prefixOf(const QString &segment);
    static QString localPrefix(const QString &address);

    // Test hooks: where MAC addresses come from, and a scripted stand-in for a
    // whole pass (argument 1 or 2) in place of the network. Set from the
    // owner's thread while the scan thread runs.
    void setMacLookup(std::shared_ptr<MacAddressLookup> lookup);
    void setPassRunner(std::function<QList<DevInfo>(int pass)> runner);

public slots:
    void doWork();
    void testSingleDevice(const QString &ip);

signals:
    void sigSearchProgress(int progress);
    void sigAddDevList(QString ip, QString mac, QString name);
    // A printer identified while the search still runs: once per printer and
    // search, as soon as its model is known. The result of the whole search
    // still arrives afterwards as sigAddDevList and sigWorkOver.
    void sigDeviceIdentified(QString ip, QString mac, QString name);
    void sigWorkOver();
    void sigTestDeviceResult(QString ip, QString mac, QString name, bool success, QString errorMsg);

private:
    void enqueue(std::function<void()> job);
    bool interrupted() const;
    QString choosePrefix();
    void runSearch();
    void runSingleTest(const QString &ip);
    // One pass over hosts 1..254; false when the thread is being stopped.
    bool runPass(const QString &prefix, int pass, QList<DevInfo> *result);
    void announce(const DevInfo &device);
    std::shared_ptr<MacAddressLookup> macLookup() const;

    QString m_segment;
    QList<DevInfo> m_previous;
    QList<DevInfo> m_announced; // identified printers already reported in this search
    mutable std::mutex m_hooksMutex; // guards the two hooks below
    std::shared_ptr<MacAddressLookup> m_macLookup;
    std::function<QList<DevInfo>(int)> m_passRunner;
    QList<std::function<void()>> m_jobs;
    bool m_busy = false;
};
