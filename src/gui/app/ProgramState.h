// Everything the program keeps for the whole run, in one object that main creates and hands to
// the windows by reference, and the outside-world services they use.
#pragma once

#include "analysis/LogAnalysis.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "common/SettingsStore.h"
#include "graph/Colour.h"
#include "graph/RenderState.h"
#include "lang/Texts.h"
#include "lang/clsLanguage.h"
#include "logdata/RecordTable.h"
#include "view/ViewState.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace osk {

struct ProgramState {
    RecordTable records;
    Texts texts;
    ViewState view;
    RenderState render;
    // What happened in the loaded log; made again after every load and real-time refresh.
    LogAnalysis Analysis;
    // Background of the panels, the legend, the preview and the About box.
    Colour WindowBackColor = kWhite;
    // The sub-series panel: which group it shows and whether its boxes hold that group's states.
    int16_t ChoiceGroup = 0;
    bool ChoicesReady = false;
    // The Open dialog offers the file chosen last.
    std::string openDialogPath;
    // The language file's texts in file order; created at start-up once the main window
    // exists, since its fall-back applies the texts to that window.
    std::unique_ptr<clsLanguage> Lang;
};

struct ProgramServices {
    SettingsStore& settings;
    Dialogs& dialogs;
    Clock& clock;
    // Where the executable and the language files lie.
    std::filesystem::path programFolder;
};

} // namespace osk
