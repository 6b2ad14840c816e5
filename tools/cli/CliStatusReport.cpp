#include "CliStatusReport.h"

#include "CliOutput.h"
#include "commands/RealTimeStatusForm.h"

#include <QJsonArray>

namespace {
// The bits the decoder examines for each status, in the order of its lines,
// and which of them mean a fault when set.
struct Layout
{
    QList<int> bits;
    QList<int> faultBits;
};

const Layout &layoutOf(int status)
{
    static const Layout layouts[] = {
        {{2, 3}, {3}},          // printer: drawer, offline
        {{2, 3, 5, 6}, {2, 5, 6}}, // offline: cover, feed button, paper out, error
        {{3, 5, 6}, {3, 5, 6}}, // error: cutter, unrecoverable, head
        {{5}, {5}},             // paper: exhausted
    };
    static const Layout none;
    return (status >= 0 && status < 4) ? layouts[status] : none;
}

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
    QString header;
    QStringList lines;
    splitMessage(RealTimeStatusForm::decodeReply(RealTimeStatusForm::statusName(status), payload), &header, &lines);
    const Layout &layout = layoutOf(status);
    QStringList faults;
    for (int i = 0; i < layout.bits.size() && i < lines.size(); ++i) {
        const int bit = layout.bits.at(i);
        if (layout.faultBits.contains(bit) && ((value >> bit) & 1u))
            faults.append(lines.at(i));
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
