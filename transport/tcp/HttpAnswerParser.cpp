#include "transport/tcp/HttpAnswerParser.h"

#include <QByteArrayList>

#include <algorithm>

namespace {
const QByteArray HttpPrefix = QByteArrayLiteral("HTTP/");
constexpr int MaxLengthDigits = 15;  // far beyond any page, far below overflow
constexpr int MaxChunkSizeDigits = 15;

bool allDigits(const QByteArray &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
} // namespace

HttpAnswerParser::HttpAnswerParser(qint64 maxBodyBytes) : m_maxBodyBytes(std::max<qint64>(1, maxBodyBytes)) {}

HttpAnswerParser::State HttpAnswerParser::feed(const QByteArray &bytes)
{
    if (m_state == State::Complete || m_state == State::Invalid)
        return m_state;
    m_pending.append(bytes);
    m_pos = 0;
    bool more = true;
    while (more && (m_state == State::Head || m_state == State::Body))
        more = m_state == State::Head ? parseHead() : parseBody();
    // Only a line still arriving is kept.
    if (m_state == State::Head || m_state == State::Body)
        m_pending.remove(0, m_pos);
    else
        m_pending.clear();
    m_pos = 0;
    return m_state;
}

HttpAnswerParser::State HttpAnswerParser::closed()
{
    if (m_state == State::Head) {
        m_state = State::Invalid;
    } else if (m_state == State::Body) {
        const bool whole = m_framing == Framing::UntilClose
                           || (m_framing == Framing::Chunked && m_chunkStep == ChunkStep::Trailers);
        m_endedEarly = !whole;
        m_state = State::Complete;
    }
    return m_state;
}

bool HttpAnswerParser::takeLine(QByteArray *line)
{
    const int end = m_pending.indexOf('\n', m_pos);
    if (end < 0)
        return false;
    *line = m_pending.mid(m_pos, end - m_pos);
    if (line->endsWith('\r'))
        line->chop(1);
    m_pos = end + 1;
    return true;
}

bool HttpAnswerParser::parseHead()
{
    QByteArray line;
    const int start = m_pos;
    if (!takeLine(&line)) {
        const QByteArray waiting = m_pending.mid(start);
        if (m_status == 0) {
            // Not HTTP at all: say so as soon as the first bytes show it.
            const int n = std::min(waiting.size(), HttpPrefix.size());
            if (waiting.left(n) != HttpPrefix.left(n))
                m_state = State::Invalid;
        }
        if (m_headBytes + waiting.size() > MaxHeadBytes)
            m_state = State::Invalid;
        return false;
    }
    m_headBytes += m_pos - start;
    if (m_headBytes > MaxHeadBytes) {
        m_state = State::Invalid;
        return false;
    }
    if (m_status == 0) {
        // "HTTP/1.1 200 OK": the version, then three digits.
        const int space = line.indexOf(' ');
        const QByteArray rest = space < 0 ? QByteArray() : line.mid(space + 1).trimmed();
        const QByteArray code = rest.left(3);
        if (!line.startsWith(HttpPrefix) || code.size() != 3 || !allDigits(code)
            || (rest.size() > 3 && rest.at(3) != ' ') || code.toInt() < 100) {
            m_state = State::Invalid;
            return false;
        }
        m_status = code.toInt();
        return true;
    }
    if (!line.isEmpty()) {
        const int colon = line.indexOf(':');
        if (colon <= 0)
            return true; // not a header: passed over
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "content-length") {
            if (!allDigits(value) || value.size() > MaxLengthDigits
                || (m_length >= 0 && m_length != value.toLongLong())) {
                m_state = State::Invalid;
                return false;
            }
            m_length = value.toLongLong();
        } else if (name == "transfer-encoding") {
            m_chunked = value.toLower().split(',').last().trimmed() == "chunked";
        }
        return true;
    }

    // The empty line ends the head.
    if (m_status >= 100 && m_status < 200 && m_status != 101) {
        // An interim answer (100 Continue): the real one follows.
        m_status = 0;
        m_length = -1;
        m_chunked = false;
        return true;
    }
    if (m_status == 101 || m_status == 204 || m_status == 304) {
        m_state = State::Complete;
        return false;
    }
    m_state = State::Body;
    if (m_chunked) {
        m_framing = Framing::Chunked;
        m_chunkStep = ChunkStep::SizeLine;
    } else if (m_length >= 0) {
        m_framing = Framing::Length;
        m_remaining = m_length;
        if (m_remaining == 0)
            m_state = State::Complete;
    } else {
        m_framing = Framing::UntilClose;
    }
    return true;
}

bool HttpAnswerParser::parseBody()
{
    const qint64 available = m_pending.size() - m_pos;
    switch (m_framing) {
    case Framing::UntilClose:
        appendBody(m_pending.constData() + m_pos, available);
        m_pos = m_pending.size();
        return false;
    case Framing::Length: {
        const qint64 n = std::min(available, m_remaining);
        appendBody(m_pending.constData() + m_pos, n);
        m_pos += int(n);
        m_remaining -= n;
        if (m_remaining == 0 && m_state == State::Body)
            m_state = State::Complete;
        return false;
    }
    case Framing::Chunked:
        break;
    }

    QByteArray line;
    switch (m_chunkStep) {
    case ChunkStep::SizeLine: {
        const int start = m_pos;
        if (!takeLine(&line)) {
            if (m_pending.size() - start > MaxChunkLineBytes)
                m_state = State::Invalid;
            return false;
        }
        if (m_pos - start > MaxChunkLineBytes) {
            m_state = State::Invalid;
            return false;
        }
        // "1a;name=value": the size in hexadecimal, extensions ignored.
        const QByteArray digits = line.left(line.indexOf(';') < 0 ? line.size() : line.indexOf(';')).trimmed();
        bool ok = false;
        const qint64 size = digits.size() <= MaxChunkSizeDigits ? digits.toLongLong(&ok, 16) : 0;
        if (!ok || size < 0 || digits.startsWith('+') || digits.startsWith('-')) {
            m_state = State::Invalid;
            return false;
        }
        m_remaining = size;
        m_chunkStep = size == 0 ? ChunkStep::Trailers : ChunkStep::Data;
        return true;
    }
    case ChunkStep::Data: {
        const qint64 n = std::min(available, m_remaining);
        appendBody(m_pending.constData() + m_pos, n);
        m_pos += int(n);
        m_remaining -= n;
        if (m_remaining > 0 || m_state != State::Body)
            return false;
        m_chunkStep = ChunkStep::DataEnd;
        return true;
    }
    case ChunkStep::DataEnd:
        if (!takeLine(&line))
            return false;
        if (!line.isEmpty()) {
            m_state = State::Invalid;
            return false;
        }
        m_chunkStep = ChunkStep::SizeLine;
        return true;
    case ChunkStep::Trailers: {
        const int start = m_pos;
        if (!takeLine(&line)) {
            if (m_trailerBytes + (m_pending.size() - start) > MaxHeadBytes)
                m_state = State::Invalid;
            return false;
        }
        m_trailerBytes += m_pos - start;
        if (m_trailerBytes > MaxHeadBytes) {
            m_state = State::Invalid;
            return false;
        }
        if (line.isEmpty())
            m_state = State::Complete;
        return true;
    }
    }
    return false;
}

void HttpAnswerParser::appendBody(const char *data, qint64 size)
{
    if (size <= 0)
        return;
    const qint64 room = m_maxBodyBytes - m_body.size();
    m_body.append(data, int(std::min(size, room)));
    if (m_body.size() >= m_maxBodyBytes) {
        m_cut = true;
        m_state = State::Complete;
    }
}
