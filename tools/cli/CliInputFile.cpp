#include "CliInputFile.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

bool CliInputFile::read(const QString &path, QByteArray *bytes, QString *error)
{
    const auto failed = [&](const QString &why) {
        *error = tr("无法读取文件 %1: %2").arg(path, why);
        return false;
    };
    QFile file;
    if (path == QLatin1String(StandardInput)) {
        if (!file.open(stdin, QIODevice::ReadOnly))
            return failed(file.errorString());
    } else {
        if (QFileInfo(path).isDir())
            return failed(tr("是一个文件夹"));
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly))
            return failed(file.errorString());
    }
    // One byte past the limit tells an input that is too long; a pipe may
    // hand its bytes over in pieces.
    QByteArray all;
    while (all.size() <= MaxBytes) {
        const QByteArray piece = file.read(MaxBytes + 1 - all.size());
        if (piece.isEmpty())
            break;
        all += piece;
    }
    if (file.error() != QFileDevice::NoError)
        return failed(file.errorString());
    if (all.size() > MaxBytes)
        return failed(tr("太大（最多 %1 MiB）").arg(MaxBytes / (1024 * 1024)));
    *bytes = all;
    return true;
}
