#include "CliRangeScan.h"

#include "CliBackEnd.h"

#include "CliCommandLine.h"
#include "CliOutput.h"
#include "CliSignalPipe.h"

#include "app/base/Logger.h"
#include "platform/OpenFileLimit.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSet>

void CliRangeScan::addOptions(CliCommandLine *line)
{
    line->addOption(QCommandLineOption(QStringLiteral("range"), QString(), QStringLiteral("NETWORK/PREFIX")));
    line->addOption(QCommandLineOption(QStringLiteral("connect-timeout"), QString(), QStringLiteral("MS")));
    line->addOption(QCommandLineOption(QStringLiteral("max-open"), QString(), QStringLiteral("N")));
}

bool CliRangeScan::configure(const CliCommandLine &line, int defaultConnectMs, QString *error)
{
    m_ranges.clear();
    for (const QString &text : line.values(QStringLiteral("range"))) {
        AddressRange range;
        if (!AddressRange::parse(text, &range, error))
            return false;
        m_ranges.append(range);
    }
    if (!line.number(QStringLiteral("connect-timeout"), 1, CliBackEnd::MaxTimeoutMs, defaultConnectMs,
                     &m_settings.connectTimeoutMs, error))
        return false;
    return line.number(QStringLiteral("max-open"), 1, RangeScanner::MaxMaxAtOnce, RangeScanner::DefaultMaxAtOnce,
                       &m_settings.maxAtOnce, error);
}

QStringList CliRangeScan::hosts() const
{
    QStringList all;
    QSet<QString> seen;
    for (const AddressRange &range : m_ranges) {
        for (const QString &host : range.hosts()) {
            if (!seen.contains(host)) {
                seen.insert(host);
                all.append(host);
            }
        }
    }
    return all;
}

int CliRangeScan::run(const std::function<void(const RangeScanner::Printer &)> &found)
{
    RangeScanner::Settings settings = m_settings;
    // Never more hosts at once than there are file descriptors for.
    const long files = OpenFileLimit::raiseToHardLimit();
    if (files > 0)
        settings.maxAtOnce = int(qBound(1L, (files - ReservedDescriptors) / DescriptorsPerHost, long(settings.maxAtOnce)));
    const QStringList addresses = hosts();
    QStringList texts;
    for (const AddressRange &range : qAsConst(m_ranges))
        texts.append(range.text());
    Logger *log = Logger::getInstance();
    log->info(tr("搜索地址范围 %1（%2 个地址，同时最多 %3 个）")
                  .arg(texts.join(QLatin1Char(' ')))
                  .arg(addresses.size())
                  .arg(settings.maxAtOnce));

    QElapsedTimer clock;
    clock.start();
    RangeScanner scanner(settings);
    QEventLoop loop;
    int printers = 0;
    QObject::connect(&scanner, &RangeScanner::printerFound, &loop, [&](const RangeScanner::Printer &p) {
        ++printers;
        found(p);
    });
    QObject::connect(&scanner, &RangeScanner::finished, &loop, &QEventLoop::quit);
    CliSignalPipe interruption({SIGINT, SIGTERM});
    QObject::connect(&interruption, &CliSignalPipe::arrived, &loop, &QEventLoop::quit);
    scanner.start(addresses);
    loop.exec();
    if (!scanner.isFinished()) {
        CliOutput::error(tr("地址范围搜索被中断: %1 个地址中搜索了 %2 个，%3 台打印机")
                             .arg(addresses.size())
                             .arg(scanner.probedCount())
                             .arg(printers));
        return CliSignalPipe::ExitStatusBase + interruption.received();
    }
    log->info(tr("地址范围搜索完成: %1 个地址，%2 台打印机，%3 毫秒")
                  .arg(addresses.size())
                  .arg(printers)
                  .arg(clock.elapsed()));
    return CliBackEnd::ExitOk;
}

QJsonObject CliRangeScan::json(const RangeScanner::Printer &printer)
{
    return QJsonObject{{QStringLiteral("ip"), printer.ip},
                       {QStringLiteral("mac"), printer.mac},
                       {QStringLiteral("name"), printer.model},
                       {QStringLiteral("netbios"), printer.netbiosName}};
}

QString CliRangeScan::line(const RangeScanner::Printer &printer)
{
    return QStringLiteral("%1\t%2\t%3").arg(printer.ip, printer.mac, printer.model);
}
