#include "app/Application.h"

#include "app/AppSession.h"
#include "app/StartupProbe.h"
#include "platform/DevInfo.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

void Application::registerTypes()
{
    qRegisterMetaType<DevInfo>("DevInfo");
    qRegisterMetaType<QList<DevInfo>>("QList<DevInfo>");
}

void Application::installFontFallbacks()
{
    // The scenes name the Windows family; on Linux it maps to an installed CJK
    // family (scripts/deps.sh installs WenQuanYi Micro Hei) so Chinese renders.
    const QStringList cjk = {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                             QStringLiteral("Droid Sans Fallback")};
    for (const QString &family : {QStringLiteral("微软雅黑 Light"), QStringLiteral("微软雅黑"),
                                  QStringLiteral("Microsoft YaHei"), QStringLiteral("Microsoft YaHei Light")})
        QFont::insertSubstitutions(family, cjk);
}

int Application::run(QApplication &app, const QUrl &mainUrl)
{
    AppSession session(app, mainUrl);
    StartupProbe::attach(session.rootObject());
    return app.exec();
}
