// The decoder of byte streams (render/): any stream, fed whole and in pieces
// whose sizes come from the input, must decode to the same commands at the
// same offsets, each piece after the one before.
#include "FuzzTarget.h"

#include "render/VpDecoder.h"

#include <QJsonObject>

#include <cstdlib>

namespace {

// One decoded command, or one whole run of text (text may come in several
// pieces when the stream does).
struct Decoded
{
    VpCommand::Kind kind;
    QString name;
    QString code;
    QJsonObject params;
    QByteArray raw;
    QByteArray data;
    bool chinese;
    qint64 offset;

    bool operator==(const Decoded &o) const
    {
        return kind == o.kind && name == o.name && code == o.code && params == o.params && raw == o.raw
               && data == o.data && chinese == o.chinese && offset == o.offset;
    }
};

QList<Decoded> decode(const QByteArray &stream, const QByteArray &cuts)
{
    // Text runs may come in several pieces: join them.
    QList<Decoded> out;
    QByteArray text;
    bool chinese = false;
    qint64 textOffset = 0;
    qint64 next = 0; // the earliest start of the next piece
    auto flush = [&] {
        if (!text.isEmpty())
            out.append(Decoded{VpCommand::Text, QString(), QString(), QJsonObject(), QByteArray(), text, chinese, textOffset});
        text.clear();
    };
    auto take = [&](const QList<VpCommand> &commands) {
        for (const VpCommand &c : commands) {
            // Each piece starts after the bytes of the one before.
            if (c.offset < next)
                std::abort();
            next = c.offset + qMax(1, c.kind == VpCommand::Text ? c.data.size() : c.raw.size());
            if (c.kind == VpCommand::Text) {
                const bool pieceChinese = c.params.value(QStringLiteral("chinese")).toBool();
                if (pieceChinese != chinese)
                    flush();
                if (text.isEmpty())
                    textOffset = c.offset;
                chinese = pieceChinese;
                text += c.data;
                continue;
            }
            flush();
            out.append(Decoded{c.kind, c.name, c.code, c.params, c.raw, c.data, false, c.offset});
        }
    };
    VpDecoder decoder;
    int at = 0;
    int cut = 0;
    while (at < stream.size()) {
        const int piece = cuts.isEmpty() ? stream.size() : 1 + quint8(cuts.at(cut++ % cuts.size())) % 64;
        take(decoder.feed(stream.mid(at, piece)));
        at += piece;
    }
    take(decoder.finish());
    flush();
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int cutBytes = qMin<int>(data[0] % 8, int(size) - 1);
    const QByteArray cuts = FuzzInput::bytes(data + 1, size_t(cutBytes));
    const QByteArray stream = FuzzInput::bytes(data + 1 + cutBytes, size - 1 - size_t(cutBytes));
    const QList<Decoded> whole = decode(stream, QByteArray());
    const QList<Decoded> split = decode(stream, cuts.isEmpty() ? QByteArray(1, '\0') : cuts);
    if (whole != split)
        std::abort();
    return 0;
}
