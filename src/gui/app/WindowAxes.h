// The main window's side of the two axes: the labels under and left of the plot placed and
// captioned from the axis computations, and the scales those computations set.
#pragma once

namespace osk {

struct MainWindowControls;
struct ProgramServices;
struct ProgramState;

class WindowAxes {
public:
    WindowAxes(MainWindowControls& controls, ProgramState& state, ProgramServices& services);

    // Time and date labels for a plot of plotWidth pixels, and the horizontal scale. An
    // unreadable record time is reported ("Time fault") and the labels keep their texts.
    void BuildTimeAxis(int plotWidth);

    // The eleven value labels over labelHeight pixels, and the vertical scale. The bound bars
    // are repaired first (an upper bound of 0 becomes 1, a lower bound at or above the upper one
    // goes just below it), which runs their change handlers.
    void BuildValueLabels(int labelHeight);

private:
    MainWindowControls& c_;
    ProgramState& state_;
    ProgramServices& services_;
};

} // namespace osk
