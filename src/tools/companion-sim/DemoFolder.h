// The companion simulator's data folder: a few days of daily logs in its "Data" subfolder and
// the real-time file that grows by one record at a time.
#pragma once

#include "LogGenerator.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace osk::companionsim {

inline constexpr int64_t kRecordSeconds = 10;

// The local wall-clock time in the generator's calendar (seconds since 1970-01-01 00:00:00 of
// a local date-time), rounded down to a whole record interval.
int64_t localNowSeconds();

// Writes one log per day into folder, named "YYYY-MM-DD.csv": the days before now's day in
// full, now's day up to now. Returns the files written, oldest first. Throws
// std::runtime_error when a file cannot be written.
std::vector<std::filesystem::path> writeDailyLogs(const std::filesystem::path& folder, int64_t now,
                                                  int days);

// "Realtime.csv" as the companion keeps it: started with a number of records ending at now,
// then one record more at each append, 10 seconds after the one before.
class RealtimeFile {
public:
    // Writes the header and the first records, replacing any earlier file. Throws
    // std::runtime_error when the file cannot be written.
    RealtimeFile(std::filesystem::path path, int64_t records, int64_t now);

    // Appends the next record in two writes, calling pause between them, so that a reader may
    // meet a half-written last line. Throws std::runtime_error when the write fails.
    void appendRecord(const std::function<void()>& pause);

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    genlog::LogGenerator generator_;
};

} // namespace osk::companionsim
