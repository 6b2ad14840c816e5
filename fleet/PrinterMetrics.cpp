#include "fleet/PrinterMetrics.h"

#include <prometheus/counter.h>
#include <prometheus/family.h>
#include <prometheus/gauge.h>
#include <prometheus/registry.h>

#include <array>

namespace {

const std::array<const char *, 3> PaperStates{"ok", "near_end", "out"};
enum PaperState { PaperOk, PaperNearEnd, PaperOut };

struct ErrorKind
{
    const char *name;
    StatusReply::Condition condition;
};
const std::array<ErrorKind, 4> ErrorKinds{{
    {"cutter", StatusReply::CutterError},
    {"unrecoverable", StatusReply::UnrecoverableError},
    {"auto_recoverable", StatusReply::AutoRecoverableError},
    {"mechanical", StatusReply::MechanicalError},
}};

PaperState paperState(const StatusReply &reply)
{
    if (reply.has(StatusReply::PaperStopped) || reply.has(StatusReply::PaperEnd))
        return PaperOut;
    if (reply.has(StatusReply::PaperNearEnd))
        return PaperNearEnd;
    return PaperOk;
}

prometheus::Family<prometheus::Gauge> &gaugeFamily(prometheus::Registry &registry, const char *name,
                                                    const char *help)
{
    return prometheus::BuildGauge().Name(name).Help(help).Register(registry);
}

// The target and the labels of its line.
prometheus::Labels labelsOf(const PrinterTarget &target)
{
    prometheus::Labels labels;
    labels["target"] = target.text().toStdString();
    for (const PrinterTarget::Label &l : target.labels)
        labels[l.first.toStdString()] = l.second.toStdString();
    return labels;
}

prometheus::Labels with(prometheus::Labels labels, const char *name, const std::string &value)
{
    labels[name] = value;
    return labels;
}

} // namespace

struct PrinterMetrics::Printer
{
    PrinterTarget target;
    prometheus::Labels labels; // target and the line's labels
    QString model;
    QString mac;
    prometheus::Gauge *up = nullptr;
    prometheus::Gauge *info = nullptr;
    prometheus::Gauge *lastSeen = nullptr;
    // While it answers.
    prometheus::Gauge *online = nullptr;
    std::array<prometheus::Gauge *, 3> paper{};
    prometheus::Gauge *cover = nullptr;
    prometheus::Gauge *drawer = nullptr;
    std::array<prometheus::Gauge *, 4> error{};
    prometheus::Gauge *rtt = nullptr;
    bool polled = false;
    bool isUp = false;
    QString lastError;
    QString lastConditions;
};

PrinterMetrics::PrinterMetrics() : m_registry(std::make_shared<prometheus::Registry>())
{
    prometheus::Registry &r = *m_registry;
    m_up = &gaugeFamily(r, "quillmark_printer_up",
                        "1 when the printer answered all four status requests of its last poll, else 0.");
    m_online = &gaugeFamily(r, "quillmark_printer_online", "1 when the printer reports itself online.");
    m_paper = &gaugeFamily(r, "quillmark_printer_paper_state",
                           "1 for the printer's paper state (ok, near_end or out), 0 for the others.");
    m_cover = &gaugeFamily(r, "quillmark_printer_cover_open", "1 when the printer's cover is open.");
    m_drawer = &gaugeFamily(r, "quillmark_printer_drawer_open", "1 when a cash drawer of the printer is open.");
    m_error = &gaugeFamily(r, "quillmark_printer_error",
                           "1 when the printer reports an error of this kind (cutter, unrecoverable, "
                           "auto_recoverable, mechanical).");
    m_rtt = &gaugeFamily(r, "quillmark_printer_status_rtt_seconds",
                         "Longest round trip of the four status requests of the printer's last poll.");
    m_lastSeen = &gaugeFamily(r, "quillmark_printer_last_seen_timestamp_seconds",
                              "When the printer last answered all four status requests, in seconds since the epoch.");
    m_info = &gaugeFamily(r, "quillmark_printer_info", "The printer's model, MAC address and transport; always 1.");
    m_pollDuration = &gaugeFamily(r, "quillmark_exporter_poll_duration_seconds",
                                  "How long the last complete round of polls took, from its start to its last answer.")
                          .Add({});
    m_targets = &gaugeFamily(r, "quillmark_exporter_targets", "Printers being polled.").Add({});
    m_rounds = &prometheus::BuildCounter()
                    .Name("quillmark_exporter_poll_rounds_total")
                    .Help("Rounds of polls completed.")
                    .Register(r)
                    .Add({});
    m_reloadSuccessful = &gaugeFamily(r, "quillmark_exporter_targets_last_reload_successful",
                                      "1 when the last reading of the targets file was taken into use, 0 when it "
                                      "was refused and the printers polled before stay.")
                              .Add({});
    m_reloadTime = &gaugeFamily(r, "quillmark_exporter_targets_last_reload_success_timestamp_seconds",
                                "When the targets file was last read and taken into use, in seconds since the epoch.")
                        .Add({});
}

