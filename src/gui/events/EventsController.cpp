#include "events/EventsController.h"

#include "analysis/EventTexts.h"
#include "app/Handlers.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/QtAdapter.h"
#include "events/EventsWindow.h"
#include "graph/PlotRedraws.h"
#include "graph/ProductSystem.h"
#include "graph/RecordMark.h"
#include "lang/FallbackTexts.h"
#include "lang/TextNumbers.h"
#include "view/RecordsInView.h"
#include "view/TimeWindowController.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>

#include <string>
#include <vector>

namespace osk {

EventsController::EventsController(QWidget& owner, MainWindowControls& controls,
                                   ProgramState& state, ProgramServices& services,
                                   TimeWindowController& time, PlotRedraws& redraws)
    : owner_(owner), c_(controls), state_(state), services_(services), time_(time),
      redraws_(redraws) {}

void EventsController::connectCommands(QObject& context) {
    connectGuarded(c_.mnuEvents, &QAction::triggered, context, [this] { showWindow(); });
}

void EventsController::showWindow() {
    if (!window_) {
        window_ = new EventsWindow(owner_);
        EventsWindow& w = *window_;
        connectGuarded(&w.kindFilter(), &QComboBox::currentIndexChanged, w,
                       [this] { fillExcursions(); });
        const auto chosen = [this] {
            if (const auto index = window_->currentExcursion())
                showExcursion(*index);
        };
        connectGuarded(&w.excursionList(), &QTreeWidget::itemActivated, w, chosen);
        connectGuarded(&w.showButton(), &QPushButton::clicked, w, chosen);
        applyTexts();
    }
    window_->show();
    fill();
    window_->raise();
    window_->activateWindow();
}

const LogAnalysis& EventsController::analysis() const {
    return state_.Analysis;
}

bool EventsController::shown() const {
    return window_ && window_->isVisible();
}

void EventsController::logChanged() {
    // A load analyses its log; a failed one leaves none to show.
    if (!state_.records.FileLoaded)
        state_.Analysis = {};
    if (shown())
        fill();
}

void EventsController::applyTexts() {
    if (!window_)
        return;
    const Texts& t = state_.texts;
    const int16_t product = ProductTextIndex(services_.settings);
    window_->setCaptions(textOrFallback(t, kTextEvents), textOrFallback(t, kTextDayFigures),
                         ExcursionHeadings(t), textOrFallback(t, kTextShowInGraph),
                         textOrFallback(t, kTextNoExcursions));
    std::vector<std::string> kinds{textOrFallback(t, kTextAllKinds)};
    for (const EventKindInfo& info : kEventKindInfo)
        kinds.push_back(EventKindText(info.kind, t, product));
    window_->setKindItems(kinds);
    if (shown())
        fill();
}

void EventsController::fill() {
    fillExcursions();
    const Texts& t = state_.texts;
    std::vector<std::string> headings;
    for (const Figures& day : state_.Analysis.days)
        headings.push_back(day.date);
    // The records in view have a column of their own once a log is shown; fillInView fills it.
    if (state_.records.FileLoaded)
        headings.push_back(textOrFallback(t, kTextInView));
    window_->setFigures(headings, FigureRows(state_.Analysis.days, state_.records, t,
                                             ProductTextIndex(services_.settings),
                                             decimalSeparator()));
    fillInView();
}

void EventsController::fillExcursions() {
    if (!window_)
        return;
    const int choice = window_->kindChoice();
    const std::optional<EventKind> kind =
        choice > 0 ? std::optional(kEventKindInfo[static_cast<size_t>(choice - 1)].kind)
                   : std::nullopt;
    window_->setExcursions(ExcursionRows(state_.Analysis.excursions, kind, state_.texts,
                                         ProductTextIndex(services_.settings),
                                         decimalSeparator()));
}

void EventsController::fillInView() {
    if (!window_ || !state_.records.FileLoaded)
        return;
    const RenderState& render = state_.render;
    int32_t oldest = render.DrawnOldest;
    // The drawing goes one record past the left edge: that one is not in view.
    if (oldest > 0 && oldest < render.DrawnNewest && render.PlotPoints.at(oldest, 0) < 0)
        ++oldest;
    const Figures inView = render.DrawnNewest > 0
                               ? RangeFigures(state_.records, oldest, render.DrawnNewest)
                               : Figures{};
    const std::vector<FigureRow> rows =
        FigureRows(std::span(&inView, 1), state_.records, state_.texts,
                   ProductTextIndex(services_.settings), decimalSeparator());
    window_->setFigureColumn(static_cast<int>(state_.Analysis.days.size()),
                             textOrFallback(state_.texts, kTextInView), rows, 0);
}

void EventsController::afterRedraw(Surface& target) {
    if (mark_)
        DrawRecordMark(target, state_.render.PlotPoints, state_.render.DrawnOldest,
                       state_.render.DrawnNewest, mark_->first, mark_->last);
    if (shown())
        fillInView();
}

void EventsController::showExcursion(size_t index) {
    if (!state_.records.FileLoaded || index >= state_.Analysis.excursions.size())
        return;
    const Excursion& e = state_.Analysis.excursions[index];
    {
        const PlotRedraws::ActionScope action(redraws_);
        const RecordTable& records = state_.records;
        const WindowPlacement place =
            PlaceWindowOver(records.RecordTime, state_.render.RecordStep, records.RecordCount,
                            c_.Xas->currentIndex(), e.first, e.last);
        // The span list's own handler runs nested: it moves the window to the newest records.
        c_.Xas->setCurrentIndex(place.spanItem);
        time_.moveWindowEnd(place.endRecord);
        mark_ = Mark{e.first, e.last};
    }
    // Drawn once with the redraw of this action; the next redraw leaves it out.
    mark_.reset();
}

} // namespace osk
