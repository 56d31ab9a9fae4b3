#include "graph/Plot.h"

#include "graph/SeriesCatalogue.h"

#include "PlotFixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

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

struct YCase {
    double value;
    int y;
};

class PlotValues : public Plot, public ::testing::WithParamInterface<YCase> {};

TEST_P(PlotValues, ValueToPixelRow) {
    productOn();
    f.fillColumn(10, GetParam().value);
    redraw();
    EXPECT_EQ(f.render.PlotPoints.at(50, kProductSlot), GetParam().y);
    EXPECT_EQ(f.render.PlotPoints.at(50, kProductSlot + 1), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlotValues,
    ::testing::Values(YCase{50, 50}, YCase{100, 0},
                      YCase{0, 102},   // the minimum lies just below the visible area
                      YCase{0.4, 102}, // rounds onto the bottom edge
                      YCase{-30, 102}, // below the minimum
                      YCase{150, -50}, // above the maximum: not limited
                      YCase{49.5, 50}, // halves to the even neighbour
                      YCase{1e308, INT_MIN}, YCase{INFINITY, INT_MIN}, YCase{-1e308, 102}));

TEST_F(Plot, PhIsDrawnTenTimesItsSize) {
    f.render.SeriesOn.set(1, 0, 1);
    f.fillColumn(15, 7.2);
    redraw();
    EXPECT_EQ(f.render.PlotPoints.at(50, 3), 100 - 72);
}

TEST_F(Plot, NewestPointLeavesTheRestOfTheHourOnlyAtTheNewestEnd) {
    productOn();
    EXPECT_DOUBLE_EQ(RightMargin(f.in), 20);
    redraw();
    EXPECT_EQ(f.render.PlotPoints.at(50, 0), 180);
    EXPECT_EQ(f.render.PlotPoints.at(49, 0), 178);

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
    EXPECT_EQ(lines[0].x1, 180);
    EXPECT_EQ(lines[0].y1, 65);
    EXPECT_EQ(lines[0].x2, 180);
    EXPECT_EQ(lines[0].y2, 75);
    EXPECT_EQ(lines[0].width, 2);
    // Tick, a zero-length first segment, then one segment per older record down to record 1.
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines.back().x2, 180 - 2 * 49);
    EXPECT_EQ(lines.back().y2, 70); // no drop to the empty record 0
    for (int slot = 0; slot < kPlotSlots; ++slot)
        EXPECT_EQ(f.render.PlotPoints.at(0, slot), 0);
    EXPECT_EQ(f.render.PlotPoints.rows(), 52);
}

TEST_F(Plot, FirstPointPastTheLeftEdgeIsDrawnThenTheSeriesStops) {
    productOn();
    f.view.TimeAxis.PixelsPerRecord = 10; // newest at 100, ten pixels per record
    EXPECT_EQ(redraw(), ScrollerRequest::Enable);
    EXPECT_EQ(f.render.PlotPoints.at(40, 0), 0);
    EXPECT_EQ(f.render.PlotPoints.at(39, 0), -10);
    EXPECT_EQ(f.render.PlotPoints.at(39, kProductSlot), 50);
    EXPECT_EQ(f.render.PlotPoints.at(38, kProductSlot), 0);
    EXPECT_EQ(linesIn(f.plot, kProduct).back().x2, -10);
}

TEST_F(Plot, EachRecordSitsAtItsOwnTime) {
    productOn();
    // An hour is missing between records 25 and 26.
    for (int r = 26; r <= 50; ++r)
        f.records->RecordTime[static_cast<size_t>(r)] = test::recordTime(r + 360);
    ComputeRecordSteps(*f.records, f.render.RecordStep);
    f.view.TimeAxis.PixelsPerRecord = 0.25; // newest at 197.5
    redraw();
    EXPECT_EQ(f.render.PlotPoints.at(26, 0), 192); // 191.5
    EXPECT_EQ(f.render.PlotPoints.at(25, 0), 101); // the gap lies between 25 and 26
    EXPECT_EQ(f.render.PlotPoints.at(24, 0), 101); // 101.0
}

TEST_F(Plot, ScrollerRequestOfTheLastSeriesWins) {
    EXPECT_EQ(redraw(true), ScrollerRequest::Unchanged); // nothing drawn

    productOn();
    bool flag = false;
    f.in.scrollerMax = 60; // more than the records: the flag goes up
    EXPECT_EQ(Redraw(f.in, f.plot, f.legend, flag), ScrollerRequest::Disable);
    EXPECT_TRUE(flag);

    f.render.SeriesOn.set(1, 0, 1);
    f.records->RecordValue(1, 15) = 0;
    f.view.TimeAxis.PixelsPerRecord = 10; // both series now run off the left edge
    EXPECT_EQ(redraw(true), ScrollerRequest::Enable);
}

