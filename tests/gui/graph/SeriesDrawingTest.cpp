// What the window draws of the series: one redraw per user action, the automatic scale for the
// groups switched on, the sub-series, and the legend box.
#include "gui/app/ProgramFixture.h"
#include "gui/support/NamedCases.h"

#include "graph/Legend.h"
#include "graph/LegendBox.h"

#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QPushButton>
#include <QToolTip>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace osk::test {
namespace {

// One user action, one redraw, however many handlers the action runs nested. The value scale
// bars are counted with their own cases beside the value scale.
struct ActionCase {
    const char* what;
    std::function<void(const MainWindowControls&)> before; // not counted
    std::function<void(const MainWindowControls&)> act;
};
void PrintTo(const ActionCase& c, std::ostream* os) {
    *os << c.what;
}

class OneRedraw : public LogWindowFixture, public ::testing::WithParamInterface<ActionCase> {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        openLog(19000);
    }
};

TEST_P(OneRedraw, PerUserAction) {
    const ActionCase& a = GetParam();
    if (a.before)
        a.before(*c);
    const int64_t before = redraws();
    a.act(*c);
    EXPECT_EQ(redraws(), before + 1);
    // The one redraw came after every nested change: it drew the grid step the action left.
    EXPECT_DOUBLE_EQ(state.view.GridStepPixelsY,
                     std::max(0.51, c->hsGridY->value() * state.view.ValueAxis.PixelsPerUnit));
}

INSTANTIATE_TEST_SUITE_P(
    Actions, OneRedraw,
    ::testing::Values(
        ActionCase{"span", nullptr, [](auto& c) { c.Xas->setCurrentIndex(4); }},
        ActionCase{"grid_interval", nullptr, [](auto& c) { c.cmbGridX->setCurrentIndex(3); }},
        ActionCase{"group_tick_with_new_scale", nullptr,
                   [](auto& c) { c.chkItem[3]->setChecked(true); }},
        ActionCase{"sub_item_tick", [](auto& c) { c.cmdItem[0]->click(); },
                   [](auto& c) { c.chkItems2[1]->setChecked(true); }},
        ActionCase{"scroll_by_an_hour", nullptr,
                   [](auto& c) {
                       c.hscGraphScroller->triggerAction(QAbstractSlider::SliderSingleStepSub);
                   }},
        ActionCase{"grid_step", nullptr, [](auto& c) { c.hsGridY->setValue(25); }},
        ActionCase{"draw_style", nullptr, [](auto& c) { c.cboDrawStyle->setCurrentIndex(1); }}),
    [](const auto& info) { return std::string(info.param.what); });

// Without a log the lists only take the new selection; with one, the draw style is kept.
TEST_F(LogWindowFixture, TheListsDrawNothingWithoutALog) {
    c->cboDrawStyle->setCurrentIndex(kDrawStyleBars);
    c->Xas->setCurrentIndex(6);
    c->cmbGridX->setCurrentIndex(4);
    EXPECT_EQ(redraws(), 0);
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(state.render.DrawStyle, kDrawStyleLine);
    EXPECT_EQ(state.view.TimeAxis.SpanRecords, 0.0);

    openLog(500);
    c->cboDrawStyle->setCurrentIndex(kDrawStyleDots);
    EXPECT_EQ(state.render.DrawStyle, kDrawStyleDots);
}

constexpr QRgb kProductAlarm = qRgb(255, 157, 255);

class SeriesSelection : public LogWindowFixture {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        openLog(2000);
    }
    void tickPanelBox(int group, int k, bool on) {
        c->cmdItem[static_cast<size_t>(group)]->click();
        c->chkItems2[static_cast<size_t>(k)]->setChecked(on);
    }
};

// Group boxes ticked and unticked in order, and the value scale the window ends with.
using SetUpStep = void (*)(const MainWindowControls&, SettingsStore&);
struct ScaleCase {
    const char* name;
    SetUpStep before;
    std::vector<std::pair<int, bool>> ticks;
    int min, max, gridStep;
};
OSK_PRINTS_ITS_NAME(ScaleCase)

class AutomaticScale : public SeriesSelection, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(AutomaticScale, SuitsTheGroupsSwitchedOn) {
    const ScaleCase& s = GetParam();
    if (s.before)
        s.before(*c, settings);
    for (const auto& [group, on] : s.ticks) {
        const int64_t before = redraws();
        c->chkItem[static_cast<size_t>(group)]->setChecked(on);
        EXPECT_EQ(redraws(), before + 1) << "group " << group;
    }
    EXPECT_EQ(c->vscScaleMin->value(), s.min);
    EXPECT_EQ(c->vscScaleMax->value(), s.max);
    EXPECT_EQ(c->hsGridY->value(), s.gridStep);
    EXPECT_EQ(c->lblYValue->text(), QString::number(s.gridStep));
    EXPECT_EQ(c->lblScale[0]->text(), QString::number(s.max) + QStringLiteral(".0"));
    EXPECT_EQ(c->vscGraphScroller->value(), s.min);
}

