#pragma once

#include "render/VpRenderer.h"

#include <QByteArray>
#include <QImage>
#include <QJsonArray>
#include <QList>

#include <functional>

// A whole byte stream on paper, as the virtual printer prints it from power-on:
// decoded, run, and cut into pages (one per cut, and one for what follows the
// last cut), with a listing of every piece the decoder found and of what it
// could not read or print. Needs a QGuiApplication for the fonts; safe to run
// on any thread.
//
// Everything is bounded by the options, whatever the stream holds: the stream
// is decoded in pieces and each command is run and forgotten; the listing
// keeps at most maxListed entries per list and counts the rest; pages are at
// most maxPageDots long (blank feed past that is left out and listed as
// clipped); and drawing stops at the first ink past maxPages pages.
class VpStreamRenderer
{
public:
    static constexpr int DefaultMaxPages = 100;
    static constexpr int DefaultMaxListed = 10000;
    // Bytes decoded at a time.
    static constexpr int PieceBytes = 64 * 1024;

    struct Options
    {
        int paperDots = VpRenderer::Paper80Dots;
        // Chinese-character mode at power-on (bytes 81..FE start GBK characters),
        // as the printers of the family ship.
        bool chineseMode = true;
        // Keep the listing (commands, undecoded, unprinted, clipped); previews need none.
        bool listing = true;
        // Entries kept in each list of the listing; the rest are counted.
        int maxListed = DefaultMaxListed;
        // Pages drawn at most; drawing stops where the next one would begin.
        int maxPages = DefaultMaxPages;
        // The longest page in dots.
        int maxPageDots = VpRenderer::MaxPageHeight;
    };

    struct Result
    {
        QList<QImage> pages; // empty when a page sink took them
        int pageCount = 0;
        // Every piece in stream order: offset, kind, name, code, hex, params
        // (with what running it gave), and error for what could not print.
        // At most maxListed of them; commandCount counts all.
        QJsonArray commands;
        int commandCount = 0;
        // The pieces the decoder could not read: unknown, malformed,
        // truncated or oversized. Counted also without a listing.
        QJsonArray undecoded;
        int undecodedCount = 0;
        // Commands read but not printed (a barcode its symbology cannot carry ...).
        QJsonArray unprinted;
        int unprintedCount = 0;
        // Commands whose paper went past the page length and was left out:
        // offset, kind, name, code of the first of a run of such commands,
        // "repeated" (how many in a row) and "clipped_dots" (paper left out).
        QJsonArray clipped;
        int clippedCount = 0; // commands
        qint64 clippedDots = 0;
        // The page limit stopped the drawing at this offset: nothing from
        // here on was drawn. -1 when the whole stream was drawn.
        qint64 stoppedAt = -1;

        bool pageLimitReached() const { return stoppedAt >= 0; }
        // How many entries of a list were left out of the listing.
        static int omitted(const QJsonArray &listed, int count) { return count - listed.size(); }
    };

    // Receives each page as soon as it is finished, instead of the result.
    using PageSink = std::function<void(const QImage &page)>;

    // Paper width in dots for 58 or 80 mm paper; 0 for any other width.
    static int paperDotsForMm(int mm);

    static Result render(const QByteArray &bytes, const Options &options, const PageSink &sink = PageSink());
    static Result render(const QByteArray &bytes, int paperDots = VpRenderer::Paper80Dots);
};
