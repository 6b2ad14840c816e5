#pragma once

#include <QByteArray>
#include <QString>

// Bytes as hexadecimal text and back. Replies and byte dumps in log lines are
// lower-case pairs; bytes the user edits or stores are upper-case pairs.
namespace HexText {

// 12 00 ff
QString lowerPairs(const QByteArray &bytes);
// 12 00 FF
QString upperPairs(const QByteArray &bytes);

// Blank-separated pieces, each a hexadecimal number of which the low byte is
// kept ("1B 40 100" gives 1B 40 00); a piece that is no number is skipped.
QByteArray parsePieces(const QString &text);
// Stored pairs: blanks anywhere are ignored, then each two digits make a byte;
// other characters are skipped as QByteArray::fromHex does.
QByteArray parseStoredPairs(const QString &text);
// Strict pairs: white space is ignored; an odd number of digits or anything
// that is no hexadecimal digit (a sign, "0x") gives an empty result.
QByteArray parseStrictPairs(const QString &text);

} // namespace HexText
