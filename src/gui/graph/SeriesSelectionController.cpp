#include "graph/SeriesSelectionController.h"

#include "app/Handlers.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "graph/AutoScale.h"
#include "graph/PlotRedraws.h"
#include "graph/ProductSystem.h"
#include "graph/SeriesCatalogue.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>

#include <array>

namespace osk {

namespace {

constexpr int kPanelBoxes = 6;
// Boxes 1..4 are loaded from the selection when the panel opens; 5 and 6 keep their state.
constexpr int kLoadedBoxes = 4;

int16_t checkState(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

} // namespace

SeriesSelectionController::SeriesSelectionController(MainWindowControls& controls,
                                                     ProgramState& state, SettingsStore& settings,
                                                     PlotRedraws& redraws)
    : c_(controls), state_(state), settings_(settings), redraws_(redraws) {}

void SeriesSelectionController::connectCommands(QObject& context) {
    for (int g = 0; g < static_cast<int>(c_.chkItem.size()); ++g) {
        connectAction(c_.chkItem[static_cast<size_t>(g)], &QCheckBox::stateChanged, context,
                      redraws_, [this, g] { chkItem_Click(g); });
        connectAction(c_.cmdItem[static_cast<size_t>(g)], &QPushButton::clicked, context, redraws_,
                      [this, g] { cmdItem_Click(g); });
    }
    for (int k = 1; k <= kPanelBoxes; ++k)
        connectAction(c_.chkItems2[static_cast<size_t>(k)], &QCheckBox::stateChanged, context,
                      redraws_, [this, k] { chkItems2_Click(k); });
    connectAction(c_.Command4, &QPushButton::clicked, context, redraws_,
                  [this] { Command4_Click(); });
}

void SeriesSelectionController::chkItem_Click(int g) {
    state_.render.SeriesOn.set(g, 0, checkState(c_.chkItem[static_cast<size_t>(g)]));
    AutoScale();
    redraws_.request();
}

void SeriesSelectionController::AutoScale() {
    const std::optional<AutoScaleResult> scale =
        osk::AutoScale(state_.render.SeriesOn, ProductTextIndex(settings_));
    if (!scale)
        return;
    // The lower bound goes first. A scale lying wholly above the current upper bound gets its
    // upper bound first instead: the lower bar's handler would otherwise pull the new lower
    // bound back under the old upper one, and the scale would not be the chosen one.
    if (scale->low >= c_.vscScaleMax->value()) {
        c_.vscScaleMax->setValue(scale->high);
        c_.vscScaleMin->setValue(scale->low);
    } else {
        c_.vscScaleMin->setValue(scale->low);
        c_.vscScaleMax->setValue(scale->high);
    }
    c_.hsGridY->setValue(scale->gridStep);
}

void SeriesSelectionController::cmdItem_Click(int g) {
    ConfigureChoices(g);
    ShowChoices(g);
}

void SeriesSelectionController::setBox(int k, const std::string& caption, bool shown) {
    QCheckBox* box = c_.chkItems2[static_cast<size_t>(k)];
    box->setText(QString::fromStdString(caption));
    box->setVisible(shown);
}

void SeriesSelectionController::ConfigureChoices(int g) {
    if (g < 0 || g >= kSeriesGroupsUsed)
        return;
    // Box k is the group's sub-series k; a group with fewer sub-series hides the rest.
    for (int k = 1; k <= kPanelBoxes; ++k) {
        const SeriesEntry* entry = FindSeries(g, k);
        setBox(k, entry ? SeriesItemCaption(*entry, state_.texts) : std::string(),
               entry != nullptr);
    }
}

void SeriesSelectionController::ShowChoices(int g) {
    // While the boxes are loaded their change events must not write into the selection.
    state_.ChoicesReady = false;
    for (int k = 1; k <= kLoadedBoxes; ++k)
        c_.chkItems2[static_cast<size_t>(k)]->setChecked(state_.render.SeriesOn.get(g, k) != 0);
    c_.fraChoses->show();
    c_.fraChoses->raise();
    state_.ChoicesReady = true;
    state_.ChoiceGroup = static_cast<int16_t>(g);
}

void SeriesSelectionController::chkItems2_Click(int k) {
    if (!state_.ChoicesReady)
        return;
    state_.render.SeriesOn.set(state_.ChoiceGroup, k,
                               checkState(c_.chkItems2[static_cast<size_t>(k)]));
    redraws_.request();
}

void SeriesSelectionController::Command4_Click() {
    c_.fraChoses->hide();
}

} // namespace osk
