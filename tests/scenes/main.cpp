// Runs the scene tests (tst_*.qml) against the real back end objects. ctest
// starts one process per file: scene_tests -input tst_name.qml.
#include "SceneTestSetup.h"

#include <QApplication>
#include <QtQuickTest>

int main(int argc, char **argv)
{
    // A widgets application, as in the program (native dialogs, USB notices).
    QApplication app(argc, argv);
    SceneTestSetup setup;
    return quick_test_main_with_setup(argc, argv, "scenes", QM_SCENE_TEST_DIR, &setup);
}
