#include "graph/TimeStep.h"

#include "common/Numbers.h"
#include "common/Text.h"

#include <chrono>
#include <limits>
#include <optional>

namespace osk {

namespace {

struct ClockTime {
    int16_t hours;
    int16_t minutes;
    int16_t seconds;
};

// A two-character field read as a number: at most "99", at least "-9".
int16_t twoCharNumber(std::string_view field) {
    return roundToInt16(leadingNumber(left(field, 2)).value).value_or(0);
}

// hh:mm:ss at the fixed places of the last 8 characters.
ClockTime clockOf(std::string_view t) {
    return {twoCharNumber(right(t, 8)), twoCharNumber(right(t, 5)), twoCharNumber(right(t, 2))};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitsValue(std::string_view s) {
    int v = 0;
    for (char c : s)
        v = v * 10 + (c - '0');
    return v;
}

// Days since 1970-01-01 of a "yyyy-mm-dd" date in the first 10 characters (any non-digit
// separators), when it is a real calendar date and a clock time follows it.
std::optional<long long> dayNumber(std::string_view t) {
    if (t.size() < 18)
        return std::nullopt;
    const std::string_view d = t.substr(0, 10);
    for (size_t i = 0; i < d.size(); ++i) {
        const bool separator = i == 4 || i == 7;
        if (isDigit(d[i]) == separator)
            return std::nullopt;
    }
    using namespace std::chrono;
    const year_month_day ymd{year{digitsValue(d.substr(0, 4))},
                             month{static_cast<unsigned>(digitsValue(d.substr(5, 2)))},
                             day{static_cast<unsigned>(digitsValue(d.substr(8, 2)))}};
    if (!ymd.ok())
        return std::nullopt;
    return static_cast<long long>(sys_days{ymd}.time_since_epoch().count());
}

long long secondsOfDay(const ClockTime& c) {
    return c.hours * 3600LL + c.minutes * 60LL + c.seconds;
}

int32_t clockOnlyStep(ClockTime later, const ClockTime& earlier) {
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
    const ClockTime lc = clockOf(later);
    const ClockTime ec = clockOf(earlier);
    const auto ld = dayNumber(later);
    const auto ed = dayNumber(earlier);
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
