// The Events menu command and its window: the analysis of the loaded log (made once per load
// by the open command) shown in the Events window; and the choice of an excursion, which moves the time window over
// it and marks it on the plot until the next redraw.
#pragma once

#include "analysis/LogAnalysis.h"
#include "events/EventsWindow.h"

#include <QPointer>

#include <cstddef>
#include <optional>

class QObject;
class QWidget;

namespace osk {

class PlotRedraws;
class Surface;
class TimeWindowController;
struct MainWindowControls;
struct ProgramServices;
struct ProgramState;

class EventsController {
public:
    EventsController(QWidget& owner, MainWindowControls& controls, ProgramState& state,
                     ProgramServices& services, TimeWindowController& time, PlotRedraws& redraws);

    // Connects mnuEvents; context ends the connection with the window.
    void connectCommands(QObject& context);

    // mnuEvents: the window, made on first use, filled and brought to the front.
    void showWindow();
    // The window, once made; nullptr before.
    EventsWindow* window() const { return window_; }

    // A log was loaded (or none is): refills the window with its analysis.
    void logChanged();
    // The language or the product system changed: the window's captions and kinds.
    void applyTexts();
    // After each redraw of the plot onto target: the mark of a chosen excursion, and the
    // figures of the records now in view while the window is shown.
    void afterRedraw(Surface& target);

    // Moves the time window over excursion index of the analysis, as one action with one
    // redraw, and marks it.
    void showExcursion(size_t index);

    const LogAnalysis& analysis() const;

private:
    struct Mark {
        int32_t first;
        int32_t last;
    };

    void fill();
    void fillExcursions();
    void fillInView();
    bool shown() const;

    QWidget& owner_;
    MainWindowControls& c_;
    ProgramState& state_;
    ProgramServices& services_;
    TimeWindowController& time_;
    PlotRedraws& redraws_;
    std::optional<Mark> mark_;
    QPointer<EventsWindow> window_;
};

} // namespace osk
