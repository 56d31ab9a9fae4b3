#include "gui/app/ProgramFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QTimer>

namespace osk::test {
namespace {

class StartupTest : public ProgramFixture {
protected:
    void SetUp() override { installBothLanguages(); }
    // The check marks of the language, printer and system menus; system "" marks no system.
    void expectMarks(bool dutch, bool colourPrinter, const std::string& system) {
        EXPECT_EQ(menuTitle("mnuFile") == QStringLiteral("&Bestand"), dutch);
        EXPECT_EQ(action("mnuNed")->isChecked(), dutch);
        EXPECT_EQ(action("mnuEng")->isChecked(), !dutch);
        EXPECT_EQ(action("mnuColorPrinter")->isChecked(), colourPrinter);
        EXPECT_EQ(action("mnuBlackWhite")->isChecked(), !colourPrinter);
        for (const char* entry : {"mnuFreeChlorine", "mnuPeroxide", "mnuTarvox"})
            EXPECT_EQ(action(entry)->isChecked(), entry == system) << entry;
    }
};

// The first run: whichever language the user picks in the dialog, the defaults are announced
// once, stored, and the window comes up in the picked language.
struct FirstRunCase {
    const char* choice;
    const char* storedLanguage;
    bool dutch;
};

class FirstRun : public StartupTest, public ::testing::WithParamInterface<FirstRunCase> {};

TEST_P(FirstRun, AnnouncesAndStoresTheDefaultsKeepingTheChosenLanguage) {
    const FirstRunCase& p = GetParam();
    ASSERT_NE(start(QString::fromLatin1(p.choice)), nullptr);
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0].text, "Default settings are used");
    EXPECT_EQ(dialogs.prompts[0].title, "Set defaults");
    EXPECT_EQ(dialogs.prompts[0].icon, MessageIcon::Information);
    EXPECT_EQ(stored(settings::kColor), "True");
    EXPECT_EQ(stored(settings::kLanguage), p.storedLanguage);
    EXPECT_EQ(stored(settings::kSystem), "Chloor");
    expectMarks(p.dutch, true, "mnuFreeChlorine");
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(DialogChoice, FirstRun,
                         ::testing::Values(FirstRunCase{"English", "English.lng", false},
                                           FirstRunCase{"Nederlands", "Nederlands.lng", true}));

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
    EXPECT_EQ(c->chkItem[0]->text().isEmpty(), *p.checkedSystem == 0);
    if (*p.checkedSystem) {
        EXPECT_EQ(c->chkItem[0]->text(), action(p.checkedSystem)->text());
    }
    // Nothing was rewritten.
    EXPECT_EQ(stored(settings::kColor), p.colour);
    EXPECT_EQ(stored(settings::kSystem), p.system);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredSettings,
    ::testing::Values(
        StoredCase{"English.lng", "True", "Chloor", false, true, "mnuFreeChlorine"},
        StoredCase{"nederlands.lng", "False", "Peroxide", true, false, "mnuPeroxide"},
        StoredCase{"ENGLISH.LNG", "1", "Tarvox", false, true, "mnuTarvox"},
        // Product systems are compared exactly.
        StoredCase{"english.lng", "0", "Natrium", false, false, ""},
        StoredCase{"english.lng", "false", "chloor", false, false, ""}));

TEST_F(StartupTest, AMissingLanguageAloneBecomesDutch) {
    storeSettings("", "True", "Chloor");
    startAfterDialog();
    EXPECT_EQ(stored(settings::kLanguage), "nederlands.lng");
    EXPECT_TRUE(action("mnuNed")->isChecked());
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
    EXPECT_EQ(c->Xas->currentIndex(), 2);
    EXPECT_EQ(c->cmbGridX->currentIndex(), 1);
    EXPECT_EQ(c->cboDrawStyle->currentIndex(), kDrawStyleLine);
    EXPECT_EQ(c->hscGraphScroller->minimum(), 1);
    EXPECT_FALSE(c->hscGraphScroller->isEnabled() || c->vscScaleMax->isEnabled());
    EXPECT_TRUE(c->mnuOpenFile->isEnabled());
    EXPECT_TRUE(c->mnuOFF->isChecked());
    EXPECT_FALSE(c->mnuON->isChecked());
    EXPECT_TRUE(c->Timer1->isActive());
    EXPECT_EQ(c->Timer1->interval(), 1000);
}

TEST_F(StartupTest, TheColourMenuStoresItsChoiceAndMovesTheMark) {
    start();
    // The second choice of the checked entry must keep it checked.
    for (const char* entry : {"mnuBlackWhite", "mnuBlackWhite", "mnuColorPrinter"}) {
        action(entry)->trigger();
        const bool colour = std::string(entry) == "mnuColorPrinter";
        EXPECT_EQ(stored(settings::kColor), colour ? "True" : "False");
        expectMarks(false, colour, "mnuFreeChlorine");
    }
}

} // namespace
} // namespace osk::test
