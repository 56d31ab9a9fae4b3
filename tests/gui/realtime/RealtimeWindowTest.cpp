// Real-time mode through the main window: the menu, the timer, the prompts and what stays on
// screen, with the real settings store, scripted dialogs and a clock the test sets.
#include "gui/realtime/RealtimeWindowFixture.h"

#include "graph/PictureBox.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QScrollBar>

namespace osk::test {
namespace {

constexpr const char* kWarning = "(warning! if no file is selected realtime will not work)";

using RealtimeWindow = RealtimeWindowFixture;

// The companion may be in the middle of a line when the refresh reads: that record waits for
// the next refresh.
TEST_F(RealtimeWindow, OnWithARealtimeFileAsksNothingAndWaitsForItsSecond) {
    const std::string complete = logOf(11);
    const size_t lastLine = complete.rfind("\r\n", complete.size() - 3) + 2;
    writeRealtime(complete.substr(0, lastLine + 20));
    useCompanionFolder();
    on();
    EXPECT_TRUE(dialogs.prompts.empty());
    expectModeAndCaption(true);
    EXPECT_TRUE(c->Timer1->isActive());

    const int64_t before = redraws();
    tickAt(0);
    EXPECT_FALSE(state.records.FileLoaded);
    EXPECT_FALSE(dataControlsEnabled());
    EXPECT_EQ(redraws(), before);

    tickAt(1);
    ASSERT_TRUE(state.records.FileLoaded);
    EXPECT_EQ(state.records.RecordCount, 10);
    EXPECT_EQ(c->lblRecords->text(), QStringLiteral("Records: 10"));
    EXPECT_TRUE(dataControlsEnabled());
    EXPECT_EQ(c->hscGraphScroller->value(), 10); // at the newest records
    EXPECT_EQ(redraws(), before + 1);            // the steps and the redraw, drawn once
    // A refresh leaves the series selection alone, unlike the open command.
    EXPECT_FALSE(c->chkItem[0]->isChecked());

    writeRealtime(complete);
    tickAt(31);
    EXPECT_EQ(state.records.RecordCount, 11);
    EXPECT_EQ(state.records.RecordTime[11], "2024-03-01 00:01:40");
    EXPECT_TRUE(dialogs.prompts.empty());
}

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
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"File is empty"});
    EXPECT_EQ(window->realtime().mode().RealtimeFailCount(), 1);

    // Once the box is closed the next refresh second reads again.
    dialogs.whileOpen = nullptr;
    tickAt(31);
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(window->realtime().mode().RealtimeFailCount(), 2);
}

TEST_F(RealtimeWindow, DataDirMinusOneAsksForTheCompanionProgram) {
    store(settings::kDataDir, "-1");
    dialogs.cancelFile();
    on();
    ASSERT_EQ(dialogs.prompts.size(), 2u);
    EXPECT_EQ(dialogs.prompts[0].text, "Please select the OSKRemote exe file");
    EXPECT_EQ(dialogs.prompts[1].kind, Prompt::Kind::OpenFile);
    EXPECT_EQ(dialogs.prompts[1].request.initialFolder, "-1");
    EXPECT_EQ(dialogs.prompts[1].request.filter, "EXE Files (*.exe)|*.exe");
    // Cancelling the chooser leaves the mode off with the timer running again.
    expectModeAndCaption(false);
    EXPECT_TRUE(c->Timer1->isActive());
}

// The companion's executable is recognised in any letter case; its folder gets the real-time
// file. The data folder still has none, so the user is asked and here gives up.
class CompanionChosen : public RealtimeWindowFixture,
                        public ::testing::WithParamInterface<const char*> {};

TEST_P(CompanionChosen, WritesTheRealtimeFileBesideIt) {
    store(settings::kDataDir, "-1");
    const std::string folder = companion.path().string() + "/";
    dialogs.chooseFile(folder + GetParam());
    dialogs.answerNo();
    on();
    EXPECT_EQ(stored(settings::kRealtime), folder + "Realtime.csv");
    EXPECT_EQ(dialogs.prompts.back().text,
              std::string("Realtime file not found. Select another location? ") + kWarning);
    expectModeAndCaption(false);
    EXPECT_TRUE(c->Timer1->isActive());
}

