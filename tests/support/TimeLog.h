// Record time tables for tests: runs of records 10 seconds apart from a start time.
#pragma once

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace osk::test {

struct TimeLog {
    std::vector<std::string> RecordTime{""}; // row 0 never holds a record

    // Appends count records, the first stamped start ("2006-05-23 10:00:00").
    TimeLog& run(const char* start, int count) {
        using namespace std::chrono;
        int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
        std::sscanf(start, "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s);
        const sys_seconds t0 = sys_days{year{y} / mo / d} + hours{h} + minutes{mi} + seconds{s};
        for (int r = 0; r < count; ++r) {
            const std::time_t t = system_clock::to_time_t(t0 + seconds{10L * r});
            char buf[32];
            std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", std::gmtime(&t));
            RecordTime.emplace_back(buf);
        }
        return *this;
    }

    int RecordCount() const { return static_cast<int>(RecordTime.size()) - 1; }
};

} // namespace osk::test
