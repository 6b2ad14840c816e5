#include "FuzzTarget.h"

#include "app/base/AppPaths.h"
#include "app/base/Logger.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstdlib>

namespace FuzzInput {

namespace {
// A memory file system where there is one: the targets that go through files
// write and read them on every run, and a disk would spend the time in the
// kernel and in fsync (QSaveFile syncs on commit).
const char *const kMemoryFolder = "/dev/shm";

void removeScratchFolder()
{
    QDir(scratchFolder()).removeRecursively();
}
} // namespace

QString scratchFolder()
{
    // Never destroyed: the exit handler below still reads it after the
    // statics are gone.
    static const QString *const folder = [] {
        const QFileInfo memory{QLatin1String(kMemoryFolder)};
        const QString base = memory.isDir() && memory.isWritable() ? memory.absoluteFilePath() : QDir::tempPath();
        auto *path = new QString(
            QDir(base).filePath(QStringLiteral("quillmark-fuzz-%1").arg(QCoreApplication::applicationPid())));
        QDir().mkpath(*path);
        return path;
    }();
    static const bool cleanUp = std::atexit(removeScratchFolder) == 0;
    Q_UNUSED(cleanUp);
    return *folder;
}

void setUpQuietProcess(int *argc, char ***argv)
{
    static QCoreApplication *app = nullptr;
    if (app)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QCoreApplication(*argc, *argv);
    // The log goes to a private folder, and only errors reach it.
    AppPaths::setDirectory(scratchFolder());
    Logger::getInstance()->setLogLevel(Logger::Critical);
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
}

} // namespace FuzzInput
