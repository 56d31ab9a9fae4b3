#include "gui/logdata/LogWindowFixture.h"

#include <QTest>

namespace osk::test {
namespace {

constexpr int kSpan24Hours = 3;
constexpr int kSpan6Hours = 5;
constexpr int kSpan3Hours = 6;

// The labels under the plot for the window at the newest records of a log.
struct SpanCase {
    const char* start;
    int records;
    int spanItem;
    int hourOffsetRecords;
    double spanRecords;
    std::vector<const char*> rightmostLabels;          // from index 12 leftwards
    std::vector<std::pair<size_t, const char*>> dates; // every date label shown
};
void PrintTo(const SpanCase& c, std::ostream* os) {
    *os << c.start;
}

class SpanLabels : public LogWindowFixture, public ::testing::WithParamInterface<SpanCase> {};

TEST_P(SpanLabels, EndAtTheNextFullHourAndStepBackByTheSpansStep) {
    const SpanCase& s = GetParam();
    openLog(s.records, s.start);
    c->Xas->setCurrentIndex(s.spanItem);

    EXPECT_EQ(state.view.HourOffsetRecords, s.hourOffsetRecords);
    EXPECT_EQ(state.view.TimeAxis.SpanRecords, s.spanRecords);
    EXPECT_DOUBLE_EQ(state.view.TimeAxis.PixelsPerRecord, c->pGraph->width() / s.spanRecords);
    for (size_t k = 0; k < s.rightmostLabels.size(); ++k)
        EXPECT_EQ(timeLabel(12 - k), s.rightmostLabels[k]) << "label " << 12 - k;
    std::array<std::string, 13> dates{};
    for (const auto& [i, text] : s.dates)
        dates[i] = text;
    for (size_t i = 0; i < dates.size(); ++i)
        EXPECT_EQ(dateLabel(i), dates[i]) << "date label " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Logs, SpanLabels,
    ::testing::Values(
        // Ends 2024-03-05 10:23:40; 48 hours in steps of 4, back through two midnights.
        SpanCase{"2024-03-03 05:37:10",
                 19000,
                 2,
                 222,
                 48 * 360 - 222,
                 {"11:00", "7:00", "3:00", "23:00", "19:00"},
                 {{12, "05-03"}, {9, "04-03"}, {3, "03-03"}}},
        // Ends 09:50:00, the record before at 09:49:50; 6 hours in half hours.
        SpanCase{"2024-03-05 04:16:50",
                 2000,
                 kSpan6Hours,
                 66,
                 6 * 360 - 66,
                 {"10:00", "9:30", "9:00", "8:30", "8:00"},
                 {{12, "05-03"}}},
        // Ends 00:20:00 just after midnight; 3 hours in quarters, the older date under 23:45.
        SpanCase{"2024-03-04 22:00:00",
                 841,
                 kSpan3Hours,
                 246,
                 3 * 360 - 246,
                 {"1:00", "0:45", "0:30", "0:15", "0:00", "23:45", "23:30"},
                 {{12, "05-03"}, {7, "04-03"}}}));

// A log of 19000 records from 2024-03-01 00:00:00, ending 2024-03-03 04:46:30. Record k lies at
// (k - 1) x 10 seconds, so the last record of hour h on the third day is 17280 + 360 h.
class TimeScrolling : public LogWindowFixture {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        openLog(19000);
        bar = c->hscGraphScroller;
        ASSERT_TRUE(bar->isEnabled()) << "the log is longer than the span";
    }
    void press(QAbstractSlider::SliderAction action, int times = 1) {
        for (int i = 0; i < times; ++i)
            bar->triggerAction(action);
    }
    void expectWindowEnd(int32_t record, const char* lastLabel) {
        EXPECT_EQ(state.records.ViewEndRecord, record);
        EXPECT_EQ(bar->value(), record);
        EXPECT_EQ(timeLabel(12), lastLabel);
    }
    QScrollBar* bar = nullptr;
};

TEST_F(TimeScrolling, EachPressMovesToTheNeighbouringHourBoundary) {
    struct Step {
        QAbstractSlider::SliderAction action;
        int32_t viewEnd;
        const char* lastLabel;
    };
    const Step steps[] = {
        {QAbstractSlider::SliderSingleStepSub, 18720, "4:00"}, // last record of 03:xx
        {QAbstractSlider::SliderPageStepSub, 18360, "3:00"},   // a page is one hour as well
        {QAbstractSlider::SliderSingleStepAdd, 18361, "3:00"}, // first record of 03:xx
        {QAbstractSlider::SliderSingleStepAdd, 18721, "4:00"},
        {QAbstractSlider::SliderSingleStepAdd, 19000, "5:00"}, // the last hour: the newest end
        {QAbstractSlider::SliderSingleStepAdd, 19000, "5:00"}, // nothing beyond it
    };
    for (const Step& s : steps) {
        press(s.action);
        expectWindowEnd(s.viewEnd, s.lastLabel);
    }
    // At the newest end the newest point keeps the rest of its hour free; scrolled back, not.
    EXPECT_EQ(state.view.HourOffsetRecords, (60 - 46) * 6);
}

TEST_F(TimeScrolling, TheOldestWindowEndsWithTheFirstHour) {
    // 52 hours back from 04:xx on the third day reaches 00:xx on the first.
    press(QAbstractSlider::SliderSingleStepSub, 52);
    expectWindowEnd(360, "1:00");
    EXPECT_EQ(dateLabel(12), "01-03");
    const int64_t before = redraws();
    press(QAbstractSlider::SliderSingleStepSub);
    expectWindowEnd(360, "1:00");
    EXPECT_EQ(redraws(), before + 1);
}

TEST_F(TimeScrolling, AThumbDragMovesOneHourWhenReleased) {
    bar->setSliderDown(true);
    bar->setSliderPosition(12000);
    EXPECT_EQ(state.records.ViewEndRecord, 19000) << "nothing moves during the drag";
    bar->setSliderDown(false);
    expectWindowEnd(18720, "4:00");
}

TEST_F(TimeScrolling, TheFirstScrollAfterASpanChangeOrAReloadMoves) {
    c->Xas->setCurrentIndex(kSpan24Hours);
    press(QAbstractSlider::SliderSingleStepSub);
    expectWindowEnd(18720, "4:00");

    c->Xas->setCurrentIndex(2);
    expectWindowEnd(19000, "5:00");
    // Opening the same file again leaves the bar's value where it was.
    open(logs.path().string() + "/log.csv");
    press(QAbstractSlider::SliderSingleStepSub);
    expectWindowEnd(18720, "4:00");
}

TEST_F(TimeScrolling, TheArrowAndPageKeysOfTheFocusedBarScroll) {
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Left);
    expectWindowEnd(18720, "4:00");
    QTest::keyClick(bar, Qt::Key_PageDown);
    expectWindowEnd(18360, "3:00");
    QTest::keyClick(bar, Qt::Key_Right);
    expectWindowEnd(18361, "3:00");
}

TEST_F(LogWindowFixture, WithoutALogTheTimeListsOnlyChangeTheirSelection) {
    c->Xas->setCurrentIndex(kSpan3Hours);
    c->cmbGridX->setCurrentIndex(4);
    EXPECT_EQ(redraws(), 0);
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(state.view.TimeAxis.SpanRecords, 0.0);
}

} // namespace
} // namespace osk::test
