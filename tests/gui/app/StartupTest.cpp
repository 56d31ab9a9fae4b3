// The start-up: the language dialog, the stored settings back in the menus, and a log named on
// the command line (osk-graphs LOG.csv), opened once the window is up the way the Open dialog
// opens a chosen one.
#include "gui/app/ProgramFixture.h"

#include <QDir>

namespace osk::test {
namespace {

class StartupTest : public LogWindowFixture {
protected:
    void SetUp() override { installBothLanguages(); }
    // The check marks of the language, printer and system menus; system "" marks no system.
    void expectMarks(bool dutch, bool colourPrinter, const std::string& system) {
        std::vector<bool> shown, wanted{dutch, dutch, !dutch, colourPrinter, !colourPrinter};
        shown.push_back(menuTitle("mnuFile") == QStringLiteral("&Bestand"));
        for (const char* entry : {"mnuNed", "mnuEng", "mnuColorPrinter", "mnuBlackWhite",
                                  "mnuFreeChlorine", "mnuPeroxide", "mnuTarvox"})
            shown.push_back(action(entry)->isChecked());
        for (const char* entry : {"mnuFreeChlorine", "mnuPeroxide", "mnuTarvox"})
            wanted.push_back(entry == system);
        EXPECT_EQ(shown, wanted);
    }
    // The event loop's first turn opens the log the start-up was given.
    void expectLoadedWithTheEventLoop(int records, const std::string& path) {
        EXPECT_TRUE(window->isVisible() && !state.records.FileLoaded);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(std::tuple(state.records.FileLoaded, state.records.RecordCount,
                             c->lblRecords->text().toStdString(), caption(),
                             c->chkItem[0]->isChecked(), state.records.LogSource.path()),
                  std::tuple(true, records, "Records: " + std::to_string(records), "OSK-Graphs",
                             true, path));
    }
};

// The first run, with a log or without: whichever language the user picks in the dialog, the
// defaults are announced once (before the log opens), stored, and the window comes up in the
// picked language.
class FirstRun : public StartupTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FirstRun, AnnouncesAndStoresTheDefaultsKeepingTheChosenLanguage) {
    const bool dutch = GetParam();
    const std::string log = dutch ? writeLog("day.csv", 400) : std::string();
    ASSERT_NE(start(dutch ? QStringLiteral("Nederlands") : QStringLiteral("English"),
                    dutch ? std::optional(log) : std::nullopt),
              nullptr);
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(std::tuple(dialogs.prompts[0].text, dialogs.prompts[0].title, dialogs.prompts[0].icon,
                         stored(settings::kColor), stored(settings::kLanguage),
                         stored(settings::kSystem)),
              std::tuple("Default settings are used", "Set defaults", MessageIcon::Information,
                         "True", dutch ? "Nederlands.lng" : "English.lng", "Chloor"));
    expectMarks(dutch, true, "mnuFreeChlorine");
    if (dutch)
        expectLoadedWithTheEventLoop(400, log);
    EXPECT_EQ(dialogs.prompts.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(DialogChoice, FirstRun, ::testing::Bool());

// A returning user's settings come back into the menus without any message.
struct StoredCase {
    const char* language;
    const char* colour;
    const char* system;
    bool dutch;
    bool colourPrinter;
    const char* checkedSystem; // "": no system entry checked
};

class StoredSettings : public StartupTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredSettings, ComeBackIntoTheMenus) {
    const StoredCase& p = GetParam();
    storeSettings(p.language, p.colour, p.system);
    startAfterDialog();
    EXPECT_TRUE(dialogs.prompts.empty());
    expectMarks(p.dutch, p.colourPrinter, p.checkedSystem);
    // The product box is named as the system's entry; without one it has text 0.
    EXPECT_EQ(c->chkItem[0]->text(), *p.checkedSystem ? action(p.checkedSystem)->text() : "");
    // Nothing was rewritten.
    EXPECT_EQ(std::tuple(stored(settings::kColor), stored(settings::kSystem)),
              std::tuple(std::string(p.colour), std::string(p.system)));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredSettings,
    ::testing::Values(StoredCase{"English.lng", "True", "Chloor", false, true, "mnuFreeChlorine"},
                      StoredCase{"nederlands.lng", "False", "Peroxide", true, false, "mnuPeroxide"},
                      StoredCase{"ENGLISH.LNG", "1", "Tarvox", false, true, "mnuTarvox"},
                      // Product systems are compared exactly.
                      StoredCase{"english.lng", "false", "chloor", false, false, ""}));

TEST_F(StartupTest, AMissingLanguageAloneBecomesDutch) {
    storeSettings("", "True", "Chloor");
    startAfterDialog();
    EXPECT_EQ(stored(settings::kLanguage), "nederlands.lng");
    // The language object read the empty name and fell back; the window's own reading did not.
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Using default language"});
    expectMarks(true, true, "mnuFreeChlorine");
}

TEST_F(StartupTest, CancelInTheLanguageDialogShowsNothingAndWritesNothing) {
    EXPECT_EQ(start(std::nullopt), nullptr);
    EXPECT_TRUE(dialogs.prompts.empty());
    const QDir folder(QString::fromStdString(settingsFolder.path().string()));
    EXPECT_TRUE(folder.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

// The data controls and labels without a log are checked with the open command.
TEST_F(StartupTest, TheWindowStartsWithoutALog) {
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("OSK Graphs"));
    // 48 hours across, a line every 2 hours, drawn as a line.
    EXPECT_EQ(std::vector({c->Xas->currentIndex(), c->cmbGridX->currentIndex(),
                           c->cboDrawStyle->currentIndex(), c->hscGraphScroller->minimum(),
                           c->Timer1->interval()}),
              std::vector({2, 1, int(kDrawStyleLine), 1, 1000}));
    EXPECT_FALSE(c->hscGraphScroller->isEnabled() || c->vscScaleMax->isEnabled());
    EXPECT_TRUE(c->Timer1->isActive());
    // The second choice of the checked colour entry must keep it checked.
    for (const char* entry : {"mnuBlackWhite", "mnuBlackWhite", "mnuColorPrinter"}) {
        action(entry)->trigger();
        const bool colour = std::string(entry) == "mnuColorPrinter";
        EXPECT_EQ(stored(settings::kColor), colour ? "True" : "False");
        expectMarks(false, colour, "mnuFreeChlorine");
    }
}

// A log given by a relative name is taken from the folder current at the start-up, and is
// remembered as a chosen one: cancelling the next open reads it again.
TEST_F(StartupTest, AReturningUserSeesTheLogOnceTheWindowIsUp) {
    storeSettings("english.lng", "True", "Chloor");
    const std::string path = writeLog("relative.csv", 700);
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(logs.path().string())));
    startAfterDialog("relative.csv");
    QDir::setCurrent(before);
    EXPECT_FALSE(c->chkItem[0]->isChecked());
    expectLoadedWithTheEventLoop(700, path);
    EXPECT_EQ(std::tuple(dialogs.prompts.size(), redraws(), state.openDialogPath),
              std::tuple(0u, 1, path));

    dialogs.cancelFile();
    c->mnuOpenFile->trigger();
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(std::tuple(dialogs.prompts[0].request.rememberedPath, state.records.RecordCount),
              std::tuple(path, 700));
}

TEST_F(StartupTest, AMissingLogLeadsToTheChooserWhereAnotherCanBePicked) {
    storeSettings("english.lng", "True", "Chloor");
    const std::string other = writeLog("other.csv", 600);
    dialogs.chooseFile(other);
    startAfterDialog((logs.path() / "gone.csv").string());
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(dialogs.prompts.size(), 2u);
    EXPECT_EQ(std::tuple(dialogs.prompts[1].kind, state.records.RecordCount,
                         state.records.LogSource.path()),
              std::tuple(Prompt::Kind::OpenFile, 600, other));
}

} // namespace
} // namespace osk::test
