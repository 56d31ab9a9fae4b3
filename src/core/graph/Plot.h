// The plot redraw: grid, legend and every selected series, newest record at the right, with
// every drawn point recorded for the read-out.
#pragma once

#include "graph/Colour.h"
#include "graph/PlotInputs.h"
#include "graph/Surface.h"

#include <cstdint>

namespace osk {

// What the drawing asks of the time scroll bar: a series that runs off the left edge enables
// it; with the scroll flag set every series first disables it. The last request wins.
enum class ScrollerRequest { Unchanged, Enable, Disable };

// Pixels between the newest point and the right edge: the rest of the hour while the window
// ends at the newest record, otherwise none.
double RightMargin(const PlotInputs& in);

// Erases the plot (DrawLegend erases the legend it draws).
void ClearPlot(Surface& surface);

// Makes surface the redraw target, sets the horizontal grid for gridStep and draws the grid.
void BindPlot(PlotInputs& in, Surface& surface, int16_t gridStep);

// Draws one series from the newest record in view leftwards, one record past the left edge at
// most, and records its points. Draw width is width on paper and 2 on screen.
void DrawSeries(PlotInputs& in, Surface& surface, int column, Colour colour, int16_t factor,
                int16_t width, bool& scrollFlag, ScrollerRequest& scroller);

// The whole redraw onto surface, with the legend onto legend: the grid, the alarm bands when
// they are on, then the series. scrollFlag is shared by every
// series of the redraw (the real-time refresh passes it set). Returns the scroll bar's final
// requested state.
ScrollerRequest Redraw(PlotInputs& in, Surface& surface, Surface& legend, bool& scrollFlag);

} // namespace osk
