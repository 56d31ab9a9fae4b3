// The fixed catalogue of drawable series: which column each draws, in which colour and scale,
// under which name, where its points are recorded, and in which order everything is drawn.
#pragma once

#include "graph/Colour.h"
#include "graph/RenderState.h"
#include "lang/Texts.h"

#include <array>
#include <cstdint>
#include <string>

namespace osk {

inline constexpr int kSeriesGroupsUsed = 4; // product, pH, flow, cell

struct SeriesEntry {
    int16_t group;              // 0 product, 1 pH, 2 flow, 3 cell
    int16_t item;               // 0 for the group's heading, 1..6 for its sub-series
    int16_t seriesOnIndex;      // group + 6 * item
    int16_t captionText;        // text number of the name; -1 for the product name or a literal
    const char* captionLiteral; // the name when it is not translated, else ""
    int16_t column;             // record table column drawn; -1 when the entry draws nothing
    Colour colour;
    int16_t factor; // every value is multiplied by it before it is placed on the value axis
    int16_t slot;   // PlotPoints slot of the y pixel (the column goes to slot + 1)

    bool draws() const { return column >= 0; }
};

// In drawing order, which is also the order of the legend lines: each group's heading, then
// its sub-series. A later series is drawn over an earlier one.
inline constexpr std::array<SeriesEntry, 20> kSeriesCatalogue = {{
    {0, 0, 0, -1, "", 10, Rgb(128, 0, 128), 1, 1},
    {0, 1, 6, 19, "", 6, Rgb(255, 157, 255), 1, 11},
    {0, 2, 12, 18, "", 7, Rgb(255, 157, 255), 1, 9},
    {0, 3, 18, 20, "", 8, Rgb(215, 0, 215), 1, 13},
    {0, 4, 24, 21, "", 20, Rgb(215, 0, 215), 1, 15},
    {1, 0, 1, 22, "", 15, Rgb(224, 1, 6), 10, 3},
    {1, 1, 7, 19, "", 11, Rgb(254, 158, 183), 10, 19},
    {1, 2, 13, 18, "", 12, Rgb(254, 158, 183), 10, 17},
    {1, 3, 19, 20, "", 13, Rgb(253, 83, 108), 10, 21},
    {1, 4, 25, 21, "", 21, Rgb(253, 83, 108), 1, 23}, // the pump state is not scaled
    {2, 0, 2, 23, "", 18, Rgb(0, 128, 0), 1, 5},
    {2, 1, 8, 24, "", 17, Rgb(47, 206, 23), 1, 27},
    {2, 2, 14, 18, "", 16, Rgb(47, 206, 23), 1, 25},
    {3, 0, 3, 26, "", -1, Rgb(1, 6, 201), 0, 0}, // legend heading only
    {3, 1, 9, 29, "", 24, Rgb(1, 6, 201), 1, 35},
    {3, 2, 15, 206, "", 22, Rgb(102, 102, 255), 1, 7},
    {3, 3, 21, 207, "", 23, Rgb(213, 213, 255), 1, 33},
    {3, 4, 27, 205, "", 25, Rgb(213, 213, 255), 1, 37},
    {3, 5, 33, -1, "TBC", 29, Rgb(1, 6, 201), 1, 41},
    {3, 6, 39, -1, "GBC", 30, Rgb(1, 6, 201), 1, 41}, // shares slot 41: drawn last, it wins
}};

// PlotPoints slot for the y pixel of a column's points; columns without a slot of their own
// share slot 41.
int SlotForColumn(int column);

// Whether an entry is drawn and listed: its own box on and, for a sub-series, its group's box
// too. The cell group stays off the printed page.
bool SeriesSelected(const SeriesEntry& entry, const SeriesSelection& seriesOn, bool printing);

// Caption of a group's check box: the product name, or texts 22, 23, 26.
std::string GroupCaption(int group, const Texts& texts, int16_t productTextIndex);

// The entry's line in the legend. Headings carry their unit: "<product><unit>",
// "<pH> (/10)", "<flow> <m3/h>", "<cell>".
std::string LegendText(const SeriesEntry& entry, const Texts& texts, int16_t productTextIndex);

} // namespace osk
