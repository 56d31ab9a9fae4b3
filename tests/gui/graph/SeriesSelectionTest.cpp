#include "gui/app/ProgramFixture.h"
#include "gui/support/NamedCases.h"

#include <QGroupBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace osk::test {
namespace {

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

} // namespace
} // namespace osk::test
