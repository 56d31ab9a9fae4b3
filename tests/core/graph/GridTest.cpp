#include "graph/Grid.h"

#include "PlotFixture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace osk {
namespace {

TEST(Grid, LinesFromSpanAndInterval) {
    const struct {
        const char *xas, *gridX;
        double lines, majorEvery;
    } cases[] = {{"3 Hour", "15 Minutes", 12, 1},
                 {"192 Hour", "30 Minutes", 384, 32},
                 {"48 Hour", "5 Hour", 0, 0},
                 {"", "", 0, 0}};
    for (const auto& c : cases) {
        double majorEvery = -1;
        EXPECT_DOUBLE_EQ(GridLinesX(c.xas, c.gridX, majorEvery), c.lines) << c.xas << c.gridX;
        EXPECT_DOUBLE_EQ(majorEvery, c.majorEvery) << c.xas << c.gridX;
    }
}

class GridTest : public ::testing::Test {
protected:
    // Draws the grid onto a 480 x 100 plot; lists the vertical lines as (x, black) right to
    // left, and the y of the horizontal ones bottom up.
    void draw(const char* xas, const char* gridX) {
        f.in.xasText = xas;
        f.in.gridXText = gridX;
        RecordingSurface s(480, 100);
        DrawGrid(s, f.in);
        vertical.clear();
        horizontal.clear();
        for (const auto& seg : s.segments())
            if (seg.x1 == seg.x2)
                vertical.emplace_back(seg.x1, seg.colour == kBlack);
            else if (seg.y1 == seg.y2)
                horizontal.push_back(seg.y1);
    }
    test::PlotFixture f;
    std::vector<std::pair<double, bool>> vertical;
    std::vector<double> horizontal;
};

TEST_F(GridTest, MajorLinesCountFromTheRightEdge) {
    const std::tuple<const char*, int, int> spans[] = {{"24 Hour", 7, 1}, {"192 Hour", 49, 4}};
    for (const auto& [xas, lines, blackEvery] : spans) {
        draw(xas, "4 Hour");
        ASSERT_EQ(static_cast<int>(vertical.size()), lines) << xas;
        const double step = 480.0 / (lines - 1);
        for (size_t i = 0; i < vertical.size(); ++i) {
            EXPECT_NEAR(vertical[i].first, 480 - step * static_cast<double>(i), 0.5) << xas;
            EXPECT_EQ(vertical[i].second, i % static_cast<size_t>(blackEvery) == 0) << xas << i;
        }
    }
}

TEST_F(GridTest, HorizontalStepFromTheGridBarAndItsFloor) {
    f.view.ValueAxis.PixelsPerUnit = 0; // no value axis built yet: one pixel per unit
    SetGridStepY(f.view, 40);
    draw("48 Hour", "7 Hour"); // no such interval: no vertical lines
    EXPECT_EQ(std::tuple(vertical.size(), f.view.ValueAxis.PixelsPerUnit, horizontal),
              std::tuple(0u, 1, std::vector<double>{100, 60, 20}));

    f.view.GridStepPixelsY = 0.2;
    draw("48 Hour", "7 Hour");
    EXPECT_EQ(std::tuple(f.view.GridStepPixelsY, horizontal.size()), std::tuple(0.51, 101u));
}

} // namespace
} // namespace osk
