#include "gui/logdata/LogWindowFixture.h"

#include "lang/OptionLists.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

#include <array>
#include <filesystem>

namespace osk::test {
namespace {

QStringList items(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

class ApplyTextsTest : public ProgramFixture {
protected:
    QString caption(const QString& name) const {
        QObject* o = window->findChild<QObject*>(name);
        if (auto* l = qobject_cast<QLabel*>(o))
            return l->text();
        if (auto* g = qobject_cast<QGroupBox*>(o))
            return g->title();
        if (auto* m = qobject_cast<QMenu*>(o))
            return m->title();
        if (auto* a = qobject_cast<QAction*>(o))
            return a->text();
        if (auto* b = qobject_cast<QAbstractButton*>(o))
            return b->text();
        ADD_FAILURE() << "no captioned control " << name.toStdString();
        return {};
    }
};

TEST_F(ApplyTextsTest, EveryCaptionGetsItsText) {
    startReturning("Peroxide");
    const std::pair<const char*, const char*> expected[] = {
        {"lblLegendaTitle", "Legend"},
        {"Frame2", "Scale Y-as"},
        {"Frame4", "Scale X-as"},
        {"Label1", "Scroll"},
        {"Label5", "Scroll"},
        {"Label3", "Min"},
        {"Label4", "Max"},
        {"Frame1", "Grid x/y Steps"},
        {"Label2", "X Grid line:"},
        {"lblY", "Y Grid line:"},
        {"fraDrawStyle", "Draw Style"},
        {"mnuPrinter", "Printer"},
        {"mnuColorPrinter", "&Color Printer"},
        {"mnuBlackWhite", "B/W Printer"},
        {"mnuFile", "&File"},
        {"mnuOpenFile", "&Open File"},
        {"mnuAfdrukken", "&Print"},
        {"mnuAfdrukVoorbeeld", "Print pre&view"},
        {"mnuExit", "&Exit"},
        {"mnuHelp", "&Help"},
        {"mnuOptions", "O&ptions"},
        {"mnuRealTime", "&Real Time"},
        {"mnuON", "ON"},
        {"mnuOFF", "OFF"},
        {"mnuTaal", "&Language"},
        {"mnuNed", "&Dutch"},
        {"mnuEng", "&English"},
        {"mnuFreeChlorine", "Free Chlorine"},
        {"mnuPeroxide", "Peroxide"},
        {"mnuTarvox", "Tarvox"},
        {"mnuSystem", "System choice"},
        {"mnuAbout", "&About"},
        {"Frame3", "Select values"},
        {"chkItem0", "Peroxide"},
        {"chkItem1", "PH"},
        {"chkItem2", "Flow"},
        {"chkItem3", "Cell"},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(caption(QString::fromLatin1(name)), QString::fromUtf8(text)) << name;

    EXPECT_EQ(items(c->Xas), QStringList({"192 Hour", "96 Hour", "48 Hour", "24 Hour", "12 Hour",
                                          "6 Hour", "3 Hour"}));
    EXPECT_EQ(items(c->cmbGridX),
              QStringList({"4 Hour", "2 Hour", "1 Hour", "30 Minutes", "15 Minutes"}));
    EXPECT_EQ(items(c->cboDrawStyle), QStringList({"Dots", "Bars", "Line"}));
}

TEST_F(ApplyTextsTest, SwitchingLanguageKeepsSpanAndGridAndResetsTheDrawStyle) {
    startReturning();
    c->Xas->setCurrentIndex(4);
    c->cmbGridX->setCurrentIndex(3);
    c->cboDrawStyle->setCurrentIndex(0);
    SetDrawStyle(state.render, kDrawStyleDots);
    // A loaded log stays loaded through the switch.
    state.records.FileLoaded = true;

    action("mnuNed")->trigger();

    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(stored(settings::kLanguage), "nederlands.lng");
    EXPECT_TRUE(action("mnuNed")->isChecked());
    EXPECT_FALSE(action("mnuEng")->isChecked());
    EXPECT_EQ(menuTitle("mnuFile"), QStringLiteral("&Bestand"));
    EXPECT_EQ(c->Xas->currentIndex(), 4);
    EXPECT_EQ(c->cmbGridX->currentIndex(), 3);
    EXPECT_EQ(c->cmbGridX->count(), 5);
    EXPECT_EQ(c->cboDrawStyle->currentIndex(), 2);
    EXPECT_EQ(state.render.DrawStyle, kDrawStyleLine);
    EXPECT_TRUE(state.records.FileLoaded);
    // The lists carry the Dutch unit words now, their numbers first as before.
    EXPECT_TRUE(c->Xas->currentText().startsWith(QStringLiteral("12 ")));
    EXPECT_NE(c->Xas->currentText(), QStringLiteral("12 Hour"));

    action("mnuEng")->trigger();
    EXPECT_EQ(stored(settings::kLanguage), "english.lng");
    EXPECT_EQ(c->Xas->currentText(), QStringLiteral("12 Hour"));
    EXPECT_TRUE(action("mnuEng")->isChecked());
    EXPECT_FALSE(action("mnuNed")->isChecked());
}

TEST_F(ApplyTextsTest, AMissingDutchFileLeavesEnglishWithTheDutchEntryChecked) {
    installLanguageFile("english.lng");
    storeSettings("english.lng", "True", "Chloor");
    startAfterDialog();

    action("mnuNed")->trigger();

    // Once for the text table, once for the language object.
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>({"Using default language", "Using default language"}));
    for (const Prompt& p : dialogs.prompts) {
        EXPECT_EQ(p.title, "Set defaults");
        EXPECT_EQ(p.icon, MessageIcon::Information);
    }
    EXPECT_TRUE(action("mnuNed")->isChecked());
    EXPECT_FALSE(action("mnuEng")->isChecked());
    EXPECT_EQ(menuTitle("mnuFile"), QStringLiteral("&File"));
    EXPECT_EQ(c->chkItem[1]->text(), QStringLiteral("PH"));
}

TEST_F(ApplyTextsTest, AProductSystemRecaptionsTheProductBoxWithoutReadingAFile) {
    startReturning();
    // No file is read: a vanished language file goes unnoticed.
    std::filesystem::remove(programFolder.path() / "english.lng");
    const std::array<const char*, 3> choices[] = {{"mnuTarvox", "Tarvox", "Tarvox"},
                                                  {"mnuPeroxide", "Peroxide", "Peroxide"},
                                                  {"mnuFreeChlorine", "Chloor", "Free Chlorine"}};
    for (const auto& [entry, system, productBox] : choices) {
        action(entry)->trigger();
        EXPECT_EQ(c->chkItem[0]->text(), QString::fromLatin1(productBox));
        EXPECT_EQ(stored(settings::kSystem), system);
        for (QAction* a : {c->mnuFreeChlorine, c->mnuPeroxide, c->mnuTarvox})
            EXPECT_EQ(a->isChecked(), a == action(entry)) << entry;
    }
    EXPECT_TRUE(dialogs.prompts.empty());
}

// Language and product system commands end in a redraw while a log is shown, and only then.
TEST_F(LogWindowFixture, LanguageAndSystemCommandsRedrawAShownLog) {
    const QColor product(128, 0, 128);
    c->mnuPeroxide->trigger();
    EXPECT_EQ(pixelsOf(c->pGraph, product), 0);
    openLog(720);
    for (QAction* command : {c->mnuNed, c->mnuEng, c->mnuTarvox, c->mnuFreeChlorine}) {
        c->pGraph->surface().clear();
        ASSERT_EQ(pixelsOf(c->pGraph, product), 0);
        command->trigger();
        EXPECT_GT(pixelsOf(c->pGraph, product), 0) << command->objectName().toStdString();
    }
}

TEST(AccessKeys, PlainLabelsLoseTheirMarks) {
    const std::pair<const char*, const char*> cases[] = {{"&File", "File"},
                                                         {"Print pre&view", "Print preview"},
                                                         {"Salt && pepper", "Salt & pepper"},
                                                         {"&&&x", "&x"},
                                                         {"end&", "end"},
                                                         {"", ""},
                                                         {"Legend", "Legend"}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(withoutAccessKeys(in), out) << in;
}

} // namespace
} // namespace osk::test
