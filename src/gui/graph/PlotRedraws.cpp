#include "graph/PlotRedraws.h"

#include "app/Handlers.h"

#include <utility>

namespace osk {

PlotRedraws::PlotRedraws(std::function<bool(bool)> redraw) : redraw_(std::move(redraw)) {}

PlotRedraws::ActionScope::ActionScope(PlotRedraws& redraws) : redraws_(redraws) {
    ++redraws_.depth_;
}

PlotRedraws::ActionScope::~ActionScope() {
    if (--redraws_.depth_ == 0)
        redraws_.drawPending();
}

void PlotRedraws::request(bool scrollFlag) {
    pending_ = true;
    pendingScrollFlag_ = pendingScrollFlag_ || scrollFlag;
    if (depth_ == 0)
        drawPending();
}

void PlotRedraws::drawPending() noexcept {
    if (!pending_)
        return;
    const bool scrollFlag = pendingScrollFlag_;
    pending_ = false;
    pendingScrollFlag_ = false;
    // The plot is drawn with the state as it is when the action ends.
    runGuarded([&] {
        if (redraw_ && redraw_(scrollFlag))
            ++count_;
    });
}

} // namespace osk
