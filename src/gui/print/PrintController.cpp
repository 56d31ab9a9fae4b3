#include "print/PrintController.h"

#include "app/Handlers.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/QtAdapter.h"
#include "app/WindowOperations.h"
#include "graph/PictureBox.h"
#include "graph/PlotRedraws.h"
#include "print/QtPageOutput.h"
#include "print/RenderPage.h"
#include "print/frmPreview.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QWidget>

#include <array>
#include <string>
#include <utility>

namespace osk {

namespace {

constexpr size_t kCellGroup = 3;

template <size_t N>
void copyCaptions(const std::array<QLabel*, N>& labels, std::array<std::string, N>& out) {
    for (size_t i = 0; i < N; ++i)
        out[i] = labels[i]->text().toStdString();
}

} // namespace

PrintController::PrintController(MainWindowControls& controls, ProgramState& state,
                                 ProgramServices& services, WindowOperations& window,
                                 PlotRedraws& redraws, QWidget& mainWindow)
    : c_(controls), state_(state), services_(services), window_(window), redraws_(redraws),
      mainWindow_(mainWindow) {}

PrintController::~PrintController() = default;

void PrintController::connectCommands(QObject& context) {
    connectGuarded(c_.mnuAfdrukken, &QAction::triggered, context, [this] { mnuAfdrukken_Click(); });
    connectGuarded(c_.mnuAfdrukVoorbeeld, &QAction::triggered, context,
                   [this] { mnuAfdrukVoorbeeld_Click(); });
}

void PrintController::mnuAfdrukken_Click() {
    run(false);
}

void PrintController::mnuAfdrukVoorbeeld_Click() {
    run(true);
}

void PrintController::run(bool preview) {
    {
        // The screen plot's redraws of every page merge into one when the command ends; a
        // change handler run by the axes for the page cannot draw the screen in between either.
        PlotRedraws::ActionScope action(redraws_);
        frmPreview& form = previewWindow();
        QtPageOutput output(printer_, form);
        PrintContext ctx{state_.render,     state_.records, state_.texts,
                         services_.dialogs, *this,          output};
        if (preview)
            PreviewCommand(ctx, form.dummyGraph());
        else
            PrintCommand(ctx, form.dummyGraph());
    }
    if (std::exchange(screenOwed_, false))
        redrawScreenWithoutLog();
}

void PrintController::redrawScreenWithoutLog() {
    if (Surface* target = state_.render.PlotTarget) {
        bool scrollFlag = false;
        window_.redrawNow(*target, scrollFlag);
    }
}

frmPreview& PrintController::previewWindow() {
    if (!preview_) {
        MainWindowControls& c = c_;
        preview_ = new frmPreview([&c] { return c.Legenda->surface().image(); }, &mainWindow_);
    }
    return *preview_;
}

bool PrintController::cellGroupTicked() const {
    return c_.chkItem[kCellGroup]->isChecked();
}

Colour PrintController::legendBackColor() const {
    const QColor back = c_.Legenda->palette().color(QPalette::Window);
    return Rgb(static_cast<uint8_t>(back.red()), static_cast<uint8_t>(back.green()),
               static_cast<uint8_t>(back.blue()));
}

void PrintController::setLegendBackColor(Colour c) {
    setBackColour(*c_.Legenda, c);
    c_.Legenda->surface().setBackColor(c);
}

void PrintController::redrawOnto(Surface& graph, int32_t plotWidth, int32_t labelHeight) {
    window_.BuildValueLabels(labelHeight);
    window_.BuildTimeAxis(plotWidth);
    bool scrollFlag = false;
    window_.redrawNow(graph, scrollFlag);
}

void PrintController::bringToFront() {
    mainWindow_.raise();
    mainWindow_.activateWindow();
}

PageLabels PrintController::labels() const {
    PageLabels out;
    copyCaptions(c_.lblScale, out.valueLabels);
    copyCaptions(c_.lblScaleXas, out.timeLabels);
    copyCaptions(c_.lblDataXas, out.dateLabels);
    return out;
}

void PrintController::rebuildScreen() {
    window_.BuildTimeAxis(window_.plotOuterWidth());
    window_.BuildValueLabels(valueLabelHeight(window_, ValueLabelHeight::PlotOuter));
    // The window's redraws wait for a loaded log. A failed real-time refresh leaves the last
    // graph on screen with none: the page was drawn from it, so the screen plot, its legend and
    // its points must be drawn from it again, once the command has ended.
    if (state_.records.FileLoaded)
        window_.requestRedraw();
    else
        screenOwed_ = true;
}

} // namespace osk
