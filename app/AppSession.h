#pragma once

#include <QUrl>

#include <memory>

class BarcodeImageProvider;
class DeviceViewModel;
class HelperFunction;
class QApplication;
class QObject;
class QQmlApplicationEngine;
class QTranslator;
class QmlLanguage;

// One run of the program without its event loop: the engine, the translation,
// the back-end objects published to the scenes and the loaded main scene. The
// entry point runs the loop around it; tests and tools drive it directly.
// Destroyed in reverse order: helper, view model, translator, language, engine.
class AppSession
{
public:
    // The exit code when the main scene fails to load.
    static constexpr int BrokenSceneExitCode = -1;
    // The log level once the scene has loaded.
    static constexpr int RunLogLevel = 1;

    AppSession(QApplication &app, const QUrl &mainUrl);
    ~AppSession();

    AppSession(const AppSession &) = delete;
    AppSession &operator=(const AppSession &) = delete;

    QQmlApplicationEngine &engine() const { return *m_engine; }
    QmlLanguage &language() const { return *m_language; }
    DeviceViewModel &viewModel() const { return *m_viewModel; }
    // True when the scenes are better drawn by Qt Quick's software renderer:
    // headless platforms, or no GPU device to render with.
    static bool useSoftwareSceneGraph();

    // The main scene's root object, or null when it failed to load.
    QObject *rootObject() const;

private:
    // Maps the scenes' font family to an installed CJK family.
    static void installFontFallbacks();

    QApplication &m_app;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    std::unique_ptr<QmlLanguage> m_language;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<DeviceViewModel> m_viewModel;
    std::unique_ptr<HelperFunction> m_helper;
};
