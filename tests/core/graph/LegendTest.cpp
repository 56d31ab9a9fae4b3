#include "graph/Legend.h"

#include "PlotFixture.h"
#include "lang/BuiltinTexts.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace osk
