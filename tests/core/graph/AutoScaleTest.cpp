#include "graph/AutoScale.h"

#include <gtest/gtest.h>

namespace osk {
namespace {

struct ScaleCase {
    bool product, ph, flow, cell;
    int16_t productText;
    int32_t low, high, step;
};

class AutoScaleCases : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(AutoScaleCases, FitsEveryGroupThatIsOn) {
    const ScaleCase& c = GetParam();
    SeriesSelection on;
    on.set(0, 0, c.product);
    on.set(1, 0, c.ph);
    on.set(2, 0, c.flow);
    on.set(3, 0, c.cell);
    on.set(1, 2, 1); // sub-series play no part
    const auto r = AutoScale(on, c.productText);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->low, c.low);
    EXPECT_EQ(r->high, c.high);
    EXPECT_EQ(r->gridStep, c.step);
}

INSTANTIATE_TEST_SUITE_P(Groups, AutoScaleCases,
                         ::testing::Values(ScaleCase{false, true, false, false, 74, 60, 80, 2},
                                           ScaleCase{true, true, false, false, 74, 0, 150, 15},
                                           ScaleCase{true, false, false, false, 75, 0, 150, 15},
                                           ScaleCase{true, false, false, false, 0, 0, 100,
                                                     10}, // unknown product
                                           ScaleCase{false, false, true, false, 74, 0, 130, 13},
                                           ScaleCase{false, true, true, false, 74, 0, 130, 13},
                                           ScaleCase{false, false, false, true, 74, 0, 1200, 120},
                                           ScaleCase{true, true, true, true, 17, 0, 1200, 120},
                                           ScaleCase{false, true, false, true, 74, 0, 1200, 120}));

TEST(AutoScale, NothingWhenNoGroupIsOn) {
    SeriesSelection on;
    on.set(0, 1, 1);
    on.set(4, 0, 1); // spare groups have no scale
    EXPECT_FALSE(AutoScale(on, 74).has_value());
}

} // namespace
} // namespace osk
