// The legend: one line per drawn series, a short sample line in its colour and its name.
#pragma once

#include "graph/Colour.h"
#include "graph/PlotInputs.h"
#include "graph/Surface.h"

#include <cstdint>
#include <string>
#include <vector>

namespace osk {

// Legend positions, in the legend surface's own units.
inline constexpr double kLegendLineHeight = 200;
inline constexpr double kLegendHeadingX = 10;
inline constexpr double kLegendItemX = 120;
inline constexpr double kLegendSampleLength = 100;
inline constexpr double kLegendTextGap = 190;  // from the sample line's start to the text
inline constexpr double kLegendTextRaise = 70; // the text's top above the sample line

// The most entries the legend can list: every heading and sub-series of the catalogue.
inline constexpr int32_t kLegendMostLines = 20;
// One pixel of the legend box in legend units: the most entries, 200 units apart, fit a box
// 240 pixels high with room below the last one for its text.
inline constexpr double kLegendUnitsPerPixel = 18;

struct LegendEntry {
    std::string text;
    int level; // 1 for a heading, 2 for a sub-series
    Colour colour;
};

// Every selected catalogue entry in drawing order, as the legend lists them.
std::vector<LegendEntry> LegendEntries(const PlotInputs& in);

// Clears the legend and lists every selected catalogue entry in drawing order: headings at
// level 1, sub-series indented at level 2. Returns the number of lines drawn.
int32_t DrawLegend(Surface& legend, const PlotInputs& in);

// One legend line at LegendLine (1-based), which then moves on to the next line.
void DrawLegendEntry(Surface& legend, const std::string& text, int level, Colour colour,
                     int32_t& LegendLine);

// The y of a legend line's sample line.
inline double LegendLineY(int32_t line) {
    return kLegendLineHeight * line;
}

// The line (1-based) whose entry lies at y, in legend units, when the legend lists lineCount
// entries; 0 above the first entry, below the last or for no entry at all. Each entry owns the
// band from halfway to the line above to halfway to the line below its sample line.
int32_t LegendLineAt(double y, int32_t lineCount);

} // namespace osk
