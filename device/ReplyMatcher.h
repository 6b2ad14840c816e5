#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <mutex>

// Pairs the printer's answers with the requests waiting for them. A request
// names the answer it expects ("PrinterStatus", "BluetoothName") and how long
// it waits; an answer goes to the waiting request (the oldest one, or with
// OneAtATime the only one); a request whose time runs out is dropped and
// reported by timedOut, so nothing waits for ever on a transport whose answers
// never come. Safe to call from any thread; time-outs are reported on the
// matcher's thread.
class ReplyMatcher : public QObject
{
    Q_OBJECT
public:
    enum Policy {
        Queue,      // every request waits for an answer of its own, in order
        OneAtATime, // a new request replaces the one still waiting
    };

    explicit ReplyMatcher(Policy policy, QObject *parent = nullptr);

    // A request that expects the answer named answer; it times out after
    // timeoutMs. The result identifies the request for withdraw().
    quint64 expect(const QString &answer, int timeoutMs);
    // A request that never left (its send failed): no answer, no time-out.
    void withdraw(quint64 request);
    // An answer arrived: the name of the request it belongs to, which stops
    // waiting; empty when no request waits.
    QString takeAnswer();
    // The names of the requests still waiting, oldest first.
    QStringList waiting() const;

signals:
    void timedOut(QString answer);

private:
    struct Request
    {
        quint64 id;
        QString answer;
    };

    void expire(quint64 request);

    const Policy m_policy;
    mutable std::mutex m_mutex;
    QList<Request> m_waiting;
    quint64 m_nextId = 1;
};
