#include "gui/app/ProgramFixture.h"

#include "graph/PlotRedraws.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

namespace osk::test {
namespace {

class OpenCommandTest : public LogWindowFixture {
protected:
    // What the user sees without a log (the enabled states are the random session's): axis
    // labels hidden, a blank plot.
    void expectNoLogState() {
        EXPECT_FALSE(c->Xas->isEnabled());
        for (size_t i = 0; i < c->lblScaleXas.size(); ++i)
            EXPECT_TRUE(c->lblScaleXas[i]->isHidden() && c->lblDataXas[i]->isHidden()) << i;
        for (QLabel* label : c->lblScale)
            EXPECT_TRUE(label->isHidden());
        const QImage& plot = c->pGraph->surface().image();
        EXPECT_EQ(pixelsOf(c->pGraph, Qt::white), plot.width() * plot.height());
        EXPECT_FALSE(state.records.FileLoaded);
    }

    void expectLoaded(int records) {
        EXPECT_TRUE(state.records.FileLoaded);
        EXPECT_EQ(state.records.RecordCount, records);
        EXPECT_EQ(c->lblRecords->text().toStdString(), "Records: " + std::to_string(records));
        EXPECT_EQ(caption(), "OSK-Graphs");
        EXPECT_TRUE(c->Xas->isEnabled());
        EXPECT_TRUE(c->chkItem[0]->isChecked());
        EXPECT_FALSE(c->lblScaleXas[12]->isHidden());
    }

    // The companion's Data folder below folder, joined as on this platform.
    static std::string inData(const std::string& folder) {
        return folder + QDir::separator().toLatin1() + "Data";
    }

    static void drop(QWidget* target, QMimeData& data, bool expectAccepted) {
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        EXPECT_EQ(enter.isAccepted(), expectAccepted);
        QDropEvent dropped(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton,
                           Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropped);
        // The read comes after the drop event has returned.
        QCoreApplication::processEvents();
    }
};

TEST_F(OpenCommandTest, CancelAtTheFirstOpenThenNoLeavesTheWindowWithoutALog) {
    store(settings::kDataDir, "/srv/remote");
    dialogs.cancelFile();
    dialogs.answerNo();
    c->mnuOpenFile->trigger();

    ASSERT_EQ(dialogs.prompts.size(), 2u);
    const OpenFileRequest& chooser = dialogs.prompts[0].request;
    EXPECT_EQ(chooser.initialFolder, inData("/srv/remote"));
    EXPECT_EQ(chooser.filter, "All Files (*.*)|*.*|CSV Files (*.csv)|*.csv");
    EXPECT_EQ(chooser.selectedFilter, 2);
    EXPECT_EQ(dialogs.prompts[1].kind, Prompt::Kind::Question);
    EXPECT_EQ(dialogs.prompts[1].text, "No file selected, Select file?");
    EXPECT_EQ(dialogs.prompts[1].title, "OSK-Graphs");
    EXPECT_EQ(caption(), "OSK-Graphs  No file loaded");
    expectNoLogState();
    EXPECT_EQ(redraws(), 0);
}

TEST_F(OpenCommandTest, CancelThenYesOffersTheChooserAgainInTheSameFolder) {
    const std::string path = writeLog("day.csv", 500);
    dialogs.cancelFile();
    dialogs.answerYes();
    dialogs.chooseFile(path);
    c->mnuOpenFile->trigger();

    ASSERT_EQ(dialogs.prompts.size(), 3u);
    EXPECT_EQ(dialogs.prompts[2].kind, Prompt::Kind::OpenFile);
    // No companion folder is stored: the folder is the data folder's name alone.
    EXPECT_EQ(dialogs.prompts[0].request.initialFolder, inData(""));
    EXPECT_EQ(dialogs.prompts[2].request.initialFolder, dialogs.prompts[0].request.initialFolder);
    expectLoaded(500);
}

TEST_F(OpenCommandTest, CancellingTheNextOpenReadsTheShownFileAgainFromDisk) {
    const std::string path = writeLog("day.csv", 500);
    open(path);
    expectLoaded(500);

    writeLog("day.csv", 800); // the companion has written more since
    dialogs.cancelFile();
    c->mnuOpenFile->trigger();

    ASSERT_EQ(dialogs.prompts.size(), 2u) << "no question while a log is shown";
    EXPECT_EQ(dialogs.prompts[1].request.rememberedPath, path);
    expectLoaded(800);
    EXPECT_EQ(state.records.ViewEndRecord, 800);
    EXPECT_EQ(redraws(), 2) << "one per read";
}

TEST_F(OpenCommandTest, ARejectedHeaderIsReportedAndLeavesNoLog) {
    for (const bool logShownBefore : {false, true}) {
        SCOPED_TRACE(logShownBefore ? "after a log" : "first open");
        if (logShownBefore)
            openLog(500);
        dialogs.prompts.clear();
        open(logs.write("foreign.csv", "Date,Time,Value\r\n2024-03-01,00:00:00,1\r\n"));

        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0], "Error With Communication (invalid file)");
        EXPECT_EQ(dialogs.prompts.back().icon, MessageIcon::Critical);
        EXPECT_EQ(caption(), "OSK-Graphs  -  ");
        expectNoLogState();
    }
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
    EXPECT_EQ(r.RecordValue(2, 10), 53.0);
    for (int column = 12; column <= 30; ++column)
        EXPECT_EQ(r.RecordValue(2, column), 0.0) << "column " << column;
    EXPECT_EQ(r.RecordValue(4, 10), 0.0);
    EXPECT_EQ(r.RecordTime[4], "");
}

