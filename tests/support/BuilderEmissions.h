#pragma once

#include <QByteArray>
#include <QSignalSpy>
#include <QString>
#include <QStringList>

// What a command builder emitted, as the encoder tests compare it.
namespace BuilderEmissions {

// Lower-case pairs separated by blanks: "1b 40".
inline QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

// One entry per sigSendData(type, bytes) a spy caught, as hex().
inline QStringList emitted(const QSignalSpy &spy)
{
    QStringList list;
    for (const QList<QVariant> &args : spy)
        list << hex(args.at(1).toByteArray());
    return list;
}

} // namespace BuilderEmissions
