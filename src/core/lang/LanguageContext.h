// What the language readers need from the program around them: the text table, the settings,
// the dialogs, the program folder and the window that shows the texts.
#pragma once

#include "common/Dialogs.h"
#include "common/SettingsStore.h"
#include "lang/Texts.h"

#include <filesystem>

namespace osk {

// The window side of a language change, implemented by the main window.
class LanguageHost {
public:
    virtual ~LanguageHost() = default;
    // Puts the current texts of the table into every caption and rebuilds the option lists.
    virtual void ApplyTexts() = 0;
    // Unchecks the Dutch entry of the language menu and checks the English one.
    virtual void checkEnglishMenu() = 0;
};

// References to objects that live for the whole run, and the folder the language files lie
// in (the executable's folder).
struct LanguageContext {
    Texts& texts;
    SettingsStore& settings;
    Dialogs& dialogs;
    LanguageHost& host;
    std::filesystem::path programFolder;
};

} // namespace osk
