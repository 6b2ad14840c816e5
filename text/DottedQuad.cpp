#include "text/DottedQuad.h"

#include <QStringList>

namespace {
constexpr int Parts = 4;
constexpr int MaxDigits = 3;
constexpr int MaxPart = 255;
} // namespace

QByteArray DottedQuad::octets(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != Parts)
        return QByteArray();
    QByteArray bytes;
    for (const QString &part : parts) {
        if (part.isEmpty() || part.size() > MaxDigits)
            return QByteArray();
        int value = 0;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return QByteArray();
            value = value * 10 + (c.unicode() - '0');
        }
        if (value > MaxPart)
            return QByteArray();
        bytes.append(char(value));
    }
    return bytes;
}

bool DottedQuad::isValid(const QString &text)
{
    return !octets(text).isEmpty();
}

quint32 DottedQuad::toIPv4(const QString &text, bool *ok)
{
    const QByteArray bytes = octets(text);
    if (ok)
        *ok = !bytes.isEmpty();
    quint32 value = 0;
    for (const char b : bytes)
        value = (value << 8) | quint8(b);
    return value;
}