PrinterMetrics::~PrinterMetrics() = default;

void PrinterMetrics::setTargets(const QList<PrinterTarget> &targets)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QHash<QString, const PrinterTarget *> wanted;
    int polled = 0;
    for (const PrinterTarget &t : targets) {
        if (!t.answersStatus())
            continue;
        wanted.insert(t.identity(), &t);
        ++polled;
    }
    QHash<QString, std::shared_ptr<Printer>> relabelled;
    for (auto it = m_printers.begin(); it != m_printers.end();) {
        const PrinterTarget *t = wanted.value(it.key());
        // The same series (labels written in another order are the same).
        if (t && (*t == it.value()->target || labelsOf(*t) == it.value()->labels)) {
            it.value()->target = *t;
            wanted.remove(it.key());
            ++it;
            continue;
        }
        if (t)
            relabelled.insert(it.key(), it.value());
        else
            removePrinter(*it.value());
        it = m_printers.erase(it);
    }
    for (const PrinterTarget &t : targets) {
        if (!wanted.contains(t.identity()))
            continue;
        Printer &p = addPrinter(t);
        if (const std::shared_ptr<Printer> before = relabelled.value(t.identity())) {
            carryOver(*before, p);
            removePrinter(*before);
        }
    }
    m_targets->Set(polled);
    m_changed = true;
}

PrinterMetrics::Printer &PrinterMetrics::addPrinter(const PrinterTarget &target)
{
    auto p = std::make_shared<Printer>();
    p->target = target;
    p->labels = labelsOf(target);
    p->up = &m_up->Add(p->labels);
    p->up->Set(0);
    setInfo(*p);
    m_printers.insert(target.identity(), p);
    return *p;
}

void PrinterMetrics::carryOver(const Printer &from, Printer &to)
{
    to.polled = from.polled;
    to.isUp = from.isUp;
    to.lastError = from.lastError;
    to.lastConditions = from.lastConditions;
    to.up->Set(from.up->Value());
    if (from.model != to.model || from.mac != to.mac) {
        to.model = from.model;
        to.mac = from.mac;
        setInfo(to);
    }
    if (from.lastSeen) {
        to.lastSeen = &m_lastSeen->Add(to.labels);
        to.lastSeen->Set(from.lastSeen->Value());
    }
    if (!from.online)
        return;
    addStatusSeries(to);
    to.online->Set(from.online->Value());
    for (size_t i = 0; i < to.paper.size(); ++i)
        to.paper[i]->Set(from.paper[i]->Value());
    to.cover->Set(from.cover->Value());
    to.drawer->Set(from.drawer->Value());
    for (size_t i = 0; i < to.error.size(); ++i)
        to.error[i]->Set(from.error[i]->Value());
    to.rtt->Set(from.rtt->Value());
}

void PrinterMetrics::removePrinter(Printer &p)
{
    removeStatusSeries(p);
    m_up->Remove(p.up);
    m_info->Remove(p.info);
    if (p.lastSeen)
        m_lastSeen->Remove(p.lastSeen);
    p.up = p.info = p.lastSeen = nullptr;
}

void PrinterMetrics::setInfo(Printer &p)
{
    if (p.info)
        m_info->Remove(p.info);
    prometheus::Labels labels = p.labels;
    labels["model"] = p.model.toStdString();
    labels["mac"] = p.mac.toStdString();
    labels["transport"] = p.target.transportName().toStdString();
    p.info = &m_info->Add(labels);
    p.info->Set(1);
}

void PrinterMetrics::setIdentity(const QString &identity, const QString &model, const QString &mac)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::shared_ptr<Printer> p = m_printers.value(identity);
    if (!p || (p->model == model && p->mac == mac))
        return;
    p->model = model;
    p->mac = mac;
    setInfo(*p);
    m_changed = true;
}

