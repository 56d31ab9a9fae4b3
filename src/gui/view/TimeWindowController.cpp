#include "view/TimeWindowController.h"

#include "app/Handlers.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/WindowOperations.h"
#include "graph/PlotRedraws.h"
#include "view/HourScroll.h"

#include <QComboBox>
#include <QScrollBar>
#include <QSignalBlocker>

namespace osk {

TimeWindowController::TimeWindowController(MainWindowControls& controls, ProgramState& state,
                                           WindowOperations& window, PlotRedraws& redraws)
    : c_(controls), state_(state), window_(window), redraws_(redraws) {}

void TimeWindowController::install() {
    c_.hscGraphScroller->setFocusPolicy(Qt::StrongFocus);
    // A drag is one move: the window goes one hour back or forth when the thumb is released,
    // not one hour for every pixel the thumb passes.
    c_.hscGraphScroller->setTracking(false);
    // Left and Page Down go back in time, as the thumb moves left.
    c_.hscGraphScroller->setInvertedControls(false);
}

void TimeWindowController::connectCommands(QObject& context) {
    connectAction(c_.Xas, &QComboBox::currentIndexChanged, context, redraws_,
                  [this] { Xas_Click(); });
    connectAction(c_.cmbGridX, &QComboBox::currentIndexChanged, context, redraws_,
                  [this] { cmbGridX_Click(); });
    connectAction(c_.hscGraphScroller, &QScrollBar::valueChanged, context, redraws_,
                  [this] { hscGraphScroller_Change(); });
}

bool TimeWindowController::logShown() const {
    return state_.records.RecordCount > 0 && state_.records.FileLoaded;
}

void TimeWindowController::setScrollerQuietly(int value) {
    // The change event is held back while the program itself sets the bar, so the user's next
    // move is never taken for the program's.
    const QSignalBlocker quiet(c_.hscGraphScroller);
    c_.hscGraphScroller->setValue(value);
}

void TimeWindowController::Xas_Click() {
    if (!logShown())
        return;
    int16_t& owner = state_.view.ScaleChangeOwner;
    owner = kOwnerSpan;
    setScrollerQuietly(state_.records.RecordCount);
    state_.records.ViewEndRecord = state_.records.RecordCount;
    window_.BuildTimeAxis(window_.plotOuterWidth());
    window_.BuildValueLabels(valueLabelHeight(window_, ValueLabelHeight::PlotInner));
    if (owner == kOwnerSpan) {
        redraws_.request();
        owner = kOwnerNone;
    }
}

void TimeWindowController::cmbGridX_Click() {
    if (!logShown())
        return;
    window_.BuildTimeAxis(window_.plotOuterWidth());
    window_.BuildValueLabels(valueLabelHeight(window_, ValueLabelHeight::PlotInner));
    redraws_.request();
}

void TimeWindowController::hscGraphScroller_Change() {
    // Without a log there are no record times to move along; the bar may still be enabled
    // from the log shown before.
    if (!state_.records.FileLoaded)
        return;
    const RecordTable& records = state_.records;
    moveWindowEnd(NeighbourHourEnd(records.RecordTime, records.ViewEndRecord,
                                   c_.hscGraphScroller->value(), records.RecordCount));
}

void TimeWindowController::moveWindowEnd(int32_t end) {
    RecordTable& records = state_.records;
    records.ViewEndRecord = end;
    setScrollerQuietly(records.ViewEndRecord);
    records.ViewEndRecord = c_.hscGraphScroller->value();
    window_.BuildTimeAxis(window_.plotOuterWidth());
    redraws_.request();
}

void TimeWindowController::ShowNewest() {
    PlotRedraws::ActionScope action(redraws_);
    {
        // A lower maximum may pull the value down with it: that too is the program's setting.
        const QSignalBlocker quiet(c_.hscGraphScroller);
        c_.hscGraphScroller->setMaximum(state_.records.RecordCount);
    }
    setScrollerQuietly(state_.records.RecordCount);
    hscGraphScroller_Change();
}

} // namespace osk
