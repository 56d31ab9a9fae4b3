#include "graph/TimeStep.h"

#include "PlotFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace osk {
namespace {

TEST(TimeStep, CountsTenSecondSteps) {
    const struct {
        const char *earlier, *later;
        int32_t steps;
    } cases[] = {
        // clang-format off
        {"10:59:50", "11:00:10", 2}, {"23:00:00", "01:00:00", 720}, {"", "10:00:00", 0},
        {"10:00:00", "", 0},
        // 1.5, 2.5 and 3.5 steps go to the even neighbour.
        {"10:00:00", "10:00:15", 2}, {"10:00:00", "10:00:25", 2}, {"10:00:00", "10:00:35", 4},
        // Without dates an hour-long gap on one day counts only its minutes.
        {"10:00:00", "12:05:00", 30},
        {"2024-03-01 10:00:00", "2024-03-01 12:05:00", 750},
        {"2024-02-28 12:00:00", "2024-03-01 12:00:00", 17280}, // leap day between
        {"2023-12-31 23:00:00", "2024-01-01 01:00:00", 720},
        {"2024/03/01 10:00:00", "2024/03/01 12:05:00", 750},
        // A clock set back gives no step at all.
        {"2024-03-01 10:00:00", "2024-03-01 09:00:00", 0},
        // Only one readable date, or an impossible one: the clock-only rule.
        {"10:00:00", "2024-03-01 12:05:00", 30},
        {"2023-02-29 10:00:00", "2023-02-29 12:05:00", 30},
        // Far apart dates saturate instead of overflowing.
        {"0001-01-01 00:00:00", "9999-12-31 23:59:50", 2147483647},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeStep(c.later, c.earlier), c.steps) << c.earlier << " -> " << c.later;
}

TEST(ComputeRecordSteps, CoversEveryRecordWhateverTheWindow) {
    auto records = std::make_unique<RecordTable>();
    const test::TimeLog times = test::TimeLog().run("2024-03-01 10:00:00", 6);
    std::copy(times.RecordTime.begin(), times.RecordTime.end(), records->RecordTime.begin());
    records->RecordTime[5] = "2024-03-01 11:00:40"; // an hour missing before record 5
    records->RecordTime[7] = "2024-03-01 10:01:10"; // an earlier, longer log's leftover
    records->RecordCount = 6;
    records->ViewEndRecord = 2;
    std::vector<double> steps(3, 99.0);
    ComputeRecordSteps(*records, steps);
    ASSERT_EQ(steps.size(), static_cast<size_t>(kRecordRows));
    // Record 0 has no time, the clock is set back after record 5, and record 7 is no record.
    EXPECT_EQ(std::vector<double>(steps.begin(), steps.begin() + 8),
              (std::vector<double>{0, 0, 1, 1, 1, 361, 0, 0}));
}

} // namespace
} // namespace osk
