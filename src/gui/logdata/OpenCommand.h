// The way into a log: the Open File command with its chooser loop, the read, and the steps that
// bring the window into the loaded or the no-log state.
#pragma once

#include "logdata/WindowReaderHost.h"

#include <optional>
#include <string>

class QObject;

namespace osk {

class PlotRedraws;
class TimeWindowController;
class WindowOperations;
class WindowPlot;
struct MainWindowControls;
struct ProgramServices;
struct ProgramState;

class OpenCommand {
public:
    OpenCommand(MainWindowControls& controls, ProgramState& state, ProgramServices& services,
                WindowOperations& window, WindowPlot& plot, PlotRedraws& redraws,
                TimeWindowController& time);

    // Connects mnuOpenFile; context ends the connection with the window.
    void connectCommands(QObject& context);

    // mnuOpenFile: choose a log, read it, and show it at its newest end with the product group
    // ticked; a log that gives nothing usable leaves the window in the no-log state.
    void mnuOpenFile_Click();
    // The same command with path as the chooser's first answer (a file dropped on the window).
    void openPath(const std::string& path);

    // The chooser loop: the chosen path, the file shown now when the user cancels while a log is
    // loaded, or "" when the user gives up.
    std::string SelectLogFile();

    // After a successful read: binds the plot, sets the grid bar's range, builds both axes and
    // the time steps between records, and analyses the log.
    void InitAfterLoad();

    WindowReaderHost& readerHost() { return host_; }

private:
    // The chooser, then the table emptied for the read that follows: nothing of an earlier file
    // may show in the rows or columns the new one does not fill.
    std::string chooseForRead();

    MainWindowControls& c_;
    ProgramState& state_;
    ProgramServices& services_;
    WindowOperations& window_;
    WindowPlot& plot_;
    PlotRedraws& redraws_;
    TimeWindowController& time_;
    WindowReaderHost host_;
    std::optional<std::string> givenAnswer_;
};

} // namespace osk
