#pragma once

#include <QString>
#include <QStringList>

// The IEEE 1284 device id a printer reports ("MFG:Maker;CMD:ESC/POS;MDL:QM-80;"):
// key:value pairs separated by ";", keys compared without regard to case.
namespace Ieee1284Id {

// The value of the first of keys present in id, trimmed; empty when none is.
QString field(const QString &id, const QStringList &keys);

// The model (MDL or MODEL) and the manufacturer (MFG or MANUFACTURER).
QString model(const QString &id);
QString manufacturer(const QString &id);

} // namespace Ieee1284Id
