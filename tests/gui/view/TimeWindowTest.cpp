#include "gui/logdata/LogWindowFixture.h"

#include <QTest>

#include <string>
#include <string_view>
#include <tuple>

namespace osk::test {
namespace {

constexpr int kSpan24Hours = 3;

// The labels under the plot for the window at the newest records of a log: time labels from
// index 12 leftwards, and every date label shown as "index:date".
TEST_F(LogWindowFixture, TimeLabelsEndAtTheNextFullHourAndStepBackByTheSpansStep) {
    struct Case {
        const char* start;
        int records;
        int spanItem;
        int hourOffsetRecords;
        double spanRecords;
        const char* rightmostLabels;
        const char* dates;
    };
    const Case cases[] = {
        // Ends 2024-03-05 10:23:40; 48 hours in steps of 4, back through two midnights.
        {"2024-03-03 05:37:10", 19000, 2, 222, 48 * 360 - 222, "11:00 7:00 3:00 23:00 19:00",
         "3:03-03 9:04-03 12:05-03"},
        // Ends 09:50:00, the record before at 09:49:50; 6 hours in half hours.
        {"2024-03-05 04:16:50", 2000, 5, 66, 6 * 360 - 66, "10:00 9:30 9:00 8:30 8:00", "12:05-03"},
        // Ends 00:20:00 just after midnight; 3 hours in quarters, the older date under 23:45.
        {"2024-03-04 22:00:00", 841, 6, 246, 3 * 360 - 246, "1:00 0:45 0:30 0:15 0:00 23:45 23:30",
         "7:04-03 12:05-03"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.start);
        openLog(k.records, k.start);
        c->Xas->setCurrentIndex(k.spanItem);
        EXPECT_EQ(state.view.HourOffsetRecords, k.hourOffsetRecords);
        EXPECT_EQ(state.view.TimeAxis.SpanRecords, k.spanRecords);
        const std::string_view expected = k.rightmostLabels;
        std::string labels, dates;
        for (size_t i = 12; labels.size() < expected.size() && i < 13; --i)
            labels += (i == 12 ? "" : " ") + timeLabel(i);
        for (size_t i = 0; i < 13; ++i)
            if (!dateLabel(i).empty())
                dates += (dates.empty() ? "" : " ") + std::to_string(i) + ":" + dateLabel(i);
        EXPECT_EQ(labels, expected);
        EXPECT_EQ(dates, k.dates);
    }
}

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

// The arrow and page keys of the focused bar, as the user scrolls.
TEST_F(TimeScrolling, EachPressMovesToTheNeighbouringHourBoundary) {
    const std::tuple<Qt::Key, int32_t, const char*> steps[] = {
        {Qt::Key_Left, 18720, "4:00"},     // last record of 03:xx
        {Qt::Key_PageDown, 18360, "3:00"}, // a page is one hour as well
        {Qt::Key_Right, 18361, "3:00"},    // first record of 03:xx
        {Qt::Key_Right, 18721, "4:00"},
        {Qt::Key_Right, 19000, "5:00"},  // the last hour: the newest end
        {Qt::Key_PageUp, 19000, "5:00"}, // nothing beyond it
    };
    bar->setFocus();
    for (const auto& [key, viewEnd, lastLabel] : steps) {
        QTest::keyClick(bar, key);
        expectWindowEnd(viewEnd, lastLabel);
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

} // namespace
} // namespace osk::test
