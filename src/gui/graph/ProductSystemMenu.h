// The product system menu: Free Chlorine, Peroxide or Tarvox names the product series, so a
// choice re-captions the product box and redraws.
#pragma once

#include <string_view>

class QObject;

namespace osk {

class PlotRedraws;

class LanguageHost;
class SettingsStore;
class WindowOperations;
struct MainWindowControls;

class ProductSystemMenu {
public:
    ProductSystemMenu(MainWindowControls& controls, SettingsStore& settings, LanguageHost& texts,
                      WindowOperations& window);

    // Connects the three menu entries; context ends the connections with the window.
    void connectCommands(QObject& context, PlotRedraws& redraws);

    // Checks the entry whose stored value equals system exactly; none for any other text.
    void showChecks(std::string_view system);

    // The menu command: stores the system, applies the texts, moves the check mark, redraws.
    void choose(std::string_view system);

private:
    MainWindowControls& c_;
    SettingsStore& settings_;
    LanguageHost& texts_;
    WindowOperations& window_;
};

} // namespace osk
