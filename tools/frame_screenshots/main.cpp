// quillmark-frame-screenshots: runs the program's scenes on the real back end
// and writes a PNG of the main window for each navigation entry, plus the
// restart question, the log window, the version-log window, the command
// workspace's pages, the serial terminal, the print
// previews (settings dialog: receipt and test page; the text page and its
// preview window), then the bitmap page and the settings dialog's picture
// page with a photograph loaded, as the picture will print.
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
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <cstdio>
#include <memory>

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

// A window made from a scene of the bundle (or from QML text with imports
// from it); the caller owns it.
QQuickWindow *makeWindow(QQmlEngine &engine, const QString &url, const QByteArray &qml = QByteArray())
{
    QQmlComponent component(&engine);
    if (qml.isEmpty())
        component.loadUrl(QUrl(url));
    else
        component.setData(qml, QUrl(url));
    QObject *object = component.create();
    if (!object)
        std::fprintf(stderr, "FAILED %s: %s\n", qPrintable(url), qPrintable(component.errorString()));
    return qobject_cast<QQuickWindow *>(object);
}

// Until the preview has drawn what it was given.
bool previewDrawn(QObject *preview)
{
    return preview && FrameDriver::waitFor([preview] {
               return preview->property("revision").toInt() > 0 && !preview->property("busy").toBool();
           });
}

bool shootPreviews(QQmlEngine &engine, const QString &outDir, const QString &language)
{
    bool ok = true;
    // The settings dialog: a receipt of three products with its totals, then the default test page.
    std::unique_ptr<QQuickWindow> dialog(makeWindow(engine, QStringLiteral("qrc:/Src/rightPage/stackPages/SettingsDialog.qml")));
    if (!dialog)
        return false;
    QMetaObject::invokeMethod(dialog.get(), "open");
    ok = QTest::qWaitForWindowExposed(dialog.get()) && ok;
    FrameDriver driver(dialog.get());
    ok = driver.click(QStringLiteral("settingsTab_3")) && ok;
    QQuickItem *receipt = driver.item(QStringLiteral("settingsReceiptPage"));
    const QList<QPair<QString, QString>> products = {{QStringLiteral("超级大拼盘"), QStringLiteral("330.00")},
                                                     {QStringLiteral("Green tea"), QStringLiteral("3.50")},
                                                     {QStringLiteral("Noodles"), QStringLiteral("12.00")}};
    for (const auto &product : products) {
        if (QQuickItem *name = driver.item(QStringLiteral("productNameField")))
            name->setProperty("text", product.first);
        if (QQuickItem *price = driver.item(QStringLiteral("productPriceField")))
            price->setProperty("text", product.second);
        ok = driver.click(QStringLiteral("addProductButton")) && ok;
    }
    if (receipt)
        QMetaObject::invokeMethod(receipt, "calculateTotal"); // its button is below the fold
    QObject *receiptPreview = receipt ? receipt->property("printPreview").value<QObject *>() : nullptr;
    ok = previewDrawn(receiptPreview) && ok;
    settle();
    ok = save(driver.grab(), QStringLiteral("%1/%2-8-receiptPreview.png").arg(outDir, language)) && ok;

    ok = driver.click(QStringLiteral("settingsTab_2")) && ok;
    ok = driver.click(QStringLiteral("showDefaultTestPageButton")) && ok;
    QQuickItem *testPage = driver.item(QStringLiteral("settingsTestPagePage"));
    ok = previewDrawn(testPage ? testPage->property("printPreview").value<QObject *>() : nullptr) && ok;
    settle();
    ok = save(driver.grab(), QStringLiteral("%1/%2-9-testPagePreview.png").arg(outDir, language)) && ok;
    dialog->close();

    // The text page with a text typed, and its "预览" window.
    std::unique_ptr<QQuickWindow> page(makeWindow(
        engine, QStringLiteral("qrc:/Src/rightPage/stackPages/TcpUsbStackPages/"),
        "import QtQuick 2.15\nimport QtQuick.Window 2.15\n"
        "Window { width: 800; height: 680; visible: true\n"
        "  WorkingModeForm { objectName: \"form\"; anchors.fill: parent } }"));
    if (!page)
        return false;
    ok = QTest::qWaitForWindowExposed(page.get()) && ok;
    FrameDriver pageDriver(page.get());
    QQuickItem *form = pageDriver.item(QStringLiteral("form"));
    if (QQuickItem *text = pageDriver.item(QStringLiteral("printText1")))
        text->setProperty("text", QStringLiteral("Quillmark 小票打印机\nLine two, 12.50"));
    settle();
    ok = save(pageDriver.grab(), QStringLiteral("%1/%2-10-textPage.png").arg(outDir, language)) && ok;
    ok = pageDriver.click(QStringLiteral("printPreview")) && ok;
    QQuickWindow *previewWindow = nullptr;
    ok = FrameDriver::waitFor([&] { return (previewWindow = topLevel(QStringLiteral("printPreviewDialog"))) != nullptr; }) && ok;
    if (previewWindow && form) {
        ok = QTest::qWaitForWindowExposed(previewWindow) && ok;
        ok = previewDrawn(previewWindow->property("printPreview").value<QObject *>()) && ok;
        settle();
        ok = save(previewWindow->grabWindow(), QStringLiteral("%1/%2-11-textPreview.png").arg(outDir, language)) && ok;
        previewWindow->close();
    }
    return ok;
}


// A photograph-like picture (gradients, edges, colour) for the picture pages.
QString writePhoto(const QString &dir)
{
    QImage photo(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int dx = x - 400;
            const int dy = y - 300;
            int v = qBound(0, 255 - (dx * dx + dy * dy) / 900, 255);
            if ((x / 160 + y / 150) % 2)
                v = 255 - v / 2;
            line[x] = qRgb(v, qBound(0, v + 30, 255), qBound(0, 255 - v / 2, 255));
        }
    }
    const QString path = dir + QStringLiteral("/photo.png");
    return photo.save(path, "PNG") ? path : QString();
}

