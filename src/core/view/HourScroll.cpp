#include "view/HourScroll.h"

#include "logdata/RecordTime.h"

#include <algorithm>
#include <optional>

namespace osk {

namespace {

bool isBoundary(std::span<const std::string> RecordTime, long k, std::optional<int> hh0) {
    const std::optional<int> hour = RecordHour(RecordTimeAt(RecordTime, k));
    return hour.has_value() && hour != hh0;
}

} // namespace

int32_t NeighbourHourEnd(std::span<const std::string> RecordTime, int32_t ViewEndRecord,
                         int32_t scrollerValue, int32_t RecordCount) {
    const long lastRow = static_cast<long>(RecordTime.size()) - 1;
    if (ViewEndRecord < 0 || ViewEndRecord > lastRow)
        return ViewEndRecord;
    const std::optional<int> hh0 = RecordHour(RecordTime[static_cast<size_t>(ViewEndRecord)]);

    long k = 0;
    if (scrollerValue < ViewEndRecord) {
        k = 1;
        for (long r = ViewEndRecord; r >= 2; --r) {
            if (isBoundary(RecordTime, r, hh0)) {
                k = r;
                break;
            }
        }
    } else if (scrollerValue > ViewEndRecord) {
        k = RecordCount;
        const long end = std::min<long>(static_cast<long>(RecordCount) - 1, lastRow);
        for (long r = ViewEndRecord; r <= end; ++r) {
            if (isBoundary(RecordTime, r, hh0)) {
                k = r;
                break;
            }
        }
    }
    return k < 2 ? ViewEndRecord : static_cast<int32_t>(k);
}

} // namespace osk
