// The two INI files as they may be found at start: hand-edited, cut short by
// a full disk or a crash, or not INI at all.
#include "FuzzTarget.h"

#include "app/base/AppPaths.h"
#include "app/base/ConfigManager.h"
#include "app/QmlLanguage.h"
#include "commands/LogoCommands.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTranslator>

#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <unistd.h>

namespace {
QString g_folder;
// QSettings keeps what it parsed of a file and trusts it while the file keeps
// its size and modification time (to the millisecond): two inputs of one size
// written within a millisecond would be read as the first. Each run's files
// get a time of their own, long before any real write.
const qint64 kFirstStampMs = 946684800000; // 2000-01-01
qint64 g_run = 0;

void writeFile(const QString &path, const QByteArray &bytes, const QDateTime &stamp)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(bytes);
    file.flush();
    file.setFileTime(stamp, QFileDevice::FileModificationTime);
}

// Empties the folder: the two files, damaged copies, drafts. The folder holds
// only files; QDir::removeRecursively would take a tenth of the run.
void emptyFolder(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    DIR *dir = opendir(path.constData());
    if (!dir)
        return;
    bool onlyFiles = true;
    while (const dirent *entry = readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        if (unlinkat(dirfd(dir), entry->d_name, 0) != 0)
            onlyFiles = false;
    }
    closedir(dir);
    if (!onlyFiles) {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzInput::setUpQuietProcess(argc, argv);
    g_folder = AppPaths::directory() + QStringLiteral("/configFile");
    QDir().mkpath(g_folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    emptyFolder(g_folder);
    const QByteArray bytes = FuzzInput::bytes(data, size);
    const QDateTime stamp = QDateTime::fromMSecsSinceEpoch(kFirstStampMs + g_run++, Qt::UTC);
    writeFile(g_folder + QStringLiteral("/printtest.ini"), bytes, stamp);
    writeFile(g_folder + QStringLiteral("/initial.ini"), bytes, stamp);

    ConfigManager config(g_folder);
    config.initialize();
    // Whatever the file held, the logo limits are usable and the mode is one of two.
    if (config.getLogoMaxWidth() <= 0 || config.getLogoMaxHeight() <= 0)
        std::abort();
    if (config.getTcpNetworkMode() != ConfigManager::Local && config.getTcpNetworkMode() != ConfigManager::Custom)
        std::abort();
    LogoCommands::scaledSize(QSize(4000, 3000), config.getLogoMaxWidth(), config.getLogoMaxHeight());

    QmlLanguage language(nullptr, nullptr);
    QTranslator translator;
    language.getLanguageConfiguration(translator);
    return 0;
}
