#include "fleet/RangeScanner.h"

#include "platform/LinuxNeighbourTable.h"
#include "transport/tcp/HostIdentifier.h"

#include <QTimer>

RangeScanner::RangeScanner(const Settings &settings, QObject *parent)
    : RangeScanner(settings,
                   std::make_unique<LinuxNeighbourTable>(QString::fromLatin1(LinuxNeighbourTable::DefaultArpPath),
                                                         LinuxNeighbourTable::OwnAddresses::Nothing),
                   parent)
{
}

RangeScanner::RangeScanner(const Settings &settings, std::unique_ptr<MacAddressLookup> macLookup, QObject *parent)
    : QObject(parent), m_settings(settings), m_macLookup(std::move(macLookup))
{
    qRegisterMetaType<RangeScanner::Printer>();
    if (m_settings.maxAtOnce < 1)
        m_settings.maxAtOnce = 1;
}

RangeScanner::~RangeScanner()
{
    for (HostIdentifier *host : qAsConst(m_running)) {
        host->abort();
        delete host;
    }
}

void RangeScanner::start(const QStringList &addresses)
{
    m_waiting = addresses;
    m_next = 0;
    m_probed = 0;
    m_finished = false;
    // From the event loop, so that finished() never comes from inside start().
    QTimer::singleShot(0, this, &RangeScanner::startMore);
}

void RangeScanner::startMore()
{
    HostIdentifier::Settings settings;
    settings.stage = HostIdentifier::Stage::SingleTest; // no log line per address
    settings.printPort = m_settings.printPort;
    settings.connectTimeoutMs = m_settings.connectTimeoutMs;
    settings.fetchLimitMs = ScanWorker::FirstPassFetchLimitMs;
    settings.rawLimitMs = ScanWorker::RawRequestLimitMs;
    settings.rawTotalLimitMs = ScanWorker::RawRequestTotalLimitMs;
    settings.maxPageBytes = ScanWorker::MaxPageBytes;
    settings.netbiosFallback = true;
    settings.netbiosTimeoutMs = ScanWorker::NetbiosTimeoutMs;
    settings.netbiosAlongside = true;
    while (m_running.size() < m_settings.maxAtOnce && m_next < m_waiting.size()) {
        auto *host = new HostIdentifier(m_waiting.at(m_next++), settings, m_macLookup.get(), this);
        connect(host, &HostIdentifier::finished, this, [this, host] { onHostFinished(host); });
        m_running.append(host);
        m_mostAtOnce = qMax(m_mostAtOnce, m_running.size());
        host->start();
    }
    if (m_running.isEmpty() && m_next >= m_waiting.size() && !m_finished) {
        m_finished = true;
        emit finished();
    }
}

void RangeScanner::onHostFinished(HostIdentifier *host)
{
    m_running.removeOne(host);
    ++m_probed;
    if (host->portOpen() && host->model().contains(QLatin1String(ScanWorker::FamilyMarker)))
        emit printerFound(Printer{host->ip(), host->mac(), host->model(), host->netbiosName()});
    host->deleteLater();
    startMore();
}
