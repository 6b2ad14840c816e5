#include "text/HexText.h"

#include <QStringList>

namespace {

constexpr int HexBase = 16;

int hexDigitValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

namespace HexText {

QString lowerPairs(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

QString upperPairs(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QByteArray parsePieces(const QString &text)
{
    QByteArray bytes;
    const QStringList pieces = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &piece : pieces) {
        bool ok = false;
        const ushort value = piece.toUShort(&ok, HexBase);
        if (ok)
            bytes.append(char(value & 0xFF));
    }
    return bytes;
}

QByteArray parseStoredPairs(const QString &text)
{
    QString compact = text;
    compact.remove(QLatin1Char(' '));
    return QByteArray::fromHex(compact.toLatin1());
}

QByteArray parseStrictPairs(const QString &text)
{
    QString digits = text.simplified();
    digits.remove(QLatin1Char(' '));
    if (digits.size() % 2 != 0)
        return {};

    QByteArray bytes;
    bytes.reserve(digits.size() / 2);
    for (int i = 0; i < digits.size(); i += 2) {
        const int high = hexDigitValue(digits.at(i));
        const int low = hexDigitValue(digits.at(i + 1));
        if (high < 0 || low < 0)
            return {};
        bytes.append(static_cast<char>((high << 4) | low));
    }
    return bytes;
}

} // namespace HexText
