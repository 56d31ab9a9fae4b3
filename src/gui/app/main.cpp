// osk-graphs [LOG.csv]: the graph viewer's executable. The language dialog comes first; its OK
// starts the main window, which then opens the log given, its Cancel ends the program. A command
// line it cannot follow ends it with exit code 2 before any window.
#include "app/ProgramState.h"
#include "app/QtDialogs.h"
#include "app/QtSettingsStore.h"
#include "app/Startup.h"
#include "app/SystemClock.h"
#include "common/CommandLine.h"
#include "common/Utf8Path.h"
#include "lang/frmLanguage.h"
#include "logdata/FileNames.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The arguments after the program's name, without the options QApplication has taken.
std::vector<std::string> programArguments() {
    const QStringList given = QCoreApplication::arguments();
    std::vector<std::string> arguments;
    for (qsizetype i = 1; i < given.size(); ++i)
        arguments.push_back(osk::utf8FileName(given[i]));
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Settings do not depend on these names: the store opens its own paths (see QtSettingsStore).
    QCoreApplication::setApplicationName(QStringLiteral("osk-graphs"));
    QGuiApplication::setDesktopFileName(QStringLiteral("osk-graphs"));
    // The language dialog closing must not end the program before the main window is shown.
    QApplication::setQuitOnLastWindowClosed(false);
    const osk::CommandLine line = osk::parseCommandLine(programArguments());
    if (!line.error.empty()) {
        std::fprintf(stderr, "%s\n", line.error.c_str());
        return 2;
    }

    osk::QtSettingsStore settings;
    osk::QtDialogs dialogs;
    osk::SystemClock clock;
    osk::ProgramServices services{
        settings, dialogs, clock,
        osk::pathFromUtf8(osk::utf8FileName(QCoreApplication::applicationDirPath()))};
    osk::ProgramState state;

    osk::frmLanguage language(settings);
    const bool chosen = language.exec() == QDialog::Accepted;
    const auto window = osk::StartProgram(state, services, chosen, line.logFile);
    if (!window)
        return 0;
    dialogs.setParentWidget(window.get());
    dialogs.setPrinterChoice(&window->printing().printer());
    QApplication::setQuitOnLastWindowClosed(true);
    return QApplication::exec();
}