// A scene file of the program in a window of its own, `size` big (a Window
// scene keeps its own size); null when it cannot be made.
QQuickWindow *showScene(QQmlEngine &engine, const QString &file, const QSize &size)
{
    QQmlComponent component(&engine);
    component.setData(QStringLiteral("import QtQuick 2.15\nimport QtQuick.Window 2.15\n"
                                     "Window { visible: true; width: %1; height: %2; color: \"#E5E6ED\"\n"
                                     "  Loader { anchors.fill: parent; objectName: \"sceneLoader\"; source: \"%3\" } }")
                          .arg(size.width())
                          .arg(size.height())
                          .arg(file)
                          .toUtf8(),
                      QUrl(QStringLiteral("qrc:/screenshot-scene.qml")));
    auto *window = qobject_cast<QQuickWindow *>(component.create());
    if (!window)
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
    return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

QQuickItem *loadedItem(QQuickWindow *window)
{
    QQuickItem *loader = FrameDriver(window).item(QStringLiteral("sceneLoader"));
    return loader ? loader->property("item").value<QQuickItem *>() : nullptr;
}

// The command workspace of a connection page with each of its ten pages (the
// network page also as the USB page shows it), and the serial page's terminal
// drawer; no printer is needed to show them.
bool shootWorkspaces(FrameDriver &driver, const QString &outDir, const QString &language)
{
    bool ok = true;
    struct Workspace
    {
        const char *entry;
        const char *page;
        int firstForm;
    };
    constexpr int kForms = 10;
    const Workspace workspaces[] = {{"tcpEntry", "tcpFunctionPage", 0}, {"usbEntry", "usbFunctionPage", kForms - 1}};
    for (const Workspace &w : workspaces) {
        ok = driver.click(QLatin1String(w.entry)) && ok;
        QQuickItem *page = driver.item(QLatin1String(w.page));
        ok = page && QMetaObject::invokeMethod(page, "showWorkspace") && ok;
        settle();
        for (int i = w.firstForm; page && i < kForms; ++i) {
            ok = driver.click(driver.item(QStringLiteral("pageButton_%1").arg(i), page)) && ok;
            settle();
            ok = save(driver.grab(), QStringLiteral("%1/%2-12-%3-page%4.png").arg(outDir, language, QLatin1String(w.entry)).arg(i + 1))
                && ok;
        }
        ok = page && QMetaObject::invokeMethod(page, "backToDeviceList") && ok;
        settle();
    }
    ok = driver.click(QStringLiteral("serialEntry")) && ok;
    QQuickItem *serial = driver.item(QStringLiteral("serialFunctionPage"));
    ok = serial && serial->setProperty("drawerOpen", true) && ok;
    settle();
    ok = save(driver.grab(), QStringLiteral("%1/%2-13-serialTerminal.png").arg(outDir, language)) && ok;
    if (serial)
        serial->setProperty("drawerOpen", false);
    return ok;
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
    ok = shootWorkspaces(driver, outDir, language) && ok;
    ok = shootPreviews(session.engine(), outDir, language) && ok;

    // The bitmap page at the size the command workspace gives it (below the
    // page buttons), with a photograph chosen: the preview as it will print.
    const QString photo = writePhoto(appDir);
    ok = !photo.isEmpty() && ok;
    const QSize workspace(content ? int(content->width()) : 830, content ? int(content->height()) - 134 : 600);
    if (QQuickWindow *bitmap = showScene(session.engine(), QStringLiteral("qrc:/Src/rightPage/stackPages/TcpUsbStackPages/BitmapForm.qml"), workspace)) {
        QQuickItem *page = loadedItem(bitmap);
        QObject *preview = page ? page->property("preview").value<QObject *>() : nullptr;
        ok = preview && QMetaObject::invokeMethod(page, "addPictures", Q_ARG(QVariant, QVariant(QStringList{QUrl::fromLocalFile(photo).toString()}))) && ok;
        ok = FrameDriver::waitFor([&] { return preview && preview->property("dotsWidth").toInt() > 0; }) && ok;
        settle();
        ok = save(bitmap->grabWindow(), QStringLiteral("%1/%2-8-bitmapForm.png").arg(outDir, language)) && ok;
        delete bitmap;
    } else {
        ok = false;
    }

    // The settings dialog's picture page with the same photograph.
    QQmlComponent dialogComponent(&session.engine(), QUrl(QStringLiteral("qrc:/Src/rightPage/stackPages/SettingsDialog.qml")));
    auto *dialog = qobject_cast<QQuickWindow *>(dialogComponent.create());
    if (dialog) {
        QMetaObject::invokeMethod(dialog, "open");
        ok = QTest::qWaitForWindowExposed(dialog) && ok;
        QQuickItem *field = FrameDriver(dialog).item(QStringLiteral("imagePathField"));
        QQuickItem *page = FrameDriver(dialog).item(QStringLiteral("settingsImagePage"));
        QObject *preview = page ? page->property("picturePreview").value<QObject *>() : nullptr;
        ok = field && field->setProperty("text", photo) && ok;
        ok = FrameDriver::waitFor([&] { return preview && preview->property("dotsWidth").toInt() > 0; }) && ok;
        settle();
        ok = save(dialog->grabWindow(), QStringLiteral("%1/%2-9-settingsPicture.png").arg(outDir, language)) && ok;
        delete dialog;
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(dialogComponent.errorString()));
        ok = false;
    }
    return ok ? 0 : 1;
}
