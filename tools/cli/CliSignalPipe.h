#pragma once

#include <QList>
#include <QObject>

#include <csignal>

class QSocketNotifier;

// Signals of the operating system (SIGINT, SIGTERM, SIGHUP) handed to the
// event loop: the handler only writes the signal's number into a pipe, which
// a socket notifier reads, and arrived() follows there. One at a time in a
// program; the signals' former handlers come back when it goes.
class CliSignalPipe : public QObject
{
    Q_OBJECT
public:
    // A command that a signal ends exits with this plus the signal's number
    // (130 after Ctrl-C), as a shell reports it.
    static constexpr int ExitStatusBase = 128;

    explicit CliSignalPipe(const QList<int> &numbers, QObject *parent = nullptr);
    ~CliSignalPipe() override;

    // The signal that came last; 0 while none has.
    int received() const { return m_received; }

signals:
    void arrived(int number);

private:
    void readPipe();

    QList<int> m_numbers;
    QList<struct sigaction> m_former;
    QSocketNotifier *m_notifier = nullptr;
    int m_received = 0;
};
