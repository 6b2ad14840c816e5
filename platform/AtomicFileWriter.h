#pragma once

#include <QByteArray>
#include <QString>

// Writes a file of ours whole or not at all: the bytes go to a temporary file
// beside it (QSaveFile), which replaces the file only once every byte has
// reached the disk. On a full disk, a file size limit or a folder that cannot
// be written, the old file stays as it was and the reason comes back
// ("No space left on device").
class AtomicFileWriter
{
public:
    static bool write(const QString &path, const QByteArray &bytes, QString *reason = nullptr);
};
