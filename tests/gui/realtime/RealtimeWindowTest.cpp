// Real-time mode through the main window: the window's own timer, a message open while the
// timer ticks, what the off command leaves on screen, and what a refresh leaves of the time
// scroller and the record table. The mode's rules are the core's.
#include "gui/app/ProgramFixture.h"

#include <QDeadlineTimer>

namespace osk::test {
namespace {

class RealtimeWindow : public LogWindowFixture {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        store(settings::kDataDir, companion.path().string());
    }
    // Refreshes alternate between the two refreshing seconds; each draws once.
    void refreshWith(int64_t records) {
        writeRealtime(generatedLog(records));
        const int64_t before = redraws();
        tickAt(second = second == 31 ? 1 : 31);
        ASSERT_EQ(state.records.RecordCount, std::min<int64_t>(records, kMaxRecords));
        EXPECT_EQ(redraws(), before + 1);
    }
    int second = 1;
};

// The window's own timer drives the refresh: no call from the test.
TEST_F(RealtimeWindow, Timer1TicksTheRefresh) {
    writeRealtime(generatedLog(20));
    clock.second = 31;
    on();
    ASSERT_TRUE(c->Timer1->isActive());
    c->Timer1->setInterval(5);
    const QDeadlineTimer deadline(10000);
    while (!state.records.FileLoaded && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(c->lblRecords->text(), QStringLiteral("Records: 20"));
}

// A message of a refresh waits for the user while Timer1 goes on ticking: a tick meanwhile
// must not start a second refresh inside the first one. Once the box is closed the next
// refresh second reads again.
TEST_F(RealtimeWindow, NoRefreshStartsWhileARefreshMessageIsOpen) {
    writeRealtime(""); // the reader says "File is empty" at every refresh
    on();
    int ticksWhileOpen = 0;
    dialogs.whileOpen = [&] {
        if (ticksWhileOpen++ < 3)
            tickAt(31);
    };
    for (size_t refreshes : {1u, 2u}) {
        tickAt(refreshes == 1 ? 1 : 31);
        EXPECT_EQ(
            std::tuple(dialogs.messages().size(), window->realtime().mode().RealtimeFailCount()),
            std::tuple(refreshes, int(refreshes)));
        dialogs.whileOpen = nullptr;
    }
}

TEST_F(RealtimeWindow, OffKeepsTheGraphAsItWasAndReadsNoMore) {
    writeRealtime(generatedLog(200));
    on();
    refreshWith(200);
    c->chkItem[0]->setChecked(true); // the product series drawn
    const QImage shown = c->pGraph->surface().image();
    const int64_t before = redraws();

    off();
    // The menu marks and the open command after every action are the random session's.
    EXPECT_EQ(std::tuple(caption(), c->Xas->isEnabled(), c->pGraph->surface().image(), redraws()),
              std::tuple("OSK-Graphs  No file loaded", true, shown, before));

    writeRealtime(generatedLog(210));
    tickAt(31);
    EXPECT_EQ(state.records.RecordCount, 200);
}

// The refresh draws with the scroll flag set: every series first disables the scroller, and
// only a series that runs past the left edge enables it again. A log shorter than the span
// therefore leaves it disabled even though its maximum was just set to the record count. The
// user's span and product series stay through the refreshes.
TEST_F(RealtimeWindow, TheScrollerIsEnabledOnlyWhenTheSeriesReachTheLeftEdge) {
    writeRealtime(generatedLog(2000));
    on();
    refreshWith(2000);
    c->Xas->setCurrentIndex(6); // 3 hours: 1080 records across the plot
    c->chkItem[0]->setChecked(true);
    const std::pair<int64_t, bool> steps[] = {
        {200, false}, {2000, true}, {600, false}, {5000, true}};
    for (const auto& [records, enabled] : steps) {
        SCOPED_TRACE(records);
        refreshWith(records);
        EXPECT_EQ(std::tuple(c->hscGraphScroller->isEnabled(), c->hscGraphScroller->maximum(),
                             c->hscGraphScroller->value()),
                  std::tuple(enabled, records, records));
    }
}

// A live file as long as the table or longer is followed at its newest end, without the message
// that records were skipped, and the unchanged-file check still sees it grow (how it counts
// unchanged refreshes is the core's).
TEST_F(RealtimeWindow, AFileLongerThanTheTableShowsItsNewestRecords) {
    writeRealtime(generatedLog(1));
    on();
    const struct {
        int64_t lines;
        const char* oldest;
        const char* newest;
        int16_t sameCount;
    } steps[] = {
        {kMaxRecords, "2024-03-01 00:00:00", "2024-03-03 07:33:00", 0},
        {20500, "2024-03-01 01:23:30", "2024-03-03 08:56:30", 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.lines);
        refreshWith(step.lines);
        EXPECT_EQ(std::tuple(state.records.RecordTime[1], state.records.RecordTime[kMaxRecords],
                             window->realtime().mode().RealtimeSameCount(), caption()),
                  std::tuple(step.oldest, step.newest, step.sameCount, "OSK-Graphs  Real time"));
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

} // namespace
} // namespace osk::test
