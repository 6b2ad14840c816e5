#include "commands/CharacterCommands.h"

#include "commands/EscPos.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace CharacterCommands {

namespace {
const char kPrintMode = '!';
const char kRightSpacing = ' ';
const char kUserDefinedSet = '%';
const char kDelete = '?';
const char kDefine = '&';
const char kHanziOn = '&';
const char kHanziOff = '.';
const char kHanziFormat = '!';
const char kHanziSpacing = 'S';

const int kFontBit = 0x01;
const int kPrintModeFixedBits = 0x46;
const int kBoldBit = 0x08;
const int kDoubleHeightBit = 0x10;
const int kDoubleWidthBit = 0x20;
const int kUnderlineBit = 0x80;

const int kHanziDoubleWidthBit = 0x04;
const int kHanziDoubleHeightBit = 0x08;
const int kHanziUnderlineBit = 0x80;
} // namespace

QByteArray printMode(int font, bool bold, bool doubleHeight, bool doubleWidth, bool underline)
{
    int n = kPrintModeFixedBits;
    if (font & 1)
        n |= kFontBit;
    if (bold)
        n |= kBoldBit;
    if (doubleHeight)
        n |= kDoubleHeightBit;
    if (doubleWidth)
        n |= kDoubleWidthBit;
    if (underline)
        n |= kUnderlineBit;
    return QByteArray() + EscPos::ESC + kPrintMode + EscPos::lowByte(n);
}

QByteArray rightSpacing(int spacing)
{
    return QByteArray() + EscPos::ESC + kRightSpacing + EscPos::lowByte(spacing);
}

QByteArray userDefinedSet(bool on)
{
    return QByteArray() + EscPos::ESC + kUserDefinedSet + char(on ? 1 : 0);
}

QByteArray printCharacter(int code)
{
    return QByteArray() + EscPos::lowByte(code) + EscPos::LF;
}

QByteArray deleteCharacter(int code)
{
    return QByteArray() + EscPos::ESC + kDelete + EscPos::lowByte(code);
}

QByteArray defineCharacter(const CustomCharDef &def)
{
    // The data follows the counts as the printer reads them (one byte each),
    // so the command stays consistent whatever the counts held.
    const int vertical = quint8(EscPos::lowByte(def.verticalCount));
    const int horizontal = quint8(EscPos::lowByte(def.horizontalCount));
    QByteArray bytes;
    bytes.reserve(6 + vertical * horizontal);
    bytes += EscPos::ESC;
    bytes += kDefine;
    bytes += char(vertical);
    bytes += char(def.code);
    bytes += char(def.code);
    bytes += char(horizontal);
    for (int column = 0; column < horizontal; ++column) {
        for (int row = 0; row < vertical; ++row) {
            const QByteArray rowBytes = row < def.rows.size() ? def.rows.at(row) : QByteArray();
            bytes += column < rowBytes.size() ? rowBytes.at(column) : char(0);
        }
    }
    return bytes;
}

QByteArray hanziMode(bool on)
{
    return QByteArray() + EscPos::FS + (on ? kHanziOn : kHanziOff);
}

QByteArray hanziFormat(bool doubleWidth, bool doubleHeight, bool underline)
{
    int n = 0;
    if (doubleWidth)
        n |= kHanziDoubleWidthBit;
    if (doubleHeight)
        n |= kHanziDoubleHeightBit;
    if (underline)
        n |= kHanziUnderlineBit;
    return QByteArray() + EscPos::FS + kHanziFormat + EscPos::lowByte(n);
}

QByteArray hanziSpacing(int left, int right)
{
    return QByteArray() + EscPos::FS + kHanziSpacing + EscPos::lowByte(left) + EscPos::lowByte(right);
}

QVector<CustomCharDef> parseDefinitions(const QString &json)
{
    QVector<CustomCharDef> result;
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8());
    if (!doc.isObject()) {
        qWarning() << "Invalid JSON data";
        return result;
    }
    const QJsonObject object = doc.object();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QJsonObject value = it.value().toObject();
        CustomCharDef def;
        def.code = quint8(it.key().toInt() & 0xFF);
        def.verticalCount = value.value(QStringLiteral("verticalCount")).toInt();
        def.horizontalCount = value.value(QStringLiteral("horizontalCount")).toInt();
        QByteArray flat;
        const QJsonArray pixels = value.value(QStringLiteral("pixelBytes")).toArray();
        for (const QJsonValue &p : pixels)
            flat.append(EscPos::lowByte(p.toInt()));
        if (def.horizontalCount > 0) {
            for (int start = 0; start < flat.size(); start += def.horizontalCount)
                def.rows.append(flat.mid(start, def.horizontalCount));
        }
        qDebug() << "charCode = " << def.code;
        qDebug() << "vecBytes = " << def.rows;
        result.append(def);
    }
    return result;
}

} // namespace CharacterCommands
