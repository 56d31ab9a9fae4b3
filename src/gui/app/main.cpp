// osk-graphs: the graph viewer's executable. The language dialog comes first; its OK starts the
// main window, its Cancel ends the program.
#include "app/ProgramState.h"
#include "app/QtDialogs.h"
#include "app/QtSettingsStore.h"
#include "app/Startup.h"
#include "app/SystemClock.h"
#include "lang/frmLanguage.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Settings do not depend on these names: the store opens its own paths (see QtSettingsStore).
    QCoreApplication::setApplicationName(QStringLiteral("osk-graphs"));
    QGuiApplication::setDesktopFileName(QStringLiteral("osk-graphs"));
    // The language dialog closing must not end the program before the main window is shown.
    QApplication::setQuitOnLastWindowClosed(false);

    osk::QtSettingsStore settings;
    osk::QtDialogs dialogs;
    osk::SystemClock clock;
    osk::ProgramServices services{settings, dialogs, clock,
                                  QCoreApplication::applicationDirPath().toStdString()};
    osk::ProgramState state;

    osk::frmLanguage language(settings);
    const bool chosen = language.exec() == QDialog::Accepted;
    const auto window = osk::StartProgram(state, services, chosen);
    if (!window)
        return 0;
    dialogs.setParentWidget(window.get());
    dialogs.setPrinterChoice(&window->printing().printer());
    QApplication::setQuitOnLastWindowClosed(true);
    return QApplication::exec();
}
