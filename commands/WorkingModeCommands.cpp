#include "commands/WorkingModeCommands.h"

#include "commands/EscPos.h"

#include <QStringList>

namespace WorkingModeCommands {

namespace {
const char kInitialize = '@';
const char kFeedUnits = 'J';
const char kFeedLines = 'd';
const char kDefaultSpacing = '2';
const char kSpacing = '3';
const int kHexBase = 16;
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

QByteArray hexPieces(const QString &text)
{
    QByteArray bytes;
    const QStringList pieces = text.split(QLatin1Char(' '), Qt::KeepEmptyParts);
    for (const QString &piece : pieces) {
        bool ok = false;
        const ushort value = piece.toUShort(&ok, kHexBase);
        if (ok)
            bytes.append(EscPos::lowByte(value));
    }
    return bytes;
}

} // namespace WorkingModeCommands
