// The virtual printer's decoder: any stream, fed whole and in pieces whose
// sizes come from the input, must decode to the same commands.
#include "FuzzTarget.h"

#include "VpDecoder.h"

#include <QJsonDocument>

#include <cstdlib>

namespace {

QList<QByteArray> decode(const QByteArray &stream, const QByteArray &cuts)
{
    VpDecoder decoder;
    QList<VpCommand> all;
    int at = 0;
    int cut = 0;
    while (at < stream.size()) {
        const int piece = cuts.isEmpty() ? stream.size() : 1 + quint8(cuts.at(cut++ % cuts.size())) % 64;
        all += decoder.feed(stream.mid(at, piece));
        at += piece;
    }
    all += decoder.finish();
    // Text runs may come in several pieces: join them.
    QList<QByteArray> out;
    QByteArray text;
    bool chinese = false;
    auto flush = [&] {
        if (!text.isEmpty())
            out << QByteArray(chinese ? "C" : "L") + text;
        text.clear();
    };
    for (const VpCommand &c : all) {
        if (c.kind == VpCommand::Text) {
            const bool pieceChinese = c.params.value(QStringLiteral("chinese")).toBool();
            if (pieceChinese != chinese)
                flush();
            chinese = pieceChinese;
            text += c.data;
            continue;
        }
        flush();
        out << c.name.toUtf8() + ' ' + c.code.toUtf8() + ' ' + QByteArray::number(c.kind) + ' '
                   + QJsonDocument(c.params).toJson(QJsonDocument::Compact) + ' ' + c.raw.toHex() + ' '
                   + c.data.toHex();
    }
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
    const QList<QByteArray> whole = decode(stream, QByteArray());
    const QList<QByteArray> split = decode(stream, cuts.isEmpty() ? QByteArray(1, '\0') : cuts);
    if (whole != split)
        std::abort();
    return 0;
}
