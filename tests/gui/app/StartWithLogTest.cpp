// osk-graphs LOG.csv: the start-up as without a file, then the file opened the way the Open
// dialog opens a chosen one.
#include "gui/app/ProgramFixture.h"

#include "gui/support/GeneratedLog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>

namespace osk::test {
namespace {

class StartWithLogTest : public ProgramFixture {
protected:
    std::string writeLog(const std::string& name, int64_t records) {
        return logs.write(name, generatedLog(records)).string();
    }

    // The event loop's first turn, where the given log is opened.
    static void runEventLoop() { QCoreApplication::sendPostedEvents(); }

    void expectLoaded(int records, const std::string& path) {
        EXPECT_TRUE(state.records.FileLoaded);
        EXPECT_EQ(state.records.RecordCount, records);
        EXPECT_EQ(c->lblRecords->text().toStdString(), "Records: " + std::to_string(records));
        EXPECT_EQ(caption(), "OSK-Graphs");
        EXPECT_TRUE(c->chkItem[0]->isChecked());
        EXPECT_TRUE(c->Xas->isEnabled());
        EXPECT_EQ(state.records.LogSource.path(), path);
    }

    TempDir logs;
};

TEST_F(StartWithLogTest, AReturningUserSeesTheLogOnceTheWindowIsUp) {
    installBothLanguages();
    storeSettings("english.lng", "True", "Chloor");
    const std::string path = writeLog("day.csv", 700);
    ASSERT_NE(startAfterDialog(path), nullptr);
    // The load has left the window without a log; the file comes with the event loop.
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(state.records.FileLoaded);
    EXPECT_FALSE(c->chkItem[0]->isChecked());

    runEventLoop();
    expectLoaded(700, path);
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(redraws(), 1);

    // The file is remembered as a chosen one: cancelling the next open reads it again.
    dialogs.cancelFile();
    c->mnuOpenFile->trigger();
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0].request.rememberedPath, path);
    expectLoaded(700, path);
}

TEST_F(StartWithLogTest, TheFirstRunAnnouncesTheDefaultsBeforeTheLogOpens) {
    installBothLanguages();
    const std::string path = writeLog("day.csv", 400);
    ASSERT_NE(start(QStringLiteral("Nederlands"), path), nullptr);
    runEventLoop();

    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0].text, "Default settings are used");
    EXPECT_EQ(stored(settings::kLanguage), "Nederlands.lng");
    expectLoaded(400, path);
}

TEST_F(StartWithLogTest, ARelativeNameIsTakenFromTheCurrentFolder) {
    installBothLanguages();
    storeSettings("english.lng", "True", "Chloor");
    const std::string path = writeLog("relative.csv", 500);
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(logs.path().string())));
    startAfterDialog("relative.csv");
    QDir::setCurrent(before);
    // Read after the folder has changed back: the name was made whole at the start-up.
    runEventLoop();
    expectLoaded(500, path);
    EXPECT_EQ(state.openDialogPath, path);
}

TEST_F(StartWithLogTest, AMissingLogLeadsToTheChooserWhereAnotherCanBePicked) {
    installBothLanguages();
    storeSettings("english.lng", "True", "Chloor");
    const std::string other = writeLog("other.csv", 600);
    dialogs.chooseFile(other);
    startAfterDialog((logs.path() / "gone.csv").string());
    runEventLoop();
    ASSERT_EQ(dialogs.prompts.size(), 2u);
    EXPECT_EQ(dialogs.prompts[1].kind, Prompt::Kind::OpenFile);
    expectLoaded(600, other);
}

} // namespace
} // namespace osk::test
