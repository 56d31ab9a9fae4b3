// Log file contents for tests: a header line and numbered records 10 seconds apart, CR LF ends.
#pragma once

#include <string>

namespace osk::test {

inline std::string logRecord(int i) {
    return std::to_string(i) + ",d,t,2024-03-01 10:00:" + std::to_string(10 + i) + ",1,50.5\r\n";
}

inline std::string logText(int records, const std::string& header = "Record,Date,Time") {
    std::string out = header + "\r\n";
    for (int i = 1; i <= records; ++i)
        out += logRecord(i);
    return out;
}

} // namespace osk::test
