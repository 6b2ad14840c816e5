#include "app/AppSession.h"

#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "app/QmlLanguage.h"
#include "app/DeviceViewModel.h"
#include "services/BarcodeImageProvider.h"
#include "services/HelperFunction.h"
#include "services/PrintPreview.h"
#include "services/PicturePreview.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTranslator>

bool AppSession::useSoftwareSceneGraph()
{
    // An explicit choice of the user wins.
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QMLSCENE_DEVICE"))
        return false;
    // Headless platforms have no OpenGL context.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return true;
    // Without a GPU device, OpenGL is a software rasterizer (llvmpipe) that costs
    // about 90 MB and a few hundred milliseconds more than Qt Quick's own
    // software renderer, which draws these flat 2D scenes just as well.
    return QDir(QStringLiteral("/dev/dri")).entryList({QStringLiteral("renderD*"), QStringLiteral("card*")},
                                                      QDir::System | QDir::Files)
        .isEmpty();
}

void AppSession::installFontFallbacks()
{
    // The scenes name the Windows family; on Linux it maps to an installed CJK
    // family (scripts/deps.sh installs WenQuanYi Micro Hei) so Chinese renders.
    const QStringList cjk = {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                             QStringLiteral("Droid Sans Fallback")};
    for (const QString &family : {QStringLiteral("微软雅黑 Light"), QStringLiteral("微软雅黑"),
                                  QStringLiteral("Microsoft YaHei"), QStringLiteral("Microsoft YaHei Light")})
        QFont::insertSubstitutions(family, cjk);
}

AppSession::AppSession(QApplication &app, const QUrl &mainUrl) : m_app(app)
{
    installFontFallbacks();

    if (useSoftwareSceneGraph())
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);

    m_engine = std::make_unique<QQmlApplicationEngine>();
    QQmlContext *context = m_engine->rootContext();

    m_language = std::make_unique<QmlLanguage>(&app, m_engine.get());
    m_translator = std::make_unique<QTranslator>();
    m_language->getLanguageConfiguration(*m_translator);
    context->setContextProperty(QStringLiteral("qmlLanguage"), m_language.get());

    m_viewModel = std::make_unique<DeviceViewModel>();
    Logger *logger = Logger::getInstance();
    ConfigManager *config = ConfigManager::getInstance();
    context->setContextProperty(QStringLiteral("deviceViewModel"), m_viewModel.get());
    context->setContextProperty(QStringLiteral("logger"), logger);
    context->setContextProperty(QStringLiteral("configManager"), config);

    auto *provider = new BarcodeImageProvider; // the engine owns it
    m_engine->addImageProvider(QStringLiteral("barcode"), provider);
    PicturePreview::registerWith(m_engine.get());

    m_helper = std::make_unique<HelperFunction>();
    m_helper->setImageProvider(provider);
    context->setContextProperty(QStringLiteral("helperFunction"), m_helper.get());
    PrintPreview::registerWith(m_engine.get());

    QObject::connect(
        m_engine.get(), &QQmlApplicationEngine::objectCreated, &app,
        [mainUrl](QObject *object, const QUrl &url) {
            if (!object && url == mainUrl)
                QCoreApplication::exit(BrokenSceneExitCode);
        },
        Qt::QueuedConnection);
    m_engine->load(mainUrl);

    qmlRegisterSingletonType(QUrl(QStringLiteral("qrc:/Src/basic/BasicConfig.qml")), "BasicConfig", 1, 0,
                             "BasicConfig");

    logger->setLogLevel(RunLogLevel);
    config->initialize();
    config->useEnvironmentSegmentForRun();
}

AppSession::~AppSession()
{
    // Reverse order of creation: helper, view model, translator, language, engine.
    m_helper.reset();
    m_viewModel.reset();
    m_app.removeTranslator(m_translator.get());
    m_translator.reset();
    m_language.reset();
    m_engine.reset();
}

QObject *AppSession::rootObject() const
{
    const QList<QObject *> roots = m_engine->rootObjects();
    return roots.isEmpty() ? nullptr : roots.first();
}
