#include "gui/app/ProgramFixture.h"

#include "gui/support/NamedCases.h"
#include "gui/support/ScrollBarParts.h"

#include <QTest>

#include <algorithm>
#include <functional>

namespace osk::test {
namespace {

// A loaded log on the product scale 0..150 with grid step 15.
class ValueScale : public LogWindowFixture {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        openLog(2000);
    }
    void expectScale(int min, int max) {
        EXPECT_EQ(c->vscScaleMin->value(), min);
        EXPECT_EQ(c->vscScaleMax->value(), max);
        EXPECT_EQ(c->lblMin[0]->text(), QString::number(min));
        EXPECT_EQ(c->lblMin[1]->text(), QString::number(max));
        EXPECT_EQ(state.view.ValueAxis.Min, min);
        EXPECT_EQ(state.view.ValueAxis.Max, max);
        EXPECT_EQ(c->lblScale[0]->text(), QString::number(max) + QStringLiteral(".0"));
        EXPECT_EQ(c->lblScale[10]->text(), QString::number(min) + QStringLiteral(".0"));
    }
};

// What the user does with the bars, and where the scale ends up.
using BarStep = std::function<void(const MainWindowControls&)>;
struct BarCase {
    const char* name;
    BarStep before; // done first, not counted
    BarStep act;    // the user's one action
    int min, max, scrollerThumb;
};
OSK_PRINTS_ITS_NAME(BarCase)

void nothing(const MainWindowControls&) {}

class BarActions : public ValueScale, public ::testing::WithParamInterface<BarCase> {};

TEST_P(BarActions, EndInAConsistentScaleWithOneRedraw) {
    const BarCase& b = GetParam();
    b.before(*c);
    const int64_t before = redraws();
    b.act(*c);
    EXPECT_EQ(redraws(), before + 1);
    expectScale(b.min, b.max);
    EXPECT_EQ(c->vscGraphScroller->value(), b.scrollerThumb);
    EXPECT_EQ(state.view.ScaleChangeOwner, kOwnerNone);
    EXPECT_DOUBLE_EQ(state.view.ValueAxis.PixelsPerUnit,
                     (c->pGraph->height() - 5.0) / (b.max - b.min));
    // The one redraw came after every nested change: it drew the grid step of the new scale.
    EXPECT_DOUBLE_EQ(state.view.GridStepPixelsY,
                     std::max(0.51, c->hsGridY->value() * state.view.ValueAxis.PixelsPerUnit));
}

INSTANTIATE_TEST_SUITE_P(
    Bars, BarActions,
    ::testing::Values(
        BarCase{"upper bound lowered", nothing, [](auto& c) { c.vscScaleMax->setValue(120); }, 0,
                120, 0},
        BarCase{"upper bound to zero becomes one", nothing,
                [](auto& c) { c.vscScaleMax->setValue(0); }, 0, 1, 0},
        BarCase{"upper bound onto the lower one", [](auto& c) { c.vscScaleMin->setValue(50); },
                [](auto& c) { c.vscScaleMax->setValue(50); }, 49, 50, 49},
        BarCase{"lower bound onto the upper one", [](auto& c) { c.vscScaleMax->setValue(80); },
                [](auto& c) { c.vscScaleMin->setValue(80); }, 79, 80, 79},
        BarCase{"scroller shifts the window", nothing,
                [](auto& c) { c.vscGraphScroller->setValue(900); }, 900, 1050, 900},
        BarCase{"scroller refused near the top", [](auto& c) { c.vscScaleMax->setValue(900); },
                [](auto& c) { c.vscGraphScroller->setValue(1150); }, 0, 900, 0}),
    CaseName());

TEST_F(ValueScale, TheGridStepCaptionFollowsADragAndThePlotWaitsForTheRelease) {
    QScrollBar* grid = c->hsGridY;
    const int64_t before = redraws();
    grid->setSliderDown(true);
    grid->setSliderPosition(30);
    EXPECT_EQ(c->lblYValue->text(), "30");
    EXPECT_EQ(redraws(), before);
    grid->setSliderDown(false);
    EXPECT_EQ(redraws(), before + 1);
    EXPECT_EQ(c->lblYValue->text(), "30");
    EXPECT_DOUBLE_EQ(state.view.GridStepPixelsY, 30 * state.view.ValueAxis.PixelsPerUnit);
}

TEST_F(ValueScale, TheValueBarsMoveTheWayTheirThumbsShow) {
    QScrollBar* upper = c->vscScaleMax;
    upper->setFocus();
    QTest::keyClick(upper, Qt::Key_Up);
    expectScale(0, 151);
    QTest::keyClick(upper, Qt::Key_PageUp);
    expectScale(0, 161);
    QTest::keyClick(upper, Qt::Key_Down);
    expectScale(0, 160);
    const int64_t before = redraws();
    // The top arrow.
    QTest::mouseClick(upper, Qt::LeftButton, {},
                      scrollBarPart(*upper, QStyle::SC_ScrollBarSubLine).center());
    expectScale(0, 161);
    EXPECT_EQ(redraws(), before + 1);
}

} // namespace
} // namespace osk::test