void PrinterMetrics::addStatusSeries(Printer &p)
{
    if (p.online)
        return;
    p.online = &m_online->Add(p.labels);
    for (size_t i = 0; i < PaperStates.size(); ++i)
        p.paper[i] = &m_paper->Add(with(p.labels, "state", PaperStates[i]));
    p.cover = &m_cover->Add(p.labels);
    p.drawer = &m_drawer->Add(p.labels);
    for (size_t i = 0; i < ErrorKinds.size(); ++i)
        p.error[i] = &m_error->Add(with(p.labels, "kind", ErrorKinds[i].name));
    p.rtt = &m_rtt->Add(p.labels);
}

void PrinterMetrics::removeStatusSeries(Printer &p)
{
    if (!p.online)
        return;
    m_online->Remove(p.online);
    for (prometheus::Gauge *g : p.paper)
        m_paper->Remove(g);
    m_cover->Remove(p.cover);
    m_drawer->Remove(p.drawer);
    for (prometheus::Gauge *g : p.error)
        m_error->Remove(g);
    m_rtt->Remove(p.rtt);
    p.online = p.cover = p.drawer = p.rtt = nullptr;
    p.paper.fill(nullptr);
    p.error.fill(nullptr);
}

QString PrinterMetrics::conditionsText(const StatusReply &reply)
{
    QStringList words;
    if (reply.has(StatusReply::Offline))
        words << QStringLiteral("offline");
    const PaperState paper = paperState(reply);
    if (paper != PaperOk)
        words << QStringLiteral("paper=") + QLatin1String(PaperStates[paper]);
    if (reply.has(StatusReply::CoverOpen))
        words << QStringLiteral("cover_open");
    if (!reply.has(StatusReply::DrawerClosed))
        words << QStringLiteral("drawer_open");
    for (const ErrorKind &k : ErrorKinds) {
        if (reply.has(k.condition))
            words << QStringLiteral("error=") + QLatin1String(k.name);
    }
    return words.isEmpty() ? QStringLiteral("ok") : words.join(QLatin1Char(' '));
}

PrinterMetrics::Change PrinterMetrics::record(const StatusPoller::Result &result)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Change change;
    const std::shared_ptr<Printer> found = m_printers.value(result.identity);
    if (!found)
        return change;
    Printer &p = *found;
    change.known = true;
    change.first = !p.polled;
    change.wasUp = p.isUp;
    change.isUp = result.answered;
    p.polled = true;
    p.isUp = result.answered;
    p.up->Set(result.answered ? 1 : 0);
    if (!result.answered) {
        removeStatusSeries(p);
        change.errorChanged = result.error != p.lastError;
        p.lastError = result.error;
        p.lastConditions.clear();
        m_changed = true;
        return change;
    }
    p.lastError.clear();
    addStatusSeries(p);
    const StatusReply &reply = result.reply;
    p.online->Set(reply.has(StatusReply::Offline) ? 0 : 1);
    const PaperState paper = paperState(reply);
    for (size_t i = 0; i < p.paper.size(); ++i)
        p.paper[i]->Set(int(i) == paper ? 1 : 0);
    p.cover->Set(reply.has(StatusReply::CoverOpen) ? 1 : 0);
    p.drawer->Set(reply.has(StatusReply::DrawerClosed) ? 0 : 1);
    for (size_t i = 0; i < ErrorKinds.size(); ++i)
        p.error[i]->Set(reply.has(ErrorKinds[i].condition) ? 1 : 0);
    p.rtt->Set(result.roundTripSeconds);
    if (!p.lastSeen)
        p.lastSeen = &m_lastSeen->Add(p.labels);
    p.lastSeen->Set(double(result.finishedAtMs) / 1000.0);
    change.conditions = conditionsText(reply);
    change.conditionsChanged = change.conditions != p.lastConditions;
    p.lastConditions = change.conditions;
    m_changed = true;
    return change;
}

void PrinterMetrics::recordRound(double seconds)
{
    m_pollDuration->Set(seconds);
    m_rounds->Increment();
    m_changed = true;
}

void PrinterMetrics::recordReload(bool successful, qint64 atMs)
{
    m_reloadSuccessful->Set(successful ? 1 : 0);
    if (successful)
        m_reloadTime->Set(double(atMs) / 1000.0);
    m_changed = true;
}

void PrinterMetrics::refresh() const
{
    std::lock_guard<std::mutex> lock(m_snapshotMutex);
    // Cleared before collecting: what is recorded meanwhile marks it again.
    if (m_changed.exchange(false))
        m_snapshot = m_registry->Collect();
}

std::vector<prometheus::MetricFamily> PrinterMetrics::Collect() const
{
    refresh();
    std::lock_guard<std::mutex> lock(m_snapshotMutex);
    return m_snapshot;
}
