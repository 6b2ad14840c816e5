#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The bytes a command takes from a file or from standard input ("-"), as
// quillmark raw and quillmark render read them. Input is outside bytes: it is
// read up to a limit, the one of the inventory and targets files, so that an
// endless source (/dev/zero, a pipe that never ends) is refused instead of
// filling the memory.
class CliInputFile
{
    Q_DECLARE_TR_FUNCTIONS(CliInputFile)
public:
    static constexpr const char *StandardInput = "-";
    static constexpr qint64 MaxBytes = 16 * 1024 * 1024;

    // All bytes of path; false with a ready message ("无法读取文件 ...") when
    // it cannot be read or holds more than MaxBytes.
    static bool read(const QString &path, QByteArray *bytes, QString *error);
};
