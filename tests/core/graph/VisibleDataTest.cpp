#include "graph/VisibleData.h"
#include "lang/BuiltinTexts.h"

#include "PlotFixture.h"
#include "support/CsvLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace osk {
namespace {

using test::csvLines;

TEST(CsvField, QuotesOnlyWhatWouldBreakTheLine) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {{"Flow m3/h", "Flow m3/h"},
        {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""}, {"cr\r", "\"cr\r\""}};
    // clang-format on
    for (const auto& [text, field] : cases)
        EXPECT_EQ(CsvField(text), field) << text;
}

TEST(CsvNumber, WritesTheShortestDecimalThatReadsBack) {
    // clang-format off
    const std::pair<double, const char*> cases[] = {{0, "0"}, {-1.5, "-1.5"}, {1200, "1200"},
        {0.1 + 0.2, "0.30000000000000004"}, {1e21, "1e+21"}};
    // clang-format on
    for (const auto& [value, text] : cases)
        EXPECT_EQ(CsvNumber(value), text) << value;
}

struct VisibleDataTest : ::testing::Test {
    VisibleDataTest() { storeBuiltinTexts(plot.texts); }
    std::string csv(DrawnRecords drawn) {
        return VisibleDataCsv(*plot.records, drawn, plot.render.SeriesOn, plot.texts, 74);
    }
    test::PlotFixture plot;
};

TEST_F(VisibleDataTest, HeadsTheDrawnSeriesWithTheirLegendTextsInLegendOrder) {
    const struct {
        std::vector<std::pair<int, int>> on; // group, item
        std::string header;
    } cases[] = {
        {{}, "Time"},
        // A sub-series draws only under its group's box.
        {{{1, 1}}, "Time"},
        {{{1, 0}, {1, 1}, {0, 0}}, "Time,Free Chlorine mg/L (/100),PH (/10),High alarm"},
        // The cell heading draws nothing of its own.
        {{{3, 0}, {3, 1}}, "Time,Rinse"},
    };
    for (const auto& c : cases) {
        plot.render.SeriesOn = SeriesSelection();
        for (const auto& [g, k] : c.on)
            plot.render.SeriesOn.set(g, k, 1);
        EXPECT_EQ(csvLines(csv({1, 1})).front(), c.header);
    }
}

TEST_F(VisibleDataTest, GivesTheRecordsOfTheRangeWithTheirValuesAsRead) {
    plot.render.SeriesOn.set(1, 0, 1); // pH, drawn ten times larger
    plot.render.SeriesOn.set(2, 0, 1); // flow
    for (int r = 1; r <= 50; ++r) {
        plot.records->RecordValue(r, 15) = 7 + r / 100.0;
        plot.records->RecordValue(r, 18) = r;
    }
    const auto got = csvLines(csv({48, 50}));
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(std::tie(got[1], got[3]), std::tuple(plot.records->RecordTime[48] + ",7.48,48",
                                                   plot.records->RecordTime[50] + ",7.5,50"));
}

TEST_F(VisibleDataTest, LeavesOutTheEmptyRowAndRowsPastTheTable) {
    const struct {
        DrawnRecords drawn;
        size_t records;
    } cases[] = {{{0, 0}, 0}, {{0, 3}, 3}, {{-5, 2}, 2}, {{5, 4}, 0}, {{19999, 25000}, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(csvLines(csv(c.drawn)).size() - 1, c.records)
            << c.drawn.oldest << ".." << c.drawn.newest;
}

} // namespace
} // namespace osk
