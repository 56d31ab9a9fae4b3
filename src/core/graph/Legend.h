// The legend: one line per drawn series, a short sample line in its colour and its name.
#pragma once

#include "graph/Colour.h"
#include "graph/PlotInputs.h"
#include "graph/Surface.h"

#include <cstdint>
#include <string>

namespace osk {

// Legend positions, in the legend surface's own units.
inline constexpr double kLegendLineHeight = 200;
inline constexpr double kLegendHeadingX = 10;
inline constexpr double kLegendItemX = 120;

// Clears the legend and lists every selected catalogue entry in drawing order: headings at
// level 1, sub-series indented at level 2. Returns the number of lines drawn.
int32_t DrawLegend(Surface& legend, const PlotInputs& in);

// One legend line at LegendLine (1-based), which then moves on to the next line.
void DrawLegendEntry(Surface& legend, const std::string& text, int level, Colour colour,
                     int32_t& LegendLine);

} // namespace osk
