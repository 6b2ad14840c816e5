#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// One unit of the printer's input as the decoder found it.
struct VpCommand
{
    enum Kind { Command, Text, Unknown, Malformed, Truncated, Oversized };

    Kind kind = Command;
    QString name;       // stable snake_case name, e.g. "initialize", "barcode"
    QString code;       // mnemonic, e.g. "ESC @", "GS k", "US ESC 07"
    QJsonObject params; // decoded parameters
    QByteArray raw;     // the bytes of the command (whole, also for skipped data)
    QByteArray data;    // the payload where there is one (text bytes, image data, ...)

    static QString kindName(Kind kind)
    {
        switch (kind) {
        case Command: return QStringLiteral("command");
        case Text: return QStringLiteral("text");
        case Unknown: return QStringLiteral("unknown");
        case Malformed: return QStringLiteral("malformed");
        case Truncated: return QStringLiteral("truncated");
        case Oversized: return QStringLiteral("oversized");
        }
        return QString();
    }
};
