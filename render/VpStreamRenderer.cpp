#include "render/VpStreamRenderer.h"

#include "render/VpCommandPrinter.h"
#include "render/VpDecoder.h"

namespace {
constexpr int Paper58Mm = 58;
constexpr int Paper80Mm = 80;
} // namespace

int VpStreamRenderer::paperDotsForMm(int mm)
{
    if (mm == Paper58Mm)
        return VpRenderer::Paper58Dots;
    if (mm == Paper80Mm)
        return VpRenderer::Paper80Dots;
    return 0;
}

VpStreamRenderer::Result VpStreamRenderer::render(const QByteArray &bytes, int paperDots)
{
    Options options;
    options.paperDots = paperDots;
    return render(bytes, options);
}

VpStreamRenderer::Result VpStreamRenderer::render(const QByteArray &bytes, const Options &options, const PageSink &sink)
{
    Result result;
    VpDecoder decoder;
    decoder.setDefaultChineseMode(options.chineseMode);
    decoder.reset();
    VpCommandPrinter printer(options.paperDots);
    printer.renderer().setMaxPageHeight(options.maxPageDots);
    const int maxPages = qMax(1, options.maxPages);
    const int maxListed = qMax(0, options.maxListed);
    // The run of commands in a row that leave paper out has one entry in
    // clipped, brought up to date when the run ends.
    struct ClipRun
    {
        int entry = -1; // in result.clipped; -1 when not listed
        QString name;
        int repeated = 0;
        qint64 dots = 0;
    } clipRun;

    // Pages past the limit are not kept; the first of them stops the drawing.
    auto takePages = [&](qint64 offset) {
        for (const QImage &page : printer.renderer().takeFinishedPages()) {
            if (result.pageCount >= maxPages) {
                result.stoppedAt = offset;
                return;
            }
            ++result.pageCount;
            if (sink)
                sink(page);
            else
                result.pages.append(page);
        }
        if (result.pageCount >= maxPages && printer.renderer().pageHasInk())
            result.stoppedAt = offset;
    };
    auto list = [&](QJsonArray &listing, const QJsonObject &entry) {
        if (listing.size() < maxListed)
            listing.append(entry);
    };
    auto endClipRun = [&] {
        if (clipRun.repeated == 0)
            return;
        if (clipRun.entry >= 0 && clipRun.repeated > 1) {
            QJsonObject entry = result.clipped.at(clipRun.entry).toObject();
            entry.insert(QStringLiteral("repeated"), clipRun.repeated);
            entry.insert(QStringLiteral("clipped_dots"), double(clipRun.dots));
            result.clipped.replace(clipRun.entry, entry);
        }
        clipRun = ClipRun();
    };
    auto clipped = [&](const VpCommand &cmd, qint64 dots) {
        ++result.clippedCount;
        result.clippedDots += dots;
        if (clipRun.repeated > 0 && clipRun.name == cmd.name) {
            ++clipRun.repeated;
            clipRun.dots += dots;
            return;
        }
        endClipRun();
        clipRun.name = cmd.name;
        clipRun.repeated = 1;
        clipRun.dots = dots;
        if (options.listing && result.clipped.size() < maxListed) {
            clipRun.entry = result.clipped.size();
            result.clipped.append(QJsonObject{{QStringLiteral("offset"), double(cmd.offset)},
                                              {QStringLiteral("kind"), VpCommand::kindName(cmd.kind)},
                                              {QStringLiteral("name"), cmd.name},
                                              {QStringLiteral("code"), cmd.code},
                                              {QStringLiteral("repeated"), 1},
                                              {QStringLiteral("clipped_dots"), double(dots)}});
        }
    };
    auto run = [&](const VpCommand &cmd) {
        if (result.pageLimitReached())
            return;
        ++result.commandCount;
        QJsonObject extra;
        QString error;
        bool failed = false;
        if (cmd.undecoded())
            ++result.undecodedCount;
        else
            failed = printer.apply(cmd, &extra, &error) == VpCommandPrinter::Failed;
        // The printer's own setting of the power-on mode counts from the next ESC @.
        if (cmd.name == QLatin1String("maker_print_mode"))
            decoder.setDefaultChineseMode(cmd.params.value(QStringLiteral("n")).toInt() == 1);
        else if (cmd.name == QLatin1String("factory_reset"))
            decoder.setDefaultChineseMode(true);
        if (failed)
            ++result.unprintedCount;
        const qint64 clippedDots = qint64(extra.value(QStringLiteral("clipped_dots")).toDouble());
        if (clippedDots > 0)
            clipped(cmd, clippedDots);
        else
            endClipRun();
        if (options.listing && (result.commands.size() < maxListed || (cmd.undecoded() && result.undecoded.size() < maxListed)
                                || (failed && result.unprinted.size() < maxListed))) {
            QJsonObject entry = cmd.describe(extra);
            entry.insert(QStringLiteral("offset"), double(cmd.offset));
            if (failed)
                entry.insert(QStringLiteral("error"), error);
            list(result.commands, entry);
            if (cmd.undecoded())
                list(result.undecoded, entry);
            if (failed)
                list(result.unprinted, entry);
        }
        takePages(cmd.offset);
    };
    for (qint64 at = 0; at < bytes.size() && !result.pageLimitReached(); at += PieceBytes)
        decoder.feed(QByteArray::fromRawData(bytes.constData() + at, int(qMin<qint64>(PieceBytes, bytes.size() - at))), run);
    if (!result.pageLimitReached()) {
        decoder.finish(run);
        const qint64 clippedBefore = printer.renderer().clippedDots();
        printer.renderer().endOfStream(); // the last line, with no command to list it under
        result.clippedDots += printer.renderer().clippedDots() - clippedBefore;
        takePages(bytes.size());
    }
    endClipRun();
    return result;
}