void upperBoundAt40(const MainWindowControls& c, SettingsStore&) {
    c.vscScaleMax->setValue(40);
}
void unknownProduct(const MainWindowControls&, SettingsStore& store) {
    store.RegWrite(settings::kSystem, "Other");
}

INSTANTIATE_TEST_SUITE_P(
    Groups, AutomaticScale,
    ::testing::Values(
        ScaleCase{"pH only", nullptr, {{0, false}, {1, true}}, 60, 80, 2},
        ScaleCase{"product and pH", nullptr, {{1, true}}, 0, 150, 15},
        ScaleCase{"cell", nullptr, {{3, true}}, 0, 1200, 120},
        ScaleCase{"last group off keeps the scale",
                  nullptr,
                  {{1, true}, {0, false}, {1, false}},
                  60,
                  80,
                  2},
        // The user's upper bound lies below the new lower one.
        ScaleCase{"above the upper bound", upperBoundAt40, {{0, false}, {1, true}}, 60, 80, 2},
        // The product system is read when the group is ticked.
        ScaleCase{"unknown product", unknownProduct, {{0, false}, {0, true}}, 0, 100, 10}),
    CaseName());

TEST_F(SeriesSelection, ASubSeriesShowsOnlyWithItsGroup) {
    c->chkItem[0]->setChecked(false);
    tickPanelBox(0, 1, true);
    EXPECT_EQ(state.render.SeriesOn.get(0, 1), 1);
    EXPECT_EQ(pixelsOf(c->pGraph, QColor(kProductAlarm)), 0);
    EXPECT_EQ(pixelsOf(c->Legenda, QColor(kProductAlarm)), 0);

    c->chkItem[0]->setChecked(true);
    EXPECT_GT(pixelsOf(c->pGraph, QColor(kProductAlarm)), 0);
    EXPECT_GT(pixelsOf(c->Legenda, QColor(kProductAlarm)), 0);
}

constexpr QRgb kCellBlue = qRgb(1, 6, 201);

class LegendBoxTest : public LogWindowFixture {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        openLog(2000);
        for (size_t g = 0; g < 4; ++g) {
            c->chkItem[g]->setChecked(true);
            c->cmdItem[g]->click();
            for (size_t k = 1; k <= 6; ++k)
                c->chkItems2[k]->setChecked(!c->chkItems2[k]->isHidden());
        }
        legend = qobject_cast<LegendBox*>(c->Legenda);
        ASSERT_NE(legend, nullptr);
    }

    // The tooltip the box shows for the mouse resting at the height of a legend line.
    QString toolTipAtLine(double line) {
        const QPoint at(60, PictureBox::kBorder +
                                static_cast<int>(LegendLineY(1) * line / kLegendUnitsPerPixel));
        QHelpEvent help(QEvent::ToolTip, at, legend->mapToGlobal(at));
        QApplication::sendEvent(legend, &help);
        // Where there is no entry the box turns the request down.
        return help.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    LegendBox* legend = nullptr;
};

// "GBC", the last of twenty entries: its sample line in the cell blue and its text within the
// picture, and lines of text that do not run into each other.
TEST_F(LegendBoxTest, TheTwentiethEntryLiesInsideTheBox) {
    EXPECT_EQ(legend->size(), QSize(110, 240));
    const QImage image = legend->surface().image();
    const double u = kLegendUnitsPerPixel;
    const int lineY = static_cast<int>(LegendLineY(kLegendMostLines) / u + 0.5);
    EXPECT_EQ(image.pixel(static_cast<int>(kLegendItemX / u) + 1, lineY) & 0xFFFFFFu, kCellBlue & 0xFFFFFFu);
    const QFontMetricsF metrics(legend->surface().font(), &image);
    EXPECT_LE((LegendLineY(kLegendMostLines) - kLegendTextRaise) / u + metrics.height(), image.height());
    EXPECT_LE(metrics.height(), kLegendLineHeight / u);
}

TEST_F(LegendBoxTest, TheToolTipCarriesTheFullTextOfTheEntryUnderTheMouse) {
    const struct {
        double line;
        const char* text;
    } cases[] = {
        {1, "Free Chlorine mg/L (/100)"}, {15, "Rinse"}, {18, "Empty"}, {19.4, "TBC"}, {20, "GBC"},
    };
    for (const auto& tc : cases)
        EXPECT_EQ(toolTipAtLine(tc.line), QString::fromUtf8(tc.text)) << tc.line;
    // Above the first entry nothing is shown; with fewer entries the lower rows are empty.
    EXPECT_EQ(toolTipAtLine(0.3), QString());
    c->chkItem[3]->setChecked(false);
    EXPECT_EQ(toolTipAtLine(15), QString());
    EXPECT_EQ(toolTipAtLine(13), QStringLiteral("Low alarm"));
}

} // namespace
} // namespace osk::test
