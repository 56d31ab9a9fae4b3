#include "graph/Plot.h"

#include "graph/SeriesCatalogue.h"

#include "PlotFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <tuple>

namespace osk {
namespace {

constexpr Colour kProduct = Rgb(128, 0, 128);
constexpr int kProductSlot = 1;

// The lines drawn in one colour, in drawing order.
std::vector<DrawnSegment> linesIn(const RecordingSurface& s, Colour c) {
    std::vector<DrawnSegment> out;
    for (const auto& seg : s.segments())
        if (seg.colour == c)
            out.push_back(seg);
    return out;
}

class Plot : public ::testing::Test {
protected:
    ScrollerRequest redraw(bool scrollFlag = false) {
        return Redraw(f.in, f.plot, f.legend, scrollFlag);
    }
    void productOn() { f.render.SeriesOn.set(0, 0, 1); }
    test::PlotFixture f;
};

// The product (column 10, slot 1) at 1 pixel a unit on a 100-pixel plot; pH is drawn ten times
// its size.
TEST(PlotValues, ValueToPixelRow) {
    const struct {
        int group, column, slot;
        double value;
        int y;
    } cases[] = {
        // clang-format off
        {0, 10, 1, 50, 50}, {0, 10, 1, 100, 0},
        {0, 10, 1, 0, 102},   // the minimum lies just below the visible area
        {0, 10, 1, 0.4, 102}, {0, 10, 1, -1e308, 102},
        {0, 10, 1, 150, -50}, // above the maximum: not limited
        {0, 10, 1, 49.5, 50}, // halves to the even neighbour
        {0, 10, 1, INFINITY, INT_MIN}, {1, 15, 3, 7.2, 100 - 72},
        // clang-format on
    };
    for (const auto& c : cases) {
        test::PlotFixture f;
        bool scrollFlag = false;
        f.render.SeriesOn.set(c.group, 0, 1);
        f.fillColumn(c.column, c.value);
        Redraw(f.in, f.plot, f.legend, scrollFlag);
        EXPECT_EQ(f.render.PlotPoints.at(50, c.slot), c.y) << c.value;
        EXPECT_EQ(f.render.PlotPoints.at(50, c.slot + 1), c.column);
    }
}

// The redraw clears both pictures, repairs an unset window end, and leaves the rest of the hour
// right of the newest point only at the newest end.
TEST_F(Plot, NewestPointLeavesTheRestOfTheHourOnlyAtTheNewestEnd) {
    productOn();
    f.records->ViewEndRecord = 0;
    EXPECT_DOUBLE_EQ(RightMargin(f.in), 20);
    redraw();
    EXPECT_EQ(std::tuple(f.records->ViewEndRecord, f.plot.calls().front().op,
                         f.legend.calls().front().op, f.view.GridStepPixelsY,
                         f.render.PlotPoints.at(49, 0)),
              std::tuple(49, SurfaceCall::Op::Clear, SurfaceCall::Op::Clear, 20, 180));
    f.records->ViewEndRecord = 50;
    redraw();
    EXPECT_EQ(std::tuple(f.render.PlotPoints.at(50, 0), f.render.PlotPoints.at(49, 0)),
              std::tuple(180, 178));
    f.in.scrollerValue = 40; // scrolled back
    EXPECT_DOUBLE_EQ(RightMargin(f.in), 0);
    redraw();
    EXPECT_EQ(f.render.PlotPoints.at(50, 0), 200);
}

TEST_F(Plot, SeriesStartsWithATickAndEndsAtRecordOne) {
    productOn();
    f.fillColumn(10, 30);
    redraw();
    const auto lines = linesIn(f.plot, kProduct);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(std::tie(lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2, lines[0].width),
              std::tuple(180, 65, 180, 75, 2));
    // Tick, a zero-length first segment, then one segment per older record down to record 1.
    ASSERT_EQ(lines.size(), 51u);
    // No drop to the empty record 0.
    EXPECT_EQ(std::tie(lines.back().x2, lines.back().y2), std::tuple(180 - 2 * 49, 70));
    for (int slot = 0; slot < kPlotSlots; ++slot)
        EXPECT_EQ(f.render.PlotPoints.at(0, slot), 0);
    EXPECT_EQ(f.render.PlotPoints.rows(), 52);
}

// 10 pixels a record and a 100-pixel right margin: records 50 down to 40 lie inside the plot,
// record 39 is drawn past its left edge, and the redraw says which records it drew.
TEST_F(Plot, FirstPointPastTheLeftEdgeIsDrawnThenTheSeriesStops) {
    productOn();
    f.view.TimeAxis.PixelsPerRecord = 10;
    EXPECT_EQ(redraw(), ScrollerRequest::Enable);
    const auto& points = f.render.PlotPoints;
    EXPECT_EQ(std::tuple(points.at(40, 0), points.at(39, 0), points.at(39, kProductSlot),
                         points.at(38, kProductSlot), linesIn(f.plot, kProduct).back().x2,
                         f.render.DrawnNewest, f.render.DrawnOldest),
              std::tuple(0, -10, 50, 0, -10, 50, 39));
    // Scrolled back there is no right margin: record 45 sits at the right edge, 20 records fit.
    f.records->ViewEndRecord = 45;
    f.in.scrollerValue = 45;
    redraw();
    EXPECT_EQ(std::tuple(f.render.DrawnNewest, f.render.DrawnOldest), std::tuple(45, 24));
}

TEST_F(Plot, EachRecordSitsAtItsOwnTime) {
    productOn();
    // An hour is missing between records 25 and 26.
    const test::TimeLog later = test::TimeLog().run("2024-03-01 11:04:10", 25);
    for (size_t r = 26; r <= 50; ++r)
        f.records->RecordTime[r] = later.RecordTime[r - 25];
    ComputeRecordSteps(*f.records, f.render.RecordStep);
    f.view.TimeAxis.PixelsPerRecord = 0.25; // newest at 197.5
    redraw();
    // 191.5 and 101.0: the gap lies between 25 and 26.
    EXPECT_EQ(std::tuple(f.render.PlotPoints.at(26, 0), f.render.PlotPoints.at(25, 0),
                         f.render.PlotPoints.at(24, 0)),
              std::tuple(192, 101, 101));
}

TEST_F(Plot, ScrollerRequestOfTheLastSeriesWins) {
    EXPECT_EQ(redraw(true), ScrollerRequest::Unchanged); // nothing drawn
    productOn();
    bool flag = false;
    f.in.scrollerMax = 60; // more than the records: the flag goes up
    EXPECT_EQ((std::tuple{Redraw(f.in, f.plot, f.legend, flag), flag}),
              std::tuple(ScrollerRequest::Disable, true));
    f.render.SeriesOn.set(1, 0, 1);
    f.view.TimeAxis.PixelsPerRecord = 10; // both series now run off the left edge
    EXPECT_EQ(redraw(true), ScrollerRequest::Enable);
}

// The product's high alarm draws only under the product's box.
TEST_F(Plot, SubSeriesDrawsOnlyUnderItsGroup) {
    const Colour highAlarm = kSeriesCatalogue[1].colour;
    f.render.SeriesOn.set(0, 1, 1);
    redraw();
    EXPECT_TRUE(linesIn(f.plot, highAlarm).empty());
    productOn();
    redraw();
    EXPECT_FALSE(linesIn(f.plot, highAlarm).empty());
}

TEST_F(Plot, SharedSlotBelongsToTheLastDrawnSeries) {
    for (int k = 0; k <= 6; ++k)
        f.render.SeriesOn.set(3, k, 1);
    f.fillColumn(29, 10);
    f.fillColumn(30, 20);
    redraw();
    const auto& p = f.render.PlotPoints;
    EXPECT_EQ(std::tuple(p.at(20, 41), p.at(20, 42), p.at(20, 35), p.at(20, 36)),
              std::tuple(80, 30, 50, 24));
}

TEST_F(Plot, PrintingLeavesOutTheCellGroupAndDrawsThin) {
    for (int g = 0; g < 4; ++g)
        for (int k = 0; k <= 6; ++k)
            f.render.SeriesOn.set(g, k, 1);
    f.render.Printing = true;
    redraw();
    // The cell group's slots are 7 and those from 33 on.
    for (int slot : {1, 3, 5, 11, 27, 7, 33, 35, 37, 41})
        EXPECT_EQ(f.render.PlotPoints.at(10, slot) != 0, slot < 30 && slot != 7) << slot;
    EXPECT_EQ(linesIn(f.plot, kProduct).front().width, 1);
}

// What each style draws for record 49, whose point is at (178, 60): a line from the newer
// point, three rows of three thin dots with nothing connecting, or a bar down to the bottom edge.
TEST(PlotStyles, SameTickAndPointsInEveryStyle) {
    const std::pair<int16_t, std::vector<std::array<double, 4>>> styles[] = {
        {kDrawStyleLine, {{180, 70, 178, 60}}},
        {kDrawStyleDots, {{177, 59, 180, 59}, {177, 60, 180, 60}, {177, 61, 180, 61}}},
        {kDrawStyleBars, {{178, 60, 178, 100}}}};
    for (const auto& [style, expected] : styles) {
        test::PlotFixture f;
        bool scrollFlag = false;
        f.render.SeriesOn.set(0, 0, 1);
        f.fillColumn(10, 30);
        f.records->RecordValue(49, 10) = 40;
        f.render.DrawStyle = style;
        Redraw(f.in, f.plot, f.legend, scrollFlag);
        EXPECT_EQ(
            std::tuple(f.render.PlotPoints.at(49, 0), f.render.PlotPoints.at(49, kProductSlot)),
            std::tuple(178, 60));
        const auto lines = linesIn(f.plot, kProduct);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(std::tie(lines[0].y1, lines[0].y2), std::tuple(65, 75)); // tick at the newest
        std::vector<std::array<double, 4>> at49;
        for (const auto& l : lines)
            if ((l.x1 == 177 && l.x2 == 180) || (l.x1 == 178 && l.x2 == 178) ||
                (l.x1 == 180 && l.x2 == 178)) {
                at49.push_back({l.x1, l.y1, l.x2, l.y2});
                EXPECT_TRUE(style != kDrawStyleDots || l.width == 1);
            }
        EXPECT_EQ(at49, expected) << style;
    }
}

} // namespace
} // namespace osk