TEST_F(OpenCommandTest, AnOpenTicksTheProductGroupEvenAfterTheUserUntickedIt) {
    openLog(500);
    c->chkItem[0]->setChecked(false);
    ASSERT_EQ(state.render.SeriesOn.get(0, 0), 0);
    ASSERT_EQ(pixelsOf(c->Legenda, QColor(128, 0, 128)), 0);

    const int64_t before = redraws();
    openLog(600);
    EXPECT_EQ(redraws(), before + 1) << "the tick inside the open draws nothing of its own";
    EXPECT_TRUE(c->chkItem[0]->isChecked());
    EXPECT_EQ(state.render.SeriesOn.get(0, 0), 1);
    EXPECT_GT(pixelsOf(c->Legenda, QColor(128, 0, 128)), 0);
    EXPECT_GT(pixelsOf(c->pGraph, QColor(128, 0, 128)), 0);
}

TEST_F(OpenCommandTest, AnOpenShowsTheNewestRecordsOnTheProductScale) {
    openLog(19000); // 2024-03-01 00:00:00 to 2024-03-03 04:46:30
    expectLoaded(19000);
    EXPECT_EQ(state.records.ViewEndRecord, 19000);
    EXPECT_EQ(c->hscGraphScroller->maximum(), 19000);
    EXPECT_EQ(c->hscGraphScroller->value(), 19000);
    EXPECT_EQ(timeLabel(12), "5:00");
    EXPECT_EQ(c->lblMin[1]->text(), "150");
    EXPECT_EQ(c->lblYValue->text(), "15");
    EXPECT_EQ(c->hsGridY->maximum(), c->pGraph->height());
}

TEST_F(OpenCommandTest, AnUnreadableRecordTimeIsReportedAsATimeFault) {
    std::string log = "Record\r\n";
    for (int i = 1; i <= 10; ++i)
        log += std::to_string(i) + ",a,b,2024-03-01 10:00:" + std::to_string(10 + i) + ",0,1\r\n";
    log += "11,a,b,2024-03-01 xx:yy:zz,0,1\r\n12,a,b,2024-03-01 10:01:00,0,1\r\n";
    open(logs.write("fault.csv", log));

    ASSERT_FALSE(dialogs.messages().empty());
    EXPECT_EQ(dialogs.messages()[0], "There is a record with a non valid time value.");
    EXPECT_EQ(dialogs.prompts[1].title, "Time fault");
    EXPECT_EQ(dialogs.prompts[1].icon, MessageIcon::Critical);
}

TEST_F(OpenCommandTest, ADroppedLogOpensWithoutTheChooser) {
    const std::string path = writeLog("dropped.csv", 700);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    drop(window.get(), data, true);

    expectLoaded(700);
    ASSERT_EQ(dialogs.prompts.size(), 0u);
    // The dropped file is remembered as a chosen one: cancelling the next open reads it again.
    dialogs.cancelFile();
    c->mnuOpenFile->trigger();
    EXPECT_EQ(dialogs.prompts[0].request.rememberedPath, path);
    expectLoaded(700);
}

#ifndef _WIN32
// A named pipe without a writer is refused at once, chosen or dropped alike, and the chooser
// offers another file.
TEST_F(OpenCommandTest, ANamedPipeIsNotAValidFile) {
    const std::string pipe = (logs.path() / "pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const bool dropped : {false, true}) {
        SCOPED_TRACE(dropped ? "dropped" : "chosen");
        dialogs.prompts.clear();
        if (dropped) {
            dialogs.chooseFile(writeLog("next.csv", 600));
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(QString::fromStdString(pipe))});
            drop(window.get(), data, true);
        } else {
            dialogs.chooseFile(pipe);
            dialogs.chooseFile(writeLog("next.csv", 600));
            c->mnuOpenFile->trigger();
        }
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0], "Please select valid file");
        EXPECT_EQ(dialogs.prompts.back().kind, Prompt::Kind::OpenFile);
        expectLoaded(600);
    }
}
#endif

TEST_F(OpenCommandTest, DropsThatCannotBeOpenedAreRefused) {
    QMimeData text;
    text.setText(QStringLiteral("not a file"));
    drop(window.get(), text, false);

    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(QString::fromStdString(writeLog("d.csv", 500)))});
    // While the open command is unavailable (real-time mode) a drop does nothing either.
    c->mnuOpenFile->setEnabled(false);
    drop(window.get(), file, false);
    EXPECT_FALSE(state.records.FileLoaded);
    EXPECT_TRUE(dialogs.prompts.empty());
}

TEST_F(OpenCommandTest, CtrlOOpens) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    dialogs.chooseFile(writeLog("keys.csv", 500));
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    expectLoaded(500);
}

} // namespace
} // namespace osk::test
