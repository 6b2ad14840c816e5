#include "SceneTestSetup.h"

#include "SceneTestPrinter.h"
#include "SceneTestSpooler.h"

#include "app/base/AppPaths.h"
#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "app/QmlLanguage.h"
#include "platform/DevInfo.h"
#include "app/DeviceViewModel.h"
#include "services/BarcodeImageProvider.h"
#include "services/PrintPreview.h"
#include "services/HelperFunction.h"
#include "services/PicturePreview.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QImage>
#include <QSet>
#include <QQuickImageProvider>
#include <QQuickItem>
#include <QQuickWindow>
#include <QUrl>
#include <QVariant>

#include <ZXing/ReadBarcode.h>

#include <functional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTranslator>

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

void SceneTestSetup::showConnected(int mode, const QVariantMap &device)
{
    if (DeviceConnection *connection = m_viewModel->connectionOf(mode))
        connection->open(DeviceListModel::deviceOf(device));
}

void SceneTestSetup::showDisconnected(int mode)
{
    if (DeviceConnection *connection = m_viewModel->connectionOf(mode))
        connection->close();
}

QString SceneTestSetup::usbRoot() const { return m_appDir.filePath(QStringLiteral("usb")); }

QString SceneTestSetup::sourceDir() const { return QStringLiteral(QM_SOURCE_DIR); }

