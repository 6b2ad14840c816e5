#pragma once

#include "render/VpCommand.h"

#include <QByteArray>
#include <QList>

#include <functional>

// Splits the printer's input stream into commands and text runs. Input may
// arrive in pieces of any size: an incomplete command waits for the rest.
// Each piece carries its offset in the stream, counted from the last reset.
// Every length read from the stream is checked against the printer's limits;
// a command beyond them is reported as oversized and its declared data is
// skipped as it arrives, never buffered. With a sink, each piece is handed
// over as soon as it is decoded and nothing is collected, so a long stream of
// small commands costs no more memory than one of them.
class VpDecoder
{
public:
    // Largest single command the printer accepts (raster images, logo sets).
    static constexpr qint64 MaxCommandBytes = 16 * 1024 * 1024;
    // Largest settings frame payload.
    static constexpr int MaxSettingsData = 4096;
    // Longest text run reported as one piece.
    static constexpr int MaxTextRun = 4096;
    // Longest NUL-terminated barcode (GS k m = 0..6) and tab list.
    static constexpr int MaxNulTerminated = 255;
    static constexpr int MaxTabs = 32;
    // Bytes of a command echoed into "raw" for the log.
    static constexpr int MaxRawKept = 64;

    // Chinese-character mode decides whether bytes 81..FE start a two-byte
    // character. The printer sets the power-on value; FS & / FS . / ESC @ change it.
    void setDefaultChineseMode(bool on) { m_defaultChinese = on; }
    bool chineseMode() const { return m_chinese; }

    // Receives each piece in stream order. It may change the power-on mode
    // (setDefaultChineseMode), but must not feed, finish or reset the decoder.
    using Sink = std::function<void(const VpCommand &cmd)>;

    QList<VpCommand> feed(const QByteArray &bytes);
    void feed(const QByteArray &bytes, const Sink &sink);
    // End of the stream: whatever is left is reported as truncated.
    QList<VpCommand> finish();
    void finish(const Sink &sink);
    void reset();

private:
    enum Result { NeedMore = -1 };
    // Decodes what is buffered; stops at an incomplete command.
    void drain(const Sink &sink);
    // A command complete after `complete` bytes that may own one more byte
    // (a closing LF): true while that byte has not arrived and the stream goes on.
    bool awaitsOptionalByte(qint64 n, qint64 complete) const;
    // Parses one unit at m_buf[pos..]; returns its length, or NeedMore.
    qint64 parseOne(int pos, VpCommand &out);
    qint64 parseDle(const uchar *p, qint64 n, VpCommand &out);
    qint64 parseEsc(const uchar *p, qint64 n, VpCommand &out);
    qint64 parseFs(const uchar *p, qint64 n, VpCommand &out);
    qint64 parseGs(const uchar *p, qint64 n, VpCommand &out);
    qint64 parseUs(const uchar *p, qint64 n, VpCommand &out);
    qint64 parseText(const uchar *p, qint64 n, VpCommand &out);
    // header: the bytes before the declared data, kept as the command's raw.
    qint64 oversized(const uchar *p, qint64 n, qint64 header, qint64 total, const QString &name,
                     const QString &code, VpCommand &out);

    QByteArray m_buf;
    qint64 m_skip = 0; // bytes of an oversized command still to throw away
    qint64 m_offset = 0; // stream position of m_buf's first byte
    bool m_atEnd = false; // finish() is decoding what is left
    bool m_chinese = true;
    bool m_defaultChinese = true;
};
