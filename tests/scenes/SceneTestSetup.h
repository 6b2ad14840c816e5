#pragma once

#include <QObject>
#include <QTemporaryDir>

#include <memory>

class BarcodeImageProvider;
class DeviceViewModel;
class HelperFunction;
class QmlLanguage;
class QQmlEngine;
class SceneTestPrinter;
class SceneTestSpooler;

// Qt Quick Test set-up for the scene tests: the real back end objects, published
// under the names the program uses, plus `testPrinter` (virtual printers to talk
// to), `testSpooler` (a private CUPS scheduler) and `sceneTest` (this object: folders of the run). Every test file runs in
// a process of its own with a temporary application folder, so configuration
// and logs never leak from one file into another.
class SceneTestSetup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString appDir READ appDir CONSTANT)
    Q_PROPERTY(QString usbRoot READ usbRoot CONSTANT)
    Q_PROPERTY(QString sourceDir READ sourceDir CONSTANT)
    // Where tests may save pictures of what they show (QM_SCENE_SHOT_DIR);
    // empty: take none.
    Q_PROPERTY(QString shotDir READ shotDir CONSTANT)
public:
    SceneTestSetup();
    ~SceneTestSetup() override;

    QString appDir() const { return m_appDir.path(); }
    QString usbRoot() const;
    QString sourceDir() const;
    QString shotDir() const { return qEnvironmentVariable("QM_SCENE_SHOT_DIR"); }

    // Reads a file of the run (configuration, log, saved text) as UTF-8.
    Q_INVOKABLE QString readTextFile(const QString &path) const;
    Q_INVOKABLE bool fileExists(const QString &path) const;
    // A link to target in a new folder below the test's current folder, named
    // as a person types it from there ("scene-Ab12Cd/ttyVP", no "./"); the
    // folder goes when the test ends. Empty when it cannot be made.
    Q_INVOKABLE QString linkBelowCurrentFolder(const QString &target);
    // The text of today's log file.
    Q_INVOKABLE QString logText() const;
    // What the program does at its start: qmlLanguage reads initial.ini (and
    // creates it with the defaults when missing, as in a new installation).
    Q_INVOKABLE void readStartupConfiguration();

    // The accessibility tree as a person's assistive tool sees it. `path` is a
    // list of accessible names: the first is looked for anywhere below `root`
    // (an item or its window), each further one below the previous match.
    // With `roles` (QAccessible::Role numbers, as Accessible.Button ... in
    // QML) the last one must have one of them, so that a label and the field
    // it names are told apart. Returns the object behind the last match, or null.
    Q_INVOKABLE QObject *findAccessible(QObject *root, const QStringList &path,
                                        const QVariantList &roles = QVariantList()) const;
    // The accessible names (with their role number) of the visible nodes
    // below root, one "role:name" entry each.
    Q_INVOKABLE QStringList accessibleNames(QObject *root) const;
    // Asks the node behind `object` to perform its press (or toggle) action,
    // as a screen reader would. False when it has none.
    Q_INVOKABLE bool pressAccessible(QObject *object) const;
    // Reads a barcode with zxing-cpp from a picture (the `image` of an item's
    // grabToImage() result, i.e. what the item shows); the text, or empty
    // when none reads.
    Q_INVOKABLE QString readBarcodeImage(const QVariant &image) const;
    // The same for the picture an Image element shows from an image provider
    // ("image://barcode/<id>"): the provider is asked as the Image asked it
    // (the offscreen software renderer cannot grab a window).
    Q_INVOKABLE QString readBarcodeSource(const QUrl &source) const;
    // Writes a picture file: width x height, black, or with garbage bytes
    // when `format` is "garbage", or a colourful PNG of gradients, edges and
    // noise, as far as conversion goes a photograph, when it is "photo".
    // Returns the path.
    Q_INVOKABLE QString writePicture(const QString &name, int width, int height, const QString &format = QStringLiteral("png")) const;
    // The view model's connection of a mode (0 TCP, 1 USB, 2 serial, 3
    // driver) made or ended as its manager reports one, without a device:
    // the fields as in the device lists ("name", "ip", "mac", "vpid", "model").
    Q_INVOKABLE void showConnected(int mode, const QVariantMap &device);
    Q_INVOKABLE void showDisconnected(int mode);

public slots:
    void applicationAvailable();
    void qmlEngineAvailable(QQmlEngine *engine);
    void cleanupTestCase();

private:
    QTemporaryDir m_appDir;
    std::unique_ptr<QTemporaryDir> m_linkDir;
    std::unique_ptr<QmlLanguage> m_language;
    std::unique_ptr<DeviceViewModel> m_viewModel;
    std::unique_ptr<HelperFunction> m_helper;
    std::unique_ptr<SceneTestPrinter> m_printers;
    std::unique_ptr<SceneTestSpooler> m_spooler;
    BarcodeImageProvider *m_provider = nullptr; // the first engine owns it
    QQmlEngine *m_engine = nullptr;
};
