// The value scale's controls: the upper and lower bound bars, the value scroller that shifts
// the window while keeping its height, and the horizontal grid step bar. A change started on
// one bar runs the others' handlers nested; the bar that started it owns the change and alone
// asks for the redraw.
#pragma once

class QObject;

namespace osk {

class PlotRedraws;
class WindowOperations;
struct MainWindowControls;
struct ProgramState;

class ValueScaleController {
public:
    ValueScaleController(MainWindowControls& controls, ProgramState& state,
                         WindowOperations& window, PlotRedraws& redraws);

    // The bars take the keyboard focus (arrow and page keys move them), move the way their thumbs
    // show (the three value bars have their larger values at the top) and report a thumb drag
    // when the thumb is released; the grid step's caption follows its thumb meanwhile.
    void install();
    // Connects the four bars; context ends the connections with the window.
    void connectCommands(QObject& context);

    void vscScaleMax_Change();
    void vscScaleMin_Change();
    void vscGraphScroller_Change();
    // The grid step bar set to a new value, and its thumb being dragged to position.
    void hsGridY_Change();
    void hsGridY_Scroll(int position);

private:
    // Whether the scroller may shift the scale; if not, its thumb goes back to the lower bound.
    bool ValueScrollAllowed();
    // The labels over the plot's outer height less 5 pixels, as every bar handler builds them.
    void buildLabels();

    MainWindowControls& c_;
    ProgramState& state_;
    WindowOperations& window_;
    PlotRedraws& redraws_;
};

} // namespace osk
