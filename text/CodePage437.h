#pragma once

#include <QByteArray>
#include <QString>

// IBM code page 437 (the original PC character set), both directions, from the
// published table. Bytes 0x01-0x1F and 0x7F decode to the code page's graphic
// symbols (smiling face, hearts, arrows, house); 0x00 decodes to U+0000.
// Encoding is the inverse of that table; ASCII control characters also encode
// to themselves, so line feeds and escape sequences pass through unchanged.
class CodePage437
{
public:
    // The byte every character outside the code page becomes.
    static constexpr char Replacement = '?';
    // Error number reported for an empty input, as the Windows conversion
    // reports ERROR_INVALID_PARAMETER for a zero-length string.
    static constexpr int ErrorInvalidParameter = 87;

    // The bytes of text in code page 437. An empty text gives no bytes and
    // sets *error to ErrorInvalidParameter; otherwise *error is 0.
    static QByteArray encode(const QString &text, int *error = nullptr);
    // The text of bytes in code page 437; every byte gives one character.
    static QString decode(const QByteArray &bytes);
    // The character of one byte.
    static QChar charOf(quint8 byte);
    // True when every character of text has a byte of its own (no Replacement).
    static bool canEncode(const QString &text);
};
