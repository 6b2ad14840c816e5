#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CliTarget;
class QTranslator;

// quillmark: the commands scan, list, ops, run, status, raw and render over the same
// back end as the window, with their exit statuses.
class CliApp
{
    Q_DECLARE_TR_FUNCTIONS(CliApp)
public:
    enum ExitCode { ExitOk = 0, ExitFault = 1, ExitUsage = 2, ExitUnreachable = 3 };

    // A LAN search that has not ended by then is given up.
    static constexpr int ScanLimitMs = 180000;

    // The language of the messages: QM_LANGUAGE (zh_CN or en_US), else the
    // window's choice in initial.ini, else the system's language.
    static void installTranslation(QCoreApplication &app, QTranslator &translator);

    // arguments without the program name
    explicit CliApp(const QStringList &arguments);
    int exec();

private:
    int scan(const QStringList &args);
    int list(const QStringList &args);
    int ops(const QStringList &args);
    int run(const QStringList &args);
    int status(const QStringList &args);
    int raw(const QStringList &args);

    int usageError(const QString &message);
    // What the window does at start: log level and configuration store; then
    // the command line itself goes into the log.
    void startBackEnd();
    // An operation's failure: the texts the transport reported and the lost
    // connection, each prefixed by the script line when there is one; returns
    // the exit status.
    int operationFailed(CliTarget &target, const QStringList &errors, const QString &scriptPath, int lineNumber);

    QStringList m_args;
    QString m_command;
};
