// Puts the texts of the text table into the main window's captions, option lists and the About
// box, and runs the language menu.
#pragma once

#include "lang/LanguageContext.h"

#include <string_view>

class QAction;
class QObject;

namespace osk {

class PlotRedraws;

class WindowOperations;
class frmAbout;
struct MainWindowControls;
struct ProgramServices;
struct ProgramState;

class TextsController {
public:
    TextsController(MainWindowControls& controls, ProgramState& state, ProgramServices& services,
                    LanguageHost& host, WindowOperations& window);

    // Every caption in its order, the three option lists rebuilt with their selections kept
    // (the draw style back on "Line"), then the About box's captions.
    void ApplyTexts(frmAbout& about);

    // Connects mnuEng and mnuNed; context ends the connections with the window.
    void connectCommands(QObject& context, PlotRedraws& redraws);

    // The language menu command for fileName ("english.lng" or "nederlands.lng").
    void chooseLanguage(std::string_view fileName, QAction& chosen, QAction& other);

    // Checks mnuNed for "nederlands.lng" and mnuEng for "english.lng" (any letter case) and
    // unchecks the other entry.
    void showLanguageChecks(std::string_view language);
    void checkEnglishMenu();

    // The readers' view of the program: the table, settings, dialogs, window and folder.
    LanguageContext languageContext() const;

private:
    void applyCaptions();
    void rebuildOptionLists();

    MainWindowControls& c_;
    ProgramState& state_;
    ProgramServices& services_;
    LanguageHost& host_;
    WindowOperations& window_;
};

} // namespace osk
