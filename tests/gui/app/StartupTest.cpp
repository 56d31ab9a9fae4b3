#include "gui/app/ProgramFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>

namespace osk::test {
namespace {

class StartupTest : public ProgramFixture {
protected:
    void SetUp() override { installBothLanguages(); }
};

// The first run: whichever language the user picks in the dialog, the defaults are announced
// once, stored, and the window comes up in the picked language.
struct FirstRunCase {
    const char* choice;
    const char* storedLanguage;
    const char* fileMenu;
    bool dutchChecked;
};

class FirstRun : public StartupTest, public ::testing::WithParamInterface<FirstRunCase> {};

TEST_P(FirstRun, AnnouncesAndStoresTheDefaultsKeepingTheChosenLanguage) {
    const FirstRunCase& c = GetParam();
    ASSERT_NE(start(QString::fromLatin1(c.choice)), nullptr);

    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0].text, "Default settings are used");
    EXPECT_EQ(dialogs.prompts[0].title, "Set defaults");
    EXPECT_EQ(dialogs.prompts[0].icon, MessageIcon::Information);

    EXPECT_EQ(stored(settings::kColor), "True");
    EXPECT_EQ(stored(settings::kLanguage), c.storedLanguage);
    EXPECT_EQ(stored(settings::kSystem), "Chloor");

    EXPECT_EQ(menuTitle("mnuFile"), QString::fromUtf8(c.fileMenu));
    EXPECT_EQ(action("mnuNed")->isChecked(), c.dutchChecked);
    EXPECT_EQ(action("mnuEng")->isChecked(), !c.dutchChecked);
    EXPECT_TRUE(action("mnuFreeChlorine")->isChecked());
    EXPECT_FALSE(action("mnuPeroxide")->isChecked());
    EXPECT_TRUE(action("mnuColorPrinter")->isChecked());
    EXPECT_FALSE(action("mnuBlackWhite")->isChecked());
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(DialogChoice, FirstRun,
                         ::testing::Values(FirstRunCase{"English", "English.lng", "&File", false},
                                           FirstRunCase{"Nederlands", "Nederlands.lng", "&Bestand",
                                                        true}));

// A returning user's settings come back into the menus without any message.
struct StoredCase {
    const char* language;
    const char* colour;
    const char* system;
    const char* fileMenu;
    bool dutch;
    bool colourPrinter;
    const char* checkedSystem; // nullptr: no system entry checked
    const char* productBox;
};

class StoredSettings : public StartupTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredSettings, ComeBackIntoTheMenus) {
    const StoredCase& c = GetParam();
    storeSettings(c.language, c.colour, c.system);
    startAfterDialog();

    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(menuTitle("mnuFile"), QString::fromUtf8(c.fileMenu));
    EXPECT_EQ(action("mnuNed")->isChecked(), c.dutch);
    EXPECT_EQ(action("mnuEng")->isChecked(), !c.dutch);
    EXPECT_EQ(action("mnuColorPrinter")->isChecked(), c.colourPrinter);
    EXPECT_EQ(action("mnuBlackWhite")->isChecked(), !c.colourPrinter);
    for (const char* entry : {"mnuFreeChlorine", "mnuPeroxide", "mnuTarvox"})
        EXPECT_EQ(action(entry)->isChecked(),
                  c.checkedSystem != nullptr && std::string(entry) == c.checkedSystem)
            << entry;
    EXPECT_EQ(find<QCheckBox>("chkItem0")->text(), QString::fromUtf8(c.productBox));
    // Nothing was rewritten.
    EXPECT_EQ(stored(settings::kColor), c.colour);
    EXPECT_EQ(stored(settings::kSystem), c.system);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredSettings,
    ::testing::Values(
        StoredCase{"English.lng", "True", "Chloor", "&File", false, true, "mnuFreeChlorine",
                   "Free Chlorine"},
        StoredCase{"nederlands.lng", "False", "Peroxide", "&Bestand", true, false, "mnuPeroxide",
                   "Peroxide"},
        StoredCase{"ENGLISH.LNG", "1", "Tarvox", "&File", false, true, "mnuTarvox", "Tarvox"},
        // Product systems are compared exactly: no entry, and the product box has text 0.
        StoredCase{"english.lng", "0", "Natrium", "&File", false, false, nullptr, ""},
        StoredCase{"english.lng", "false", "chloor", "&File", false, false, nullptr, ""}));

