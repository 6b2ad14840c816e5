#include "app/base/ConfigFileGuard.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <cstdio>

namespace ConfigFileGuard {

namespace {
const char *const kDamagedSuffix = ".damaged-";
const char *const kStampFormat = "yyyyMMdd-hhmmss";
const char *const kDraftSuffix = ".saving";
const char *const kCheckTemplate = "/.check-XXXXXX";
// Configuration files are a few kilobytes; anything far larger is not ours.
const qint64 kMaxInspectedBytes = 16 * 1024 * 1024;
// Whether the file on disk holds key = value. Read through a copy under a
// name never used before: QSettings keeps what it last wrote for a path in a
// cache and would answer from there instead of the disk.
bool readsBack(const QString &path, const QString &key, const QVariant &value)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    QTemporaryFile copy(QFileInfo(path).absolutePath() + QLatin1String(kCheckTemplate));
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush())
        return false;
    copy.close();
    if (inspect(copy.fileName()) != State::Usable)
        return false;
    QSettings settings(copy.fileName(), QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    return settings.value(key).toString() == value.toString();
}
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

bool storeValue(const QString &path, const QString &key, const QVariant &value)
{
    const QString draft = path + QLatin1String(kDraftSuffix);
    QFile::remove(draft);
    bool ok = !QFile::exists(path) || QFile::copy(path, draft);
    if (ok) {
        QSettings settings(draft, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        settings.setValue(key, value);
        settings.sync();
        ok = settings.status() == QSettings::NoError;
    }
    ok = ok && readsBack(draft, key, value);
    // rename(2) replaces the file in one step.
    ok = ok && std::rename(QFile::encodeName(draft).constData(), QFile::encodeName(path).constData()) == 0;
    if (!ok)
        QFile::remove(draft);
    return ok;
}

QString keepDamagedCopy(const QString &path)
{
    const QString copy = path + QLatin1String(kDamagedSuffix)
                         + QDateTime::currentDateTime().toString(QLatin1String(kStampFormat));
    QFile::remove(copy);
    return QFile::copy(path, copy) ? copy : QString();
}

} // namespace ConfigFileGuard
