// What the window draws of the series: one redraw per user action, the automatic scale for the
// groups switched on, the sub-series, and the legend box.
#include "gui/app/ProgramFixture.h"

#include "graph/Legend.h"
#include "graph/LegendBox.h"

#include <QHelpEvent>
#include <QToolTip>

#include <utility>

namespace osk::test {
namespace {

// One user action, one redraw, however many handlers the action runs nested; for the group
// boxes and the value scale bars, the value scale the window then shows (how the bars repair
// and shift the scale is the core's).
struct ActionCase {
    const char* name;
    void (*before)(const MainWindowControls&, SettingsStore&); // not counted
    void (*act)(const MainWindowControls&);
    int min = -1, max = -1, gridStep = -1; // the scale afterwards; -1: not checked
};
OSK_PRINTS_ITS_NAME(ActionCase)

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
        a.before(*c, settings);
    const int64_t before = redraws();
    a.act(*c);
    EXPECT_EQ(std::tuple(redraws(), state.view.ScaleChangeOwner),
              std::tuple(before + 1, kOwnerNone));
    // The one redraw came after every nested change: it drew the grid step the action left.
    EXPECT_DOUBLE_EQ(state.view.GridStepPixelsY,
                     std::max(0.51, c->hsGridY->value() * state.view.ValueAxis.PixelsPerUnit));
    if (a.min < 0)
        return;
    EXPECT_EQ(std::tuple(c->vscScaleMin->value(), c->vscScaleMax->value(), c->hsGridY->value(),
                         c->vscGraphScroller->value(), c->lblYValue->text(),
                         c->lblScale[0]->text()),
              std::tuple(a.min, a.max, a.gridStep, a.min, QString::number(a.gridStep),
                         QString::number(a.max) + ".0"));
    EXPECT_DOUBLE_EQ(state.view.ValueAxis.PixelsPerUnit,
                     (c->pGraph->height() - 5.0) / (a.max - a.min));
}

using C = const MainWindowControls&;
using S = SettingsStore&;
void productOff(C c, S) {
    c.chkItem[0]->setChecked(false);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, OneRedraw,
    ::testing::Values(
        ActionCase{"span", nullptr, [](C c) { c.Xas->setCurrentIndex(4); }},
        ActionCase{"grid_interval", nullptr, [](C c) { c.cmbGridX->setCurrentIndex(3); }},
        ActionCase{"sub_item_tick", [](C c, S) { c.cmdItem[0]->click(); },
                   [](C c) { c.chkItems2[1]->setChecked(true); }},
        ActionCase{
            "scroll_by_an_hour", nullptr,
            [](C c) { c.hscGraphScroller->triggerAction(QAbstractSlider::SliderSingleStepSub); }},
        ActionCase{"grid_step", nullptr, [](C c) { c.hsGridY->setValue(25); }},
        ActionCase{"draw_style", nullptr, [](C c) { c.cboDrawStyle->setCurrentIndex(1); }},
        ActionCase{"pH_only", productOff, [](C c) { c.chkItem[1]->setChecked(true); }, 60, 80, 2},
        ActionCase{"last_group_off_keeps_the_scale",
                   [](C c, S) {
                       c.chkItem[1]->setChecked(true);
                       c.chkItem[0]->setChecked(false);
                   },
                   [](C c) { c.chkItem[1]->setChecked(false); }, 60, 80, 2},
        // The user's upper bound lies below the new lower one.
        ActionCase{"above_the_upper_bound",
                   [](C c, S) {
                       c.vscScaleMax->setValue(40);
                       c.chkItem[0]->setChecked(false);
                   },
                   [](C c) { c.chkItem[1]->setChecked(true); }, 60, 80, 2},
        // The product system is read when the group is ticked.
        ActionCase{"unknown_product",
                   [](C c, S store) {
                       store.RegWrite(settings::kSystem, "Other");
                       c.chkItem[0]->setChecked(false);
                   },
                   [](C c) { c.chkItem[0]->setChecked(true); }, 0, 100, 10},
        ActionCase{"upper_bound_to_zero_becomes_one", nullptr,
                   [](C c) { c.vscScaleMax->setValue(0); }, 0, 1, 15},
        ActionCase{"upper_bound_onto_the_lower_one", [](C c, S) { c.vscScaleMin->setValue(50); },
                   [](C c) { c.vscScaleMax->setValue(50); }, 49, 50, 15},
        ActionCase{"lower_bound_onto_the_upper_one", [](C c, S) { c.vscScaleMax->setValue(80); },
                   [](C c) { c.vscScaleMin->setValue(80); }, 79, 80, 15},
        ActionCase{"value_scroller_shifts_the_window", nullptr,
                   [](C c) { c.vscGraphScroller->setValue(900); }, 900, 1050, 15},
        ActionCase{"value_scroller_refused_near_the_top",
                   [](C c, S) { c.vscScaleMax->setValue(900); },
                   [](C c) { c.vscGraphScroller->setValue(1150); }, 0, 900, 15}),
    CaseName());

// Without a log the lists only take the new selection; with one, the draw style is kept.
TEST_F(LogWindowFixture, TheListsDrawNothingWithoutALog) {
    c->cboDrawStyle->setCurrentIndex(kDrawStyleBars);
    c->Xas->setCurrentIndex(6);
    c->cmbGridX->setCurrentIndex(4);
    EXPECT_EQ(std::tuple(redraws(), dialogs.prompts.size(), state.render.DrawStyle,
                         state.view.TimeAxis.SpanRecords),
              std::tuple(0, 0u, kDrawStyleLine, 0.0));

    openLog(500);
    c->cboDrawStyle->setCurrentIndex(kDrawStyleDots);
    EXPECT_EQ(state.render.DrawStyle, kDrawStyleDots);
}

// Each group's "..." button shows a named box for each of its sub-series and hides the rest,
// whichever panel was open before.
TEST_F(LogWindowFixture, TheSubSeriesPanelShowsTheGroupsOwnBoxes) {
    openLog(500);
    const std::pair<int, int> panels[] = {{2, 2}, {1, 4}, {3, 6}, {2, 2}, {0, 4}};
    for (const auto& [group, boxes] : panels) {
        c->cmdItem[static_cast<size_t>(group)]->click();
        for (int k = 1; k <= 6; ++k) {
            const QCheckBox* box = c->chkItems2[static_cast<size_t>(k)];
            EXPECT_EQ(!box->isHidden(), k <= boxes) << "group " << group << " box " << k;
            EXPECT_TRUE(box->isHidden() || !box->text().isEmpty());
        }
    }
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
    EXPECT_EQ(image.pixel(static_cast<int>(kLegendItemX / u) + 1, lineY) & 0xFFFFFFu,
              kCellBlue & 0xFFFFFFu);
    // Its text, drawn in the legend's own units.
    EXPECT_TRUE(test::inkIn(
        image, QRect(QPoint(static_cast<int>((kLegendItemX + kLegendTextGap) / u), lineY),
                     QPoint(image.width() - 1, image.height() - 1))));
    const QFontMetricsF metrics(legend->surface().font(), &image);
    EXPECT_LE((LegendLineY(kLegendMostLines) - kLegendTextRaise) / u + metrics.height(),
              image.height());
    EXPECT_LE(metrics.height(), kLegendLineHeight / u);
}

// At the window's first size the box reaches past the window's right edge: its texts end in "…"
// where the window ends, not where the box does.
TEST_F(LegendBoxTest, TextsEndInAnEllipsisAtTheWindowsEdge) {
    const int shown =
        legend->mapFrom(window.get(), QPoint(window->width(), 0)).x() - PictureBox::kBorder;
    const QImage& image = legend->surface().image();
    ASSERT_LT(shown, image.width()) << "the box ends inside the window";
    EXPECT_TRUE(test::inkIn(image, QRect(shown - 8, 0, 8, image.height()))) << "no text elided";
    EXPECT_FALSE(test::inkIn(image, QRect(shown, 0, image.width(), image.height())));
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
    EXPECT_EQ(QStringList({toolTipAtLine(15), toolTipAtLine(13)}), QStringList({"", "Low alarm"}));
}

} // namespace
} // namespace osk::test
