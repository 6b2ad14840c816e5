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

#include <QAccessible>
#include <QCoreApplication>
#include <functional>
#include <QDir>
#include <QFile>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>

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

namespace {
// Depth-first over the visible accessible nodes below node; stops when visit returns true.
bool walkNodes(QAccessibleInterface *node, const std::function<bool(QAccessibleInterface *)> &visit, int depth = 0)
{
    constexpr int MaxDepth = 64;
    if (!node || !node->isValid() || depth > MaxDepth || node->state().invisible)
        return false;
    if (visit(node))
        return true;
    for (int i = 0; i < node->childCount(); ++i) {
        if (walkNodes(node->child(i), visit, depth + 1))
            return true;
    }
    return false;
}

bool isBelow(QObject *object, QQuickItem *root)
{
    for (auto *item = qobject_cast<QQuickItem *>(object); item; item = item->parentItem()) {
        if (item == root)
            return true;
    }
    return false;
}

// The tree of root's window, limited to the nodes below root when it is an
// item (items have a node only once an assistive tool looks at their window).
bool walkAccessible(QObject *root, const std::function<bool(QAccessibleInterface *)> &visit)
{
    auto *item = qobject_cast<QQuickItem *>(root);
    if (!item)
        return walkNodes(QAccessible::queryAccessibleInterface(root), visit);
    if (!item->window())
        return false;
    return walkNodes(QAccessible::queryAccessibleInterface(item->window()), [&](QAccessibleInterface *node) {
        return isBelow(node->object(), item) && visit(node);
    });
}
} // namespace

QObject *SceneTestSetup::findAccessible(QObject *root, const QString &name, int role) const
{
    QObject *found = nullptr;
    walkAccessible(root, [&](QAccessibleInterface *node) {
        if (node->text(QAccessible::Name) != name || (role >= 0 && int(node->role()) != role))
            return false;
        found = node->object();
        return found != nullptr;
    });
    return found;
}

QStringList SceneTestSetup::accessibleNames(QObject *root) const
{
    QStringList lines;
    walkAccessible(root, [&](QAccessibleInterface *node) {
        if (!node->text(QAccessible::Name).isEmpty())
            lines << QStringLiteral("%1:%2").arg(int(node->role())).arg(node->text(QAccessible::Name));
        return false;
    });
    return lines;
}

bool SceneTestSetup::pressAccessible(QObject *root, const QString &name) const
{
    bool pressed = false;
    walkAccessible(root, [&](QAccessibleInterface *node) {
        if (node->text(QAccessible::Name) != name)
            return false;
        QAccessibleActionInterface *actions = node->actionInterface();
        if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
            return false;
        actions->doAction(QAccessibleActionInterface::pressAction());
        pressed = true;
        return true;
    });
    return pressed;
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
