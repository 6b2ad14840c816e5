// The two INI files as they may be found at start: hand-edited, cut short by
// a full disk or a crash, or not INI at all.
#include "FuzzTarget.h"

#include "app/AppPaths.h"
#include "app/ConfigManager.h"
#include "app/QmlLanguage.h"
#include "commands/LogoCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTranslator>

#include <cstdlib>

namespace {
QString g_folder;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzInput::setUpQuietProcess(argc, argv);
    g_folder = AppPaths::directory() + QStringLiteral("/configFile");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QDir(g_folder).removeRecursively();
    QDir().mkpath(g_folder);
    const QByteArray bytes = FuzzInput::bytes(data, size);
    writeFile(g_folder + QStringLiteral("/printtest.ini"), bytes);
    writeFile(g_folder + QStringLiteral("/initial.ini"), bytes);

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