TEST_F(StartupTest, AMissingLanguageAloneBecomesDutch) {
    storeSettings("", "True", "Chloor");
    startAfterDialog();

    EXPECT_EQ(stored(settings::kLanguage), "nederlands.lng");
    EXPECT_TRUE(action("mnuNed")->isChecked());
    // The language object read the empty name and fell back; the window's own reading did not.
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Using default language"});
    EXPECT_EQ(menuTitle("mnuFile"), QStringLiteral("&Bestand"));
}

TEST_F(StartupTest, CancelInTheLanguageDialogShowsNothingAndWritesNothing) {
    EXPECT_EQ(start(std::nullopt), nullptr);
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(stored(settings::kLanguage), "");
    EXPECT_EQ(stored(settings::kColor), "");
    EXPECT_EQ(stored(settings::kSystem), "");
    const QDir folder(QString::fromStdString(settingsFolder.path().string()));
    EXPECT_TRUE(folder.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

TEST_F(StartupTest, TheWindowStartsWithoutALog) {
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("OSK Graphs"));
    EXPECT_EQ(find<QComboBox>("Xas")->currentText(), QStringLiteral("48 Hour"));
    EXPECT_EQ(find<QComboBox>("cmbGridX")->currentText(), QStringLiteral("2 Hour"));
    EXPECT_EQ(find<QComboBox>("cboDrawStyle")->currentText(), QStringLiteral("Line"));
    auto* scroller = find<QScrollBar>("hscGraphScroller");
    EXPECT_FALSE(scroller->isEnabled());
    EXPECT_EQ(scroller->minimum(), 1);
    for (const char* name :
         {"vscScaleMin", "vscScaleMax", "Xas", "vscGraphScroller", "cmbGridX", "hsGridY",
          "chkItem0", "chkItem3", "cmdItem0", "cmdItem3", "cboDrawStyle"})
        EXPECT_FALSE(find<QWidget>(name)->isEnabled()) << name;
    EXPECT_FALSE(action("mnuAfdrukken")->isEnabled());
    EXPECT_FALSE(action("mnuAfdrukVoorbeeld")->isEnabled());
    EXPECT_TRUE(action("mnuOpenFile")->isEnabled());
    for (const char* name : {"lblScale0", "lblScale10", "lblScaleXas0", "lblDataXas12"})
        EXPECT_FALSE(find<QLabel>(name)->isVisible()) << name;
    EXPECT_TRUE(action("mnuOFF")->isChecked());
    EXPECT_FALSE(action("mnuON")->isChecked());
    auto* timer = find<QTimer>("Timer1");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
}

TEST_F(StartupTest, TheColourMenuStoresItsChoiceAndMovesTheMark) {
    start();
    action("mnuBlackWhite")->trigger();
    EXPECT_EQ(stored(settings::kColor), "False");
    EXPECT_TRUE(action("mnuBlackWhite")->isChecked());
    EXPECT_FALSE(action("mnuColorPrinter")->isChecked());
    // Choosing the entry that is already checked keeps it checked.
    action("mnuBlackWhite")->trigger();
    EXPECT_TRUE(action("mnuBlackWhite")->isChecked());
    action("mnuColorPrinter")->trigger();
    EXPECT_EQ(stored(settings::kColor), "True");
    EXPECT_TRUE(action("mnuColorPrinter")->isChecked());
    EXPECT_FALSE(action("mnuBlackWhite")->isChecked());
}

} // namespace
} // namespace osk::test
