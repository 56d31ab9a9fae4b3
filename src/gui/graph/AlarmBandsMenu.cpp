#include "graph/AlarmBandsMenu.h"

#include "app/Handlers.h"
#include "app/MainWindowControls.h"
#include "common/SettingsStore.h"
#include "common/Text.h"
#include "graph/PlotRedraws.h"
#include "graph/RenderState.h"

#include <QAction>

namespace osk {

AlarmBandsMenu::AlarmBandsMenu(MainWindowControls& controls, RenderState& render,
                               SettingsStore& settings, PlotRedraws& redraws)
    : c_(controls), render_(render), settings_(settings), redraws_(redraws) {
    show(textToBoolean(settings_.RegRead(settings::kAlarmBands)).value_or(false));
}

void AlarmBandsMenu::connectCommands(QObject& context) {
    connectAction(c_.mnuAlarmBands, &QAction::triggered, context, redraws_,
                  [this](bool on) { choose(on); });
}

void AlarmBandsMenu::choose(bool on) {
    settings_.RegWrite(settings::kAlarmBands, booleanText(on));
    show(on);
    redraws_.request();
}

void AlarmBandsMenu::show(bool on) {
    render_.AlarmBands = on;
    c_.mnuAlarmBands->setChecked(on);
}

} // namespace osk
