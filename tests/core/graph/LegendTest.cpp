#include "graph/Legend.h"

#include "PlotFixture.h"
#include "lang/BuiltinTexts.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace osk {
namespace {

struct Entry {
    double x, y;
    std::string text;
};

std::vector<Entry> entries(const RecordingSurface& legend) {
    std::vector<Entry> out;
    const auto lines = legend.segments();
    const auto texts = legend.texts();
    EXPECT_EQ(lines.size(), texts.size());
    for (size_t i = 0; i < lines.size() && i < texts.size(); ++i) {
        EXPECT_EQ(lines[i].x2, lines[i].x1 + 100);
        EXPECT_EQ(lines[i].y2, lines[i].y1);
        EXPECT_EQ(texts[i].x, lines[i].x1 + 190);
        EXPECT_EQ(texts[i].y, lines[i].y1 - 70);
        EXPECT_EQ(texts[i].colour, lines[i].colour);
        out.push_back({lines[i].x1, lines[i].y1, texts[i].text});
    }
    return out;
}

TEST(Legend, HeadingsThenIndentedSubSeries) {
    test::PlotFixture f;
    storeBuiltinTexts(f.texts);
    f.in.productTextIndex = 74;
    f.render.SeriesOn.set(0, 1, 1); // nothing with only a sub-series on
    EXPECT_EQ(DrawLegend(f.legend, f.in), 0);
    EXPECT_EQ(f.legend.count(SurfaceCall::Op::Clear), 1);
    f.render.SeriesOn.set(0, 0, 1);
    f.render.SeriesOn.set(0, 3, 1);
    f.render.SeriesOn.set(1, 0, 1);
    f.render.SeriesOn.set(2, 1, 1); // its group is off
    EXPECT_EQ(DrawLegend(f.legend, f.in), 4);
    const auto e = entries(f.legend);
    const Entry expected[] = {{10, 200, "Free Chlorine mg/L (/100)"},
                              {120, 400, "High alarm"},
                              {120, 600, "Setpoint"},
                              {10, 800, "PH (/10)"}};
    ASSERT_EQ(e.size(), 4u);
    for (size_t i = 0; i < e.size(); ++i)
        EXPECT_EQ(std::tie(e[i].x, e[i].y, e[i].text),
                  std::tie(expected[i].x, expected[i].y, expected[i].text))
            << i;
}

TEST(Legend, CellGroupListsItsHeadingAndSixItemsExceptOnPaper) {
    test::PlotFixture f;
    for (int k = 0; k <= 6; ++k)
        f.render.SeriesOn.set(3, k, 1);
    EXPECT_EQ(DrawLegend(f.legend, f.in), 7);
    const auto e = entries(f.legend);
    ASSERT_EQ(e.size(), 7u);
    EXPECT_EQ(e[5].text, "TBC");
    EXPECT_EQ(e[6].text, "GBC");
    EXPECT_EQ(e[6].y, 1400);

    f.render.Printing = true;
    RecordingSurface paper(1000, 4000);
    EXPECT_EQ(DrawLegend(paper, f.in), 0);
    EXPECT_TRUE(paper.segments().empty());
}

TEST(Legend, EverythingOnListsTwentyEntriesThatFitTheBox) {
    test::PlotFixture f;
    storeBuiltinTexts(f.texts);
    for (int g = 0; g < 4; ++g)
        for (int k = 0; k <= 6; ++k)
            f.render.SeriesOn.set(g, k, 1);
    EXPECT_EQ(DrawLegend(f.legend, f.in), kLegendMostLines);
    const auto e = entries(f.legend);
    ASSERT_EQ(e.size(), static_cast<size_t>(kLegendMostLines));
    EXPECT_EQ(e.back().y, LegendLineY(kLegendMostLines));
    EXPECT_EQ(e[14].text, "Rinse");
    // The box is 240 pixels high inside a one-pixel border; the last entry's band must end
    // within it.
    const double lastBandBottom = LegendLineY(kLegendMostLines) + kLegendLineHeight / 2;
    EXPECT_LE(lastBandBottom / kLegendUnitsPerPixel, 238);
    EXPECT_EQ(LegendEntries(f.in).size(), e.size());
}

TEST(Legend, MouseHeightFindsTheEntryOfItsBand) {
    const struct {
        double y;
        int32_t lines;
        int32_t line;
    } cases[] = {
        {99.9, 3, 0},   {100, 3, 1},
        {130, 3, 1},    {200, 3, 1},
        {299.9, 3, 1},  {300, 3, 2},
        {700, 3, 0},    {699.9, 3, 3},
        {4000, 20, 20}, {4100, 20, 0},
        {-50, 20, 0},   {500, 0, 0},
        {1e300, 20, 0}, {std::numeric_limits<double>::quiet_NaN(), 20, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LegendLineAt(c.y, c.lines), c.line) << c.y << " of " << c.lines;
}

} // namespace
} // namespace osk
