#include "view/ValueScaleController.h"

#include "app/Handlers.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/WindowOperations.h"
#include "graph/Grid.h"
#include "graph/PlotRedraws.h"
#include "view/ScaleOwner.h"
#include "view/UpsideDownBar.h"
#include "view/ValueScale.h"

#include <QLabel>
#include <QScrollBar>

#include <algorithm>
#include <cstdint>

namespace osk {

namespace {

// The grid bar's range lies far inside 16 bits; the clamp only guards the conversion.
int16_t gridStepValue(int value) {
    return static_cast<int16_t>(std::clamp(value, 1, 32767));
}

} // namespace

ValueScaleController::ValueScaleController(MainWindowControls& controls, ProgramState& state,
                                           WindowOperations& window, PlotRedraws& redraws)
    : c_(controls), state_(state), window_(window), redraws_(redraws) {}

void ValueScaleController::install() {
    for (QScrollBar* bar : {c_.vscScaleMax, c_.vscScaleMin, c_.vscGraphScroller, c_.hsGridY}) {
        bar->setFocusPolicy(Qt::StrongFocus);
        // A drag changes the value once, when the thumb is released.
        bar->setTracking(false);
    }
    for (QScrollBar* bar : {c_.vscScaleMax, c_.vscScaleMin, c_.vscGraphScroller})
        makeUpsideDownBarNatural(*bar);
    // Left and Page Down lower the grid step, as the thumb moves left.
    c_.hsGridY->setInvertedControls(false);
}

void ValueScaleController::connectCommands(QObject& context) {
    connectAction(c_.vscScaleMax, &QScrollBar::valueChanged, context, redraws_,
                  [this] { vscScaleMax_Change(); });
    connectAction(c_.vscScaleMin, &QScrollBar::valueChanged, context, redraws_,
                  [this] { vscScaleMin_Change(); });
    connectAction(c_.vscGraphScroller, &QScrollBar::valueChanged, context, redraws_,
                  [this] { vscGraphScroller_Change(); });
    connectAction(c_.hsGridY, &QScrollBar::valueChanged, context, redraws_,
                  [this] { hsGridY_Change(); });
    connectAction(c_.hsGridY, &QScrollBar::sliderMoved, context, redraws_,
                  [this](int position) { hsGridY_Scroll(position); });
}

void ValueScaleController::buildLabels() {
    window_.BuildValueLabels(valueLabelHeight(window_, ValueLabelHeight::PlotOuterLessFive));
}

void ValueScaleController::vscScaleMax_Change() {
    int16_t& owner = state_.view.ScaleChangeOwner;
    ClaimScaleChange(owner, kOwnerScaleMax);
    const int repaired = RepairedUpperBound(c_.vscScaleMax->value());
    if (repaired != c_.vscScaleMax->value())
        c_.vscScaleMax->setValue(repaired);
    c_.lblMin[1]->setNum(c_.vscScaleMax->value());
    buildLabels();
    if (owner == kOwnerScaleMax) {
        redraws_.request();
        ReleaseScaleChange(owner, kOwnerScaleMax);
    }
}

void ValueScaleController::vscScaleMin_Change() {
    int16_t& owner = state_.view.ScaleChangeOwner;
    ClaimScaleChange(owner, kOwnerScaleMin);
    const int repaired = RepairedLowerBound(c_.vscScaleMin->value(), c_.vscScaleMax->value());
    if (repaired != c_.vscScaleMin->value())
        c_.vscScaleMin->setValue(repaired);
    if (!state_.view.ScrollerSyncing) {
        // The scroller's thumb follows the lower bound without shifting the scale.
        state_.view.ScrollerMayShiftScale = false;
        c_.vscGraphScroller->setValue(c_.vscScaleMin->value());
        state_.view.ScrollerMayShiftScale = true;
    }
    buildLabels();
    if (owner == kOwnerScaleMin)
        redraws_.request();
    c_.lblMin[0]->setNum(c_.vscScaleMin->value());
    ReleaseScaleChange(owner, kOwnerScaleMin);
}

bool ValueScaleController::ValueScrollAllowed() {
    if (osk::ValueScrollAllowed(c_.vscGraphScroller->value(), state_.view.ValueAxis.Range,
                                state_.view.ScrollerMayShiftScale))
        return true;
    c_.vscGraphScroller->setValue(c_.vscScaleMin->value());
    return false;
}

void ValueScaleController::vscGraphScroller_Change() {
    int16_t& owner = state_.view.ScaleChangeOwner;
    ClaimScaleChange(owner, kOwnerValueScroller);
    if (ValueScrollAllowed()) {
        const ScaleShift shift =
            ShiftScale(c_.vscGraphScroller->value(), state_.view.ValueAxis.Range);
        state_.view.ScrollerSyncing = true;
        // The upper bound first, so that a shift upwards never meets the old upper bound.
        c_.vscScaleMax->setValue(shift.scaleMax);
        c_.vscScaleMin->setValue(shift.scaleMin);
        state_.view.ScrollerSyncing = false;
    }
    buildLabels();
    if (owner == kOwnerValueScroller) {
        redraws_.request();
        ReleaseScaleChange(owner, kOwnerValueScroller);
    }
}

void ValueScaleController::hsGridY_Change() {
    const int value = c_.hsGridY->value();
    SetGridStepY(state_.view, gridStepValue(value));
    c_.lblYValue->setNum(value);
    redraws_.request();
}

void ValueScaleController::hsGridY_Scroll(int position) {
    // The caption follows the thumb; the plot waits for its release.
    SetGridStepY(state_.view, gridStepValue(position));
    c_.lblYValue->setNum(position);
}

} // namespace osk
