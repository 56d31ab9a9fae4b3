// The draw style list: the chosen style is kept for the plot, which is drawn again with it.
#pragma once

class QObject;

namespace osk {

class PlotRedraws;
class WindowOperations;
struct MainWindowControls;
struct ProgramState;

class DrawStyleController {
public:
    DrawStyleController(MainWindowControls& controls, ProgramState& state, WindowOperations& window,
                        PlotRedraws& redraws);

    // Connects the list; context ends the connection with the window.
    void connectCommands(QObject& context);

    // A style chosen while a log is shown: kept, the time axis rebuilt, the plot redrawn.
    void cboDrawStyle_Click();

private:
    MainWindowControls& c_;
    ProgramState& state_;
    WindowOperations& window_;
    PlotRedraws& redraws_;
};

} // namespace osk
