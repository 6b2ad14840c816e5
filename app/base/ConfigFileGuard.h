#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

// Safe handling of the program's INI files: a file is written whole or not at
// all (AtomicFileWriter), and a file left empty, unreadable or damaged (by a
// full disk, a crash or a hand edit) is recognised on the next start instead
// of being trusted.
namespace ConfigFileGuard {

enum class State {
    Missing,    // no file
    Empty,      // zero bytes, e.g. a write that ran out of space
    Unreadable, // exists but cannot be opened for reading
    Damaged,    // holds NUL bytes or lines the INI reader rejects
    Usable
};

State inspect(const QString &path);

// Sets one key of the INI file at path, atomically: the change goes into a
// copy, which must read back whole with the new value before it replaces the
// file. (QSettings alone may rename a cut-short file into place when the disk
// fills up during its buffered write, and call that success.)
bool storeValue(const QString &path, const QString &key, const QVariant &value);

// Copies a damaged file to "<path>.damaged-<yyyyMMdd-hhmmss>" beside it.
// Returns the copy's path, or an empty string when no copy could be made.
QString keepDamagedCopy(const QString &path);

} // namespace ConfigFileGuard
