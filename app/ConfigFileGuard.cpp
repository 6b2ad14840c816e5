#include "app/ConfigFileGuard.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace ConfigFileGuard {

namespace {
const char *const kDamagedSuffix = ".damaged-";
const char *const kStampFormat = "yyyyMMdd-hhmmss";
// Configuration files are a few kilobytes; anything far larger is not ours.
const qint64 kMaxInspectedBytes = 16 * 1024 * 1024;
} // namespace

State inspect(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return State::Missing;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return State::Unreadable;
    if (file.size() == 0)
        return State::Empty;
    if (file.size() > kMaxInspectedBytes)
        return State::Damaged;
    const QByteArray bytes = file.readAll();
    file.close();
    if (bytes.isEmpty())
        return State::Empty;
    if (bytes.contains('\0'))
        return State::Damaged;
    QSettings settings(path, QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    settings.allKeys();
    return settings.status() == QSettings::NoError ? State::Usable : State::Damaged;
}

bool writeAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The write is buffered: only flush() shows that the disk took it.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

QString keepDamagedCopy(const QString &path)
{
    const QString copy = path + QLatin1String(kDamagedSuffix)
                         + QDateTime::currentDateTime().toString(QLatin1String(kStampFormat));
    QFile::remove(copy);
    return QFile::copy(path, copy) ? copy : QString();
}

} // namespace ConfigFileGuard
