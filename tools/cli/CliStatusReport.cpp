#include "CliStatusReport.h"

#include "CliOutput.h"
#include "commands/RealTimeStatusForm.h"
#include "commands/StatusReply.h"

#include <QJsonArray>

namespace {
unsigned firstByte(const QString &payload, bool *ok)
{
    const QString first = payload.trimmed().section(QLatin1Char(' '), 0, 0);
    return first.toUInt(ok, 16) & 0xffu;
}

// The decoder's message split into its header and its lines.
void splitMessage(const QString &message, QString *header, QStringList *lines)
{
    const QStringList parts = message.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return;
    *header = parts.first().trimmed();
    for (int i = 1; i < parts.size(); ++i)
        lines->append(parts.at(i).trimmed());
}
} // namespace

QStringList CliStatusReport::faultsOf(int status, const QString &payload)
{
    bool ok = false;
    const unsigned value = firstByte(payload, &ok);
    if (!ok)
        return {};
    QStringList faults;
    for (const StatusReply::Bit &b : StatusReply::bits()) {
        if (b.status == status && b.fault && b.whenSet && ((value >> b.bit) & 1u))
            faults.append(StatusReply::lineText(b, true));
    }
    return faults;
}

void CliStatusReport::add(int status, const QString &payload)
{
    Entry e;
    e.status = status;
    e.name = RealTimeStatusForm::statusName(status);
    e.payload = payload.trimmed();
    splitMessage(RealTimeStatusForm::decodeReply(e.name, e.payload), &e.header, &e.lines);
    e.faults = faultsOf(status, e.payload);
    m_entries.append(e);
}

bool CliStatusReport::answeredAll() const
{
    for (const Entry &e : m_entries) {
        if (e.payload.isEmpty())
            return false;
    }
    return !m_entries.isEmpty();
}

bool CliStatusReport::hasFault() const
{
    return !faults().isEmpty();
}

QStringList CliStatusReport::faults() const
{
    QStringList all;
    for (const Entry &e : m_entries)
        all += e.faults;
    return all;
}

QString CliStatusReport::text() const
{
    QStringList out;
    for (const Entry &e : m_entries) {
        if (e.payload.isEmpty()) {
            out.append(CliOutput::paint(e.name, CliOutput::Colour::Bold) + QLatin1Char(' ') + tr("无应答"));
            continue;
        }
        out.append(CliOutput::paint(e.header, CliOutput::Colour::Bold) + QStringLiteral(" [") + e.payload
                   + QLatin1Char(']'));
        for (const QString &line : e.lines) {
            const bool fault = e.faults.contains(line);
            out.append(QLatin1Char('\t') + (fault ? CliOutput::paint(line, CliOutput::Colour::Red) : line));
        }
    }
    if (!answeredAll())
        out.append(CliOutput::paint(tr("打印机没有应答"), CliOutput::Colour::Red));
    else if (hasFault())
        out.append(CliOutput::paint(tr("故障: %1").arg(faults().join(QStringLiteral(", "))), CliOutput::Colour::Red));
    else
        out.append(CliOutput::paint(tr("就绪"), CliOutput::Colour::Green));
    return out.join(QLatin1Char('\n'));
}

QJsonObject CliStatusReport::json() const
{
    QJsonArray statuses;
    for (const Entry &e : m_entries) {
        statuses.append(QJsonObject{{QStringLiteral("name"), e.name},
                                    {QStringLiteral("reply"), e.payload},
                                    {QStringLiteral("answered"), !e.payload.isEmpty()},
                                    {QStringLiteral("header"), e.header},
                                    {QStringLiteral("lines"), QJsonArray::fromStringList(e.lines)},
                                    {QStringLiteral("faults"), QJsonArray::fromStringList(e.faults)}});
    }
    return QJsonObject{{QStringLiteral("reachable"), answeredAll()},
                       {QStringLiteral("ready"), answeredAll() && !hasFault()},
                       {QStringLiteral("faults"), QJsonArray::fromStringList(faults())},
                       {QStringLiteral("statuses"), statuses}};
}
