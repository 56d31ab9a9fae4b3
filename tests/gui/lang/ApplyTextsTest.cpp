#include "gui/app/ProgramFixture.h"

#include "lang/LanguageFile.h"
#include "lang/LanguageFolder.h"
#include "lang/OptionLists.h"

#include <QGroupBox>
#include <QRegularExpression>

#include <array>
#include <fstream>

namespace osk::test {
namespace {

// The shipped English file's texts by number.
std::map<int, std::string> englishTexts() {
    std::map<int, std::string> texts;
    const auto bytes = readLanguageFile(OSK_LANG_DIR, "english.lng");
    for (const LanguageEntry& e : parseLanguageFile(bytes.value_or("")).entries)
        texts[e.number] = e.text;
    return texts;
}

class ApplyTextsTest : public LogWindowFixture {
    void SetUp() override {}

protected:
    // The Dutch file replaced by one whose text n is "x<n>", so that every caption tells
    // which text it shows.
    void installMarkedDutch() {
        std::ofstream out(programFolder.path() / "nederlands.lng", std::ios::binary);
        out << "Marked texts\r\n[begin]\r\n";
        for (const auto& [n, text] : englishTexts())
            out << n << "|x" << n << "\r\n";
        out << "[eind]\r\n";
    }

    // Every captioned control, by name, with its caption: frames, menus and their entries, the
    // group boxes and the labels that name other controls.
    std::map<QString, QString> captions() const {
        std::map<QString, QString> out;
        const QRegularExpression captionLabel(QStringLiteral("^(Label\\d+|lblY|lblLegendaTitle)$"));
        for (QLabel* l : window->findChildren<QLabel*>())
            if (captionLabel.match(l->objectName()).hasMatch())
                out[l->objectName()] = l->text();
        for (QGroupBox* g : window->findChildren<QGroupBox*>())
            out[g->objectName()] = g->title();
        for (QMenu* m : window->findChildren<QMenu*>())
            out[m->objectName()] = m->title();
        for (QAction* a : window->findChildren<QAction*>())
            if (!a->isSeparator())
                out[a->objectName()] = a->text();
        for (QCheckBox* b : c->chkItem)
            out[b->objectName()] = b->text();
        out.erase(QString());                   // not the program's own
        out.erase(QStringLiteral("fraChoses")); // the sub-series panel has no title
        return out;
    }
    // The items of the span, grid and draw style lists.
    std::vector<QStringList> lists() const {
        std::vector<QStringList> out(3);
        for (size_t k = 0; k < 3; ++k)
            for (const QComboBox* list = std::array{c->Xas, c->cmbGridX, c->cboDrawStyle}[k];
                 out[k].size() < list->count();)
                out[k] << list->itemText(int(out[k].size()));
        return out;
    }
};

// Each caption is a text of the language in use, the one of its own number in every language.
TEST_F(ApplyTextsTest, EveryCaptionComesFromTheLanguageInUse) {
    startReturning();
    installMarkedDutch();
    std::map<int, std::string> english = englishTexts();
    const auto shownInEnglish = captions();
    const std::vector<QStringList> englishLists = lists();

    action("mnuNed")->trigger();

    ASSERT_GT(shownInEnglish.size(), 40u);
    // Each menu entry shows a text of its own: one given another's number shows it twice.
    std::map<QString, QString> shownBy;
    for (QAction* a : window->findChildren<QAction*>()) {
        if (a->isSeparator() || a->menu() != nullptr || a->objectName().isEmpty())
            continue;
        const auto [other, first] = shownBy.emplace(a->text(), a->objectName());
        EXPECT_TRUE(first) << a->objectName().toStdString() << " and "
                           << other->second.toStdString() << " both show "
                           << a->text().toStdString();
    }
    for (const auto& [name, caption] : captions()) {
        // "x<n>": text n, whose English text the caption showed before.
        const std::string text = caption.startsWith(u'x') ? english[caption.mid(1).toInt()] : "?";
        EXPECT_EQ(withoutAccessKeys(shownInEnglish.at(name).toStdString()), withoutAccessKeys(text))
            << name.toStdString() << " shows " << caption.toStdString();
    }
    const std::vector<QStringList> markedLists = lists();
    for (size_t i = 0; i < markedLists.size(); ++i) {
        EXPECT_EQ(markedLists[i].size(), englishLists[i].size()) << i;
        for (const QString& item : markedLists[i])
            EXPECT_TRUE(item.contains(QLatin1Char('x'))) << item.toStdString();
    }
}

// Language and product-system switches while a log is shown, scrolled back from its newest
// records: the lists are filled anew in the other texts, the draw style goes back to a line, and
// the view stays where the user left it, drawn once.
TEST_F(ApplyTextsTest, SwitchesOnALoadedLogKeepTheWindowSpanAndGridWithOneRedraw) {
    startReturning();
    open(logs.write("log.csv", generatedLog(6000))); // 16 hours 40 minutes
    c->Xas->setCurrentIndex(4);                      // 12 hours
    c->cmbGridX->setCurrentIndex(3);                 // 30 minutes
    c->hsGridY->setValue(35);
    for (int i = 0; i < 3; ++i)
        c->hscGraphScroller->triggerAction(QAbstractSlider::SliderSingleStepSub);
    ASSERT_LT(state.records.ViewEndRecord, 6000 - 2 * 360) << "scrolled back three hours";
    const auto view = [this] {
        std::vector<QString> v{QString::number(state.records.ViewEndRecord),
                               QString::number(c->hscGraphScroller->value()),
                               QString::number(c->Xas->currentIndex()),
                               QString::number(c->cmbGridX->currentIndex()),
                               QString::number(c->hsGridY->value()),
                               QString::number(state.view.GridStepPixelsY),
                               QString::number(state.view.TimeAxis.SpanRecords)};
        for (QLabel* l : c->lblScaleXas)
            v.push_back(l->text());
        return v;
    };
    const std::vector<QString> before = view();
    const QString english = menuTitle("mnuFile");
    for (const char* entry : {"mnuNed", "mnuPeroxide", "mnuEng", "mnuTarvox", "mnuFreeChlorine"}) {
        SCOPED_TRACE(entry);
        c->cboDrawStyle->setCurrentIndex(0);
        SetDrawStyle(state.render, kDrawStyleDots);
        const int64_t redrawn = redraws();
        action(entry)->trigger();
        const bool dutch = stored(settings::kLanguage) == "nederlands.lng";
        EXPECT_EQ(std::tuple(dutch, action("mnuNed")->isChecked(), action("mnuEng")->isChecked(),
                             menuTitle("mnuFile") == english, redraws(), state.records.FileLoaded,
                             c->Xas->isEnabled(), view()),
                  std::tuple(std::string(entry) == "mnuNed" || std::string(entry) == "mnuPeroxide",
                             dutch, !dutch, !dutch, redrawn + 1, true, true, before));
        // The span list shows the span in the texts now in use.
        EXPECT_TRUE(dutch ? c->Xas->currentText().startsWith(QStringLiteral("12 "))
                          : c->Xas->currentText() == QStringLiteral("12 Hour"));
        if (std::string(entry) == "mnuNed" || std::string(entry) == "mnuEng") {
            EXPECT_EQ(std::tuple(c->cboDrawStyle->currentIndex(), state.render.DrawStyle),
                      std::tuple(kDrawStyleLine, kDrawStyleLine));
        }
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ApplyTextsTest, AMissingDutchFileLeavesEnglishWithTheDutchEntryChecked) {
    installLanguageFile("english.lng");
    storeSettings("english.lng", "True", "Chloor");
    startAfterDialog();
    const QString english = menuTitle("mnuFile");

    action("mnuNed")->trigger();

    // Once for the text table, once for the language object.
    EXPECT_EQ(
        std::tuple(dialogs.messages(), action("mnuNed")->isChecked(), action("mnuEng")->isChecked(),
                   menuTitle("mnuFile")),
        std::tuple(std::vector<std::string>(2, "Using default language"), true, false, english));
}

// The product box is named as the system's menu entry, and no file is read for it: a vanished
// language file goes unnoticed.
TEST_F(ApplyTextsTest, AProductSystemRecaptionsTheProductBoxWithoutReadingAFile) {
    startReturning();
    std::filesystem::remove(programFolder.path() / "english.lng");
    const std::pair<QAction*, const char*> choices[] = {
        {c->mnuTarvox, "Tarvox"}, {c->mnuPeroxide, "Peroxide"}, {c->mnuFreeChlorine, "Chloor"}};
    for (const auto& [entry, system] : choices) {
        entry->trigger();
        EXPECT_EQ(std::tuple(c->chkItem[0]->text(), stored(settings::kSystem)),
                  std::tuple(entry->text(), std::string(system)));
        for (QAction* a : {c->mnuFreeChlorine, c->mnuPeroxide, c->mnuTarvox})
            EXPECT_EQ(a->isChecked(), a == entry) << system;
    }
    EXPECT_TRUE(dialogs.prompts.empty());
}

TEST(AccessKeys, PlainLabelsLoseTheirMarks) {
    const std::pair<const char*, const char*> cases[] = {{"&File", "File"},
                                                         {"Salt && pepper", "Salt & pepper"},
                                                         {"&&&x", "&x"},
                                                         {"end&", "end"},
                                                         {"", ""}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(withoutAccessKeys(in), out) << in;
}

} // namespace
} // namespace osk::test
