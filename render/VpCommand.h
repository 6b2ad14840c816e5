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
    qint64 offset = 0;  // where its first byte stands in the stream (since the decoder's reset)

    // True for what the decoder could not read as a command or as text.
    bool undecoded() const { return kind != Command && kind != Text; }

    // The command as the logs and listings show it: kind, name, code and raw
    // bytes in hexadecimal (not for text), and the parameters together with
    // what running it gave (extra).
    QJsonObject describe(const QJsonObject &extra = QJsonObject()) const
    {
        QJsonObject entry{{QStringLiteral("kind"), kindName(kind)}, {QStringLiteral("name"), name}};
        if (kind != Text) {
            entry.insert(QStringLiteral("code"), code);
            entry.insert(QStringLiteral("hex"), QString::fromLatin1(raw.toHex(' ')));
        }
        QJsonObject all = params;
        for (auto it = extra.begin(); it != extra.end(); ++it)
            all.insert(it.key(), it.value());
        entry.insert(QStringLiteral("params"), all);
        return entry;
    }

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
