#pragma once

#include <QStringList>

// What every quillmark command shares: its exit statuses, and the start of
// the back end the window also uses.
class CliBackEnd
{
public:
    enum ExitCode { ExitOk = 0, ExitFault = 1, ExitUsage = 2, ExitUnreachable = 3 };
    // The longest connect or answer limit a command takes (ten minutes).
    static constexpr int MaxTimeoutMs = 600000;

    // What the window does at start: log level and configuration store; then
    // the command line itself goes into the log.
    static void start(const QStringList &arguments);
};
