#include "graph/TimeStep.h"

#include "common/Numbers.h"
#include "logdata/RecordTime.h"

#include <limits>

namespace osk {

namespace {

long long secondsOfDay(const RecordClockTime& c) {
    return c.hours * 3600LL + c.minutes * 60LL + c.seconds;
}

int32_t clockOnlyStep(RecordClockTime later, const RecordClockTime& earlier) {
    const int ds = ClockDiff60(later.seconds, earlier.seconds);
    if (later.seconds < earlier.seconds) {
        later.minutes = static_cast<int16_t>(later.minutes - 1);
        if (later.minutes < 0)
            later.minutes = 59;
    }
    const int dm = ClockDiff60(later.minutes, earlier.minutes);
    if (later.minutes < earlier.minutes) {
        later.hours = static_cast<int16_t>(later.hours - 1);
        if (later.hours < 0)
            later.hours = 23;
    }
    // Whole hours count only across midnight, and only when the later hour is not 0.
    int dh = 0;
    if (later.hours - earlier.hours < 0 && later.hours != 0)
        dh = later.hours - earlier.hours + 24;
    return roundToInt32((dm * 60 + ds) / 10.0 + dh * 360).value_or(0);
}

} // namespace

int16_t ClockDiff60(int16_t a, int16_t b) {
    const int d = a - b;
    return static_cast<int16_t>(d < 0 ? d + 60 : d);
}

int32_t TimeStep(std::string_view later, std::string_view earlier) {
    if (later.empty() || earlier.empty())
        return 0;
    const RecordClockTime lc = RecordClockLenient(later);
    const RecordClockTime ec = RecordClockLenient(earlier);
    const auto ld = RecordDayNumber(later);
    const auto ed = RecordDayNumber(earlier);
    if (!ld || !ed)
        return clockOnlyStep(lc, ec);
    const long long diff = (*ld - *ed) * 86400LL + secondsOfDay(lc) - secondsOfDay(ec);
    if (diff <= 0)
        return 0; // the clock was set back
    const double steps = roundHalfEven(static_cast<double>(diff) / 10.0);
    return steps >= std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                        : static_cast<int32_t>(steps);
}

void ComputeRecordSteps(const RecordTable& records, std::vector<double>& RecordStep) {
    RecordStep.assign(kRecordRows, 0.0);
    const int32_t last = records.RecordCount < kRecordRows ? records.RecordCount : kRecordRows - 1;
    for (int32_t r = 1; r <= last; ++r)
        RecordStep[static_cast<size_t>(r)] =
            TimeStep(records.RecordTime[static_cast<size_t>(r)],
                     records.RecordTime[static_cast<size_t>(r - 1)]);
}

} // namespace osk
