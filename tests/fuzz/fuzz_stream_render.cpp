// A whole byte stream on paper (VpStreamRenderer, render/), as quillmark
// render and the print previews draw files from anywhere: picture data,
// logo and graphics definitions, barcodes and codes are all drawn. The first
// byte picks the paper, the power-on mode and small bounds (one page, pages of
// 100 dots, lists of two entries). The listing must account for every byte:
// pieces in stream order, undecoded ones among them, and pages as wide as the
// paper and no longer than the page length, never more than the page limit.
// There is no QGuiApplication here, so glyph cells stay blank: the run covers
// decoding, layout and pictures, not the system's fonts.
#include "FuzzTarget.h"

#include "render/VpStreamRenderer.h"

#include <QJsonObject>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    VpStreamRenderer::Options options;
    options.paperDots = (data[0] & 1) ? VpRenderer::Paper58Dots : VpRenderer::Paper80Dots;
    options.chineseMode = data[0] & 2;
    if (data[0] & 4)
        options.maxPages = 1;
    if (data[0] & 8)
        options.maxPageDots = 100;
    if (data[0] & 16)
        options.maxListed = 2;
    const QByteArray stream = FuzzInput::bytes(data + 1, size - 1);
    int pages = 0;
    const VpStreamRenderer::Result result = VpStreamRenderer::render(stream, options, [&](const QImage &page) {
        if (page.width() != options.paperDots || page.height() < 1 || page.height() > options.maxPageDots)
            std::abort();
        ++pages;
    });
    auto listedAll = [&](const QJsonArray &listed, int count) {
        return listed.size() == qMin(count, options.maxListed);
    };
    if (pages != result.pageCount || pages > options.maxPages || !listedAll(result.undecoded, result.undecodedCount)
        || !listedAll(result.unprinted, result.unprintedCount) || !listedAll(result.commands, result.commandCount)
        || result.clipped.size() > qMin(result.clippedCount, options.maxListed)
        || (result.clippedCount > 0 && result.clippedDots <= 0) || result.stoppedAt > stream.size())
        std::abort();
    double previous = -1;
    for (const QJsonValue &entry : result.commands) {
        const double offset = entry.toObject().value(QStringLiteral("offset")).toDouble();
        if (offset <= previous || offset > stream.size())
            std::abort();
        previous = offset;
    }
    return 0;
}
