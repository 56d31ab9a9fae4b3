// Real-time mode in the main window: the ON and OFF entries of the real-time menu, the Timer1
// tick, and the window as real-time mode and its log reader see it (menu marks, caption,
// timer, post-load steps and redraw).
#pragma once

#include "realtime/RealtimeMode.h"

#include <functional>
#include <string>

class QObject;

namespace osk {

class PlotRedraws;
class WindowOperations;
struct MainWindowControls;
struct ProgramServices;
struct ProgramState;

// The window's steps that real-time mode runs but does not own.
struct RealtimeWindowSteps {
    std::function<void()> InitAfterLoad;
    std::function<void()> ShowNewest;
};

class RealtimeController final : public RealtimeHost {
public:
    RealtimeController(MainWindowControls& controls, ProgramState& state, ProgramServices& services,
                       WindowOperations& window, ReaderHost& reader, PlotRedraws& redraws,
                       RealtimeWindowSteps steps);

    // Connects mnuON and mnuOFF; context ends the connections with the window.
    void connectCommands(QObject& context);

    // Timer1: at seconds 1 and 31 of the clock, while the mode is on, the real-time file is read
    // again and the graph redrawn at its newest end, in one redraw.
    void Timer1_Timer();

    RealtimeMode& mode() { return mode_; }

    void setRealtimeChecks(bool on) override;
    void setOpenFileEnabled(bool enabled) override;
    bool fileExists(const std::string& path) override;
    void InitAfterLoad() override;
    void EnableDataControls(bool enabled) override;
    void ShowNewest() override;
    void redrawAfterRefresh() override;

private:
    MainWindowControls& c_;
    WindowOperations& window_;
    PlotRedraws& redraws_;
    RealtimeWindowSteps steps_;
    RealtimeMode mode_;
    // A message of a refresh (a reader's notice, the communication error) waits for the user in
    // a nested event loop while Timer1 keeps ticking; no second refresh may start inside it.
    bool refreshing_ = false;
};

} // namespace osk
