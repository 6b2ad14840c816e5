#include "platform/AtomicFileWriter.h"

#include <QSaveFile>

bool AtomicFileWriter::write(const QString &path, const QByteArray &bytes, QString *reason)
{
    QSaveFile file(path);
    // The write is buffered: a disk that is full shows in write()'s count or
    // in the flush after it; commit() alone may rename a cut-short file into
    // place. An unfinished QSaveFile removes its temporary file.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return true;
    if (reason)
        *reason = file.errorString();
    return false;
}
