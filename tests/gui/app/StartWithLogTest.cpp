// osk-graphs LOG.csv: the start-up as without a file, then the file opened the way the Open
// dialog opens a chosen one.
#include "gui/app/ProgramFixture.h"

#include "LogGenerator.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>

namespace osk::test {
namespace {

class StartWithLogTest : public ProgramFixture {
protected:
    std::string writeLog(const std::string& name, int64_t records) {
        genlog::LogOptions options;
        options.records = records;
        return logs.write(name, genlog::generateLog(options)).string();
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

TEST_F(StartWithLogTest, CancelInTheLanguageDialogOpensNothing) {
    installBothLanguages();
    EXPECT_EQ(start(std::nullopt, writeLog("day.csv", 400)), nullptr);
    runEventLoop();
    EXPECT_FALSE(state.records.FileLoaded);
    EXPECT_TRUE(dialogs.prompts.empty());
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

// A log that cannot be shown ends in the reader's messages and the no-log state, as when it is
// chosen in the Open dialog: a file that cannot be read sends the user to the chooser.
struct FailedLogCase {
    const char* name;
    std::optional<std::string> contents; // none: the file does not exist
    const char* message;
    bool chooser;
    const char* caption;
};

class StartWithFailingLog : public StartWithLogTest,
                            public ::testing::WithParamInterface<FailedLogCase> {};

TEST_P(StartWithFailingLog, EndsInTheNoLogState) {
    const FailedLogCase& p = GetParam();
    installBothLanguages();
    storeSettings("english.lng", "True", "Chloor");
    const std::string path = p.contents ? logs.write("given.csv", *p.contents).string()
                                        : (logs.path() / "gone.csv").string();
    if (p.chooser) {
        dialogs.cancelFile();
        dialogs.answerNo();
    }
    ASSERT_NE(startAfterDialog(path), nullptr);
    runEventLoop();

    ASSERT_FALSE(dialogs.prompts.empty());
    EXPECT_EQ(dialogs.prompts[0].kind, Prompt::Kind::Message);
    EXPECT_EQ(dialogs.prompts[0].text, p.message);
    ASSERT_EQ(dialogs.prompts.size(), p.chooser ? 3u : 1u);
    if (p.chooser) {
        EXPECT_EQ(dialogs.prompts[1].kind, Prompt::Kind::OpenFile);
        EXPECT_EQ(dialogs.prompts[2].text, "No file selected, Select file?");
    }
    EXPECT_TRUE(dialogs.allAnswersUsed());
    EXPECT_FALSE(state.records.FileLoaded);
    EXPECT_FALSE(c->Xas->isEnabled());
    EXPECT_FALSE(c->chkItem[0]->isEnabled());
    EXPECT_EQ(caption(), p.caption);
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Logs, StartWithFailingLog,
    ::testing::Values(FailedLogCase{"Missing", std::nullopt, "Please select valid file", true,
                                    "OSK-Graphs  No file loaded"},
                      FailedLogCase{"Empty", "", "File is empty", false, "OSK-Graphs  -  "},
                      FailedLogCase{"ForeignHeader", "Date,Time,Value\r\n2024-03-01,00:00:00,1\r\n",
                                    "Error With Communication (invalid file)", false,
                                    "OSK-Graphs  -  "}),
    [](const auto& info) { return std::string(info.param.name); });

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
