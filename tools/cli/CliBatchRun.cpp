#include "CliBatchRun.h"

#include "CliBackEnd.h"
#include "CliOutput.h"
#include "CliTarget.h"

#include "app/base/Logger.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTimer>

namespace {
QString resultWord(int code)
{
    switch (code) {
    case CliBackEnd::ExitOk: return QStringLiteral("ok");
    case CliBackEnd::ExitFault: return QStringLiteral("failed");
    case CliBackEnd::ExitUsage: return QStringLiteral("usage");
    default: return QStringLiteral("unreachable");
    }
}

QStringList nonEmptyLines(const QByteArray &bytes)
{
    QStringList lines;
    for (const QString &l : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
        if (!l.trimmed().isEmpty())
            lines.append(l.trimmed());
    }
    return lines;
}
} // namespace

CliBatchRun::CliBatchRun(const QList<PrinterTarget> &targets, const QStringList &work, const QByteArray &input,
                         int calls, const Settings &settings)
    : m_targets(targets), m_work(work), m_input(input), m_calls(qMax(1, calls)), m_settings(settings)
{
}

QStringList CliBatchRun::targetArguments(const PrinterTarget &target)
{
    // The target's own text is "transport:address[:baud]"; the option takes
    // what follows the transport.
    const QString name = target.transportName();
    return {QStringLiteral("--") + name, target.text().mid(name.size() + 1)};
}

int CliBatchRun::exec()
{
    Logger::getInstance()->info(
        tr("在 %1 台打印机上运行，同时最多 %2 台").arg(m_targets.size()).arg(m_settings.jobs));
    QEventLoop loop;
    m_runs.reserve(m_targets.size());
    startNext();
    while (m_done < m_targets.size())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    return m_worst;
}

void CliBatchRun::startNext()
{
    while (m_open < m_settings.jobs && m_next < m_targets.size()) {
        Running run;
        run.target = m_targets.at(m_next++);
        run.process = new QProcess;
        const QStringList args = QStringList{QStringLiteral("run")} + targetArguments(run.target)
                                 + QStringList{QStringLiteral("--connect-timeout"),
                                               QString::number(m_settings.connectTimeoutMs),
                                               QStringLiteral("--timeout"), QString::number(m_settings.answerTimeoutMs)}
                                 + m_work;
        const int index = m_runs.size();
        m_runs.append(run);
        ++m_open;
        QProcess *process = run.process;
        QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), process,
                         [this, index] { finished(index); });
        QObject::connect(process, &QProcess::errorOccurred, process, [this, index](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart)
                finished(index);
        });
        // A run that hangs past every limit it was given is ended.
        const int allowance =
            RunAllowanceMs + m_settings.connectTimeoutMs + m_calls * (2 * m_settings.answerTimeoutMs + CliTarget::NetworkPostLimitMs);
        QTimer::singleShot(allowance, process, [this, index] {
            Running &r = m_runs[index];
            if (r.process && r.process->state() != QProcess::NotRunning) {
                r.timedOut = true;
                r.process->kill();
            }
        });
        m_runs[index].clock.start();
        process->start(QCoreApplication::applicationFilePath(), args);
        if (!m_input.isEmpty())
            process->write(m_input);
        process->closeWriteChannel();
    }
}

void CliBatchRun::finished(int index)
{
    Running &run = m_runs[index];
    if (!run.process)
        return;
    QProcess *process = run.process;
    run.process = nullptr;
    const QString output = nonEmptyLines(process->readAllStandardOutput()).join(QLatin1Char(' '));
    QStringList errors = nonEmptyLines(process->readAllStandardError());
    int code = CliBackEnd::ExitFault;
    if (run.timedOut) {
        code = CliBackEnd::ExitUnreachable;
        errors.append(tr("%1 没有在 %2 秒内结束")
                          .arg(run.target.text())
                          .arg(run.clock.elapsed() / 1000.0, 0, 'f', 1));
    } else if (process->error() == QProcess::FailedToStart) {
        errors.append(tr("无法启动 %1: %2").arg(QCoreApplication::applicationFilePath(), process->errorString()));
    } else if (process->exitStatus() == QProcess::CrashExit) {
        errors.append(tr("运行意外中止: %1").arg(process->errorString()));
    } else {
        code = process->exitCode();
        if (code < CliBackEnd::ExitOk || code > CliBackEnd::ExitUnreachable)
            code = CliBackEnd::ExitFault;
    }
    process->deleteLater();
    report(run, code, output, errors);
    m_worst = qMax(m_worst, code);
    --m_open;
    ++m_done;
    startNext();
}

void CliBatchRun::report(const Running &run, int code, const QString &output, const QStringList &errors)
{
    const QString target = run.target.text();
    // The run's own hint about its help is no result.
    QStringList messages;
    for (const QString &e : errors) {
        if (!e.startsWith(QLatin1String("quillmark run --help")))
            messages.append(e);
    }
    if (code != CliBackEnd::ExitOk)
        Logger::getInstance()->warning(QStringLiteral("%1: %2").arg(target, messages.join(QStringLiteral("; "))));
    if (m_settings.json) {
        QJsonObject labels;
        for (const PrinterTarget::Label &l : run.target.labels)
            labels.insert(l.first, l.second);
        const QJsonObject o{{QStringLiteral("target"), target},
                            {QStringLiteral("labels"), labels},
                            {QStringLiteral("exit"), code},
                            {QStringLiteral("result"), resultWord(code)},
                            {QStringLiteral("output"), output},
                            {QStringLiteral("errors"), QJsonArray::fromStringList(messages)},
                            {QStringLiteral("seconds"), run.clock.elapsed() / 1000.0}};
        CliOutput::print(CliOutput::jsonText(o, QJsonDocument::Compact));
        return;
    }
    QString line = target + QLatin1Char('\t') + resultWord(code);
    const QString detail = code == CliBackEnd::ExitOk ? output : messages.join(QStringLiteral("; "));
    if (!detail.isEmpty())
        line += QLatin1Char('\t') + detail;
    CliOutput::print(line);
}
