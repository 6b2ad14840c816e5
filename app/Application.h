#pragma once

#include <QUrl>

class QApplication;

// The program's start-up and teardown around the event loop: publishes the
// back-end objects to the scene engine, loads the main scene and runs.
class Application
{
public:
    static constexpr int BrokenSceneExitCode = -1;
    static constexpr int RunLogLevel = 1;

    // Registers the meta-types; call right after the QApplication exists.
    static void registerTypes();

    // Maps the scenes' font family to an installed CJK family.
    static void installFontFallbacks();

    // Runs the program with mainUrl as the main scene; returns the exit code.
    static int run(QApplication &app, const QUrl &mainUrl);
};
