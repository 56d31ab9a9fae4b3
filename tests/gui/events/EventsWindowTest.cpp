// The Events window on the main window: the list of excursions and its filter, the choice of
// one (the time window moves over it in one redraw and marks it), and how the window follows
// loads, real-time refreshes and language switches.
#include "gui/app/ProgramFixture.h"

#include "analysis/EventTexts.h"
#include "app/QtAdapter.h"
#include "graph/ProductSystem.h"
#include "events/EventsWindow.h"
#include "graph/RecordMark.h"
#include "view/TimeLists.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include <cstdlib>

namespace osk::test {
namespace {

// A generated log whose product stands far above its high alarm in records first..last.
std::string logWithProductHigh(int64_t records, int32_t first, int32_t last) {
    const std::string text = generatedLog(records);
    std::string out;
    int32_t line = 0; // 0 is the header
    for (size_t pos = 0; pos < text.size(); ++line) {
        const size_t end = std::min(text.find('\n', pos), text.size() - 1) + 1;
        std::string l = text.substr(pos, end - pos);
        pos = end;
        if (line >= first && line <= last) {
            size_t from = 0;
            for (int comma = 0; comma < 9; ++comma)
                from = l.find(',', from) + 1;
            l.replace(from, l.find(',', from) - from, "999.0");
        }
        out += l;
    }
    return out;
}

class EventsWindowTest : public LogWindowFixture {
protected:
    EventsWindow& events() {
        c->mnuEvents->trigger();
        EventsWindow* w = window->events().window();
        EXPECT_TRUE(w != nullptr && w->isVisible());
        return *w;
    }
    QTreeWidget& list() { return events().excursionList(); }
    // The excursion of the analysis with record r, of the product's high alarm.
    size_t productHighWith(int32_t r) {
        const auto& all = window->events().analysis().excursions;
        for (size_t i = 0; i < all.size(); ++i)
            if (all[i].kind == EventKind::ProductHigh && all[i].first <= r && r <= all[i].last)
                return i;
        ADD_FAILURE() << "no excursion holds record " << r;
        return 0;
    }
    // Selects the excursion's row and presses Enter on the list.
    void choose(size_t excursion) {
        QTreeWidget& l = list();
        for (int i = 0; i < l.topLevelItemCount(); ++i)
            if (l.topLevelItem(i)->data(0, Qt::UserRole).toULongLong() == excursion)
                l.setCurrentItem(l.topLevelItem(i));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(&l, &enter);
    }
    int markPixels() { return pixelsOf(c->pGraph, toQColor(kRecordMarkColour)); }
};

struct ChoiceCase {
    const char* name;
    int32_t first, last;
    int startSpanItem, spanItem;
};
OSK_PRINTS_ITS_NAME(ChoiceCase)

class ChoosingAnExcursion : public EventsWindowTest,
                            public testing::WithParamInterface<ChoiceCase> {};

TEST_P(ChoosingAnExcursion, MovesTheWindowOverItInOneRedrawAndMarksItUntilTheNextAction) {
    const ChoiceCase& k = GetParam();
    open(logs.write("log.csv", logWithProductHigh(15000, k.first, k.last))); // 41 h 40 min
    c->Xas->setCurrentIndex(k.startSpanItem);
    const size_t chosen = productHighWith(k.first);
    const int64_t before = redraws();
    choose(chosen);
    const Excursion& e = window->events().analysis().excursions[chosen];
    const RenderState& r = state.render;
    EXPECT_EQ(std::tuple(redraws(), c->Xas->currentIndex(), r.DrawnOldest <= e.first,
                         r.PlotPoints.at(e.first, 0) >= 0, e.last <= r.DrawnNewest),
              std::tuple(before + 1, k.spanItem, true, true, true));
    EXPECT_GT(markPixels(), 0);
    c->cmbGridX->setCurrentIndex(c->cmbGridX->currentIndex() + 1);
    EXPECT_EQ(markPixels(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChoosingAnExcursion,
    testing::Values(ChoiceCase{"FitsTheSpanInUse", 2000, 2100, 5, 5},
                    ChoiceCase{"LargerThanTheSpanTakesTheSmallestThatHoldsIt", 2000, 4500, 5, 4},
                    ChoiceCase{"ALongerSpanStays", 2000, 2100, 0, 0},
                    ChoiceCase{"AtTheNewestRecords", 14800, 14990, 6, 6}),
    CaseName());

TEST_F(EventsWindowTest, ListsNewestFirstAndFiltersByKind) {
    open(logs.write("log.csv", logWithProductHigh(8000, 1000, 1100)));
    QTreeWidget& l = list();
    ASSERT_GT(l.topLevelItemCount(), 1);
    for (int i = 1; i < l.topLevelItemCount(); ++i)
        EXPECT_GE(l.topLevelItem(i - 1)->text(1), l.topLevelItem(i)->text(1)) << i;
    const QString high = QString::fromStdString(
        EventKindText(EventKind::ProductHigh, state.texts, ProductTextIndex(settings)));
    events().kindFilter().setCurrentText(high);
    ASSERT_EQ(events().kindFilter().currentText(), high);
    ASSERT_GE(l.topLevelItemCount(), 1);
    for (int i = 0; i < l.topLevelItemCount(); ++i)
        EXPECT_EQ(l.topLevelItem(i)->text(0), high);
    EXPECT_LT(l.topLevelItemCount(), int(window->events().analysis().excursions.size()));
}

// One window, however often the menu asks for it; without a log it lists nothing and says so.
TEST_F(EventsWindowTest, WithoutALogTheOneWindowSaysThereIsNothing) {
    EventsWindow& w = events();
    EXPECT_EQ(&events(), &w);
    EXPECT_EQ(c->mnuEvents->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    EXPECT_EQ(std::tuple(w.excursionList().topLevelItemCount(), w.showButton().isEnabled(),
                         w.findChild<QLabel*>(QStringLiteral("lblNoExcursions"))->isVisible()),
              std::tuple(0, false, true));
    w.showButton().click();
    EXPECT_EQ(redraws(), 0);
}

TEST_F(EventsWindowTest, FollowsALanguageSwitchAndTheRecordsInView) {
    open(logs.write("log.csv", logWithProductHigh(12000, 11600, 11700)));
    EventsWindow& w = events();
    auto* figures = w.findChild<QTableWidget*>(QStringLiteral("tblDayFigures"));
    ASSERT_EQ(figures->columnCount(), int(window->events().analysis().days.size()) + 1);
    // Row 1: the product's highest value, the run's while it is in view.
    const auto highestInView = [&] { return figures->item(1, figures->columnCount() - 1)->text(); };
    c->Xas->setCurrentIndex(6); // 3 hours: the newest
    EXPECT_TRUE(highestInView().startsWith(QStringLiteral("999 ("))) << highestInView().toStdString();
    for (int hour = 0; hour < 5; ++hour)
        c->hscGraphScroller->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_FALSE(highestInView().startsWith(QStringLiteral("999"))) << highestInView().toStdString();

    action("mnuNed")->trigger();
    EXPECT_EQ(std::tuple(w.windowTitle(), w.excursionList().headerItem()->text(0),
                         w.kindFilter().itemText(0), figures->horizontalHeaderItem(figures->columnCount() - 1)->text()),
              std::tuple(QStringLiteral("Gebeurtenissen"), QStringLiteral("Soort"),
                         QStringLiteral("Alle soorten"), QStringLiteral("In beeld")));
}

// A refresh that brings a new run lists it in the window already open.
TEST_F(EventsWindowTest, FollowsARealtimeRefresh) {
    store(settings::kDataDir, companion.path().string());
    writeRealtime(generatedLog(3000));
    on();
    tickAt(31);
    QTreeWidget& l = list();
    const int listed = l.topLevelItemCount();
    writeRealtime(logWithProductHigh(3200, 3100, 3150)); // the same records, then 200 more
    tickAt(1);
    const Excursion& e = window->events().analysis().excursions[productHighWith(3100)];
    EXPECT_GT(l.topLevelItemCount(), listed);
    EXPECT_EQ(l.findItems(QString::fromStdString(e.startText), Qt::MatchExactly, 1).size(), 1);
}

// The README's picture of the window: written only when OSK_SCREENSHOT_DIR names a folder.
TEST_F(EventsWindowTest, Screenshot) {
    const char* folder = std::getenv("OSK_SCREENSHOT_DIR");
    if (folder == nullptr)
        GTEST_SKIP() << "OSK_SCREENSHOT_DIR not set";
    open(logs.write("demo.csv", generatedLog(genlog::LogOptions{}.records * 2)));
    EventsWindow& w = events();
    w.excursionList().setCurrentItem(w.excursionList().topLevelItem(0));
    QCoreApplication::processEvents(); // the layout settles as in the running program
    ASSERT_TRUE(w.grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/events-window.png")));
}

} // namespace
} // namespace osk::test
