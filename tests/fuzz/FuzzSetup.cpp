#include "FuzzTarget.h"

#include "app/AppPaths.h"
#include "app/Logger.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>

namespace FuzzInput {

void setUpQuietProcess(int *argc, char ***argv)
{
    static QCoreApplication *app = nullptr;
    if (app)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QCoreApplication(*argc, *argv);
    // The log goes to a private folder, and only errors reach it.
    static const QString folder = QDir::temp().filePath(
        QStringLiteral("quillmark-fuzz-%1").arg(QCoreApplication::applicationPid()));
    QDir().mkpath(folder);
    AppPaths::setDirectory(folder);
    Logger::getInstance()->setLogLevel(Logger::Critical);
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
}

} // namespace FuzzInput
