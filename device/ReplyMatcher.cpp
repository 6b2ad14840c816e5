#include "device/ReplyMatcher.h"

#include <QTimer>

ReplyMatcher::ReplyMatcher(Policy policy, QObject *parent) : QObject(parent), m_policy(policy) {}

quint64 ReplyMatcher::expect(const QString &answer, int timeoutMs)
{
    quint64 id = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        id = m_nextId++;
        if (m_policy == OneAtATime)
            m_waiting.clear();
        m_waiting.append({id, answer});
    }
    // Each request times out by its own identity, so an answer that went to an
    // older request with the same name cannot make a newer one time out early.
    QTimer::singleShot(timeoutMs, this, [this, id] { expire(id); });
    return id;
}

void ReplyMatcher::withdraw(quint64 request)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int i = 0; i < m_waiting.size(); ++i) {
        if (m_waiting.at(i).id == request) {
            m_waiting.removeAt(i);
            return;
        }
    }
}

QString ReplyMatcher::takeAnswer()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_waiting.isEmpty() ? QString() : m_waiting.takeFirst().answer;
}

QStringList ReplyMatcher::waiting() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QStringList names;
    for (const Request &r : m_waiting)
        names.append(r.answer);
    return names;
}

void ReplyMatcher::expire(quint64 request)
{
    QString answer;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        int i = 0;
        while (i < m_waiting.size() && m_waiting.at(i).id != request)
            ++i;
        if (i == m_waiting.size())
            return;
        answer = m_waiting.takeAt(i).answer;
    }
    emit timedOut(answer);
}
