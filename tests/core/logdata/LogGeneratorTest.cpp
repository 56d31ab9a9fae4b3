#include "LogGenerator.h"

#include "logdata/LogParse.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <tuple>

namespace osk {
namespace {

using genlog::generateLog;
using genlog::LogOptions;

// Records 1, 2 and 6 of six generated from the options, as the program reads them.
TEST(LogGenerator, TimesTenSecondsApartAcrossCalendarEdges) {
    // clang-format off
    const struct {
        const char* start;
        int64_t gapAfter, gapMinutes;
        const char *second, *last;
    } cases[] = {
        {"2024-02-28 23:59:50", 0, 0, "2024-02-29 00:00:00", "2024-02-29 00:00:40"},
        {"2023-12-31 23:59:40", 0, 0, "2023-12-31 23:59:50", "2024-01-01 00:00:30"},
        {"2024-03-01 10:00:00", 3, 90, "2024-03-01 10:00:10", "2024-03-01 11:30:50"}};
    // clang-format on
    for (const auto& c : cases) {
        LogOptions o;
        o.records = 6;
        o.start = c.start;
        o.gapAfter = c.gapAfter;
        o.gapMinutes = c.gapMinutes;
        RecordTable table;
        ASSERT_EQ(parseLog(generateLog(o), table).recordCount, 6) << c.start;
        EXPECT_EQ(std::tuple(table.RecordTime[1], table.RecordTime[2], table.RecordTime[6]),
                  std::tuple(c.start, c.second, c.last));
    }
    for (const char* bad : {"2023-02-29 00:00:00", "2024-01-01 24:00:00", "2024-1-01 00:00:00", ""})
        EXPECT_FALSE(genlog::parseDateTime(bad)) << bad;
}

TEST(LogGenerator, OptionsReachTheReader) {
    LogOptions o;
    o.records = 40;
    EXPECT_EQ(generateLog(o), generateLog(o));
    LogOptions other = o;
    other.seed = 2;
    EXPECT_NE(generateLog(o), generateLog(other));
    o.name = "Pool 3";
    auto table = std::make_unique<RecordTable>();
    ParseResult r = parseLog(generateLog(o), *table);
    EXPECT_EQ(std::tuple(r.hasName, r.name), std::tuple(true, "Pool 3"));
    o.name.reset();
    o.wideLine = 17;
    r = parseLog(generateLog(o), *table);
    EXPECT_EQ(std::tuple(r.hasName, r.failure, r.failureLine),
              std::tuple(false, ReadFailureKind::TooManyFields, 18));
    o.wideLine = 0;
    o.crlf = false;
    EXPECT_EQ(generateLog(o).find('\r'), std::string::npos);
    o.start = "2024-02-30 00:00:00";
    EXPECT_THROW(genlog::LogGenerator{o}, std::invalid_argument);
}

} // namespace
} // namespace osk
