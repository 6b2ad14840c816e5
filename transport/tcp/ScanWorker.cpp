#include "transport/tcp/ScanWorker.h"

#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "platform/LinuxNeighbourTable.h"
#include "transport/tcp/HostIdentifier.h"

#include <QDebug>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <vector>

namespace {

bool sameRecords(const DevInfo &a, const DevInfo &b)
{
    return a.ip == b.ip && a.mac == b.mac && a.name == b.name;
}

bool containsRecord(const QList<DevInfo> &list, const DevInfo &d)
{
    for (const DevInfo &e : list) {
        if (sameRecords(e, d))
            return true;
    }
    return false;
}
} // namespace

ScanWorker::ScanWorker(QObject *parent)
    : QObject(parent), m_macLookup(std::make_shared<LinuxNeighbourTable>())
{
}

ScanWorker::~ScanWorker() = default;

void ScanWorker::setMacLookup(std::shared_ptr<MacAddressLookup> lookup)
{
    std::lock_guard<std::mutex> lock(m_hooksMutex);
    m_macLookup = std::move(lookup);
}

void ScanWorker::setPassRunner(std::function<QList<DevInfo>(int pass)> runner)
{
    std::lock_guard<std::mutex> lock(m_hooksMutex);
    m_passRunner = std::move(runner);
}

std::shared_ptr<MacAddressLookup> ScanWorker::macLookup() const
{
    std::lock_guard<std::mutex> lock(m_hooksMutex);
    return m_macLookup;
}

void ScanWorker::setTcpNetworkSegment(const QString &segment)
{
    enqueue([this, segment] { m_segment = segment; });
}

void ScanWorker::doWork()
{
    enqueue([this] { runSearch(); });
}

void ScanWorker::testSingleDevice(const QString &ip)
{
    enqueue([this, ip] { runSingleTest(ip); });
}

// A search waits for its hosts in an event loop, where further requests are
// delivered too; they wait here until the running one has finished.
void ScanWorker::enqueue(std::function<void()> job)
{
    m_jobs.append(std::move(job));
    if (m_busy)
        return;
    m_busy = true;
    while (!m_jobs.isEmpty() && !interrupted()) {
        const std::function<void()> next = m_jobs.takeFirst();
        next();
    }
    m_busy = false;
}

bool ScanWorker::interrupted() const
{
    return QThread::currentThread()->isInterruptionRequested();
}

QString ScanWorker::prefixOf(const QString &segment)
{
    return segment.endsWith(QLatin1Char('.')) ? segment : segment + QLatin1Char('.');
}

QString ScanWorker::choosePrefix()
{
    ConfigManager *config = ConfigManager::getInstance();
    if (config->getTcpNetworkMode() == ConfigManager::Custom) {
        const QString stored = config->getTcpNetworkSegment();
        if (!stored.isEmpty())
            m_segment = stored;
        if (!m_segment.isEmpty()) {
            const QString prefix = prefixOf(m_segment);
            qDebug() << "使用自定义网段:" << prefix;
            return prefix;
        }
        const QString prefix = localPrefix(config->getLocalIpAddress());
        qDebug() << "自定义网段为空，使用本机网段:" << prefix;
        return prefix;
    }
    const QString prefix = localPrefix(config->getLocalIpAddress());
    qDebug() << "使用本机网段:" << prefix;
    return prefix;
}

// The local address up to and including its last point: 192.168.1.23 gives
// 192.168.1. and 0.0.0.0 (no adapter) gives 0.0.0.
QString ScanWorker::localPrefix(const QString &address)
{
    return address.left(address.lastIndexOf(QLatin1Char('.')) + 1);
}

void ScanWorker::runSearch()
{
    Logger *log = Logger::getInstance();
    emit sigSearchProgress(0);
    m_announced.clear();
    const QString prefix = choosePrefix();

    QList<DevInfo> current;
    if (!runPass(prefix, 1, &current))
        return;

    bool again = false;
    if (!m_previous.isEmpty() && current.isEmpty()) {
        log->warning(tr("上次搜索到设备但本次未找到，可能是搜索异常，准备重新搜索..."));
        again = true;
    } else if (!m_previous.isEmpty() && !current.isEmpty()) {
        bool differs = m_previous.size() != current.size();
        for (int i = 0; !differs && i < m_previous.size(); ++i)
            differs = !containsRecord(current, m_previous.at(i));
        if (differs) {
            log->warning(tr("本次搜索结果与上次不一致，可能是搜索异常，准备重新搜索..."));
            again = true;
        }
    }

    QList<DevInfo> final = current;
    if (!again) {
        log->info(tr("本次搜索完成，共发现 %1 个设备").arg(current.size()));
    } else {
        const QList<DevInfo> first = current;
        log->info(tr("开始第二次搜索..."));
        QList<DevInfo> second;
        if (!runPass(prefix, 2, &second))
            return;
        if (second.size() < first.size()) {
            final = first;
            log->info(tr("第二次搜索结果不如第一次，使用第一次结果（%1 个）").arg(first.size()));
        } else {
            final = second;
            log->info(tr("第二次搜索完成，发现 %1 个设备（第一次: %2 个）").arg(second.size()).arg(first.size()));
        }
    }
    m_previous = final;
    for (const DevInfo &d : final)
        emit sigAddDevList(d.ip, d.mac, d.name);
    emit sigWorkOver();
}

