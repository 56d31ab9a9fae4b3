// One user action, one redraw: while the window handles an action (and every change event
// nested inside it) redraw requests only mark the plot, and the plot is redrawn once when the
// outermost handler returns. Outside an action a request redraws at once.
#pragma once

#include <cstdint>
#include <functional>

namespace osk {

class PlotRedraws {
public:
    // redraw draws the plot target with the given scroll flag and tells whether it drew (there
    // is nothing to draw before a log is loaded).
    explicit PlotRedraws(std::function<bool(bool scrollFlag)> redraw);

    // Entered at the top of every event handler; nested scopes count down to the outermost.
    class ActionScope {
    public:
        explicit ActionScope(PlotRedraws& redraws);
        ~ActionScope();
        ActionScope(const ActionScope&) = delete;
        ActionScope& operator=(const ActionScope&) = delete;

    private:
        PlotRedraws& redraws_;
    };

    // A handler's redraw of the plot target. scrollFlag is the real-time refresh's: the merged
    // redraw carries it when any request of the action asked for it.
    void request(bool scrollFlag = false);

    // Redraws actually drawn since the window was built.
    int64_t count() const { return count_; }
    bool insideAction() const { return depth_ > 0; }

private:
    void drawPending() noexcept;

    std::function<bool(bool)> redraw_;
    int depth_ = 0;
    bool pending_ = false;
    bool pendingScrollFlag_ = false;
    int64_t count_ = 0;
};

} // namespace osk
