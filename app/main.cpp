#include "app/ConfigManager.h"
#include "app/Logger.h"
#include "app/QmlLanguage.h"
#include "device/DevInfo.h"
#include "device/DeviceViewModel.h"
#include "services/BarcodeImageProvider.h"
#include "services/HelperFunction.h"

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTranslator>
#include <QUrl>

namespace {
const int kBrokenSceneExitCode = -1;
const int kRunLogLevel = Logger::Info;
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    // Headless platforms have no OpenGL context; draw the scenes in software there.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);

    qRegisterMetaType<DevInfo>("DevInfo");
    qRegisterMetaType<QList<DevInfo>>("QList<DevInfo>");

    QQmlApplicationEngine engine;

    QmlLanguage language(&app, &engine);
    QTranslator translator;
    language.getLanguageConfiguration(translator);
    app.installTranslator(&translator);
    engine.rootContext()->setContextProperty(QStringLiteral("qmlLanguage"), &language);

    const QUrl mainUrl(QStringLiteral("qrc:/main.qml"));

    auto *viewModel = new DeviceViewModel;
    Logger *logger = Logger::getInstance();
    ConfigManager *config = ConfigManager::getInstance();
    engine.rootContext()->setContextProperty(QStringLiteral("deviceViewModel"), viewModel);
    engine.rootContext()->setContextProperty(QStringLiteral("logger"), logger);
    engine.rootContext()->setContextProperty(QStringLiteral("configManager"), config);

    auto *provider = new BarcodeImageProvider;
    engine.addImageProvider(QStringLiteral("barcode"), provider);

    auto *helper = new HelperFunction;
    helper->setImageProvider(provider);
    engine.rootContext()->setContextProperty(QStringLiteral("helperFunction"), helper);

    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, &app,
        [mainUrl](QObject *object, const QUrl &url) {
            if (!object && url == mainUrl)
                QCoreApplication::exit(kBrokenSceneExitCode);
        },
        Qt::QueuedConnection);
    engine.load(mainUrl);

    qmlRegisterSingletonType(QUrl(QStringLiteral("qrc:/Src/basic/BasicConfig.qml")), "BasicConfig", 1, 0,
                             "BasicConfig");

    logger->setLogLevel(kRunLogLevel);
    config->initialize();

    const int code = app.exec();

    delete helper;
    delete viewModel;
    return code;
}
