// The settings side of the main window: restoring the stored settings into the menus at start-up,
// the fall-back to default settings when they cannot be read, and the printer colour menu.
#pragma once

class QObject;

namespace osk {

class PlotRedraws;

class ProductSystemMenu;
class TextsController;
struct MainWindowControls;
struct ProgramServices;
struct ProgramState;

class SettingsController {
public:
    SettingsController(MainWindowControls& controls, ProgramState& state, ProgramServices& services,
                       TextsController& texts, ProductSystemMenu& products);

    // Background colours, the default language name when none is stored, and the check marks
    // of the colour, language and product system menus. False when the stored colour setting
    // is no Boolean (always so on the first run), which ends the restoring there.
    bool RestoreSettings();

    // Tells the user that the default settings are used and stores them: colour printer and
    // Free Chlorine, and English unless a language is already stored (the one the language
    // dialog has just written is kept). The check marks follow.
    void useDefaultSettings();

    // Connects the colour menu; context ends the connections with the window.
    void connectCommands(QObject& context, PlotRedraws& redraws);
    // The colour menu command: stores the choice and moves the check mark.
    void choosePrinterColour(bool colour);

private:
    void showColourChecks(bool colour);

    MainWindowControls& c_;
    ProgramState& state_;
    ProgramServices& services_;
    TextsController& texts_;
    ProductSystemMenu& products_;
};

} // namespace osk
