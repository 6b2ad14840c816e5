#include "app/AppPaths.h"

#include <QCoreApplication>
#include <QDir>

#include <mutex>

namespace {
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
} // namespace

QString AppPaths::directory()
{
    {
        std::lock_guard<std::mutex> lock(overrideMutex());
        if (!overridePath().isEmpty())
            return overridePath();
    }
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void AppPaths::setDirectory(const QString &path)
{
    std::lock_guard<std::mutex> lock(overrideMutex());
    overridePath() = path;
}
