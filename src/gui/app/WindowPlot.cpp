#include "app/WindowPlot.h"

#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "graph/PictureBox.h"
#include "graph/Plot.h"
#include "graph/ProductSystem.h"

#include <QComboBox>
#include <QScrollBar>

#include <algorithm>

namespace osk {

WindowPlot::WindowPlot(MainWindowControls& controls, ProgramState& state, ProgramServices& services)
    : c_(controls), state_(state), services_(services) {}

PlotInputs WindowPlot::inputs() {
    PlotInputs in(state_.records, state_.view, state_.render, state_.texts);
    in.productTextIndex = ProductTextIndex(services_.settings);
    in.scrollerMax = c_.hscGraphScroller->maximum();
    in.scrollerValue = c_.hscGraphScroller->value();
    // The grid bar's range is far inside 16 bits.
    in.gridYValue = static_cast<int16_t>(std::clamp(c_.hsGridY->value(), 1, 32767));
    in.xasText = c_.Xas->currentText().toStdString();
    in.gridXText = c_.cmbGridX->currentText().toStdString();
    in.analysis = &state_.Analysis;
    return in;
}

void WindowPlot::redraw(Surface& surface, bool& scrollFlag) {
    redraw(surface, c_.Legenda->surface(), scrollFlag);
}

void WindowPlot::redraw(Surface& surface, Surface& legend, bool& scrollFlag) {
    PlotInputs in = inputs();
    const ScrollerRequest scroller = Redraw(in, surface, legend, scrollFlag);
    if (scroller == ScrollerRequest::Enable)
        c_.hscGraphScroller->setEnabled(true);
    else if (scroller == ScrollerRequest::Disable)
        c_.hscGraphScroller->setEnabled(false);
    c_.pGraph->refresh();
    c_.Legenda->refresh();
}

bool WindowPlot::redrawTarget(bool scrollFlag) {
    Surface* target = state_.render.PlotTarget;
    if (target == nullptr || !state_.records.FileLoaded)
        return false;
    redraw(*target, scrollFlag);
    if (after_) {
        after_(*target);
        c_.pGraph->refresh();
    }
    return true;
}

void WindowPlot::clearPlot() {
    c_.pGraph->surface().clear();
    c_.pGraph->refresh();
}

void WindowPlot::release() {
    clearPlot();
    state_.render.PlotTarget = nullptr;
}

} // namespace osk
