#include "commands/WorkingModeCommands.h"

#include "commands/EscPos.h"


namespace WorkingModeCommands {

namespace {
const char kInitialize = '@';
const char kFeedUnits = 'J';
const char kFeedLines = 'd';
const char kDefaultSpacing = '2';
const char kSpacing = '3';
} // namespace

QByteArray initialize()
{
    return QByteArray() + EscPos::ESC + kInitialize;
}

QByteArray lineFeed()
{
    return QByteArray(1, EscPos::LF);
}

QByteArray printAndFeedUnits(int units)
{
    return QByteArray() + EscPos::ESC + kFeedUnits + EscPos::lowByte(units);
}

QByteArray printAndFeedLines(int lines)
{
    return QByteArray() + EscPos::ESC + kFeedLines + EscPos::lowByte(lines);
}

QByteArray defaultLineSpacing()
{
    return QByteArray() + EscPos::ESC + kDefaultSpacing;
}

QByteArray lineSpacing(int units)
{
    return QByteArray() + EscPos::ESC + kSpacing + EscPos::lowByte(units);
}

} // namespace WorkingModeCommands
