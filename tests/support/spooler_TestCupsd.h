#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A private CUPS scheduler for one test run: its own configuration, spool and
// logs in a temporary folder, reachable only through its local socket, with
// raw queues pointing at loopback printers. Stopped when the object goes.
class TestCupsd
{
public:
    static constexpr int StartTimeoutMs = 15000;
    static constexpr int CommandTimeoutMs = 15000;

    TestCupsd() = default;
    ~TestCupsd();
    TestCupsd(const TestCupsd &) = delete;
    TestCupsd &operator=(const TestCupsd &) = delete;

    // False (with the reason) when the scheduler is not installed or cannot
    // run here (not real root).
    static bool isInstalled(QString *why);

    bool start(QString *error);
    // The scheduler's socket: the value for CUPS_SERVER.
    QString server() const;
    // A raw queue (no driver) that sends every job to deviceUri.
    bool addRawQueue(const QString &name, const QString &deviceUri, QString *error);
    // Deletes a queue, as when an administrator removes the printer.
    bool removeQueue(const QString &name, QString *error);
    // The job names and document formats of the queue's finished and pending jobs.
    QStringList jobNames(const QString &queue, QStringList *formats = nullptr) const;
    QString errorLog() const;

    qint64 pid() const;
    bool isRunning() const;
    void pause();  // SIGSTOP: alive but never answers
    void resume(); // SIGCONT
    void crash();  // SIGKILL, as when the scheduler dies
    void stop();   // orderly shut-down

private:
    bool runTool(const QString &program, const QStringList &args, QString *error) const;
    bool waitUntilAnswering(int timeoutMs) const;

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    bool m_paused = false;
};
