// Log file contents for tests: a header line and numbered records 10 seconds apart, CR LF ends
// unless told otherwise.
#pragma once

#include <string>

namespace osk::test {

inline std::string logRecord(int i, const std::string& end = "\r\n") {
    return std::to_string(i) + ",d,t,2024-03-01 10:00:" + std::to_string(10 + i) + ",1,50.5" + end;
}

inline std::string logText(int records, const std::string& header = "Record,Date,Time",
                           const std::string& end = "\r\n") {
    std::string out = header + end;
    for (int i = 1; i <= records; ++i)
        out += logRecord(i, end);
    return out;
}

} // namespace osk::test
