#include "realtime/RealtimeController.h"

#include "common/FileOpen.h"

#include "app/Handlers.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/WindowOperations.h"
#include "graph/PlotRedraws.h"

#include <QAction>

#include <filesystem>
#include <system_error>
#include <utility>

namespace osk {

RealtimeController::RealtimeController(MainWindowControls& controls, ProgramState& state,
                                       ProgramServices& services, WindowOperations& window,
                                       ReaderHost& reader, PlotRedraws& redraws,
                                       RealtimeWindowSteps steps)
    : c_(controls), window_(window), redraws_(redraws), steps_(std::move(steps)),
      mode_(state.records, state.texts, services.dialogs, services.settings, services.clock, reader,
            *this) {}

void RealtimeController::connectCommands(QObject& context) {
    connectAction(c_.mnuON, &QAction::triggered, context, redraws_, [this] { mode_.mnuONClick(); });
    connectAction(c_.mnuOFF, &QAction::triggered, context, redraws_,
                  [this] { mode_.mnuOFFClick(); });
}

void RealtimeController::Timer1_Timer() {
    if (refreshing_)
        return;
    struct Busy {
        explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
        ~Busy() { flag_ = false; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;
        bool& flag_;
    } busy(refreshing_);
    PlotRedraws::ActionScope action(redraws_);
    mode_.Timer1Tick();
}

void RealtimeController::setRealtimeChecks(bool on) {
    c_.mnuON->setChecked(on);
    c_.mnuOFF->setChecked(!on);
}

void RealtimeController::setOpenFileEnabled(bool enabled) {
    c_.mnuOpenFile->setEnabled(enabled);
}

bool RealtimeController::fileExists(const std::string& path) {
    return isReadableFile(path);
}

void RealtimeController::InitAfterLoad() {
    if (steps_.InitAfterLoad)
        steps_.InitAfterLoad();
}

void RealtimeController::EnableDataControls(bool enabled) {
    window_.EnableDataControls(enabled);
}

void RealtimeController::ShowNewest() {
    if (steps_.ShowNewest)
        steps_.ShowNewest();
}

void RealtimeController::redrawAfterRefresh() {
    // Merged with the requests of the steps before it into the one redraw of this tick.
    redraws_.request(true);
}

} // namespace osk
