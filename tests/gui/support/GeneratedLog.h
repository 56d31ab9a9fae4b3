// Logs from the sample-log generator, one record every 10 seconds from start.
#pragma once

#include "LogGenerator.h"

#include <cstdint>
#include <string>

namespace osk::test {

inline constexpr const char* kLogStart = "2024-03-01 00:00:00";

inline std::string generatedLog(int64_t records, const std::string& start = kLogStart) {
    genlog::LogOptions options;
    options.records = records;
    options.start = start;
    return genlog::generateLog(options);
}

} // namespace osk::test
