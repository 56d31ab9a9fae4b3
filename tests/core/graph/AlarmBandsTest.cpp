#include "graph/AlarmBands.h"

#include "graph/Plot.h"

#include "PlotFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

namespace osk {
namespace {

using Line = std::tuple<Colour, double, double, double, double, int>; // colour, x1 y1 x2 y2, width

std::vector<Line> lines(const RecordingSurface& s) {
    std::vector<Line> out;
    for (const DrawnSegment& d : s.segments())
        out.emplace_back(d.colour, d.x1, d.y1, d.x2, d.y2, d.width);
    return out;
}

// One full-height line one pixel wide in the group's tint at each x from..to.
void addBand(std::vector<Line>& out, int group, int from, int to, int height) {
    for (int x = from; x <= to; ++x)
        out.emplace_back(BandTint(group), x, 0, x, height, 1);
}

TEST(AlarmBands, ShadeTheDrawnPartOfTheTickedGroupsAlarms) {
    // Records 1 to 20 at x 10 r on a plot 180 wide: 18 to 20 lie past its right edge.
    std::vector<int32_t> xs;
    for (int r = 20; r >= 1; --r)
        xs.push_back(10 * r);
    std::vector<Excursion> excursions;
    for (const auto& [kind, first, last] : {std::tuple(EventKind::CellActive, 1, 20),
                                            {EventKind::DosingStopped, 2, 2},
                                            {EventKind::ProductHigh, 5, 8},
                                            {EventKind::ProductLow, 7, 9},
                                            {EventKind::PhLow, 12, 12},
                                            {EventKind::FlowLow, 15, 19}}) {
        excursions.emplace_back().kind = kind;
        excursions.back().first = first;
        excursions.back().last = last;
    }
    struct Case {
        std::array<int16_t, 4> boxes;                 // product, pH, flow, cell
        int32_t drawn;                                // the newest records drawn
        std::vector<std::tuple<int, int, int>> bands; // group, first x, last x
    };
    const Case cases[] = {
        {{1, 1, 1, 0}, 20, {{0, 50, 90}, {1, 120, 120}, {2, 20, 20}, {2, 150, 179}}},
        {{0, 1, 0, 0}, 20, {{1, 120, 120}}},
        {{0, 0, 0, 1}, 20, {}}, // the cell states have none
        {{1, 1, 1, 0}, 12, {{0, 90, 90}, {1, 120, 120}, {2, 150, 179}}},
        {{1, 1, 1, 0}, 0, {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(&k - cases);
        SeriesSelection on;
        for (int g = 0; g < 4; ++g)
            on.set(g, 0, k.boxes[size_t(g)]);
        RecordingSurface plot(180, 100);
        DrawAlarmBands(plot, excursions, on, false, {xs.data(), k.drawn, 20});
        std::vector<Line> expected;
        for (const auto& [group, from, to] : k.bands)
            addBand(expected, group, from, to, 100);
        EXPECT_EQ(lines(plot), expected);
    }
}

TEST(AlarmBands, RedrawShadesBetweenGridAndSeriesOnlyWhenOn) {
    test::PlotFixture f; // record r at x 80 + 2 r
    f.fillColumn(6, 80); // the product's high and low alarm
    f.fillColumn(7, 20);
    for (int r = 20; r <= 24; ++r)
        f.records->RecordValue(r, 10) = 95;
    const LogAnalysis analysis = AnalyseLog(*f.records);
    f.render.SeriesOn.set(0, 0, 1);
    const auto draw = [&](const LogAnalysis* a, bool bands) {
        f.in.analysis = a;
        f.render.AlarmBands = bands;
        bool scrollFlag = false;
        Redraw(f.in, f.plot, f.legend, scrollFlag);
        return lines(f.plot);
    };
    const std::vector<Line> before = draw(nullptr, false);
    EXPECT_EQ(draw(&analysis, false), before);
    EXPECT_EQ(draw(nullptr, true), before);

    const auto series = std::find_if(before.begin(), before.end(), [](const Line& l) {
        return std::get<0>(l) == Rgb(128, 0, 128);
    });
    std::vector<Line> expected(before.begin(), series);
    addBand(expected, 0, 120, 128, 100);
    expected.insert(expected.end(), series, before.end());
    EXPECT_EQ(draw(&analysis, true), expected);
    EXPECT_EQ(BandTint(0), Rgb(230, 204, 230)); // four fifths white
}

} // namespace
} // namespace osk
