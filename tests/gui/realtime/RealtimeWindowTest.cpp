// Real-time mode through the main window: the window's own timer, a message open while the
// timer ticks, and what the off command leaves on screen. The mode's rules are the core's.
#include "gui/realtime/RealtimeWindowFixture.h"

#include "graph/PictureBox.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace osk::test {
namespace {

using RealtimeWindow = RealtimeWindowFixture;

// The window's own timer drives the refresh: no call from the test.
TEST_F(RealtimeWindow, Timer1TicksTheRefresh) {
    writeRealtime(logOf(20));
    useCompanionFolder();
    clock.second = 31;
    on();
    ASSERT_TRUE(c->Timer1->isActive());
    c->Timer1->setInterval(5);
    const QDeadlineTimer deadline(10000);
    while (!state.records.FileLoaded && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(state.records.FileLoaded);
    EXPECT_EQ(c->lblRecords->text(), QStringLiteral("Records: 20"));
}

// A message of a refresh waits for the user while Timer1 goes on ticking: a tick meanwhile
// must not start a second refresh inside the first one.
TEST_F(RealtimeWindow, NoRefreshStartsWhileARefreshMessageIsOpen) {
    writeRealtime(""); // the reader says "File is empty" at every refresh
    useCompanionFolder();
    on();
    int ticksWhileOpen = 0;
    dialogs.whileOpen = [&] {
        if (ticksWhileOpen++ < 3)
            tickAt(31);
    };
    tickAt(1);
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(window->realtime().mode().RealtimeFailCount(), 1);

    // Once the box is closed the next refresh second reads again.
    dialogs.whileOpen = nullptr;
    tickAt(31);
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(window->realtime().mode().RealtimeFailCount(), 2);
}

TEST_F(RealtimeWindow, OffKeepsTheGraphAsItWasAndReadsNoMore) {
    writeRealtime(logOf(200));
    useCompanionFolder();
    on();
    tickAt(1);
    c->chkItem[0]->setChecked(true); // the product series drawn
    const QImage shown = c->pGraph->surface().image();
    const int64_t before = redraws();

    off();
    expectModeAndCaption(false);
    EXPECT_TRUE(dataControlsEnabled());
    EXPECT_EQ(c->pGraph->surface().image(), shown);
    EXPECT_EQ(redraws(), before);

    writeRealtime(logOf(210));
    tickAt(31);
    EXPECT_EQ(state.records.RecordCount, 200);
}

} // namespace
} // namespace osk::test
