// A second process for the settings tests: writes one value through the program's store, the
// way the companion program changes its values while this program runs.
#include "app/QtSettingsStore.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    osk::QtSettingsStore store;
    store.RegWrite(argv[1], argv[2]);
    return 0;
}
