#include "SceneTestSetup.h"

#include "SceneTestPrinter.h"

#include "app/AppPaths.h"
#include "app/ConfigManager.h"
#include "app/Logger.h"
#include "app/QmlLanguage.h"
#include "device/DevInfo.h"
#include "device/DeviceViewModel.h"
#include "services/BarcodeImageProvider.h"
#include "services/HelperFunction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QQmlContext>
#include <QQmlEngine>

SceneTestSetup::SceneTestSetup()
{
    AppPaths::setDirectory(m_appDir.path());
    // USB printers of the run live in a fake tree of their own; the manager
    // looks there (and for their nodes under ROOT/dev) instead of /sys.
    QDir().mkpath(usbRoot() + QStringLiteral("/class/usbmisc"));
    QDir().mkpath(usbRoot() + QStringLiteral("/dev/usb"));
    qputenv("QM_USB_SYSFS_ROOT", usbRoot().toLocal8Bit());
}

SceneTestSetup::~SceneTestSetup() = default;

QString SceneTestSetup::usbRoot() const { return m_appDir.filePath(QStringLiteral("usb")); }

QString SceneTestSetup::sourceDir() const { return QStringLiteral(QM_SOURCE_DIR); }

QString SceneTestSetup::readTextFile(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool SceneTestSetup::fileExists(const QString &path) const { return QFile::exists(path); }

QString SceneTestSetup::logText() const
{
    QDir logs(m_appDir.filePath(QStringLiteral("LogFile")));
    QString text;
    for (const QString &name : logs.entryList({QStringLiteral("*.log"), QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        text += readTextFile(logs.filePath(name));
    return text;
}

void SceneTestSetup::applicationAvailable()
{
    qRegisterMetaType<DevInfo>("DevInfo");
    qRegisterMetaType<QList<DevInfo>>("QList<DevInfo>");
    m_language = std::make_unique<QmlLanguage>(QCoreApplication::instance(), nullptr);
    m_viewModel = std::make_unique<DeviceViewModel>();
    m_helper = std::make_unique<HelperFunction>();
    m_printers = std::make_unique<SceneTestPrinter>(usbRoot());
    Logger::getInstance()->setLogLevel(1);
    ConfigManager::getInstance()->initialize();
}

void SceneTestSetup::qmlEngineAvailable(QQmlEngine *engine)
{
    QQmlContext *root = engine->rootContext();
    root->setContextProperty(QStringLiteral("qmlLanguage"), m_language.get());
    root->setContextProperty(QStringLiteral("deviceViewModel"), m_viewModel.get());
    root->setContextProperty(QStringLiteral("logger"), Logger::getInstance());
    root->setContextProperty(QStringLiteral("configManager"), ConfigManager::getInstance());
    root->setContextProperty(QStringLiteral("helperFunction"), m_helper.get());
    root->setContextProperty(QStringLiteral("testPrinter"), m_printers.get());
    root->setContextProperty(QStringLiteral("sceneTest"), this);
    auto *provider = new BarcodeImageProvider; // the engine owns it
    engine->addImageProvider(QStringLiteral("barcode"), provider);
    m_helper->setImageProvider(provider);
}

void SceneTestSetup::cleanupTestCase()
{
    m_printers->stopAll();
}
