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
class VpStreamRenderer
{
public:
    struct Options
    {
        int paperDots = VpRenderer::Paper80Dots;
        // Chinese-character mode at power-on (bytes 81..FE start GBK characters),
        // as the printers of the family ship.
        bool chineseMode = true;
        // Keep the listing (commands, undecoded, unprinted); previews need none.
        bool listing = true;
    };

    struct Result
    {
        QList<QImage> pages; // empty when a page sink took them
        int pageCount = 0;
        // Every piece in stream order: offset, kind, name, code, hex, params
        // (with what running it gave), and error for what could not print.
        QJsonArray commands;
        // The pieces the decoder could not read: unknown, malformed,
        // truncated or oversized. Counted also without a listing.
        QJsonArray undecoded;
        int undecodedCount = 0;
        // Commands read but not printed (a barcode its symbology cannot carry ...).
        QJsonArray unprinted;
        int unprintedCount = 0;
    };

    // Receives each page as soon as it is finished, instead of the result.
    using PageSink = std::function<void(const QImage &page)>;

    // Paper width in dots for 58 or 80 mm paper; 0 for any other width.
    static int paperDotsForMm(int mm);

    static Result render(const QByteArray &bytes, const Options &options, const PageSink &sink = PageSink());
    static Result render(const QByteArray &bytes, int paperDots = VpRenderer::Paper80Dots);
};
