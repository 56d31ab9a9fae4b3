#include "gui/app/ProgramFixture.h"

#include <QPushButton>

#include <algorithm>
#include <functional>

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

} // namespace
} // namespace osk::test
