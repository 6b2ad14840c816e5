#pragma once

#include "render/VpCommand.h"
#include "render/VpRenderer.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>

// Runs what the decoder found on paper: text, character modes, positions,
// pictures, graphics, barcodes, QR codes, feeds and cuts, drawn by the
// VpRenderer it owns. Everything else a printer does with a command (answers,
// settings, lamps, buzzer, drawer) is left to its caller: apply() says that
// the command was none of its business.
class VpCommandPrinter
{
public:
    enum Outcome {
        NotPrinting, // a command for someone else (or not a command at all)
        Applied,     // formatted or printed
        Failed       // could not be printed; error says why
    };

    // Lines after the self-test print of US ESC 0D and GS ( A: feed and cut.
    static constexpr int SelfTestFeedLines = 4;

    explicit VpCommandPrinter(int paperDots = VpRenderer::Paper80Dots);

    VpRenderer &renderer() { return m_renderer; }
    const VpRenderer &renderer() const { return m_renderer; }

    // The lines of the self-test page; a printer sets its own (model,
    // firmware, settings). By default only the title and the paper.
    void setSelfTestLines(std::function<QStringList()> lines) { m_selfTestLines = std::move(lines); }

    // extra receives what running the command gave, for the log (the text
    // printed and its code table, the table chosen, the logos defined ...),
    // and "clipped_dots" when paper it printed went past the page length.
    Outcome apply(const VpCommand &cmd, QJsonObject *extra, QString *error);

private:
    Outcome applyCommand(const VpCommand &cmd, QJsonObject *extra, QString *error);
    Outcome applyGraphics(const VpCommand &cmd, QJsonObject *extra);
    QStringList selfTestLines() const;

    VpRenderer m_renderer;
    std::function<QStringList()> m_selfTestLines;
};
