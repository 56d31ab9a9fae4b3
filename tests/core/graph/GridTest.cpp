#include "graph/Grid.h"

#include "PlotFixture.h"

#include <gtest/gtest.h>

namespace osk {
namespace {

struct IntervalCase {
    const char* xas;
    const char* gridX;
    double lines;
    double majorEvery;
};

class GridIntervals : public ::testing::TestWithParam<IntervalCase> {};

TEST_P(GridIntervals, FromSpanAndInterval) {
    const IntervalCase& c = GetParam();
    double majorEvery = -1;
    EXPECT_DOUBLE_EQ(GridLinesX(c.xas, c.gridX, majorEvery), c.lines);
    EXPECT_DOUBLE_EQ(majorEvery, c.majorEvery);
}

INSTANTIATE_TEST_SUITE_P(Lists, GridIntervals,
                         ::testing::Values(IntervalCase{"3 Hour", "15 Minutes", 12, 1},
                                           IntervalCase{"192 Hour", "30 Minutes", 384, 32},
                                           IntervalCase{"48 Hour", "5 Hour", 0, 0},
                                           IntervalCase{"", "", 0, 0}));

// The vertical grid lines as (x, black) pairs, right to left.
std::vector<std::pair<double, bool>> verticalLines(const RecordingSurface& s) {
    std::vector<std::pair<double, bool>> out;
    for (const auto& seg : s.segments())
        if (seg.x1 == seg.x2)
            out.emplace_back(seg.x1, seg.colour == kBlack);
    return out;
}

struct ColourCase {
    const char* xas;
    int lines;
    int blackEvery; // 1: all black
};

class GridColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(GridColours, MajorLinesCountFromTheRightEdge) {
    test::PlotFixture f;
    RecordingSurface s(480, 100);
    f.in.xasText = GetParam().xas;
    f.in.gridXText = "4 Hour";
    DrawGrid(s, f.in);
    const auto lines = verticalLines(s);
    ASSERT_EQ(static_cast<int>(lines.size()), GetParam().lines);
    const double step = 480.0 / (GetParam().lines - 1);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_NEAR(lines[i].first, 480 - step * static_cast<double>(i), 0.5);
        EXPECT_EQ(lines[i].second, i % static_cast<size_t>(GetParam().blackEvery) == 0) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Spans, GridColours,
                         ::testing::Values(ColourCase{"24 Hour", 7, 1},
                                           ColourCase{"192 Hour", 49, 4}));

TEST(Grid, NoIntervalDrawsNoVerticalLines) {
    test::PlotFixture f;
    RecordingSurface s(480, 100);
    f.in.gridXText = "7 Hour";
    DrawGrid(s, f.in);
    EXPECT_TRUE(verticalLines(s).empty());
    EXPECT_FALSE(s.segments().empty()); // the horizontal lines are still there
}

// y of every horizontal grid line, bottom up.
std::vector<double> horizontalLines(const RecordingSurface& s) {
    std::vector<double> out;
    for (const auto& seg : s.segments())
        if (seg.y1 == seg.y2 && seg.x1 != seg.x2)
            out.push_back(seg.y1);
    return out;
}

TEST(Grid, HorizontalStepFromTheGridBarAndItsFloor) {
    test::PlotFixture f;
    f.in.gridXText = "7 Hour";
    RecordingSurface s(480, 100);
    f.view.ValueAxis.PixelsPerUnit = 0; // no value axis built yet: one pixel per unit
    SetGridStepY(f.view, 40);
    DrawGrid(s, f.in);
    EXPECT_EQ(f.view.ValueAxis.PixelsPerUnit, 1);
    EXPECT_EQ(horizontalLines(s), (std::vector<double>{100, 60, 20}));

    RecordingSurface fine(480, 100);
    f.view.GridStepPixelsY = 0.2;
    DrawGrid(fine, f.in);
    EXPECT_EQ(f.view.GridStepPixelsY, 0.51);
    EXPECT_EQ(horizontalLines(fine).size(), 101u); // every pixel row
}

} // namespace
} // namespace osk
