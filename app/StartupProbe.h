#pragma once

class QObject;

// Start-up measurement for bench/startup.sh. When the environment variable
// QM_STARTUP_PROBE holds the wall-clock time (nanoseconds since the epoch) at
// which the process was launched, it prints to stderr the time until the main
// window's first frame and, one second later, the resident memory, then quits.
// Without the variable it does nothing.
class StartupProbe
{
public:
    static constexpr int SettleMs = 1000;

    static void attach(QObject *mainWindow);
    // Resident set size of this process in kB (0 when unknown).
    static long residentKb();
};
