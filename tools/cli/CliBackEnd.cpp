#include "CliBackEnd.h"

#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"

#include <QCoreApplication>

void CliBackEnd::start(const QStringList &arguments)
{
    Logger *log = Logger::getInstance();
    log->setLogLevel(1);
    ConfigManager::getInstance()->initialize();
    log->info(QCoreApplication::translate("CliApp", "命令行: quillmark %1").arg(arguments.join(QLatin1Char(' '))));
}
