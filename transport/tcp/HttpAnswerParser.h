#pragma once

#include <QByteArray>

// Reads an HTTP/1.x answer as it arrives, in pieces of any size: status line,
// headers, then the body by its length, by its chunks or up to the end of the
// connection. The body is never kept beyond maxBodyBytes (the answer counts as
// complete, cut, at that point), and a head that is not HTTP or grows beyond
// MaxHeadBytes ends the answer as invalid. The result does not depend on how
// the bytes were split.
class HttpAnswerParser
{
public:
    enum class State { Head, Body, Complete, Invalid };

    static constexpr int MaxHeadBytes = 64 * 1024;
    static constexpr int MaxChunkLineBytes = 1024;

    explicit HttpAnswerParser(qint64 maxBodyBytes);

    State feed(const QByteArray &bytes);
    // The connection has ended: an answer framed by the end of the connection
    // is complete now; one that was cut short keeps what arrived
    // (endedEarly()), and one without a whole head is invalid.
    State closed();

    State state() const { return m_state; }
    int status() const { return m_status; }
    const QByteArray &body() const { return m_body; }
    // The body reached maxBodyBytes; the rest of it was not read.
    bool bodyCut() const { return m_cut; }
    // The connection ended before the length or the last chunk.
    bool endedEarly() const { return m_endedEarly; }

private:
    enum class Framing { Length, Chunked, UntilClose };
    enum class ChunkStep { SizeLine, Data, DataEnd, Trailers };

    bool parseHead();
    bool parseBody();
    void appendBody(const char *data, qint64 size);
    // Takes one line ending in LF from the pending bytes (without CR LF);
    // false when no whole line has arrived yet.
    bool takeLine(QByteArray *line);

    qint64 m_maxBodyBytes = 0;
    State m_state = State::Head;
    int m_status = 0;
    Framing m_framing = Framing::UntilClose;
    ChunkStep m_chunkStep = ChunkStep::SizeLine;
    qint64 m_remaining = 0;   // of the length or of the chunk
    qint64 m_length = -1;     // Content-Length, -1 when none was given
    bool m_chunked = false;
    int m_headBytes = 0;
    int m_trailerBytes = 0;
    QByteArray m_pending;     // bytes not yet taken
    int m_pos = 0;            // how far m_pending has been taken
    QByteArray m_body;
    bool m_cut = false;
    bool m_endedEarly = false;
};
