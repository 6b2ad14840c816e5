#pragma once

#include <QByteArray>
#include <QtGlobal>

// Sorts what a printer sends back into the answer to the request waiting for
// it. Every status reader uses it: the status page (TCP and USB), `quillmark
// status` and `run`, and the exporter's poller. Transports hand it the bytes
// they read; the rules live here:
//
// - A request is preceded by expect(): whatever arrived before it cannot be
//   its answer and is dropped (the caller also reads what is still pending on
//   the line and hands it to drop() before writing the request).
// - The answer to a real-time status request (DLE EOT n) is one byte with
//   bits 1 and 4 set and bits 0 and 7 clear. Bytes that cannot be one are
//   stray and never taken as the answer. When a piece read from the line
//   holds several status bytes (a stray one before the answer), the last
//   is the answer: the printer answers a request after what it sent before.
// - A request whose reply holds more stray bytes than a printer sends on its
//   own (MaxStrayBytes) is answered by something that is no printer, and
//   fails, so text from another service never reads as a status.
// - A connection freshly opened is left quiet for SettleMs before the first
//   request, so that bytes a printer sends as it accepts are gone by then.
class PrinterReplyReader
{
public:
    // Time for what a printer sends on accepting a connection to arrive.
    static constexpr int SettleMs = 100;
    // Stray bytes tolerated in the reply to one request: a printer sends a
    // byte or two of its own (a flow-control byte, a late answer); four is the
    // longest block it sends unasked (Automatic Status Back).
    static constexpr int MaxStrayBytes = 4;
    // Bytes of a stray reply kept for the message.
    static constexpr int ExcerptBytes = 16;

    enum class Reply {
        RealTimeStatus, // one status byte
        Any,            // whatever comes next (settings read back as text)
    };
    enum class State {
        Idle,     // no request waits
        Waiting,  // a request waits, no answer yet
        Answered, // answer() holds it
        Garbage,  // the reply is not what was asked for; stray() shows it
    };

    // A request is about to leave; what came before is forgotten.
    void expect(Reply reply);
    // The request is withdrawn or has ended; later bytes are stray.
    void cancel();
    // Bytes read from the line before a request leaves: never an answer.
    void drop(const QByteArray &bytes);
    // One piece read from the line.
    State feed(const QByteArray &bytes);

    State state() const { return m_state; }
    bool waiting() const { return m_state == State::Waiting; }
    Reply reply() const { return m_reply; }
    // The answer: the status byte, or the bytes of an Any reply.
    QByteArray answer() const { return m_answer; }
    quint8 statusByte() const { return m_answer.isEmpty() ? 0 : quint8(m_answer.at(0)); }
    // The first stray bytes since the request (at most ExcerptBytes).
    QByteArray stray() const { return m_stray; }
    int strayCount() const { return m_strayCount; }
    // Bytes dropped since the reader was made (stale input and stray bytes).
    qint64 droppedBytes() const { return m_dropped; }

private:
    void noteStray(const char *data, int size);

    State m_state = State::Idle;
    Reply m_reply = Reply::RealTimeStatus;
    QByteArray m_answer;
    QByteArray m_stray;
    int m_strayCount = 0;
    qint64 m_dropped = 0;
};
