// Where the time window goes to show a run of records: the span list item and the window end a
// user could reach with the span list and the hour scroll bar.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace osk {

struct WindowPlacement {
    int spanItem = 0;      // index into kSpanHourItems
    int32_t endRecord = 0; // the window's newest record: an hour boundary or RecordCount
    bool fits = false;     // records first..last all lie inside the plot
};

// The window end is the first record of the hour after record last (RecordCount when last lies
// in the log's final hour), as a forward move of the scroll bar from last puts it. The span
// stays currentSpanItem when first..last fit in it, else becomes the smallest span that holds
// them, else the largest. RecordStep is the time from each record to the one before it, in
// 10-second units, as the drawing places the records.
WindowPlacement PlaceWindowOver(std::span<const std::string> RecordTime,
                                std::span<const double> RecordStep, int32_t RecordCount,
                                int currentSpanItem, int32_t first, int32_t last);

} // namespace osk
