#include "CliApp.h"
#include "CliOutput.h"
#include "CliRender.h"

#include "app/Application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTranslator>

#include <memory>

int main(int argc, char *argv[])
{
    CliOutput::installMessageFilter();
    // render and --preview draw text with the system's fonts, which takes a
    // QGuiApplication (offscreen unless the user chose a platform); the other
    // commands do without.
    std::unique_ptr<QCoreApplication> app;
    bool drawsText = CliRender::wanted(argc, argv);
    for (int i = 1; i < argc; ++i)
        drawsText = drawsText || qstrcmp(argv[i], "--preview") == 0 || qstrncmp(argv[i], "--preview=", 10) == 0;
    if (drawsText) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("quillmark"));
    Application::registerTypes();
    QTranslator translator;
    CliApp::installTranslation(*app, translator);
    CliApp cli(app->arguments().mid(1));
    return cli.exec();
}