TEST_F(Plot, SharedSlotBelongsToTheLastDrawnSeries) {
    for (int k = 0; k <= 6; ++k)
        f.render.SeriesOn.set(3, k, 1);
    f.fillColumn(29, 10);
    f.fillColumn(30, 20);
    redraw();
    EXPECT_EQ(f.render.PlotPoints.at(20, 41), 80);
    EXPECT_EQ(f.render.PlotPoints.at(20, 42), 30);
    EXPECT_EQ(f.render.PlotPoints.at(20, 35), 50);
    EXPECT_EQ(f.render.PlotPoints.at(20, 36), 24);
}

TEST_F(Plot, PrintingLeavesOutTheCellGroupAndDrawsThin) {
    for (int g = 0; g < 4; ++g)
        for (int k = 0; k <= 6; ++k)
            f.render.SeriesOn.set(g, k, 1);
    f.render.Printing = true;
    redraw();
    for (int slot : {1, 3, 5, 11, 27})
        EXPECT_NE(f.render.PlotPoints.at(10, slot), 0) << slot;
    for (int slot : {7, 33, 35, 37, 41})
        EXPECT_EQ(f.render.PlotPoints.at(10, slot), 0) << slot;
    EXPECT_EQ(linesIn(f.plot, kProduct).front().width, 1);
}

TEST_F(Plot, RedrawClearsFirstAndRepairsAnUnsetWindow) {
    productOn();
    f.records->ViewEndRecord = 0;
    redraw();
    EXPECT_EQ(f.records->ViewEndRecord, 49);
    EXPECT_EQ(f.plot.calls().front().op, SurfaceCall::Op::Clear);
    EXPECT_EQ(f.legend.calls().front().op, SurfaceCall::Op::Clear);
    EXPECT_EQ(f.view.GridStepPixelsY, 20);
    EXPECT_EQ(f.render.PlotPoints.at(49, 0), 180);
}

struct StyleCase {
    int16_t style;
    const char* name;
};

class DrawStyles : public Plot, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(DrawStyles, SameTickAndPointsInEveryStyle) {
    productOn();
    f.fillColumn(10, 30);
    f.records->RecordValue(49, 10) = 40;
    f.render.DrawStyle = GetParam().style;
    redraw();
    EXPECT_EQ(f.render.PlotPoints.at(49, 0), 178);
    EXPECT_EQ(f.render.PlotPoints.at(49, kProductSlot), 60);
    const auto lines = linesIn(f.plot, kProduct);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].y1, 65); // tick at the newest point
    EXPECT_EQ(lines[0].y2, 75);
    // What is drawn for record 49 at (178, 60).
    std::vector<DrawnSegment> at49;
    for (const auto& l : lines) {
        const bool dotRow = l.x1 == 177 && l.x2 == 180;
        const bool bar = l.x1 == 178 && l.x2 == 178;
        const bool lineTo = l.x1 == 180 && l.x2 == 178;
        if (dotRow || bar || lineTo)
            at49.push_back(l);
    }
    switch (GetParam().style) {
    case kDrawStyleLine: // connected from the newer point
        ASSERT_EQ(at49.size(), 1u);
        EXPECT_EQ(at49[0].x1, 180);
        EXPECT_EQ(at49[0].y1, 70);
        EXPECT_EQ(at49[0].y2, 60);
        break;
    case kDrawStyleDots: // three rows of three pixels, nothing connecting
        ASSERT_EQ(at49.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(at49[static_cast<size_t>(i)].x1, 177);
            EXPECT_EQ(at49[static_cast<size_t>(i)].x2, 180);
            EXPECT_EQ(at49[static_cast<size_t>(i)].y1, 59 + i);
            EXPECT_EQ(at49[static_cast<size_t>(i)].width, 1);
        }
        break;
    case kDrawStyleBars: // from the point down to the bottom edge
        ASSERT_EQ(at49.size(), 1u);
        EXPECT_EQ(at49[0].x1, 178);
        EXPECT_EQ(at49[0].y1, 60);
        EXPECT_EQ(at49[0].y2, 100);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, DrawStyles,
                         ::testing::Values(StyleCase{kDrawStyleLine, "Line"},
                                           StyleCase{kDrawStyleDots, "Dots"},
                                           StyleCase{kDrawStyleBars, "Bars"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace osk
