#include "CliApp.h"
#include "CliOutput.h"

#include "app/Application.h"

#include <QCoreApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    CliOutput::installMessageFilter();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillmark"));
    Application::registerTypes();
    QTranslator translator;
    CliApp::installTranslation(app, translator);
    CliApp cli(app.arguments().mid(1));
    return cli.exec();
}
