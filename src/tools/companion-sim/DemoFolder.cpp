#include "DemoFolder.h"

#include "FileWrites.h"
#include "common/Utf8Path.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <utility>

namespace osk::companionsim {

namespace {

inline constexpr int64_t kSecondsPerDay = 86400;
inline constexpr const char* kInstallationName = "Demo pool";

int64_t floorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

genlog::LogOptions optionsFrom(int64_t start, int64_t records, uint64_t seed) {
    genlog::LogOptions options;
    options.start = genlog::formatDateTime(start);
    options.records = records;
    options.seed = seed;
    options.name = kInstallationName;
    return options;
}

} // namespace

int64_t localNowSeconds() {
    using namespace std::chrono;
    const std::time_t t = std::time(nullptr);
    const std::tm* local = std::localtime(&t);
    if (!local)
        return 0;
    const year_month_day date{year{local->tm_year + 1900},
                              month{static_cast<unsigned>(local->tm_mon + 1)},
                              day{static_cast<unsigned>(local->tm_mday)}};
    const int64_t seconds = sys_days(date).time_since_epoch().count() * kSecondsPerDay +
                            local->tm_hour * 3600 + local->tm_min * 60 + local->tm_sec;
    return floorDiv(seconds, kRecordSeconds) * kRecordSeconds;
}

std::vector<DailyLog> dailyLogs(int64_t now, int days) {
    std::vector<DailyLog> logs;
    const int64_t today = floorDiv(now, kSecondsPerDay) * kSecondsPerDay;
    for (int i = days - 1; i >= 0; --i) {
        DailyLog log;
        log.start = today - i * kSecondsPerDay;
        log.records =
            i == 0 ? (now - log.start) / kRecordSeconds + 1 : kSecondsPerDay / kRecordSeconds;
        log.name = genlog::formatDateTime(log.start).substr(0, 10) + ".csv";
        logs.push_back(std::move(log));
    }
    return logs;
}

void writeDailyLogs(const std::filesystem::path& folder, const std::vector<DailyLog>& logs) {
    for (const DailyLog& log : logs) {
        const auto seed = static_cast<uint64_t>(floorDiv(log.start, kSecondsPerDay));
        writeFile(folder / log.name,
                  genlog::generateLog(optionsFrom(log.start, log.records, seed)));
    }
}

RealtimeFile::RealtimeFile(std::filesystem::path path, int64_t records, int64_t now, int64_t keep)
    : path_(std::move(path)), keep_(std::clamp<int64_t>(keep, 1, kRealtimeCapacity)),
      // Endless: the records continue for as long as the simulator runs.
      generator_(optionsFrom(now - (std::clamp<int64_t>(records, 1, keep_) - 1) * kRecordSeconds,
                             std::numeric_limits<int64_t>::max(), 7)),
      header_(generator_.header()) {
    for (int64_t i = 0; i < std::min(records, keep_); ++i) {
        std::string line;
        generator_.appendRecord(line);
        lines_.push_back(std::move(line));
    }
    rewrite();
}

void RealtimeFile::rewrite() const {
    std::string text = header_;
    for (const std::string& line : lines_)
        text += line;
    // A reader that opens the file meanwhile gets the old one or the new one, whole.
    replaceFile(path_, text);
}

void RealtimeFile::appendRecord(const std::function<void()>& pause) {
    if (static_cast<int64_t>(lines_.size()) >= keep_) {
        // Room for a tenth more before the next rewrite, at least one record.
        const int64_t after = keep_ - 1 - (keep_ - 1) / 10;
        while (static_cast<int64_t>(lines_.size()) > after)
            lines_.pop_front();
        rewrite();
    }
    std::string line;
    generator_.appendRecord(line);
    lines_.push_back(line);
    const size_t half = line.size() / 2;
    std::ofstream out(path_, std::ios::binary | std::ios::app);
    out << line.substr(0, half);
    out.flush();
    pause();
    out << line.substr(half);
    out.flush();
    if (!out)
        throw std::runtime_error("cannot write " + utf8Name(path_));
}

} // namespace osk::companionsim
