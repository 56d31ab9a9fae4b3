// What a real-time refresh leaves on screen: the time scroller's state after the redraw with
// the scroll flag, and the record table read over in place.
#include "gui/realtime/RealtimeWindowFixture.h"

#include <QScrollBar>


namespace osk::test {
namespace {

constexpr int kSpan3Hours = 6; // 1080 records across the plot

class RealtimeRefresh : public RealtimeWindowFixture {
protected:
    void SetUp() override {
        RealtimeWindowFixture::SetUp();
        useCompanionFolder();
        writeRealtime(logOf(2000));
        on();
        tickAt(1);
        ASSERT_TRUE(state.records.FileLoaded);
        // The user narrows the span and switches the product series on; a refresh keeps both.
        c->Xas->setCurrentIndex(kSpan3Hours);
        c->chkItem[0]->setChecked(true);
    }
    // One refresh of the file with records records, drawn once.
    void refreshWith(int64_t records, int second) {
        writeRealtime(logOf(records));
        const int64_t before = redraws();
        tickAt(second);
        ASSERT_EQ(state.records.RecordCount, records);
        EXPECT_EQ(redraws(), before + 1);
    }
};

// The refresh draws with the scroll flag set: every series first disables the scroller, and
// only a series that runs past the left edge enables it again. A log shorter than the span
// therefore leaves it disabled even though its maximum was just set to the record count.
TEST_F(RealtimeRefresh, TheScrollerIsEnabledOnlyWhenTheSeriesReachTheLeftEdge) {
    ASSERT_TRUE(c->hscGraphScroller->isEnabled()) << "2000 records are more than 3 hours";
    const struct {
        int64_t records;
        bool enabled;
    } steps[] = {{200, false}, {2000, true}, {600, false}, {5000, true}};
    int second = 31;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.records);
        refreshWith(step.records, second);
        second = second == 31 ? 1 : 31;
        EXPECT_EQ(c->hscGraphScroller->isEnabled(), step.enabled);
        EXPECT_EQ(c->hscGraphScroller->maximum(), step.records);
        EXPECT_EQ(c->hscGraphScroller->value(), step.records);
    }
}

// A live file as long as the table or longer is followed at its newest end, without the message
// that records were skipped, and the unchanged-file check still sees it grow.
TEST_F(RealtimeRefresh, AFileLongerThanTheTableShowsItsNewestRecords) {
    const struct {
        int64_t lines;
        const char* oldest;
        const char* newest;
        int16_t sameCount;
    } steps[] = {
        {kMaxRecords, "2024-03-01 00:00:00", "2024-03-03 07:33:00", 0},
        {20500, "2024-03-01 01:23:30", "2024-03-03 08:56:30", 0},
        {20510, "2024-03-01 01:25:10", "2024-03-03 08:58:10", 0},
        {20510, "2024-03-01 01:25:10", "2024-03-03 08:58:10", 1},
    };
    int second = 31;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.lines);
        writeRealtime(logOf(step.lines));
        const int64_t before = redraws();
        tickAt(second);
        second = second == 31 ? 1 : 31;
        ASSERT_EQ(state.records.RecordCount, kMaxRecords);
        EXPECT_EQ(state.records.RecordTime[1], step.oldest);
        EXPECT_EQ(state.records.RecordTime[kMaxRecords], step.newest);
        EXPECT_EQ(state.records.RealtimeSameCount, step.sameCount);
        EXPECT_EQ(redraws(), before + 1);
        EXPECT_EQ(caption(), "OSK-Graphs  Real time");
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

} // namespace
} // namespace osk::test
