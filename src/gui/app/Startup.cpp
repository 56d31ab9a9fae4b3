#include "app/Startup.h"

#include "app/ProgramState.h"

namespace osk {

std::unique_ptr<frmMain> StartProgram(ProgramState& state, ProgramServices& services,
                                      bool languageChosen) {
    if (!languageChosen)
        return nullptr;
    state.WindowBackColor = kWhite;
    auto window = std::make_unique<frmMain>(state, services);
    state.Lang = std::make_unique<clsLanguage>(LanguageContext{
        state.texts, services.settings, services.dialogs, *window, services.programFolder});
    state.Lang->ReadLanguage(services.settings.RegRead(settings::kLanguage));
    window->Form_Load();
    window->show();
    return window;
}

} // namespace osk
