#include "LogGenerator.h"

#include "logdata/LogParse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <stdexcept>
#include <tuple>

namespace osk {
namespace {

using genlog::generateLog;
using genlog::LogOptions;
using genlog::parseDateTime;

struct Parsed {
    std::unique_ptr<RecordTable> table = std::make_unique<RecordTable>();
    ParseResult result;
};

Parsed parse(const LogOptions& options) {
    Parsed p;
    p.result = parseLog(generateLog(options), *p.table);
    return p;
}

TEST(LogGenerator, SameSeedSameLog) {
    LogOptions a;
    a.records = 500;
    LogOptions b = a;
    EXPECT_EQ(generateLog(a), generateLog(b));
    b.seed = 2;
    EXPECT_NE(generateLog(a), generateLog(b));
}

TEST(LogGenerator, TimesTenSecondsApartAcrossCalendarEdges) {
    // clang-format off
    const struct {
        const char* start;
        int64_t gapAfter, gapMinutes;
        const char *second, *last; // times of records 2 and 6
    } cases[] = {
        {"2024-02-28 23:59:50", 0, 0, "2024-02-29 00:00:00", "2024-02-29 00:00:40"},
        {"2023-02-28 23:59:50", 0, 0, "2023-03-01 00:00:00", "2023-03-01 00:00:40"},
        {"2023-12-31 23:59:40", 0, 0, "2023-12-31 23:59:50", "2024-01-01 00:00:30"},
        {"1969-12-31 23:59:50", 0, 0, "1970-01-01 00:00:00", "1970-01-01 00:00:40"},
        {"2024-03-01 10:00:00", 3, 90, "2024-03-01 10:00:10", "2024-03-01 11:30:50"},
        {"2024-03-01 10:00:00", 1, 5, "2024-03-01 10:05:10", "2024-03-01 10:05:50"}};
    // clang-format on
    for (const auto& c : cases) {
        LogOptions o;
        o.records = 6;
        o.start = c.start;
        o.gapAfter = c.gapAfter;
        o.gapMinutes = c.gapMinutes;
        const Parsed p = parse(o);
        ASSERT_EQ(p.result.recordCount, 6) << c.start;
        EXPECT_EQ(
            std::tuple(p.table->RecordTime[1], p.table->RecordTime[2], p.table->RecordTime[6]),
            std::tuple(c.start, c.second, c.last));
    }
    for (const char* bad : {"2024-02-30 00:00:00", "2023-02-29 00:00:00", "2024-13-01 00:00:00",
                            "2024-01-01 24:00:00", "2024-01-01 00:60:00", "2024-01-01T00:00:00",
                            "2024-1-01 00:00:00", "0999-01-01 00:00:00", "", "2024-01-01"})
        EXPECT_FALSE(parseDateTime(bad)) << bad;
}

TEST(LogGenerator, OptionsReachTheReader) {
    LogOptions o;
    o.records = 40;
    o.name = "Pool 3";
    Parsed p = parse(o);
    EXPECT_EQ(std::tuple(p.result.hasName, p.result.name), std::tuple(true, "Pool 3"));
    o.name.reset();
    o.wideLine = 17;
    p = parse(o);
    EXPECT_FALSE(p.result.hasName);
    EXPECT_EQ(std::tuple(p.result.failure, p.result.failureLine),
              std::tuple(ReadFailureKind::TooManyFields, 18));
    o.wideLine = 0;
    o.crlf = false;
    EXPECT_EQ(generateLog(o).find('\r'), std::string::npos);
    o.crlf = true;
    const std::string crlf = generateLog(o);
    EXPECT_EQ(std::count(crlf.begin(), crlf.end(), '\n'), 41);
    EXPECT_EQ(std::count(crlf.begin(), crlf.end(), '\r'), 41);
    EXPECT_EQ(crlf.find("\n\r"), std::string::npos);
    o.start = "2024-02-30 00:00:00";
    EXPECT_THROW(genlog::LogGenerator{o}, std::invalid_argument);
}

TEST(LogGenerator, AnInstallationThatBehaves) {
    LogOptions o;
    o.records = 3 * 8640; // three days
    o.seed = 7;
    const Parsed p = parse(o);
    ASSERT_EQ(p.result.recordCount, kMaxRecords);
    const RecordTable& t = *p.table;
    double productSum = 0, phSum = 0;
    std::set<double> productPump, cellLevels;
    for (int r = 1; r <= t.RecordCount; ++r) {
        const auto v = [&](int c) { return t.RecordValue(r, c); };
        ASSERT_TRUE(v(6) > v(8) && v(8) > v(7) && v(11) > v(13) && v(13) > v(12) && v(16) > v(17))
            << "alarms and limits around their setpoints, record " << r;
        ASSERT_TRUE(v(10) >= 0 && v(10) <= 150 && v(15) >= 6 && v(15) <= 8.5 && v(18) >= 0 &&
                    v(18) <= 130)
            << "values inside their scales, record " << r;
        productSum += v(10);
        phSum += v(15);
        productPump.insert(v(20));
        for (int c : {22, 23, 24, 25, 29, 30}) {
            ASSERT_TRUE(v(c) == 0 || (v(c) >= 100 && v(c) <= 1000)) << r << " " << c;
            cellLevels.insert(v(c));
        }
    }
    EXPECT_NEAR(productSum / t.RecordCount, 50, 5);
    EXPECT_NEAR(phSum / t.RecordCount, 7.2, 0.1);
    EXPECT_EQ(productPump, (std::set<double>{0, 100}));
    EXPECT_GE(cellLevels.size(), 5u);
}

} // namespace
} // namespace osk
