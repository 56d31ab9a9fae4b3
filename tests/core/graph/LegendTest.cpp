#include "graph/Legend.h"

#include "PlotFixture.h"
#include "lang/BuiltinTexts.h"

#include <gtest/gtest.h>

#include <limits>

namespace osk {
namespace {

struct Entry {
    double x;
    std::string text;
    bool operator==(const Entry&) const = default;
};

// The entries drawn, each checked to be a level sample line on its own line of the legend with
// its text just right of it in the same colour.
std::vector<Entry> entries(const RecordingSurface& legend) {
    std::vector<Entry> out;
    const auto lines = legend.segments();
    const auto texts = legend.texts();
    EXPECT_EQ(lines.size(), texts.size());
    for (size_t i = 0; i < lines.size() && i < texts.size(); ++i) {
        SCOPED_TRACE(texts[i].text);
        const DrawnSegment& l = lines[i];
        const DrawnText& t = texts[i];
        EXPECT_EQ(std::tuple(l.y1, l.y2, t.colour),
                  std::tuple(LegendLineY(static_cast<int32_t>(i + 1)), l.y1, l.colour));
        EXPECT_TRUE(l.x2 > l.x1 && t.x > l.x2 && t.y < l.y1 && t.y + kLegendLineHeight / 2 > l.y1);
        out.push_back({lines[i].x1, texts[i].text});
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
    ASSERT_EQ(e.size(), 4u);
    const double head = e[0].x, sub = e[1].x;
    EXPECT_GT(sub, head);
    EXPECT_EQ(e, (std::vector<Entry>{{head, "Free Chlorine mg/L (/100)"},
                                     {sub, "High alarm"},
                                     {sub, "Setpoint"},
                                     {head, "PH (/10)"}}));
}

TEST(Legend, EverythingOnFitsTheBoxAndPaperLeavesOutTheCellGroup) {
    test::PlotFixture f;
    storeBuiltinTexts(f.texts);
    for (int g = 0; g < 4; ++g)
        for (int k = 0; k <= 6; ++k)
            f.render.SeriesOn.set(g, k, 1);
    EXPECT_EQ(DrawLegend(f.legend, f.in), kLegendMostLines);
    const auto e = entries(f.legend);
    ASSERT_EQ(std::tuple(e.size(), LegendEntries(f.in).size()),
              std::tuple(size_t{kLegendMostLines}, size_t{kLegendMostLines}));
    EXPECT_EQ(e.back().text, "GBC");
    // The box is 240 pixels high inside a one-pixel border; the last entry's band must end
    // within it.
    const double lastBandBottom = LegendLineY(kLegendMostLines) + kLegendLineHeight / 2;
    EXPECT_LE(lastBandBottom / kLegendUnitsPerPixel, 238);

    f.render.Printing = true;
    RecordingSurface paper(1000, 4000);
    EXPECT_EQ(DrawLegend(paper, f.in), kLegendMostLines - 7);
}

TEST(Legend, MouseHeightFindsTheEntryOfItsBand) {
    const double band = kLegendLineHeight;
    const struct {
        double y;
        int32_t lines, line;
    } cases[] = {{band / 2 - 0.1, 3, 0}, {band / 2, 3, 1},
                 {band * 1.5, 3, 2},     {band * 3.5 - 0.1, 3, 3},
                 {band * 3.5, 3, 0},     {500, 0, 0},
                 {1e300, 20, 0},         {std::numeric_limits<double>::quiet_NaN(), 20, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(LegendLineAt(c.y, c.lines), c.line) << c.y << " of " << c.lines;
}

} // namespace
} // namespace osk
