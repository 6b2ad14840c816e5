// quillmark-frame-screenshots: runs the program's scenes on the real back end
// and writes a PNG of the main window for each navigation entry, plus the
// restart question, the log window and the version-log window.
//
//   quillmark-frame-screenshots OUT_DIR LANGUAGE(zh_CN|en_US) [APP_DIR]
//
// APP_DIR (a temporary folder by default) holds configFile/initial.ini and the
// log files of the run, so the user's own folders are never touched.

#include "FrameDriver.h"

#include "app/base/AppPaths.h"
#include "app/AppSession.h"
#include "app/Application.h"
#include "app/QmlLanguage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <cstdio>

namespace {

constexpr int kSettleMs = 450; // longer than the scenes' 300 ms animations

bool save(const QImage &image, const QString &path)
{
    const bool ok = !image.isNull() && image.save(path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

void settle()
{
    QTest::qWait(kSettleMs);
}

QQuickWindow *topLevel(const QString &objectName)
{
    for (QWindow *w : QGuiApplication::topLevelWindows()) {
        if (w->objectName() == objectName && w->isVisible())
            return qobject_cast<QQuickWindow *>(w);
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: %s OUT_DIR zh_CN|en_US [APP_DIR]\n", qPrintable(args.value(0)));
        return 2;
    }
    const QString outDir = args.at(1);
    const QString language = args.at(2);
    QTemporaryDir tempDir;
    const QString appDir = args.size() > 3 ? args.at(3) : tempDir.path();
    QDir().mkpath(outDir);
    QDir().mkpath(appDir + QStringLiteral("/configFile"));
    AppPaths::setDirectory(appDir);
    {
        QFile ini(appDir + QStringLiteral("/configFile/initial.ini"));
        if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 3;
        ini.write(QmlLanguage::defaultFileText().replace("Current=zh_CN", "Current=" + language.toUtf8()));
    }

    Application::registerTypes();
    AppSession session(app, QUrl(QStringLiteral("qrc:/main.qml")));
    auto *window = qobject_cast<QQuickWindow *>(session.rootObject());
    if (!window || !QTest::qWaitForWindowExposed(window))
        return 4;
    FrameDriver driver(window);
    settle();

    bool ok = true;
    const QStringList entries = {QStringLiteral("usbEntry"), QStringLiteral("tcpEntry"),
                                 QStringLiteral("serialEntry"), QStringLiteral("driverEntry")};
    QQuickItem *content = driver.item(QStringLiteral("contentSwipe"));
    for (int i = 0; i < entries.size(); ++i) {
        ok = driver.click(entries.at(i)) && ok;
        ok = FrameDriver::waitFor([&] { return content && content->property("currentIndex").toInt() == i; }) && ok;
        settle();
        ok = save(driver.grab(), QStringLiteral("%1/%2-%3-%4.png").arg(outDir, language).arg(i + 1).arg(entries.at(i)))
            && ok;
    }

    // The restart question (answered "no").
    ok = driver.click(QStringLiteral("languageButton")) && ok;
    ok = FrameDriver::waitFor([&] { return driver.item(QStringLiteral("restartNoButton")) != nullptr; }) && ok;
    settle();
    ok = save(driver.grab(), QStringLiteral("%1/%2-5-restartDialog.png").arg(outDir, language)) && ok;
    ok = driver.click(QStringLiteral("restartNoButton")) && ok;
    settle();

    // The log window, with the lines the navigation writes while it is open.
    ok = driver.click(QStringLiteral("openLogButton")) && ok;
    QQuickWindow *log = nullptr;
    ok = FrameDriver::waitFor([&] { return (log = topLevel(QStringLiteral("logDialog"))) != nullptr; }) && ok;
    if (log) {
        ok = QTest::qWaitForWindowExposed(log) && ok;
        driver.click(QStringLiteral("tcpEntry"));
        driver.click(QStringLiteral("usbEntry"));
        settle();
        ok = save(log->grabWindow(), QStringLiteral("%1/%2-6-logDialog.png").arg(outDir, language)) && ok;
        log->close();
    }

    // The version-log window of the About button.
    ok = driver.click(QStringLiteral("aboutButton")) && ok;
    QQuickWindow *about = nullptr;
    ok = FrameDriver::waitFor([&] { return (about = topLevel(QStringLiteral("versionLogDialog"))) != nullptr; }) && ok;
    if (about) {
        ok = QTest::qWaitForWindowExposed(about) && ok;
        settle();
        ok = save(about->grabWindow(), QStringLiteral("%1/%2-7-versionLogDialog.png").arg(outDir, language)) && ok;
        about->close();
    }
    return ok ? 0 : 1;
}
