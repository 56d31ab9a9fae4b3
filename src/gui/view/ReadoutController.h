// The cursor read-out in the main window: a mouse press on the plot shows the pop-up ToolTipje
// for the drawn point under the cursor and its record number in lblRecords; release hides it.
#pragma once

#include "graph/Readout.h"

class QObject;

namespace osk {

class SettingsStore;
struct MainWindowControls;
struct ProgramState;

class ReadoutController {
public:
    ReadoutController(MainWindowControls& controls, const ProgramState& state,
                      SettingsStore& settings);

    // Gives ToolTipje its look: a light box with a small font, high enough for its four lines.
    void install();
    // Connects pGraph's mouse buttons; context ends the connections with the window.
    void connectCommands(QObject& context);

    // A press at (x, y) in picture pixels; the button is not looked at.
    void pGraph_MouseDown(int x, int y);
    void pGraph_MouseUp();

    // The request for a press at (x, y) with the plot's and the pop-up's sizes as they are now.
    ReadoutRequest request(int x, int y) const;

private:
    void apply(const ReadoutResult& result);

    MainWindowControls& c_;
    const ProgramState& state_;
    SettingsStore& settings_;
};

} // namespace osk
