// The Open File command, a dropped file and Ctrl+O: the chooser, the questions and messages
// around it, and what the window shows of the log read (or of none).
#include "gui/app/ProgramFixture.h"
#include "support/LogText.h"

#include <QDir>
#include <QTest>

namespace osk::test {
namespace {

class OpenCommandTest : public LogWindowFixture {
protected:
    // What the user sees without a log (the enabled states are the random session's): axis
    // labels hidden, a blank plot.
    void expectNoLogState() {
        for (size_t i = 0; i < c->lblScaleXas.size(); ++i)
            EXPECT_TRUE(c->lblScaleXas[i]->isHidden() && c->lblDataXas[i]->isHidden()) << i;
        for (QLabel* label : c->lblScale)
            EXPECT_TRUE(label->isHidden());
        const QImage& plot = c->pGraph->surface().image();
        EXPECT_EQ(pixelsOf(c->pGraph, Qt::white), plot.width() * plot.height());
        EXPECT_FALSE(state.records.FileLoaded);
        // Nor an analysis of the log shown before (the Events window, bands and exports).
        EXPECT_TRUE(state.Analysis.days.empty());
    }
    void expectLoaded(int records) {
        EXPECT_EQ(std::tuple(state.records.FileLoaded, state.records.RecordCount,
                             c->lblRecords->text().toStdString(), caption(),
                             c->chkItem[0]->isChecked(), c->lblScaleXas[12]->isHidden()),
                  std::tuple(true, records, "Records: " + std::to_string(records), "OSK-Graphs",
                             true, false));
    }
};

// Cancel in the chooser asks whether to choose again: Yes offers it again in the same folder,
// No leaves the window without a log.
TEST_F(OpenCommandTest, CancelAsksToChooseAgainAndNoLeavesTheWindowWithoutALog) {
    store(settings::kDataDir, "/srv/remote");
    dialogs.cancelFile();
    dialogs.answerYes();
    dialogs.cancelFile();
    dialogs.answerNo();
    c->mnuOpenFile->trigger();

    ASSERT_EQ(dialogs.prompts.size(), 4u);
    const OpenFileRequest& chooser = dialogs.prompts[0].request;
    EXPECT_EQ(std::tuple(chooser.initialFolder, chooser.filter, chooser.selectedFilter),
              std::tuple("/srv/remote" + std::string(1, QDir::separator().toLatin1()) + "Data",
                         "All Files (*.*)|*.*|CSV Files (*.csv)|*.csv", 2));
    EXPECT_EQ(std::tuple(dialogs.prompts[2].kind, dialogs.prompts[2].request.initialFolder),
              std::tuple(Prompt::Kind::OpenFile, chooser.initialFolder));
    for (size_t question : {1u, 3u})
        EXPECT_EQ(
            std::tuple(dialogs.prompts[question].kind, dialogs.prompts[question].text,
                       dialogs.prompts[question].title),
            std::tuple(Prompt::Kind::Question, "No file selected, Select file?", "OSK-Graphs"));
    EXPECT_EQ(std::tuple(caption(), redraws()),
              std::tuple(std::string("OSK-Graphs  No file loaded"), int64_t(0)));
    expectNoLogState();
}

// A cancelled open with a log shown asks nothing and reads the shown (or dropped) file again.
TEST_F(OpenCommandTest, CancellingTheNextOpenReadsTheShownFileAgainFromDisk) {
    for (const bool dropped : {false, true}) {
        SCOPED_TRACE(dropped ? "dropped" : "chosen");
        const std::string path = writeLog(dropped ? "dropped.csv" : "day.csv", 500);
        dialogs.prompts.clear();
        EXPECT_TRUE(dropped ? drop(path) : (open(path), true));
        expectLoaded(500);
        EXPECT_EQ(dialogs.prompts.size(), dropped ? 0u : 1u) << "the chooser, if anything";

        writeLog(dropped ? "dropped.csv" : "day.csv", 800); // the companion has written more since
        const int64_t before = redraws();
        dialogs.cancelFile();
        c->mnuOpenFile->trigger();
        // No question: the chooser comes last.
        EXPECT_EQ(std::tuple(dialogs.prompts.back().request.rememberedPath,
                             dialogs.prompts.back().kind, state.records.ViewEndRecord, redraws()),
                  std::tuple(path, Prompt::Kind::OpenFile, 800, before + 1));
        expectLoaded(800);
    }
}

TEST_F(OpenCommandTest, ARejectedHeaderIsReportedAndLeavesNoLog) {
    for (const bool logShownBefore : {false, true}) {
        SCOPED_TRACE(logShownBefore ? "after a log" : "first open");
        if (logShownBefore)
            openLog(500);
        dialogs.prompts.clear();
        open(logs.write("foreign.csv", "Date,Time,Value\r\n2024-03-01,00:00:00,1\r\n"));
        EXPECT_EQ(std::tuple(dialogs.messages(), dialogs.prompts.back().icon, caption()),
                  std::tuple(std::vector<std::string>{"Error With Communication (invalid file)"},
                             MessageIcon::Critical, "OSK-Graphs  -  "));
        expectNoLogState();
    }
}

TEST_F(OpenCommandTest, AnUnreadableRecordTimeIsReportedAsATimeFault) {
    std::string log = logText(10, "Record");
    log += "11,a,b,2024-03-01 xx:yy:zz,0,1\r\n12,a,b,2024-03-01 10:01:00,0,1\r\n";
    open(logs.write("fault.csv", log));
    ASSERT_FALSE(dialogs.messages().empty());
    EXPECT_EQ(std::tuple(dialogs.messages()[0], dialogs.prompts[1].title, dialogs.prompts[1].icon),
              std::tuple("There is a record with a non valid time value.", "Time fault",
                         MessageIcon::Critical));
}

TEST_F(OpenCommandTest, TheNewFileShowsNothingLeftFromALongerOne) {
    openLog(1000);
    ASSERT_NE(state.records.RecordValue(2, 15), 0.0);
    // Three short lines: fields up to column 11 only.
    open(logs.write("short.csv", "Record\r\n"
                                 "1,x,y,2024-03-02 00:00:00,0,81,21,51,30,52,7.7\r\n"
                                 "2,x,y,2024-03-02 00:00:10,0,81,21,51,30,53,7.7\r\n"
                                 "3,x,y,2024-03-02 00:00:20,0,81,21,51,30,54,7.7\r\n"));
    expectLoaded(3);
    const RecordTable& r = state.records;
    for (int column = 12; column <= 30; ++column)
        EXPECT_EQ(r.RecordValue(2, column), 0.0) << "column " << column;
    EXPECT_EQ(std::tuple(r.RecordValue(2, 10), r.RecordValue(4, 10), r.RecordTime[4]),
              std::tuple(53.0, 0.0, ""));
}

// An open shows the newest records on the product scale, with the product group ticked even
// after the user unticked it (the tick inside the open draws nothing of its own).
TEST_F(OpenCommandTest, AnOpenTicksTheProductGroupAndShowsTheNewestRecords) {
    openLog(500);
    c->chkItem[0]->setChecked(false);
    ASSERT_EQ(pixelsOf(c->Legenda, QColor(128, 0, 128)), 0);
    const int64_t before = redraws();
    openLog(19000); // 2024-03-01 00:00:00 to 2024-03-03 04:46:30
    expectLoaded(19000);
    EXPECT_GT(pixelsOf(c->Legenda, QColor(128, 0, 128)), 0);
    EXPECT_GT(pixelsOf(c->pGraph, QColor(128, 0, 128)), 0);
    EXPECT_EQ(std::tuple(redraws(), state.render.SeriesOn.get(0, 0), state.records.ViewEndRecord,
                         timeLabel(12), c->lblMin[1]->text(), c->lblYValue->text(),
                         c->hsGridY->maximum()),
              std::tuple(before + 1, 1, 19000, "5:00", "150", "15", c->pGraph->height()));
}

// A text is no file; while the open command is unavailable (real-time mode) a drop does nothing
// either. Ctrl+O opens.
TEST_F(OpenCommandTest, DropsThatCannotBeOpenedAreRefusedAndCtrlOOpens) {
    EXPECT_FALSE(drop("", QStringLiteral("not a file")));
    c->mnuOpenFile->setEnabled(false);
    EXPECT_FALSE(drop(writeLog("d.csv", 500)));
    EXPECT_TRUE(!state.records.FileLoaded && dialogs.prompts.empty());

    c->mnuOpenFile->setEnabled(true);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    dialogs.chooseFile(writeLog("keys.csv", 500));
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    expectLoaded(500);
}

} // namespace
} // namespace osk::test
