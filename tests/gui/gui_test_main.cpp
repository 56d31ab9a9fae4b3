// Runs the GUI tests on the offscreen platform, whatever display the machine has.
#include "app/OffscreenPlatform.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
#ifdef _WIN32
    // On Windows the tests empty the program's registry keys, which hold the user's settings and
    // the companion's data folder: they run only where nothing real is kept there.
    if (qgetenv("OSK_TEST_REGISTRY") != "scratch") {
        std::fputs("gui_tests: these tests empty HKEY_CURRENT_USER\\Software\\Graphs and "
                   "\\Software\\Remote; run them in a Wine prefix or Windows account of their "
                   "own, with OSK_TEST_REGISTRY=scratch\n",
                   stderr);
        return 2;
    }
#endif
    // Must be set before the QApplication exists.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    osk::useOffscreenPlatform();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
