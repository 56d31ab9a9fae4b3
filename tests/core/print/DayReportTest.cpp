#include "print/DayReport.h"

#include "lang/BuiltinTexts.h"
#include "lang/FallbackTexts.h"
#include "support/TimeLog.h"

#include "PageFakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <string>

namespace osk {
namespace {

// A page that also keeps where the graph's pen went.
class GraphPage : public test::FakePage {
public:
    void moveTo(int x, int y) override { pen.push_back({x, y}); }
    void lineTo(int x, int y) override { pen.push_back({x, y}); }
    std::vector<std::pair<int, int>> pen;

    bool shows(const std::string& text) const {
        return std::any_of(items.begin(), items.end(),
                           [&](const test::Placed& p) { return p.what == text; });
    }
};

class Pages : public ReportPages {
public:
    PageSurface* newPage() override { return &sheets.emplace_back(); }
    std::deque<GraphPage> sheets;
};

// 2024-03-05 23:00 to 2024-03-07 01:00, 10 seconds apart: an hour, a whole day and an hour.
// Product 0.5 and pH 7.2 inside their bands; on the whole day pH drops below 6.8 in `runs`
// runs of one minute, half an hour apart from 01:00 on, reaching 6.1 in the first.
struct ReportFixture : ::testing::Test {
    void fill(int runs) {
        storeBuiltinTexts(texts);
        for (const BuiltinText& t : FallbackTexts())
            texts.set(t.number, t.text);
        const test::TimeLog log = test::TimeLog().run("2024-03-05 23:00:00", 9360);
        for (int r = 1; r <= log.RecordCount(); ++r) {
            records->RecordTime[size_t(r)] = log.RecordTime[size_t(r)];
            const double values[][2] = {{10, 0.5}, {6, 1.0}, {7, 0.2}, {15, 7.2}, {11, 7.6},
                                        {12, 6.8}, {18, 10}, {16, 2},  {17, 1}};
            for (const auto& [column, value] : values)
                records->RecordValue(r, int(column)) = value;
        }
        for (int run = 0; run < runs; ++run)
            for (int k = 0; k < 6; ++k)
                records->RecordValue(721 + 180 * run + k, 15) = run == 0 && k == 2 ? 6.1 : 6.5;
        records->RecordCount = log.RecordCount();
        records->FileLoaded = true;
        records->ViewEndRecord = 77;
        records->LogSource.save("Pool 7", "/data/pool7.csv");
        render.SeriesOn.set(1, 0, 1);
        analysis = AnalyseLog(*records);
    }

    std::unique_ptr<RecordTable> records = std::make_unique<RecordTable>();
    RenderState render;
    Texts texts;
    LogAnalysis analysis;
    DayReportInputs in{*records, render, texts, 0, '.'};
};

TEST_F(ReportFixture, PageHoldsTheDayItsFiguresExcursionsAndTheGraph) {
    fill(2);
    ASSERT_EQ(analysis.days.size(), 3u);
    records->RecordValue(5000, 15) = 30; // far above the value scale
    GraphPage page;
    DrawDayPage(in, analysis, analysis.days[1], page);
    for (const char* text :
         {"Day report", ": Pool 7", ": 2024-03-06", "PH below low alarm", "01:00:00", "01:00:50",
          "0:01:00", "6.1", "01:30:00", "7.2", "Operator:", "Signature:", "Checks done by hand:"})
        EXPECT_TRUE(page.shows(text)) << text;
    EXPECT_FALSE(page.shows("No excursions"));
    // The graph keeps to its place on the page, and the window's end is given back.
    ASSERT_GT(page.pen.size(), 1000u);
    for (const auto& [x, y] : page.pen)
        ASSERT_TRUE(x >= 700 && x <= 9100 && y >= 1300 && y <= 5500) << x << "," << y;
    EXPECT_EQ(records->ViewEndRecord, 77);
}

TEST_F(ReportFixture, ExcursionListEndsAfterItsRows) {
    struct Case {
        int runs;
        size_t rows;
        bool more;
    };
    for (const Case c : {Case{0, 0, false}, Case{3, 3, false}, Case{30, kReportExcursionRows, true}}) {
        fill(c.runs);
        GraphPage page;
        DrawDayPage(in, analysis, analysis.days[1], page);
        const auto rows = std::count_if(page.items.begin(), page.items.end(),
                                        [](const test::Placed& p) { return p.what == "PH below low alarm"; });
        EXPECT_EQ(size_t(rows), c.rows) << c.runs;
        EXPECT_EQ(page.shows("\u2026"), c.more) << c.runs;
        EXPECT_EQ(page.shows("No excursions"), c.runs == 0) << c.runs;
    }
}

TEST_F(ReportFixture, OnePagePerDayOfTheRangeEitherWayRound) {
    fill(1);
    Pages pages;
    EXPECT_EQ(DrawDayReport(in, analysis, OrderedDays(2, 0), pages), 3);
    ASSERT_EQ(pages.sheets.size(), 3u);
    const char* dates[] = {": 2024-03-05", ": 2024-03-06", ": 2024-03-07"};
    for (size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(pages.sheets[i].shows(dates[i])) << i;
}

} // namespace
} // namespace osk
