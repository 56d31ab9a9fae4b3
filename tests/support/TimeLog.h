// Record time tables for tests: runs of records 10 seconds apart from a start time.
#pragma once

#include "LogGenerator.h"

#include <string>
#include <vector>

namespace osk::test {

struct TimeLog {
    std::vector<std::string> RecordTime{""}; // row 0 never holds a record

    // Appends count records, the first stamped start ("2006-05-23 10:00:00").
    TimeLog& run(const char* start, int count) {
        const int64_t first = genlog::parseDateTime(start).value_or(0);
        for (int r = 0; r < count; ++r)
            RecordTime.push_back(genlog::formatDateTime(first + 10 * r));
        return *this;
    }

    int RecordCount() const { return static_cast<int>(RecordTime.size()) - 1; }
};

} // namespace osk::test
