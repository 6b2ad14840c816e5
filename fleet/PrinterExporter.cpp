#include "fleet/PrinterExporter.h"

#include "app/base/Logger.h"
#include "fleet/TargetIdentifier.h"
#include "text/DottedQuad.h"

#include <prometheus/exposer.h>
#include <prometheus/registry.h>

#include <QDateTime>
#include <QHostAddress>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <exception>
#include <string>
#include <vector>

namespace {

// Scrapes are answered on this many threads of the exposer. A connection
// holds a thread from the moment it is taken up until its answer is sent or
// its time runs out: the time limit below lets idle clients go, and there are
// threads enough that a few of them leave every scrape a thread at once.
constexpr int ExposerThreads = 32;
// How long a client may take to send its request, and a write of the answer
// may stall, before the exposer closes the connection. A scraper sends its
// request as soon as it is connected; one that sends nothing frees its thread
// after this. No connection is kept open between scrapes.
constexpr int RequestTimeoutMs = 1000;

// The options of the exposer's web server.
std::vector<std::string> exposerOptions(const QString &address)
{
    return {"listening_ports", address.toStdString(),
            "num_threads", std::to_string(ExposerThreads),
            "request_timeout_ms", std::to_string(RequestTimeoutMs),
            "enable_keep_alive", "no"};
}

// Whether address:port can be listened on now; the exposer's own failure
// says no more than that it could not.
bool canListen(const QHostAddress &address, quint16 port, QString *reason)
{
    const bool v6 = address.protocol() == QAbstractSocket::IPv6Protocol;
    const int fd = ::socket(v6 ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one); // as the exposer does
    int rc;
    if (v6) {
        sockaddr_in6 a{};
        a.sin6_family = AF_INET6;
        a.sin6_port = htons(port);
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::memcpy(&a.sin6_addr, &bytes, sizeof a.sin6_addr);
        rc = ::bind(fd, reinterpret_cast<const sockaddr *>(&a), sizeof a);
    } else {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(address.toIPv4Address());
        rc = ::bind(fd, reinterpret_cast<const sockaddr *>(&a), sizeof a);
    }
    if (rc != 0)
        *reason = QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    return rc == 0;
}

} // namespace

bool PrinterExporter::parseListen(const QString &text, QString *address, QString *error)
{
    QHostAddress host;
    quint16 port = 0;
    return parseListen(text, &host, &port, address, error);
}

bool PrinterExporter::parseListen(const QString &text, QHostAddress *hostAddress, quint16 *portNumber,
                                  QString *address, QString *error)
{
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    QString host = colon > 0 ? text.left(colon) : QString();
    const QString portText = colon > 0 ? text.mid(colon + 1) : QString();
    bool ok = false;
    const uint port = portText.toUInt(&ok);
    const bool bracketed = host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'));
    if (bracketed)
        host = host.mid(1, host.size() - 2);
    // IPv6 in brackets; IPv4 read as a person typed it ("010" is 10, where
    // QHostAddress would read octal 8).
    bool valid = ok && port <= 65535;
    QHostAddress parsed;
    if (bracketed) {
        parsed = QHostAddress(host);
        valid = valid && parsed.protocol() == QAbstractSocket::IPv6Protocol;
    } else {
        bool v4 = false;
        parsed = QHostAddress(DottedQuad::toIPv4(host, &v4));
        valid = valid && v4;
    }
    if (!valid) {
        *error = tr("--listen 应为 地址:端口（如 127.0.0.1:9731，IPv6 地址写在 [] 中）: %1").arg(text);
        return false;
    }
    *address = bracketed ? QStringLiteral("[%1]:%2").arg(parsed.toString()).arg(port)
                         : QStringLiteral("%1:%2").arg(parsed.toString()).arg(port);
    *hostAddress = parsed;
    *portNumber = quint16(port);
    return true;
}

PrinterExporter::PrinterExporter(const Settings &settings, QObject *parent) : QObject(parent), m_settings(settings)
{
}

PrinterExporter::~PrinterExporter()
{
    // No more outcomes, then no more scrapes.
    if (m_poller)
        m_poller->stop();
    m_exposer.reset();
}

PrinterExporter::Start PrinterExporter::start(QString *error)
{
    TargetFile file;
    if (!TargetFile::read(m_settings.targetsPath, &file, error))
        return Start::TargetsUnreadable;
    QString address;
    QHostAddress host;
    quint16 port = 0;
    if (!parseListen(m_settings.listen, &host, &port, &address, error))
        return Start::CannotListen;
    QString reason;
    if (!canListen(host, port, &reason)) {
        *error = tr("无法在 %1 上提供指标: %2").arg(address, reason);
        return Start::CannotListen;
    }
    try {
        m_exposer = std::make_unique<prometheus::Exposer>(exposerOptions(address));
        m_exposer->RegisterCollectable(m_metrics, MetricsPath);
    } catch (const std::exception &e) {
        // The client library reports a failed listen by an exception.
        *error = tr("无法在 %1 上提供指标: %2").arg(address, QString::fromLocal8Bit(e.what()));
        m_exposer.reset();
        return Start::CannotListen;
    }
    const std::vector<int> ports = m_exposer->GetListeningPorts();
    m_listening = address.left(address.lastIndexOf(QLatin1Char(':')) + 1) + QString::number(ports.empty() ? port : ports.front());

    m_identifier = new TargetIdentifier(m_settings.poll.tcpPort, m_settings.poll.connectTimeoutMs, this);
    connect(m_identifier, &TargetIdentifier::identified, this,
            [this](const QString &identity, const QString &model, const QString &mac) {
                m_metrics->setIdentity(identity, model, mac);
            });
    m_poller = std::make_unique<StatusPoller>(m_settings.poll, static_cast<StatusPoller::Sink *>(this));
    if (!m_poller->start(error)) {
        m_exposer.reset();
        return Start::CannotPoll;
    }
    Logger::getInstance()->info(tr("导出器在 http://%1%2 提供指标，每 %3 秒轮询一次")
                                    .arg(m_listening, QLatin1String(MetricsPath))
                                    .arg(m_settings.poll.intervalMs / 1000.0));
    reportProblems(file);
    useTargets(file);
    return Start::Started;
}

