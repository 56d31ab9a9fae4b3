// The alarm bands entry of the Options menu: shades the alarm excursions behind the series;
// the choice is stored and comes back at the next start.
#pragma once

class QObject;

namespace osk {

class PlotRedraws;
class SettingsStore;
struct MainWindowControls;
struct RenderState;

class AlarmBandsMenu {
public:
    // Takes the stored choice; a missing value or one that is no Boolean leaves the bands off.
    AlarmBandsMenu(MainWindowControls& controls, RenderState& render, SettingsStore& settings,
                   PlotRedraws& redraws);

    // Connects the entry; context ends the connection with the window.
    void connectCommands(QObject& context);

    // The menu command: keeps and stores the choice and redraws.
    void choose(bool on);

private:
    void show(bool on);

    MainWindowControls& c_;
    RenderState& render_;
    SettingsStore& settings_;
    PlotRedraws& redraws_;
};

} // namespace osk
