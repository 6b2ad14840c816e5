#include "fleet/RangeScanner.h"

#include "platform/LinuxNeighbourTable.h"
#include "transport/tcp/HostIdentifier.h"

#include <QTimer>

RangeScanner::RangeScanner(const Settings &settings, QObject *parent)
    : RangeScanner(settings, std::make_unique<LinuxNeighbourTable>(), parent)
{
}

RangeScanner::RangeScanner(const Settings &settings, std::unique_ptr<MacAddressLookup> macLookup, QObject *parent)
    : QObject(parent), m_settings(settings), m_macLookup(std::move(macLookup))
{
    qRegisterMetaType<RangeScanner::Printer>();
    if (m_settings.maxAtOnce < 1)
        m_settings.maxAtOnce = 1;
    m_clock.start();
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &RangeScanner::endDueConnectWaits);
}

RangeScanner::~RangeScanner()
{
    for (HostIdentifier *host : qAsConst(m_running)) {
        host->abort();
        delete host;
    }
    qDeleteAll(m_retired);
}

void RangeScanner::deleteRetired()
{
    if (m_inBatch)
        return;
    qDeleteAll(m_retired);
    m_retired.clear();
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
    // A single test: no log line per address. Connects are ended here, in
    // batches.
    HostIdentifier::Settings settings =
        ScanWorker::hostSettings(HostIdentifier::Stage::SingleTest, m_settings.printPort, 0);
    settings.netbiosAlongside = true;
    while (m_running.size() < m_settings.maxAtOnce && m_next < m_waiting.size()) {
        auto *host = new HostIdentifier(m_waiting.at(m_next++), settings, m_macLookup.get(), this);
        connect(host, &HostIdentifier::finished, this, [this, host] { onHostFinished(host); });
        m_running.append(host);
        m_mostAtOnce = qMax(m_mostAtOnce, m_running.size());
        m_connecting.append({m_clock.elapsed() + m_settings.connectTimeoutMs, host});
        host->start();
    }
    armDeadline();
    if (m_running.isEmpty() && m_next >= m_waiting.size() && !m_finished) {
        m_finished = true;
        emit finished();
    }
}

void RangeScanner::armDeadline()
{
    // Hosts connected or refused meanwhile no longer wait.
    while (!m_connecting.isEmpty()
           && (!m_connecting.first().host || m_connecting.first().host->portOpen() || m_connecting.first().host->isDone()))
        m_connecting.removeFirst();
    if (m_connecting.isEmpty() || m_deadline.isActive())
        return;
    m_deadline.start(int(qMax<qint64>(0, m_connecting.first().deadline - m_clock.elapsed())));
}

void RangeScanner::endDueConnectWaits()
{
    if (m_inBatch)
        return; // armed again once the running batch is done
    const qint64 due = m_clock.elapsed() + DeadlineBatchMs;
    std::vector<HostIdentifier *> batch;
    while (!m_connecting.isEmpty() && m_connecting.first().deadline <= due) {
        const Waiting w = m_connecting.takeFirst();
        if (w.host && !w.host->portOpen() && !w.host->isDone())
            batch.push_back(w.host);
    }
    // Finished hosts start others, which queue behind these.
    if (!batch.empty()) {
        m_inBatch = true;
        HostIdentifier::endConnectWaits(batch);
        m_inBatch = false;
    }
    deleteRetired();
    armDeadline();
}

void RangeScanner::onHostFinished(HostIdentifier *host)
{
    m_running.removeOne(host);
    ++m_probed;
    if (host->portOpen() && host->model().contains(QLatin1String(ScanWorker::FamilyMarker)))
        emit printerFound(Printer{host->ip(), host->mac(), host->model(), host->netbiosName()});
    if (m_retired.isEmpty())
        QTimer::singleShot(0, this, &RangeScanner::deleteRetired);
    m_retired.append(host);
    startMore();
}
