// The cursor read-out: which drawn point lies under the mouse, and the pop-up text, size and
// place that describe it. The window shows the result; it decides nothing itself.
#pragma once

#include "graph/RenderState.h"
#include "lang/Texts.h"
#include "logdata/RecordTable.h"

#include <cstdint>
#include <optional>
#include <string>

namespace osk {

// Pixels of the pop-up per character of its longest line.
inline constexpr int kReadoutPixelsPerChar = 6;

struct PlotHit {
    int32_t row = 0; // the record
    int slot = 0;    // odd slot of the y pixel; slot + 1 holds the column
};

// The first drawn point strictly within 5 pixels of (x, y) in both directions, searching the
// series slots 1, 3, ... 37 in turn and the rows 0 .. viewEndRecord + 1 within each. Row 0 holds
// no record: when the first point found lies there, nothing is hit.
std::optional<PlotHit> FindPlotPoint(const PlotPointTable& points, int32_t viewEndRecord, int x,
                                     int y);

// Name and state texts of the series drawn from a record-table column.
struct ReadoutName {
    int16_t nameText = 0;
    std::optional<int16_t> stateText;
};

// The names shown for a column; nullopt for a column the read-out does not describe. Column 10
// is named by the product of the current system (productTextIndex, 0 when unknown).
std::optional<ReadoutName> ReadoutNameForColumn(int column, int16_t productTextIndex);

// What the window knows about the click and the plot.
struct ReadoutRequest {
    int x = 0; // mouse position in plot pixels
    int y = 0;
    int graphOuterWidth = 0;
    int graphInnerHeight = 0;
    int popupHeight = 0; // fixed by the window design
    char decimalSeparator = '.';
    int16_t productTextIndex = 0;
};

enum class ReadoutOutcome {
    NoFile,  // nothing loaded: the window does nothing
    Miss,    // no point under the cursor: hide the pop-up, clear the records label
    NoEntry, // a point whose column has no name: hide the pop-up, leave the records label
    Show,    // show the pop-up and the record caption
};

struct ReadoutResult {
    ReadoutOutcome outcome = ReadoutOutcome::NoFile;
    PlotHit hit;
    int column = 0;
    std::string text; // the four lines joined with CR LF
    int left = 0;     // pop-up place and width in plot pixels
    int top = 0;
    int width = 0;
    std::string recordsCaption; // "record nr. k"; "" after a miss
};

// The read-out for a mouse press at (request.x, request.y) over the points of the last redraw.
ReadoutResult ShowReadout(const RecordTable& table, const PlotPointTable& points,
                          const Texts& texts, const ReadoutRequest& request);

} // namespace osk
