#include "app/Application.h"

#include "app/AppSession.h"
#include "app/StartupProbe.h"
#include "platform/DevInfo.h"

#include <QApplication>

void Application::registerTypes()
{
    qRegisterMetaType<DevInfo>("DevInfo");
    qRegisterMetaType<QList<DevInfo>>("QList<DevInfo>");
}

int Application::run(QApplication &app, const QUrl &mainUrl)
{
    AppSession session(app, mainUrl);
    StartupProbe::attach(session.rootObject());
    return app.exec();
}
