#include "VpEventLog.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QJsonDocument>

VpEventLog::VpEventLog(QObject *parent) : QObject(parent) {}

VpEventLog::~VpEventLog() { closeFile(); }

bool VpEventLog::openFile(const QString &filePath)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_file.isOpen())
        m_file.close();
    m_file.setFileName(filePath);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

void VpEventLog::setMaxEntries(int count)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_maxEntries = qMax(0, count);
    while (m_entries.size() > m_maxEntries)
        m_entries.removeFirst();
}

void VpEventLog::closeFile()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_file.isOpen())
        m_file.close();
}

qint64 VpEventLog::append(QJsonObject entry)
{
    qint64 seq;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        seq = ++m_seq;
        entry.insert(QStringLiteral("seq"), seq);
        entry.insert(QStringLiteral("time"), QDateTime::currentDateTime().toString(Qt::ISODateWithMs));
        if (m_maxEntries > 0)
            m_entries.append(entry);
        while (m_entries.size() > m_maxEntries)
            m_entries.removeFirst();
        if (m_file.isOpen()) {
            m_file.write(QJsonDocument(entry).toJson(QJsonDocument::Compact));
            m_file.write("\n");
            m_file.flush();
        }
    }
    m_added.notify_all();
    emit entryAdded(entry);
    return seq;
}

QList<QJsonObject> VpEventLog::entries() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    // A list of its own, not a shared copy of m_entries: the engine thread
    // appends to m_entries after the reader has let go of its copy, and the
    // shared list's count is read relaxed, which orders nothing.
    QList<QJsonObject> out;
    out.reserve(m_entries.size());
    for (const QJsonObject &e : m_entries)
        out.append(e);
    return out;
}

QList<QJsonObject> VpEventLog::entriesNamed(const QString &name) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    QList<QJsonObject> out;
    for (const QJsonObject &e : m_entries)
        if (e.value(QStringLiteral("name")).toString() == name)
            out.append(e);
    return out;
}

QList<QJsonObject> VpEventLog::entriesSince(qint64 seq) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    QList<QJsonObject> out;
    for (const QJsonObject &e : m_entries)
        if (e.value(QStringLiteral("seq")).toVariant().toLongLong() > seq)
            out.append(e);
    return out;
}

qint64 VpEventLog::lastSeq() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_seq;
}

void VpEventLog::clear()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_entries.clear();
}

QJsonObject VpEventLog::waitFor(const QString &name, int timeoutMs, qint64 afterSeq) const
{
    QDeadlineTimer deadline(timeoutMs);
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        // The earliest matching entry after afterSeq.
        const QJsonObject *found = nullptr;
        for (auto it = m_entries.crbegin(); it != m_entries.crend(); ++it) {
            if (it->value(QStringLiteral("seq")).toVariant().toLongLong() <= afterSeq)
                break;
            if (it->value(QStringLiteral("name")).toString() == name)
                found = &*it;
        }
        if (found)
            return *found;
        if (deadline.hasExpired())
            return {};
        m_added.wait_for(lock, std::chrono::milliseconds(qMax<qint64>(1, deadline.remainingTime())));
    }
}
