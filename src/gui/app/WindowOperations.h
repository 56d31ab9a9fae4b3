// What the main window offers the controllers of its subsystems: the shared steps that several
// commands run (the no-log and loaded states, the axes, the redraw, the caption).
#pragma once

#include <string>

namespace osk {

class Surface;

class WindowOperations {
public:
    virtual ~WindowOperations() = default;

    // Enables or disables every control that needs a loaded log; disabling clears the plot.
    virtual void EnableDataControls(bool enabled) = 0;
    // Time labels and horizontal scale for a plot of plotWidth pixels.
    virtual void BuildTimeAxis(int plotWidth) = 0;
    // Value labels and vertical scale over labelHeight pixels.
    virtual void BuildValueLabels(int labelHeight) = 0;
    // An event handler's redraw of the plot target (with a fresh scroll flag).
    virtual void requestRedraw() = 0;
    // Redraws onto surface at once, the legend included; the scroll flag is the caller's.
    virtual void redrawNow(Surface& surface, bool& scrollFlag) = 0;
    // The main window's caption.
    virtual void setCaption(const std::string& text) = 0;

    // Sizes of the plot as the axes need them.
    virtual int plotOuterWidth() const = 0;
    virtual int plotOuterHeight() const = 0;
    virtual int plotInnerHeight() const = 0;
};

// The heights the window's value labels are spread over. Each command keeps the one it has
// always used, so the labels of one scale can sit a few pixels apart after different commands.
enum class ValueLabelHeight {
    PlotInner,         // inside the plot's border: the span, the grid interval, the layout
    PlotInnerLessFive, // 5 pixels less: a log just read
    PlotOuterLessFive, // the plot's outer height less 5: the value scale's bars
    PlotOuter,         // the plot's outer height: the screen after a page was printed
};

inline int valueLabelHeight(const WindowOperations& window, ValueLabelHeight rule) {
    switch (rule) {
    case ValueLabelHeight::PlotInnerLessFive:
        return window.plotInnerHeight() - 5;
    case ValueLabelHeight::PlotOuterLessFive:
        return window.plotOuterHeight() - 5;
    case ValueLabelHeight::PlotOuter:
        return window.plotOuterHeight();
    case ValueLabelHeight::PlotInner:
        break;
    }
    return window.plotInnerHeight();
}

} // namespace osk
