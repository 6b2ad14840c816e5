#pragma once

#include "fleet/PrinterTarget.h"
#include "fleet/StatusPoller.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>

class QProcess;

// run --targets FILE: the same operation or script on every printer of a
// targets file, at most `jobs` printers at a time, one result line per
// printer as it finishes (or one JSON object a line); the exit status is 0
// when every printer succeeded, else the worst of theirs.
//
// Each printer runs in a `quillmark run` of its own, started from here with
// the printer as its target: the same path as a single run, with the same
// checks, messages and exit statuses. The back end's device managers each
// wait in event loops of their own and start threads of their own; run side
// by side in one process they would wait on one another, and a printer that
// hangs or a transport that fails badly would take the whole batch with it.
// A run that outlives its allowance is ended and counted unreachable.
class CliBatchRun
{
    Q_DECLARE_TR_FUNCTIONS(CliBatchRun)
public:
    static constexpr int DefaultJobs = 16;
    static constexpr int MaxJobs = 1024;
    static constexpr int DefaultConnectTimeoutMs = StatusPoller::DefaultConnectTimeoutMs;
    static constexpr int DefaultAnswerTimeoutMs = StatusPoller::DefaultAnswerTimeoutMs;
    // What a run may take beyond its connect and answer limits (start-up,
    // a network form's answer).
    static constexpr int RunAllowanceMs = 30000;

    struct Settings
    {
        int jobs = DefaultJobs;
        int connectTimeoutMs = DefaultConnectTimeoutMs;
        int answerTimeoutMs = DefaultAnswerTimeoutMs;
        bool json = false;
    };

    // work: the words after the target for each run (OPERATION ARG... or
    // --script FILE); input: what each run reads on standard input (a script
    // given as -); calls: how many operations each run makes.
    CliBatchRun(const QList<PrinterTarget> &targets, const QStringList &work, const QByteArray &input, int calls,
                const Settings &settings);
    int exec();

    // The target options of one printer for a run.
    static QStringList targetArguments(const PrinterTarget &target);

private:
    struct Running
    {
        QProcess *process = nullptr;
        PrinterTarget target;
        QElapsedTimer clock;
        bool timedOut = false;
    };

    void startNext();
    void finished(int index);
    void report(const Running &run, int code, const QString &output, const QStringList &errors);

    QList<PrinterTarget> m_targets;
    QStringList m_work;
    QByteArray m_input;
    int m_calls = 1;
    Settings m_settings;
    int m_next = 0;
    int m_open = 0;
    int m_done = 0;
    int m_worst = 0;
    QList<Running> m_runs;
};
