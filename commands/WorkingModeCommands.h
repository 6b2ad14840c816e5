#pragma once

#include <QByteArray>
#include <QString>

// Encoders of the working-mode page: initialise, line feeds and line spacing,
// and the bytes of the text typed on the page.
namespace WorkingModeCommands {

// ESC @: resets the printer.
QByteArray initialize();
// LF: prints the buffer and feeds one line.
QByteArray lineFeed();
// ESC J n: prints and feeds n motion units.
QByteArray printAndFeedUnits(int units);
// ESC d n: prints and feeds n lines.
QByteArray printAndFeedLines(int lines);
// ESC 2: default line spacing.
QByteArray defaultLineSpacing();
// ESC 3 n: line spacing of n motion units.
QByteArray lineSpacing(int units);

} // namespace WorkingModeCommands
