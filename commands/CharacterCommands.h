#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>

// One user-defined character: rows[i] holds, for every dot column, the byte of
// vertical position i (three positions for a 24-dot character).
struct CustomCharDef
{
    quint8 code = 0;
    int verticalCount = 0;
    int horizontalCount = 0;
    QVector<QByteArray> rows;
};

// Encoders of the character page: alphanumeric print mode, spacing,
// user-defined characters, and the Chinese-character mode and format.
namespace CharacterCommands {

// ESC ! n: bit 0 font B, bits 1, 2 and 6 always set, bit 3 bold, bit 4 double
// height, bit 5 double width, bit 7 underline.
QByteArray printMode(int font, bool bold, bool doubleHeight, bool doubleWidth, bool underline);
// ESC SP n: right character spacing.
QByteArray rightSpacing(int spacing);
// ESC % n: user-defined character set on (1) or off (0).
QByteArray userDefinedSet(bool on);
// c LF: prints one character.
QByteArray printCharacter(int code);
// ESC ? c: deletes one user-defined character.
QByteArray deleteCharacter(int code);
// ESC & y c c x d...: defines one character, column by column, each column
// from the top byte down. Bytes missing from a short definition are sent as 00.
QByteArray defineCharacter(const CustomCharDef &def);

// FS & (on) or FS . (off): Chinese-character mode.
QByteArray hanziMode(bool on);
// FS ! n: bit 2 double width, bit 3 double height, bit 7 underline.
QByteArray hanziFormat(bool doubleWidth, bool doubleHeight, bool underline);
// FS S l r: Chinese-character left and right spacing.
QByteArray hanziSpacing(int left, int right);

// The character editor's JSON text: an object whose keys are decimal character
// codes and whose values hold "verticalCount", "horizontalCount" and
// "pixelBytes" (the top bytes of every column first, then the second bytes...).
// Anything that is not a JSON object gives an empty list.
QVector<CustomCharDef> parseDefinitions(const QString &json);

} // namespace CharacterCommands