bool ScanWorker::runPass(const QString &prefix, int pass, QList<DevInfo> *result)
{
    result->clear();
    std::function<QList<DevInfo>(int)> passRunner;
    {
        std::lock_guard<std::mutex> lock(m_hooksMutex);
        passRunner = m_passRunner;
    }
    if (passRunner) {
        *result = passRunner(pass);
        for (const DevInfo &d : qAsConst(*result))
            announce(d);
        for (int done = 1; done <= HostCount; ++done)
            emit sigSearchProgress((100 * done) / HostCount);
        return true;
    }

    // One connect limit for the whole pass, below.
    HostIdentifier::Settings settings = hostSettings(
        pass == 1 ? HostIdentifier::Stage::FirstPass : HostIdentifier::Stage::SecondPass, PrintPort, 0);
    if (pass != 1)
        settings.fetchLimitMs = SecondPassFetchLimitMs;

    const std::shared_ptr<MacAddressLookup> lookup = macLookup();
    QObject hostsParent;
    QEventLoop loop;
    int done = 0;
    std::vector<HostIdentifier *> hosts;
    hosts.reserve(HostCount);
    for (int n = FirstHost; n <= LastHost; ++n) {
        auto *host = new HostIdentifier(prefix + QString::number(n), settings, lookup.get(), &hostsParent);
        connect(host, &HostIdentifier::finished, &loop, [&, host] {
            if (host->model().contains(QLatin1String(FamilyMarker)))
                announce(DevInfo{host->ip(), host->mac(), host->model(), {}, {}, {}, {}});
            ++done;
            emit sigSearchProgress((100 * done) / HostCount);
            if (done == HostCount)
                loop.quit();
        });
        hosts.push_back(host);
    }
    // The connect limit counts from the start of the pass: starting 254 hosts
    // takes a while, and the silent ones all give up at the same moment.
    QTimer connectLimit;
    connectLimit.setSingleShot(true);
    connect(&connectLimit, &QTimer::timeout, &loop, [&hosts] { HostIdentifier::endConnectWaits(hosts); });
    connectLimit.start(ProbeConnectTimeoutMs);
    for (HostIdentifier *host : hosts)
        host->start();
    if (done < HostCount)
        loop.exec();
    if (done < HostCount) {
        // The thread is being stopped.
        for (HostIdentifier *host : hosts)
            host->abort();
        return false;
    }
    for (HostIdentifier *host : hosts) {
        if (host->model().contains(QLatin1String(FamilyMarker)))
            result->append(DevInfo{host->ip(), host->mac(), host->model(), {}, {}, {}, {}});
    }
    return true;
}

void ScanWorker::announce(const DevInfo &device)
{
    if (containsRecord(m_announced, device))
        return;
    m_announced.append(device);
    emit sigDeviceIdentified(device.ip, device.mac, device.name);
}

HostIdentifier::Settings ScanWorker::hostSettings(HostIdentifier::Stage stage, quint16 printPort,
                                                  int connectTimeoutMs)
{
    HostIdentifier::Settings settings;
    settings.stage = stage;
    settings.printPort = printPort;
    settings.connectTimeoutMs = connectTimeoutMs;
    settings.fetchLimitMs = FirstPassFetchLimitMs;
    settings.rawLimitMs = RawRequestLimitMs;
    settings.rawTotalLimitMs = RawRequestTotalLimitMs;
    settings.maxPageBytes = MaxPageBytes;
    settings.netbiosFallback = true;
    settings.netbiosTimeoutMs = NetbiosTimeoutMs;
    return settings;
}

void ScanWorker::runSingleTest(const QString &ip)
{
    HostIdentifier::Settings settings =
        hostSettings(HostIdentifier::Stage::SingleTest, PrintPort, TestConnectTimeoutMs);
    settings.netbiosFallback = false;

    const std::shared_ptr<MacAddressLookup> lookup = macLookup();
    HostIdentifier host(ip, settings, lookup.get());
    QEventLoop loop;
    connect(&host, &HostIdentifier::finished, &loop, &QEventLoop::quit);
    host.start();
    if (!host.isDone())
        loop.exec();
    if (!host.isDone()) {
        host.abort();
        return;
    }
    if (!host.portOpen()) {
        emit sigTestDeviceResult(ip, QString(), QString(), false, host.connectError());
        return;
    }
    const QString mac = host.mac();
    const QString name = host.model();
    if (!mac.isEmpty() && !name.isEmpty()) {
        emit sigTestDeviceResult(ip, mac, name, true, QString());
        return;
    }
    QString message = tr("未能获取完整的设备信息");
    if (mac.isEmpty())
        message += tr(" (MAC地址获取失败)");
    if (name.isEmpty())
        message += tr(" (设备名称获取失败)");
    emit sigTestDeviceResult(ip, mac, name, false, message);
}
