#include "view/RecordsInView.h"

#include "view/HourScroll.h"
#include "view/TimeLabels.h"
#include "view/TimeLists.h"

#include <algorithm>

namespace osk {

namespace {

constexpr double kRecordsPerHour = 360;

// The time the plot holds left of the window end, in 10-second units: the span less the part
// of the hour after the end (see BuildTimeAxis), and less it once more while the window ends at
// the newest record, where that part is left free at the right (see RightMargin).
double plotRecords(int spanItem, double hourOffset, bool atNewest) {
    const double span = kSpanHourItems[static_cast<size_t>(spanItem)] * kRecordsPerHour;
    return span - hourOffset - (atNewest ? hourOffset : 0);
}

} // namespace

WindowPlacement PlaceWindowOver(std::span<const std::string> RecordTime,
                                std::span<const double> RecordStep, int32_t RecordCount,
                                int currentSpanItem, int32_t first, int32_t last) {
    WindowPlacement placement;
    placement.spanItem = std::clamp(currentSpanItem, 0, kSpanItems - 1);
    if (RecordCount < 1)
        return placement;
    last = std::clamp(last, 1, RecordCount);
    first = std::clamp(first, 1, last);
    placement.endRecord =
        last >= RecordCount ? RecordCount
                            : NeighbourHourEnd(RecordTime, last, last + 1, RecordCount);

    const auto labels = BuildTimeLabels(RecordTime, placement.endRecord, LabelStep{});
    const double hourOffset = labels ? labels->HourOffsetRecords : 0;
    const bool atNewest = placement.endRecord == RecordCount;
    double needed = 0;
    for (int32_t r = first + 1; r <= placement.endRecord; ++r)
        if (static_cast<size_t>(r) < RecordStep.size())
            needed += RecordStep[static_cast<size_t>(r)];
    // Strictly less: the oldest record must not land on a rounded pixel left of the edge.
    const auto holds = [&](int item) { return needed < plotRecords(item, hourOffset, atNewest); };

    if (holds(placement.spanItem)) {
        placement.fits = true;
        return placement;
    }
    // The list runs from the longest span to the shortest.
    for (int item = kSpanItems - 1; item >= 0; --item) {
        if (holds(item)) {
            placement.spanItem = item;
            placement.fits = true;
            return placement;
        }
    }
    placement.spanItem = 0;
    return placement;
}

} // namespace osk
