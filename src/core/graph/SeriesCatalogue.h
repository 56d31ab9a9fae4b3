// The fixed catalogue of drawable series, the one place that says which column each draws, in
// which colour and scale, under which name in the legend, the sub-series panel and the
// read-out, where its points are recorded, and in which order everything is drawn.
#pragma once

#include "graph/Colour.h"
#include "graph/RenderState.h"
#include "lang/TextNumbers.h"
#include "lang/Texts.h"

#include <array>
#include <cstdint>
#include <string>

namespace osk {

inline constexpr int kSeriesGroupsUsed = 4; // product, pH, flow, cell

// The read-out's state text of an entry: a text number, or one of these.
inline constexpr int16_t kReadoutNoState = -1; // the group's name alone (a heading)
inline constexpr int16_t kReadoutNone = -2;    // the read-out does not describe the column

struct SeriesEntry {
    int16_t group;              // 0 product, 1 pH, 2 flow, 3 cell
    int16_t item;               // 0 for the group's heading, 1..6 for its sub-series
    int16_t captionText;        // text number of the name; -1 for the product name or a literal
    const char* captionLiteral; // the name when it is not translated, else ""
    int16_t column;             // record table column drawn; -1 when the entry draws nothing
    Colour colour;
    int16_t factor;       // every value is multiplied by it before it is placed on the value axis
    int16_t slot;         // PlotPoints slot of the y pixel (the column goes to slot + 1)
    int16_t readoutState; // shown after the group's name in the read-out

    bool draws() const { return column >= 0; }
};

// In drawing order, which is also the order of the legend lines: each group's heading, then
// its sub-series. A later series is drawn over an earlier one.
inline constexpr std::array<SeriesEntry, 20> kSeriesCatalogue = {{
    {0, 0, -1, "", 10, Rgb(128, 0, 128), 1, 1, kReadoutNoState},
    {0, 1, 19, "", 6, Rgb(255, 157, 255), 1, 11, kTextHighAlarm},
    {0, 2, 18, "", 7, Rgb(255, 157, 255), 1, 9, kTextLowAlarm},
    {0, 3, 20, "", 8, Rgb(215, 0, 215), 1, 13, kTextSetpoint},
    {0, 4, 21, "", 20, Rgb(215, 0, 215), 1, 15, kTextPump},
    {1, 0, 22, "", 15, Rgb(224, 1, 6), 10, 3, kReadoutNoState},
    {1, 1, 19, "", 11, Rgb(254, 158, 183), 10, 19, kTextHighAlarm},
    {1, 2, 18, "", 12, Rgb(254, 158, 183), 10, 17, kTextLowAlarm},
    {1, 3, 20, "", 13, Rgb(253, 83, 108), 10, 21, kTextSetpoint},
    {1, 4, 21, "", 21, Rgb(253, 83, 108), 1, 23, kTextPump}, // the pump state is not scaled
    {2, 0, 23, "", 18, Rgb(0, 128, 0), 1, 5, kReadoutNoState},
    {2, 1, 24, "", 17, Rgb(47, 206, 23), 1, 27, kTextDosingStop},
    {2, 2, 18, "", 16, Rgb(47, 206, 23), 1, 25, kTextLowAlarm},
    {3, 0, 26, "", -1, Rgb(1, 6, 201), 0, 0, kReadoutNone}, // legend heading only
    {3, 1, 29, "", 24, Rgb(1, 6, 201), 1, 35, kTextRinse},
    {3, 2, 206, "", 22, Rgb(102, 102, 255), 1, 7, kTextActive},
    {3, 3, 207, "", 23, Rgb(213, 213, 255), 1, 33, kTextNull},
    {3, 4, 205, "", 25, Rgb(213, 213, 255), 1, 37, kTextEmpty},
    {3, 5, -1, "TBC", 29, Rgb(1, 6, 201), 1, 41, kReadoutNone},
    {3, 6, -1, "GBC", 30, Rgb(1, 6, 201), 1, 41,
     kReadoutNone}, // shares slot 41: drawn last, it wins
}};

// Columns with a slot and a read-out name of their own that no series draws.
struct PointOnlyColumn {
    int16_t group;
    int16_t column;
    int16_t slot;
    int16_t readoutState;
};
inline constexpr std::array<PointOnlyColumn, 2> kPointOnlyColumns = {{
    {2, 19, 29, kTextCirculation},
    {3, 26, 39, kReadoutNone},
}};

// The catalogue's entry of a group's item; nullptr when the group has no such series.
const SeriesEntry* FindSeries(int group, int item);

// The name of an entry that is not a heading: its text, or its fixed caption.
std::string SeriesItemCaption(const SeriesEntry& entry, const Texts& texts);

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
