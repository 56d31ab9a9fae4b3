// Time between consecutive records, in the log's 10-second units: it places every record
// on the time axis.
#pragma once

#include "logdata/RecordTable.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace osk {

// a - b on a 60-step clock face: plus 60 when a - b is negative.
int16_t ClockDiff60(int16_t a, int16_t b);

// Time from earlier to later in 10-second units, rounded to the even neighbour. When both
// texts start with a readable date (year-month-day) the full difference counts and a later
// record stamped earlier gives 0. Otherwise only the clock times count: the difference is
// exact below one hour, also across an hour or midnight. An empty text gives 0.
int32_t TimeStep(std::string_view later, std::string_view earlier);

// RecordStep(r) = TimeStep(RecordTime(r), RecordTime(r - 1)) for every record 1..RecordCount;
// RecordStep(0) and the rows after the last record are 0.
void ComputeRecordSteps(const RecordTable& records, std::vector<double>& RecordStep);

} // namespace osk