INSTANTIATE_TEST_SUITE_P(LetterCase, CompanionChosen,
                         ::testing::Values("OSKRemote.exe", "oskremote.exe", "OSKREMOTE.EXE"));

// Six refreshes without a usable log end the mode, successes in between notwithstanding.
TEST_F(RealtimeWindow, SixFailedRefreshesEndTheModeAndDisableTheData) {
    writeRealtime(logOf(20));
    useCompanionFolder();
    on();
    tickAt(1);
    ASSERT_TRUE(dataControlsEnabled());

    std::filesystem::remove(realtimeFile());
    for (int i = 0; i < 3; ++i)
        tickAt(31);
    writeRealtime(logOf(21));
    tickAt(1);
    EXPECT_TRUE(state.records.FileLoaded);
    std::filesystem::remove(realtimeFile());
    tickAt(31);
    tickAt(1);
    EXPECT_TRUE(dialogs.prompts.empty());
    expectMode(true);

    dialogs.answerNo();
    tickAt(31); // the sixth failure
    ASSERT_EQ(dialogs.prompts.size(), 2u);
    EXPECT_EQ(dialogs.prompts[0].text, "Communication error with OSK-Remote");
    EXPECT_EQ(dialogs.prompts[0].icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.prompts[1].text,
              std::string("Real time file count not be opened. Do you want to select another "
                          "file? ") +
                  kWarning);
    expectModeAndCaption(false);
    EXPECT_FALSE(dataControlsEnabled());
    EXPECT_TRUE(c->Timer1->isActive());
    EXPECT_EQ(window->realtime().mode().RealtimeFailCount(), 0);
}

// A file that stops growing: the 31st read with the same count asks whether to look for
// another; Yes sets the mode up anew (here it finds the same folder and switches on again).
class UnchangedFile : public RealtimeWindowFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(UnchangedFile, AsksAfterThirtyUnchangedReads) {
    const bool yes = GetParam();
    writeRealtime(logOf(20));
    useCompanionFolder();
    store(settings::kRealtime, "kept");
    on();
    for (int i = 0; i < 30; ++i)
        tickAt(i % 2 == 0 ? 1 : 31);
    EXPECT_TRUE(dialogs.prompts.empty());

    yes ? dialogs.answerYes() : dialogs.answerNo();
    tickAt(1);
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0].text,
              "Realtime file dit not change, do you want to select a different file?");
    EXPECT_EQ(dialogs.prompts[0].title, "OSK-Graphs");
    EXPECT_EQ(stored(settings::kRealtime), yes ? "-1" : "kept");
    expectMode(true);
    // The mode stays on either way, and the caption says so.
    EXPECT_EQ(caption(), "OSK-Graphs  Real time");
    EXPECT_TRUE(c->Timer1->isActive());
    EXPECT_TRUE(state.records.FileLoaded);

    // The count starts again: 29 more unchanged reads ask nothing.
    for (int i = 0; i < 29; ++i)
        tickAt(31);
    EXPECT_EQ(dialogs.prompts.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Answer, UnchangedFile, ::testing::Bool());

TEST_F(RealtimeWindow, OffKeepsTheGraphButSaysNoFileLoaded) {
    writeRealtime(logOf(200));
    useCompanionFolder();
    on();
    tickAt(1);
    c->chkItem[0]->setChecked(true); // the product series drawn
    const QImage shown = c->pGraph->surface().image();
    const int64_t before = redraws();

    off();
    expectModeAndCaption(false);
    EXPECT_TRUE(state.records.FileLoaded);
    EXPECT_TRUE(dataControlsEnabled());
    EXPECT_EQ(c->lblRecords->text(), QStringLiteral("Records: 200"));
    EXPECT_EQ(c->pGraph->surface().image(), shown);
    EXPECT_EQ(redraws(), before);
    EXPECT_TRUE(dialogs.prompts.empty());

    // Off means off: the next refresh second reads nothing.
    writeRealtime(logOf(210));
    tickAt(31);
    EXPECT_EQ(state.records.RecordCount, 200);
}

} // namespace
} // namespace osk::test