int PrinterExporter::polledCount() const
{
    int n = 0;
    for (const PrinterTarget &t : m_targets)
        n += t.answersStatus() ? 1 : 0;
    return n;
}

void PrinterExporter::reload()
{
    TargetFile file;
    QString error;
    if (!TargetFile::read(m_settings.targetsPath, &file, &error)) {
        keepTargets(error);
        return;
    }
    Logger::getInstance()->info(tr("重新读取目标文件 %1").arg(m_settings.targetsPath));
    reportProblems(file);
    // An empty file, or one whose every line is wrong, is a file caught
    // half-written or broken, not a fleet of none: the printers stay.
    if (file.targets.isEmpty()) {
        keepTargets(tr("目标文件 %1 中没有有效的行").arg(m_settings.targetsPath));
        return;
    }
    useTargets(file);
}

void PrinterExporter::keepTargets(const QString &reason)
{
    const QString message = tr("%1；继续轮询原来的 %2 台打印机").arg(reason).arg(m_targets.size());
    Logger::getInstance()->error(message);
    emit problem(message);
    m_metrics->recordReload(false, QDateTime::currentMSecsSinceEpoch());
}

void PrinterExporter::reportProblems(const TargetFile &file)
{
    Logger *log = Logger::getInstance();
    for (const TargetFile::Problem &p : file.problems) {
        const QString message = TargetFile::lineMessage(m_settings.targetsPath, p.line, p.message);
        log->warning(message);
        emit problem(message);
    }
    for (const PrinterTarget &t : file.targets) {
        if (t.answersStatus())
            continue;
        const QString message =
            TargetFile::lineMessage(m_settings.targetsPath, t.line, tr("打印队列不回答状态查询，不轮询: %1").arg(t.text()));
        log->warning(message);
        emit problem(message);
    }
}

void PrinterExporter::useTargets(const TargetFile &file)
{
    Logger *log = Logger::getInstance();
    QSet<QString> kept;
    QHash<QString, PrinterTarget> before;
    for (const PrinterTarget &t : qAsConst(m_targets))
        before.insert(t.identity(), t);
    for (const PrinterTarget &t : file.targets) {
        if (before.contains(t.identity()) && before.value(t.identity()) == t)
            kept.insert(t.identity());
    }
    for (const PrinterTarget &t : qAsConst(m_targets)) {
        if (!kept.contains(t.identity()))
            m_identifier->forget(t.identity());
    }
    m_targets = file.targets;
    m_metrics->setTargets(m_targets);
    m_metrics->recordReload(true, QDateTime::currentMSecsSinceEpoch());
    m_poller->setTargets(m_targets);
    for (const PrinterTarget &t : qAsConst(m_targets)) {
        if (t.answersStatus() && !kept.contains(t.identity()))
            m_identifier->identify(t);
    }
    log->info(tr("轮询 %1 台打印机（目标文件 %2）").arg(polledCount()).arg(m_settings.targetsPath));
}

void PrinterExporter::identifyAgain(const QString &identity)
{
    for (const PrinterTarget &t : qAsConst(m_targets)) {
        if (t.identity() == identity) {
            m_identifier->identify(t);
            return;
        }
    }
}

void PrinterExporter::pollFinished(const StatusPoller::Result &result)
{
    const PrinterMetrics::Change change = m_metrics->record(result);
    if (!change.known)
        return;
    Logger *log = Logger::getInstance();
    if (!change.isUp) {
        if (change.first || change.wasUp || change.errorChanged)
            log->warning(tr("打印机 %1 没有应答: %2").arg(result.identity, result.error));
        return;
    }
    if (change.first)
        log->info(tr("打印机 %1 应答: %2").arg(result.identity, change.conditions));
    else if (!change.wasUp)
        log->info(tr("打印机 %1 恢复应答: %2").arg(result.identity, change.conditions));
    else if (change.conditionsChanged)
        log->info(tr("打印机 %1 状态: %2").arg(result.identity, change.conditions));
    if (!change.wasUp && !change.first) {
        // Back again: perhaps another printer at that address.
        const QString identity = result.identity;
        QMetaObject::invokeMethod(this, [this, identity] { identifyAgain(identity); }, Qt::QueuedConnection);
    }
}

void PrinterExporter::roundFinished(double seconds, int)
{
    m_metrics->recordRound(seconds);
    // Scrapes until the next round find the series collected.
    m_metrics->refresh();
}
