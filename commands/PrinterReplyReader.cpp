#include "commands/PrinterReplyReader.h"

#include "commands/StatusReply.h"

void PrinterReplyReader::expect(Reply reply)
{
    m_state = State::Waiting;
    m_reply = reply;
    m_answer.clear();
    m_stray.clear();
    m_strayCount = 0;
}

void PrinterReplyReader::cancel()
{
    m_state = State::Idle;
}

void PrinterReplyReader::drop(const QByteArray &bytes)
{
    m_dropped += bytes.size();
}

void PrinterReplyReader::noteStray(const char *data, int size)
{
    m_strayCount += size;
    m_dropped += size;
    const int room = ExcerptBytes - m_stray.size();
    if (room > 0)
        m_stray.append(data, qMin(room, size));
}

PrinterReplyReader::State PrinterReplyReader::feed(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return m_state;
    if (m_state != State::Waiting) {
        // Nothing asked for these: a stray byte, or more of a reply already taken.
        m_dropped += bytes.size();
        return m_state;
    }
    if (m_reply == Reply::Any) {
        m_answer = bytes;
        m_state = State::Answered;
        return m_state;
    }
    int last = -1;
    for (int i = 0; i < bytes.size(); ++i) {
        if (StatusReply::isStatusByte(quint8(bytes.at(i)))) {
            if (last >= 0)
                noteStray(bytes.constData() + last, 1);
            last = i;
        } else {
            noteStray(bytes.constData() + i, 1);
        }
    }
    if (m_strayCount > MaxStrayBytes) {
        m_state = State::Garbage;
        return m_state;
    }
    if (last >= 0) {
        m_answer = bytes.mid(last, 1);
        m_state = State::Answered;
    }
    return m_state;
}
