// The main window's side of the plot: gathering the control values a redraw reads, drawing onto
// a surface with the legend beside it, and releasing the plot at shutdown.
#pragma once

#include "graph/PlotInputs.h"

#include <functional>
#include <utility>

namespace osk {

class Surface;
struct MainWindowControls;
struct ProgramServices;
struct ProgramState;

class WindowPlot {
public:
    WindowPlot(MainWindowControls& controls, ProgramState& state, ProgramServices& services);

    // Everything a redraw reads, with the controls' values as they are now.
    PlotInputs inputs();

    // Redraws onto surface, the legend into Legenda, applies the time scroll bar's resulting
    // state and shows the new pictures.
    void redraw(Surface& surface, bool& scrollFlag);
    // The same with the legend drawn onto legend.
    void redraw(Surface& surface, Surface& legend, bool& scrollFlag);

    // An event handler's redraw: the plot target with a fresh scroll flag (set for the
    // real-time refresh), only while a log is loaded and the plot is bound. False when there
    // was nothing to draw.
    bool redrawTarget(bool scrollFlag = false);

    // Runs after each redraw of the plot target, with that target, before it is shown.
    void setAfterTargetRedraw(std::function<void(Surface&)> after) { after_ = std::move(after); }

    // Erases the plot's picture.
    void clearPlot();

    // Shutdown: erases the plot and unbinds it, so nothing draws on it any more.
    void release();

private:
    MainWindowControls& c_;
    ProgramState& state_;
    ProgramServices& services_;
    std::function<void(Surface&)> after_;
};

} // namespace osk
