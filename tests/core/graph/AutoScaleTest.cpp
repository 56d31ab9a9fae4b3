#include "graph/AutoScale.h"

#include <gtest/gtest.h>

#include <tuple>

namespace osk {
namespace {

TEST(AutoScale, FitsEveryGroupThatIsOn) {
    const struct {
        bool product, ph, flow, cell;
        int16_t productText;
        int32_t low, high, step;
    } cases[] = {
        // clang-format off
        {false, true, false, false, 74, 60, 80, 2},    {true, true, false, false, 74, 0, 150, 15},
        {true, false, false, false, 0, 0, 100, 10},    {true, false, false, false, 75, 0, 150, 15},    {false, true, true, false, 74, 0, 130, 13},
        {false, true, false, true, 74, 0, 1200, 120}, {true, true, true, true, 17, 0, 1200, 120},
        // clang-format on
    };
    for (const auto& c : cases) {
        SeriesSelection on;
        on.set(0, 0, c.product);
        on.set(1, 0, c.ph);
        on.set(2, 0, c.flow);
        on.set(3, 0, c.cell);
        on.set(1, 2, 1); // sub-series play no part
        const auto r = AutoScale(on, c.productText);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(std::tuple(r->low, r->high, r->gridStep), std::tuple(c.low, c.high, c.step))
            << c.product << c.ph << c.flow << c.cell << " product text " << c.productText;
    }
    SeriesSelection none;
    none.set(0, 1, 1);
    none.set(4, 0, 1); // spare groups have no scale
    EXPECT_FALSE(AutoScale(none, 74).has_value());
}

} // namespace
} // namespace osk
