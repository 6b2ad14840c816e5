#include "CliInventory.h"

#include "CliBackEnd.h"
#include "CliCommandLine.h"
#include "CliHelp.h"
#include "CliOutput.h"
#include "CliRangeScan.h"

#include "app/base/Logger.h"
#include "fleet/PrinterInventory.h"
#include "fleet/TargetFile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonDocument>

CliInventory::CliInventory(const QStringList &arguments) : m_args(arguments) {}

int CliInventory::usageError(const QString &message)
{
    CliOutput::error(message);
    CliOutput::hint(CliHelp::seeHelp(QStringLiteral("inventory")));
    return CliBackEnd::ExitUsage;
}

int CliInventory::exec()
{
    CliCommandLine line;
    CliRangeScan::addOptions(&line);
    line.addOption(QCommandLineOption(QStringLiteral("file"), QString(), QStringLiteral("FILE")));
    line.addOption(QCommandLineOption(QStringLiteral("targets-out"), QString(), QStringLiteral("FILE")));
    line.addOption(QCommandLineOption(QStringLiteral("json")));
    QString error;
    const bool parsed = line.parse(m_args, &error);
    if (line.helpRequested()) {
        CliOutput::print(CliHelp::text(QStringLiteral("inventory")));
        return CliBackEnd::ExitOk;
    }
    if (!parsed)
        return usageError(error);
    if (!line.positional().isEmpty())
        return usageError(tr("未知的参数: %1").arg(line.positional().first()));
    const QString path = line.value(QStringLiteral("file"));
    if (path.isEmpty())
        return usageError(tr("缺少库存文件: --file FILE"));
    if (!line.isSet(QStringLiteral("range")))
        return usageError(tr("缺少地址范围: --range NETWORK/PREFIX"));
    CliRangeScan search;
    if (!search.configure(line, DefaultConnectTimeoutMs, &error))
        return usageError(error);
    const bool json = line.isSet(QStringLiteral("json"));
    const bool writeTargets = line.isSet(QStringLiteral("targets-out"));
    const QString targetsPath = line.value(QStringLiteral("targets-out"));
    if (writeTargets && targetsPath.isEmpty())
        return usageError(tr("%1 需要一个值").arg(QStringLiteral("--targets-out")));

    // Both files are read before the search: a damaged one stops the run
    // and stays as it is.
    PrinterInventory inventory;
    if (!PrinterInventory::read(path, &inventory, &error))
        return usageError(error);
    TargetFile existing;
    if (writeTargets && QFileInfo::exists(targetsPath)) {
        if (!TargetFile::read(targetsPath, &existing, &error))
            return usageError(error);
        if (!existing.problems.isEmpty()) {
            for (const TargetFile::Problem &p : qAsConst(existing.problems))
                CliOutput::error(TargetFile::lineMessage(targetsPath, p.line, p.message));
            return usageError(tr("目标文件 %1 有错误的行，没有改写它").arg(targetsPath));
        }
    }

    CliBackEnd::start(QStringList{QStringLiteral("inventory")} + m_args);
    QList<RangeScanner::Printer> found;
    const int searched = search.run([&found](const RangeScanner::Printer &p) { found.append(p); });
    // An interrupted search knows only part of the ranges: the files stay as they were.
    if (searched != CliBackEnd::ExitOk)
        return searched;

    QList<PrinterInventory::Skipped> skipped;
    const PrinterInventory before = inventory;
    const QList<PrinterInventory::Change> changes =
        inventory.update(found, search.ranges(), QDateTime::currentDateTimeUtc(), &skipped);
    for (const PrinterInventory::Skipped &s : qAsConst(skipped)) {
        Logger::getInstance()->warning(s.message);
        CliOutput::hint(s.message);
    }
    if (!inventory.write(path, &error)) {
        CliOutput::error(error);
        return CliBackEnd::ExitFault;
    }
    for (const PrinterInventory::Change &c : changes) {
        Logger::getInstance()->info(c.text());
        CliOutput::print(json ? CliOutput::jsonText(c.json(), QJsonDocument::Compact) : c.text());
    }
    Logger::getInstance()->info(tr("库存 %1: %2 台打印机，本次找到 %3 台，%4 处变化")
                                    .arg(path)
                                    .arg(inventory.entries.size())
                                    .arg(found.size())
                                    .arg(changes.size()));
    if (writeTargets && !TargetFile::write(targetsPath, inventory.targets(existing.targets, before), &error)) {
        CliOutput::error(error);
        return CliBackEnd::ExitFault;
    }
    return CliBackEnd::ExitOk;
}
