#include "graph/DrawStyleController.h"

#include "app/Handlers.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/WindowOperations.h"
#include "graph/PlotRedraws.h"

#include <QComboBox>

namespace osk {

DrawStyleController::DrawStyleController(MainWindowControls& controls, ProgramState& state,
                                         WindowOperations& window, PlotRedraws& redraws)
    : c_(controls), state_(state), window_(window), redraws_(redraws) {}

void DrawStyleController::connectCommands(QObject& context) {
    connectAction(c_.cboDrawStyle, &QComboBox::currentIndexChanged, context, redraws_,
                  [this] { cboDrawStyle_Click(); });
}

void DrawStyleController::cboDrawStyle_Click() {
    const int index = c_.cboDrawStyle->currentIndex();
    // The list is empty for a moment while its texts are renewed.
    if (state_.records.RecordCount < 1 || !state_.records.FileLoaded || index < 0)
        return;
    SetDrawStyle(state_.render, static_cast<int16_t>(index));
    window_.BuildTimeAxis(window_.plotOuterWidth());
    redraws_.request();
}

} // namespace osk
