// The companion simulator's data folder: a few days of daily logs in its "Data" subfolder and
// the real-time file that grows by one record at a time.
#pragma once

#include "LogGenerator.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace osk::companionsim {

inline constexpr int64_t kRecordSeconds = 10;

// The local wall-clock time in the generator's calendar (seconds since 1970-01-01 00:00:00 of
// a local date-time), rounded down to a whole record interval.
int64_t localNowSeconds();

// One daily log: the days before now's day in full, now's day up to now.
struct DailyLog {
    std::string name; // "YYYY-MM-DD.csv"
    int64_t start = 0;
    int64_t records = 0;
};

// The logs of the given number of days up to now, oldest first.
std::vector<DailyLog> dailyLogs(int64_t now, int days);

// Writes the logs into folder. Throws std::runtime_error when a file cannot be written.
void writeDailyLogs(const std::filesystem::path& folder, const std::vector<DailyLog>& logs);

// Records "Realtime.csv" keeps at most: fewer than the graph program's table holds, so that
// reading it never runs into the table's limit.
inline constexpr int64_t kRealtimeCapacity = 19998;

// "Realtime.csv" as the companion keeps it: started with a number of records ending at now,
// then one record more at each append, 10 seconds after the one before. It never holds more
// than keep records: when it is full the oldest tenth goes.
class RealtimeFile {
public:
    // Writes the header and the newest of the first records (at most keep, which is at least 1
    // and at most kRealtimeCapacity), replacing any earlier file. Throws std::runtime_error when
    // the file cannot be written.
    RealtimeFile(std::filesystem::path path, int64_t records, int64_t now,
                 int64_t keep = kRealtimeCapacity);

    // Appends the next record in two writes, calling pause between them, so that a reader may
    // meet a half-written last line. A full file is first replaced whole by its newest records.
    // Throws std::runtime_error when a write fails.
    void appendRecord(const std::function<void()>& pause);

    const std::filesystem::path& path() const { return path_; }

private:
    void rewrite() const;

    std::filesystem::path path_;
    int64_t keep_;
    genlog::LogGenerator generator_;
    std::string header_;
    std::deque<std::string> lines_; // the records in the file, oldest first, with line ends
};

} // namespace osk::companionsim
