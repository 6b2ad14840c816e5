#pragma once

#include <QObject>

#include <functional>
#include <mutex>
#include <vector>

class QSocketNotifier;

// Runs calls, posted from any thread, on the thread that owns the mailbox, in
// the order they were posted. What a call captures crosses under a
// std::mutex and the owner is woken through a pipe it watches, so neither a
// queued event nor a Qt lock takes part: a thread checker sees the whole
// hand-off (a queued signal crosses under Qt's own locks, which it cannot).
// Calls still waiting when the mailbox is destroyed are dropped.
class ThreadMailbox : public QObject
{
    Q_OBJECT
public:
    // On the owner's thread.
    explicit ThreadMailbox(QObject *parent = nullptr);
    ~ThreadMailbox() override;

    void post(std::function<void()> call);

private:
    void deliver();

    int m_readFd = -1;
    int m_writeFd = -1;
    QSocketNotifier *m_notifier = nullptr;
    std::mutex m_mutex;                       // guards the two below
    std::vector<std::function<void()>> m_calls;
    bool m_woken = false;                     // a wake-up byte is on its way
};