QString SceneTestSetup::readTextFile(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool SceneTestSetup::fileExists(const QString &path) const { return QFile::exists(path); }

QString SceneTestSetup::linkBelowCurrentFolder(const QString &target)
{
    if (!m_linkDir)
        m_linkDir = std::make_unique<QTemporaryDir>(QDir::current().filePath(QStringLiteral("scene-XXXXXX")));
    const QString link = m_linkDir->filePath(QFileInfo(target).fileName());
    if (!m_linkDir->isValid() || !QFile::link(target, link))
        return QString();
    return QDir::current().relativeFilePath(link);
}

QString SceneTestSetup::logText() const
{
    QDir logs(m_appDir.filePath(QStringLiteral("LogFile")));
    QString text;
    for (const QString &name : logs.entryList({QStringLiteral("*.log"), QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        text += readTextFile(logs.filePath(name));
    return text;
}

namespace {

QAccessibleInterface *rootInterface(QObject *root)
{
    if (auto *window = qobject_cast<QQuickWindow *>(root))
        return QAccessible::queryAccessibleInterface(window);
    auto *item = qobject_cast<QQuickItem *>(root);
    if (!item || !item->window())
        return nullptr;
    return QAccessible::queryAccessibleInterface(item->window());
}

bool inside(QObject *root, QObject *object)
{
    auto *rootItem = qobject_cast<QQuickItem *>(root);
    if (!rootItem)
        return true; // a window: everything in it
    auto *item = qobject_cast<QQuickItem *>(object);
    return item && (item == rootItem || rootItem->isAncestorOf(item));
}

// Depth first over the visible nodes; stops when visit returns true.
bool walk(QAccessibleInterface *node, const std::function<bool(QAccessibleInterface *)> &visit, int depth = 0)
{
    if (!node || !node->isValid() || depth > 200)
        return false;
    if (node->state().invisible)
        return false;
    if (visit(node))
        return true;
    for (int i = 0; i < node->childCount(); ++i) {
        if (walk(node->child(i), visit, depth + 1))
            return true;
    }
    return false;
}

} // namespace

QObject *SceneTestSetup::findAccessible(QObject *root, const QStringList &path, const QVariantList &roles) const
{
    QSet<int> wanted;
    for (const QVariant &role : roles)
        wanted.insert(role.toInt());
    QAccessibleInterface *start = rootInterface(root);
    for (int i = 0; i < path.size(); ++i) {
        const QString &name = path.at(i);
        const bool last = i == path.size() - 1;
        QAccessibleInterface *found = nullptr;
        walk(start, [&](QAccessibleInterface *node) {
            if (last && !wanted.isEmpty() && !wanted.contains(int(node->role())))
                return false;
            if (node != start && node->text(QAccessible::Name) == name && inside(root, node->object())) {
                found = node;
                return true;
            }
            return false;
        });
        if (!found)
            return nullptr;
        start = found;
    }
    return start ? start->object() : nullptr;
}

QStringList SceneTestSetup::accessibleNames(QObject *root) const
{
    QStringList names;
    walk(rootInterface(root), [&](QAccessibleInterface *node) {
        if (inside(root, node->object()))
            names << QStringLiteral("%1:%2").arg(int(node->role())).arg(node->text(QAccessible::Name));
        return false;
    });
    return names;
}

bool SceneTestSetup::pressAccessible(QObject *object) const
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(object);
    QAccessibleActionInterface *actions = node ? node->actionInterface() : nullptr;
    if (!actions)
        return false;
    const QStringList names = actions->actionNames();
    for (const QString &action : {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()}) {
        if (names.contains(action)) {
            actions->doAction(action);
            return true;
        }
    }
    return false;
}

QString SceneTestSetup::readBarcodeImage(const QVariant &image) const
{
    const QImage grey = image.value<QImage>().convertToFormat(QImage::Format_Grayscale8);
    if (grey.isNull())
        return QString();
    // A quiet zone around the symbol, as on paper.
    QImage framed(grey.width() + 40, grey.height() + 40, QImage::Format_Grayscale8);
    framed.fill(255);
    for (int y = 0; y < grey.height(); ++y)
        memcpy(framed.scanLine(y + 20) + 20, grey.constScanLine(y), size_t(grey.width()));
    const ZXing::ImageView view(framed.constBits(), framed.width(), framed.height(), ZXing::ImageFormat::Lum,
                                framed.bytesPerLine());
    ZXing::DecodeHints hints;
    hints.setTryHarder(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? QString::fromStdWString(result.text()) : QString();
}

QString SceneTestSetup::readBarcodeSource(const QUrl &source) const
{
    if (!m_engine || source.scheme() != QLatin1String("image"))
        return QString();
    auto *provider = dynamic_cast<QQuickImageProvider *>(m_engine->imageProvider(source.host()));
    if (!provider)
        return QString();
    QSize size;
    const QImage image = provider->requestImage(source.path().mid(1), &size, QSize());
    return readBarcodeImage(image);
}

QString SceneTestSetup::writePicture(const QString &name, int width, int height, const QString &format) const
{
    const QString path = m_appDir.filePath(name);
    if (format == QLatin1String("garbage")) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(256, 'x'));
        return path;
    }
    if (format == QLatin1String("photo")) {
        QImage photo(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
            for (int x = 0; x < width; ++x) {
                int v = (x + y) * 255 / qMax(1, width + height - 2);
                if ((x * 4 / qMax(1, width) + y * 3 / qMax(1, height)) % 2)
                    v = 255 - v;
                v = qBound(0, v + int((x * 7919 + y * 104729) % 41) - 20, 255);
                line[x] = qRgb(v, qBound(0, v + 25, 255), 255 - v);
            }
        }
        photo.save(path, "PNG");
        return path;
    }
    // One bit per pixel, so that even a huge picture is cheap to write.
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(0);
    image.save(path, format.toLatin1().constData());
    return path;
}

void SceneTestSetup::readStartupConfiguration()
{
    QTranslator translator; // the scenes stay in their Chinese source texts
    m_language->getLanguageConfiguration(translator);
}

void SceneTestSetup::applicationAvailable()
{
    // Qt Quick Controls describe themselves to assistive tools only while
    // accessibility is active. The offscreen platform has no accessibility
    // bridge, so this stays without effect there: controls that should be found
    // state their role and name in QML themselves.
    QAccessible::setActive(true);
    qRegisterMetaType<DevInfo>("DevInfo");
    qRegisterMetaType<QList<DevInfo>>("QList<DevInfo>");
    m_language = std::make_unique<QmlLanguage>(QCoreApplication::instance(), nullptr);
    m_viewModel = std::make_unique<DeviceViewModel>();
    m_helper = std::make_unique<HelperFunction>();
    m_printers = std::make_unique<SceneTestPrinter>(usbRoot());
    m_spooler = std::make_unique<SceneTestSpooler>();
    Logger::getInstance()->setLogLevel(1);
    ConfigManager::getInstance()->initialize();
}

void SceneTestSetup::qmlEngineAvailable(QQmlEngine *engine)
{
    m_engine = engine;
    QQmlContext *root = engine->rootContext();
    root->setContextProperty(QStringLiteral("qmlLanguage"), m_language.get());
    root->setContextProperty(QStringLiteral("deviceViewModel"), m_viewModel.get());
    root->setContextProperty(QStringLiteral("logger"), Logger::getInstance());
    root->setContextProperty(QStringLiteral("configManager"), ConfigManager::getInstance());
    root->setContextProperty(QStringLiteral("helperFunction"), m_helper.get());
    root->setContextProperty(QStringLiteral("testPrinter"), m_printers.get());
    root->setContextProperty(QStringLiteral("testSpooler"), m_spooler.get());
    root->setContextProperty(QStringLiteral("sceneTest"), this);
    auto *provider = new BarcodeImageProvider; // the engine owns it
    engine->addImageProvider(QStringLiteral("barcode"), provider);
    m_helper->setImageProvider(provider);
    PrintPreview::registerWith(engine);
    PicturePreview::registerWith(engine);
}

void SceneTestSetup::cleanupTestCase()
{
    m_printers->stopAll();
    m_spooler->stop();
}
