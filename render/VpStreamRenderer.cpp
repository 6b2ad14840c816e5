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

    auto takePages = [&] {
        for (const QImage &page : printer.renderer().takeFinishedPages()) {
            ++result.pageCount;
            if (sink)
                sink(page);
            else
                result.pages.append(page);
        }
    };
    auto run = [&](const QList<VpCommand> &commands) {
        for (const VpCommand &cmd : commands) {
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
            if (options.listing) {
                QJsonObject entry = cmd.describe(extra);
                entry.insert(QStringLiteral("offset"), double(cmd.offset));
                if (failed)
                    entry.insert(QStringLiteral("error"), error);
                result.commands.append(entry);
                if (cmd.undecoded())
                    result.undecoded.append(entry);
                if (failed)
                    result.unprinted.append(entry);
            }
            takePages();
        }
    };
    run(decoder.feed(bytes));
    run(decoder.finish());
    printer.renderer().endOfStream();
    takePages();
    return result;
}
