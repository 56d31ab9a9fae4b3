#include "graph/AutoScale.h"

#include <gtest/gtest.h>

#include <tuple>

namespace osk {
namespace {

TEST(AutoScale, FitsEveryGroupThatIsOn) {
    const struct {
        int16_t on[4]; // product, pH, flow, cell
        int16_t productText;
        int32_t low, high, step;
    } cases[] = {
        // clang-format off
        {{0, 1, 0, 0}, 74, 60, 80, 2}, {{1, 1, 0, 0}, 74, 0, 150, 15}, {{1, 0, 0, 0}, 0, 0, 100, 10},
        {{1, 0, 0, 0}, 75, 0, 150, 15}, {{0, 1, 1, 0}, 74, 0, 130, 13},
        {{0, 1, 0, 1}, 74, 0, 1200, 120}, {{1, 1, 1, 1}, 17, 0, 1200, 120},
        // clang-format on
    };
    for (const auto& c : cases) {
        SeriesSelection on;
        for (int g = 0; g < 4; ++g)
            on.set(g, 0, c.on[g]);
        on.set(1, 2, 1); // sub-series play no part
        const auto r = AutoScale(on, c.productText);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(std::tuple(r->low, r->high, r->gridStep), std::tuple(c.low, c.high, c.step))
            << c.on[0] << c.on[1] << c.on[2] << c.on[3] << " product text " << c.productText;
    }
    SeriesSelection none;
    none.set(0, 1, 1);
    none.set(4, 0, 1); // spare groups have no scale
    EXPECT_FALSE(AutoScale(none, 74).has_value());
}

} // namespace
} // namespace osk
