#pragma once

#include "app/AppSession.h"

#include <QUrl>

class QApplication;

// The program's start-up and teardown around the event loop: publishes the
// back-end objects to the scene engine, loads the main scene and runs.
class Application
{
public:
    // What run returns when the main scene fails to load.
    static constexpr int BrokenSceneExitCode = AppSession::BrokenSceneExitCode;

    // Registers the meta-types; call right after the QApplication exists.
    static void registerTypes();

    // Runs the program with mainUrl as the main scene; returns the exit code.
    static int run(QApplication &app, const QUrl &mainUrl);
};
