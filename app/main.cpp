#include "app/Application.h"

#include <QApplication>
#include <QUrl>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    Application::registerTypes();
    return Application::run(app, QUrl(QStringLiteral("qrc:/main.qml")));
}
