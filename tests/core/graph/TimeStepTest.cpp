#include "graph/TimeStep.h"

#include "PlotFixture.h"

#include <gtest/gtest.h>

namespace osk {
namespace {

struct StepCase {
    const char* earlier;
    const char* later;
    int32_t steps;
};

class TimeStepCases : public ::testing::TestWithParam<StepCase> {};

TEST_P(TimeStepCases, CountsTenSecondSteps) {
    const StepCase& c = GetParam();
    EXPECT_EQ(TimeStep(c.later, c.earlier), c.steps) << c.earlier << " -> " << c.later;
}

INSTANTIATE_TEST_SUITE_P(
    ClockOnly, TimeStepCases,
    ::testing::Values(StepCase{"10:00:00", "10:00:10", 1}, StepCase{"10:59:50", "11:00:10", 2},
                      StepCase{"23:59:50", "00:00:10", 2}, StepCase{"23:00:00", "01:00:00", 720},
                      StepCase{"10:00:00", "10:00:15", 2}, // 1.5 to the even neighbour
                      StepCase{"10:00:00", "10:00:25", 2}, // 2.5
                      StepCase{"10:00:00", "10:00:35", 4}, // 3.5
                      StepCase{"10:10:00", "10:40:00", 180},
                      // Without dates an hour-long gap on one day counts only its minutes.
                      StepCase{"10:00:00", "12:05:00", 30}, StepCase{"", "10:00:00", 0},
                      StepCase{"10:00:00", "", 0}));

INSTANTIATE_TEST_SUITE_P(
    WithDates, TimeStepCases,
    ::testing::Values(StepCase{"2024-03-01 10:00:00", "2024-03-01 12:05:00", 750},
                      StepCase{"2024-03-01 23:59:50", "2024-03-02 00:00:10", 2},
                      StepCase{"2024-02-28 12:00:00", "2024-03-01 12:00:00",
                               17280}, // leap day between
                      StepCase{"2023-12-31 23:00:00", "2024-01-01 01:00:00", 720},
                      StepCase{"2024-03-01 10:00:00", "2024-03-01 10:00:15", 2},
                      StepCase{"2024-03-01 10:00:00", "2024-03-01 10:00:25", 2},
                      // A clock set back gives no step at all.
                      StepCase{"2024-03-01 10:00:00", "2024-03-01 09:00:00", 0},
                      StepCase{"2024-03-02 00:00:10", "2024-03-01 23:59:50", 0},
                      // Only one readable date, or an impossible one: the clock-only rule.
                      StepCase{"10:00:00", "2024-03-01 12:05:00", 30},
                      StepCase{"2023-02-29 10:00:00", "2023-02-29 12:05:00", 30},
                      StepCase{"2024/03/01 10:00:00", "2024/03/01 12:05:00", 750},
                      // Far apart dates saturate instead of overflowing.
                      StepCase{"0001-01-01 00:00:00", "9999-12-31 23:59:50", 2147483647}));

TEST(ComputeRecordSteps, CoversEveryRecordWhateverTheWindow) {
    auto records = std::make_unique<RecordTable>();
    for (int r = 1; r <= 6; ++r)
        records->RecordTime[static_cast<size_t>(r)] = test::recordTime(r);
    records->RecordTime[5] = "2024-03-01 11:00:40"; // an hour missing before record 5
    records->RecordTime[7] = "2024-03-01 10:01:10"; // an earlier, longer log's leftover
    records->RecordCount = 6;
    records->ViewEndRecord = 2;
    std::vector<double> steps(3, 99.0);
    ComputeRecordSteps(*records, steps);
    ASSERT_EQ(steps.size(), static_cast<size_t>(kRecordRows));
    EXPECT_EQ(steps[0], 0);
    EXPECT_EQ(steps[1], 0); // record 0 has no time
    EXPECT_EQ(steps[2], 1);
    EXPECT_EQ(steps[4], 1);
    EXPECT_EQ(steps[5], 361);
    EXPECT_EQ(steps[6], 0); // clock set back from record 5
    EXPECT_EQ(steps[7], 0);
}

} // namespace
} // namespace osk
