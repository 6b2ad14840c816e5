#include "app/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex &overrideMutex()
{
    static QMutex mutex;
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
        QMutexLocker lock(&overrideMutex());
        if (!overridePath().isEmpty())
            return overridePath();
    }
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void AppPaths::setDirectory(const QString &path)
{
    QMutexLocker lock(&overrideMutex());
    overridePath() = path;
}
