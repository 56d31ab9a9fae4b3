#include "app/Startup.h"
#include "app/Handlers.h"

#include "app/ProgramState.h"
#include "logdata/FileNames.h"

#include <QDir>

namespace osk {

std::unique_ptr<frmMain> StartProgram(ProgramState& state, ProgramServices& services,
                                      bool languageChosen,
                                      const std::optional<std::string>& logFile) {
    if (!languageChosen)
        return nullptr;
    state.WindowBackColor = kWhite;
    auto window = std::make_unique<frmMain>(state, services);
    state.Lang = std::make_unique<clsLanguage>(LanguageContext{
        state.texts, services.settings, services.dialogs, *window, services.programFolder});
    state.Lang->ReadLanguage(services.settings.RegRead(settings::kLanguage));
    window->Form_Load();
    window->show();
    if (logFile) {
        // The chooser remembers the path and the printed header shows it: keep it whole.
        const std::string path =
            utf8FileName(QDir::current().absoluteFilePath(QString::fromStdString(*logFile)));
        frmMain* shown = window.get();
        QMetaObject::invokeMethod(
            shown, [shown, path] { runGuarded([&] { shown->openCommand().openPath(path); }); },
            Qt::QueuedConnection);
    }
    return window;
}

} // namespace osk
