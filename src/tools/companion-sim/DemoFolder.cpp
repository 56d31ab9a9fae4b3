#include "DemoFolder.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace osk::companionsim {

namespace {

inline constexpr int64_t kSecondsPerDay = 86400;
inline constexpr const char* kInstallationName = "Demo pool";

void writeFile(const std::filesystem::path& path, const std::string& bytes,
               std::ios::openmode mode) {
    std::ofstream out(path, std::ios::binary | mode);
    out << bytes;
    out.flush();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

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

std::vector<std::filesystem::path> writeDailyLogs(const std::filesystem::path& folder, int64_t now,
                                                  int days) {
    std::vector<std::filesystem::path> written;
    const int64_t today = floorDiv(now, kSecondsPerDay) * kSecondsPerDay;
    for (int i = days - 1; i >= 0; --i) {
        const int64_t dayStart = today - i * kSecondsPerDay;
        const int64_t records =
            i == 0 ? (now - dayStart) / kRecordSeconds + 1 : kSecondsPerDay / kRecordSeconds;
        const auto seed = static_cast<uint64_t>(floorDiv(dayStart, kSecondsPerDay));
        const std::string name = genlog::formatDateTime(dayStart).substr(0, 10) + ".csv";
        const std::filesystem::path path = folder / name;
        writeFile(path, genlog::generateLog(optionsFrom(dayStart, records, seed)), std::ios::trunc);
        written.push_back(path);
    }
    return written;
}

RealtimeFile::RealtimeFile(std::filesystem::path path, int64_t records, int64_t now)
    : path_(std::move(path)),
      // Endless: the records continue for as long as the simulator runs.
      generator_(optionsFrom(now - std::max<int64_t>(records - 1, 0) * kRecordSeconds,
                             std::numeric_limits<int64_t>::max(), 7)) {
    std::string text = generator_.header();
    for (int64_t i = 0; i < records; ++i)
        generator_.appendRecord(text);
    writeFile(path_, text, std::ios::trunc);
}

void RealtimeFile::appendRecord(const std::function<void()>& pause) {
    std::string line;
    generator_.appendRecord(line);
    const size_t half = line.size() / 2;
    std::ofstream out(path_, std::ios::binary | std::ios::app);
    out << line.substr(0, half);
    out.flush();
    pause();
    out << line.substr(half);
    out.flush();
    if (!out)
        throw std::runtime_error("cannot write " + path_.string());
}

} // namespace osk::companionsim
