// Logs from the sample-log generator, one record every 10 seconds from start.
#pragma once

#include "LogGenerator.h"

#include <cstdint>
#include <functional>
#include <string>

namespace osk::test {

inline constexpr const char* kLogStart = "2024-03-01 00:00:00";

// tweak may change the generator's other options (name, gaps, line ends, ...).
inline std::string generatedLog(int64_t records, const std::string& start = kLogStart,
                                const std::function<void(genlog::LogOptions&)>& tweak = {}) {
    genlog::LogOptions options;
    options.records = records;
    options.start = start;
    if (tweak)
        tweak(options);
    return genlog::generateLog(options);
}

} // namespace osk::test
