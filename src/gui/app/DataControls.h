// The two states of the main window: no log (data controls disabled, axis labels hidden, plot
// erased) and a loaded log (all of them enabled and shown).
#pragma once

namespace osk {

class WindowPlot;
struct MainWindowControls;

void EnableDataControls(MainWindowControls& controls, WindowPlot& plot, bool enabled);

} // namespace osk
