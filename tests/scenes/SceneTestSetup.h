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

// Qt Quick Test set-up for the scene tests: the real back end objects, published
// under the names the program uses, plus `testPrinter` (virtual printers to talk
// to) and `sceneTest` (this object: folders of the run). Every test file runs in
// a process of its own with a temporary application folder, so configuration
// and logs never leak from one file into another.
class SceneTestSetup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString appDir READ appDir CONSTANT)
    Q_PROPERTY(QString usbRoot READ usbRoot CONSTANT)
    Q_PROPERTY(QString sourceDir READ sourceDir CONSTANT)
public:
    SceneTestSetup();
    ~SceneTestSetup() override;

    QString appDir() const { return m_appDir.path(); }
    QString usbRoot() const;
    QString sourceDir() const;

    // Reads a file of the run (configuration, log, saved text) as UTF-8.
    Q_INVOKABLE QString readTextFile(const QString &path) const;
    Q_INVOKABLE bool fileExists(const QString &path) const;
    // The text of today's log file.
    Q_INVOKABLE QString logText() const;

public slots:
    void applicationAvailable();
    void qmlEngineAvailable(QQmlEngine *engine);
    void cleanupTestCase();

private:
    QTemporaryDir m_appDir;
    std::unique_ptr<QmlLanguage> m_language;
    std::unique_ptr<DeviceViewModel> m_viewModel;
    std::unique_ptr<HelperFunction> m_helper;
    std::unique_ptr<SceneTestPrinter> m_printers;
    BarcodeImageProvider *m_provider = nullptr; // the first engine owns it
};
