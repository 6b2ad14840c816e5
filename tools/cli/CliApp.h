#pragma once

#include "CliBackEnd.h"
#include "CliOperations.h"
#include "CliTarget.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CliCommandLine;
class QTranslator;

// quillmark: the commands scan, list, ops, run, status, raw and render and the
// printer tasks (CliVerbs) over the same back end as the window, with their
// exit statuses; exporter (CliExporter), inventory (CliInventory) and run
// --targets (CliBatchRun) look after many printers.
class CliApp
{
    Q_DECLARE_TR_FUNCTIONS(CliApp)
public:
    using ExitCode = CliBackEnd::ExitCode;
    static constexpr ExitCode ExitOk = CliBackEnd::ExitOk;
    static constexpr ExitCode ExitFault = CliBackEnd::ExitFault;
    static constexpr ExitCode ExitUsage = CliBackEnd::ExitUsage;
    static constexpr ExitCode ExitUnreachable = CliBackEnd::ExitUnreachable;

    // A LAN search that has not ended by then is given up.
    static constexpr int ScanLimitMs = 180000;

    // The language of the messages: QM_LANGUAGE (zh_CN or en_US), else the
    // window's choice in initial.ini, else the system's language. Any other
    // QM_LANGUAGE is named on standard error with the accepted values.
    static void installTranslation(QCoreApplication &app, QTranslator &translator);

    // arguments without the program name
    explicit CliApp(const QStringList &arguments);
    int exec();

private:
    int scan(const QStringList &args);
    // scan --range: the printers of address ranges as they are identified.
    int scanRanges(const CliCommandLine &line, bool json);
    int list(const QStringList &args);
    int ops(const QStringList &args);
    int run(const QStringList &args);
    int status(const QStringList &args);
    int raw(const QStringList &args);
    int verb(const QStringList &args);
    // The end of a command that went well: with --preview the pictures of
    // what would have been sent are written (their names on standard output).
    int finish(CliTarget &target);

    // Parses a command's words: -1 to go on, or the exit status after the
    // help (0) or a usage error (2).
    int parseCommand(CliCommandLine &line, const QStringList &args);
    // The same for a command that talks to a printer: adds the target options
    // and requires one target.
    int parseWithTarget(CliCommandLine &line, const QStringList &args, CliTarget::Endpoint *endpoint);
    // Opens the target; false after its failure message (exit status 3).
    static bool open(CliTarget &target);
    int usageError(const QString &message);
    void startBackEnd() { CliBackEnd::start(m_args); }
    // One call on the open target: -1 when it went well, else the exit
    // status after its messages (prefixed by the script line when there is one).
    int perform(CliTarget &target, const CliOperations::Call &call, const QString &scriptPath, int lineNumber);
    // A status request of run: waits for the answer and shows it; -1 when it
    // came and reports no fault, else the exit status.
    int queryStatus(CliTarget &target, int status, const QString &scriptPath, int lineNumber);
    // An operation's failure: the texts the manager reported and the lost
    // connection; returns the exit status.
    int operationFailed(CliTarget &target, const QStringList &errors, const QString &scriptPath, int lineNumber);

    QStringList m_args;
    QString m_command;
};
