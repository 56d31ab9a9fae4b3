// Sample logs in the companion's format for tests, benchmarks and demonstrations: a header line,
// then one record every 10 seconds with a dosing installation that behaves plausibly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace osk::genlog {

struct LogOptions {
    int64_t records = 8640;                    // one day
    std::string start = "2024-03-01 00:00:00"; // time of the first record
    uint64_t seed = 1;
    // With a name, the header ends in the "$%^" marker and the name. The reader only looks for
    // the marker within the header's last 40 characters, so names longer than 36 are not found.
    std::optional<std::string> name;
    int64_t gapAfter = 0;   // after this record (1-based) the clock jumps ahead; 0 for none
    int64_t gapMinutes = 0; // how far it jumps, on top of the usual 10 seconds
    int64_t wideLine = 0;   // this record (1-based) gets a 31st field; 0 for none
    bool crlf = true;       // line ends CR LF, otherwise LF
};

// Seconds since 1970-01-01 00:00:00 of a "YYYY-MM-DD hh:mm:ss" text (years 1000..9999), or
// nullopt when the text is not such a date-time.
std::optional<int64_t> parseDateTime(std::string_view text);
// The "YYYY-MM-DD hh:mm:ss" text of seconds since 1970-01-01 00:00:00.
std::string formatDateTime(int64_t seconds);

// Produces the log line by line, so that a large log can be streamed.
class LogGenerator {
public:
    // Throws std::invalid_argument when options.start is not a valid date-time.
    explicit LogGenerator(const LogOptions& options);

    // The header line with its line end.
    std::string header() const;
    // Appends the next record line with its line end; false once all records are written.
    bool appendRecord(std::string& out);

private:
    double uniform();     // [0, 1)
    double noise(double); // roughly bell-shaped in [-a, a]
    void step();

    LogOptions options_;
    uint64_t state_;
    int64_t written_ = 0;
    int64_t time_ = 0;

    // The installation as it evolves from record to record.
    double product_ = 50.0;
    bool productPump_ = false;
    double ph_ = 7.2;
    bool phPump_ = false;
    double flow_ = 95.0;
    int64_t flowStopLeft_ = 0; // records until the flow returns after a stop
    double temperature_ = 26.0;
};

// The whole log as one text.
std::string generateLog(const LogOptions& options);

} // namespace osk::genlog
