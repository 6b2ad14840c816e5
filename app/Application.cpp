#include "app/Application.h"

#include "app/ConfigManager.h"
#include "app/Logger.h"
#include "app/QmlLanguage.h"
#include "platform/DevInfo.h"
#include "app/DeviceViewModel.h"
#include "services/BarcodeImageProvider.h"
#include "services/HelperFunction.h"

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTranslator>

#include <memory>

void Application::registerTypes()
{
    qRegisterMetaType<DevInfo>("DevInfo");
    qRegisterMetaType<QList<DevInfo>>("QList<DevInfo>");
}

int Application::run(QApplication &app, const QUrl &mainUrl)
{
    // Headless platforms have no OpenGL context; draw the scenes in software there.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);

    QQmlApplicationEngine engine;

    QmlLanguage language(&app, &engine);
    QTranslator translator;
    language.getLanguageConfiguration(translator);
    app.installTranslator(&translator);
    engine.rootContext()->setContextProperty(QStringLiteral("qmlLanguage"), &language);

    auto viewModel = std::make_unique<DeviceViewModel>();
    Logger *logger = Logger::getInstance();
    ConfigManager *config = ConfigManager::getInstance();
    engine.rootContext()->setContextProperty(QStringLiteral("deviceViewModel"), viewModel.get());
    engine.rootContext()->setContextProperty(QStringLiteral("logger"), logger);
    engine.rootContext()->setContextProperty(QStringLiteral("configManager"), config);

    auto *provider = new BarcodeImageProvider; // the engine owns it
    engine.addImageProvider(QStringLiteral("barcode"), provider);

    auto helper = std::make_unique<HelperFunction>();
    helper->setImageProvider(provider);
    engine.rootContext()->setContextProperty(QStringLiteral("helperFunction"), helper.get());

    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, &app,
        [mainUrl](QObject *object, const QUrl &url) {
            if (!object && url == mainUrl)
                QCoreApplication::exit(BrokenSceneExitCode);
        },
        Qt::QueuedConnection);
    engine.load(mainUrl);

    qmlRegisterSingletonType(QUrl(QStringLiteral("qrc:/Src/basic/BasicConfig.qml")), "BasicConfig", 1, 0,
                             "BasicConfig");

    logger->setLogLevel(RunLogLevel);
    config->initialize();

    const int code = app.exec();

    // Teardown in reverse order of creation: helper, view model, then the
    // locals (translator, language object, engine).
    helper.reset();
    viewModel.reset();
    app.removeTranslator(&translator);
    return code;
}
