// Everything a redraw reads or updates, gathered by the window from its state and controls.
#pragma once

#include "graph/RenderState.h"
#include "lang/Texts.h"
#include "logdata/RecordTable.h"
#include "view/ViewState.h"

#include <cstdint>
#include <string>

namespace osk {

struct LogAnalysis;

struct PlotInputs {
    PlotInputs(RecordTable& r, ViewState& v, RenderState& s, const Texts& t)
        : records(r), view(v), render(s), texts(t) {}

    RecordTable& records; // ViewEndRecord may be repaired by the redraw
    ViewState& view;      // GridStepPixelsY is recomputed by the redraw
    RenderState& render;  // SeriesOn, DrawStyle and Printing in; PlotPoints out
    const Texts& texts;
    int16_t productTextIndex = 0;
    // Control values at the time of the redraw.
    int32_t scrollerMax = 0;   // hscGraphScroller maximum
    int32_t scrollerValue = 0; // hscGraphScroller value
    int16_t gridYValue = 20;   // hsGridY value
    std::string xasText;       // selected span item, "48 Hour"
    std::string gridXText;     // selected grid interval item, "2 Hour"
    // The loaded log's analysis, for the alarm bands; nullptr draws none.
    const LogAnalysis* analysis = nullptr;
};

} // namespace osk
