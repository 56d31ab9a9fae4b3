// Which series the plot shows: the four group boxes, which also choose a value scale that suits
// the groups switched on, and the panel of sub-series boxes that a group's button opens.
#pragma once

#include <string>

class QObject;

namespace osk {

class PlotRedraws;
class SettingsStore;
struct MainWindowControls;
struct ProgramState;

class SeriesSelectionController {
public:
    SeriesSelectionController(MainWindowControls& controls, ProgramState& state,
                              SettingsStore& settings, PlotRedraws& redraws);

    // Connects the group boxes and buttons, the panel's boxes and its close button; context ends
    // the connections with the window.
    void connectCommands(QObject& context);

    // Group g's box changed: the group goes on or off and the value scale follows.
    void chkItem_Click(int g);
    // Group g's button: the panel shows that group's sub-series.
    void cmdItem_Click(int g);
    // Sub-series box k of the panel changed.
    void chkItems2_Click(int k);
    // The panel's close button; the selection stays as it is.
    void Command4_Click();

    // Captions and visibility of the panel's boxes for group g; groups above 3 change nothing.
    void ConfigureChoices(int g);
    // Loads boxes 1..4 with group g's states and shows the panel for that group.
    void ShowChoices(int g);

private:
    // The automatic scale for the groups switched on, put into the bound and grid bars (each
    // runs its own handler); nothing changes while no group is on.
    void AutoScale();
    void setBox(int k, const std::string& caption, bool shown);

    MainWindowControls& c_;
    ProgramState& state_;
    SettingsStore& settings_;
    PlotRedraws& redraws_;
};

} // namespace osk
