#include "app/base/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <mutex>

namespace {
const char *const kLogFolder = "LogFile";

std::mutex &overrideMutex()
{
    static std::mutex mutex;
    return mutex;
}
QString &overridePath()
{
    static QString path;
    return path;
}
QString overrideValue()
{
    std::lock_guard<std::mutex> lock(overrideMutex());
    return overridePath();
}

// An XDG base directory: the variable when it holds an absolute path, else the
// default below the home folder.
QString xdgDirectory(const QProcessEnvironment &env, const char *variable, const char *homeDefault)
{
    const QString value = env.value(QLatin1String(variable));
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    QString home = env.value(QStringLiteral("HOME"));
    if (home.isEmpty())
        home = QDir::homePath();
    return QDir::cleanPath(home + QLatin1Char('/') + QLatin1String(homeDefault));
}
} // namespace

QString AppPaths::applicationDirectory()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

bool AppPaths::applicationDirectoryWritable(const QString &appDir)
{
    return QFileInfo(appDir).isWritable();
}

bool AppPaths::isPortable(const QString &appDir, bool appDirWritable)
{
    // Programs installed under /usr never write beside themselves, even when
    // the folder is writable (as it is for root).
    const QString dir = QDir::cleanPath(appDir);
    const bool system = dir == QLatin1String("/usr") || dir.startsWith(QLatin1String("/usr/"))
                        || dir == QLatin1String("/bin") || dir == QLatin1String("/sbin");
    return appDirWritable && !system;
}

QString AppPaths::baseDirectoryFor(const QString &appDir, bool appDirWritable, const QProcessEnvironment &env)
{
    if (isPortable(appDir, appDirWritable))
        return appDir;
    return xdgDirectory(env, "XDG_CONFIG_HOME", ".config") + QLatin1Char('/') + QLatin1String(FolderName);
}

QString AppPaths::logDirectoryFor(const QString &appDir, bool appDirWritable, const QProcessEnvironment &env)
{
    if (isPortable(appDir, appDirWritable))
        return appDir + QLatin1Char('/') + QLatin1String(kLogFolder);
    return xdgDirectory(env, "XDG_STATE_HOME", ".local/state") + QLatin1Char('/') + QLatin1String(FolderName)
           + QLatin1Char('/') + QLatin1String(kLogFolder);
}

QString AppPaths::directory()
{
    const QString forced = overrideValue();
    if (!forced.isEmpty())
        return forced;
    const QString appDir = applicationDirectory();
    return baseDirectoryFor(appDir, applicationDirectoryWritable(appDir), QProcessEnvironment::systemEnvironment());
}

QString AppPaths::logDirectory()
{
    const QString forced = overrideValue();
    if (!forced.isEmpty())
        return forced + QLatin1Char('/') + QLatin1String(kLogFolder);
    const QString appDir = applicationDirectory();
    return logDirectoryFor(appDir, applicationDirectoryWritable(appDir), QProcessEnvironment::systemEnvironment());
}

void AppPaths::setDirectory(const QString &path)
{
    std::lock_guard<std::mutex> lock(overrideMutex());
    overridePath() = path;
}
