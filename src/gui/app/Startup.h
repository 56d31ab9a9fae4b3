// The program's start-up after the language dialog: the language object, the main window's
// load, and the window shown.
#pragma once

#include "app/frmMain.h"

#include <memory>
#include <optional>
#include <string>

namespace osk {

struct ProgramServices;
struct ProgramState;

// languageChosen is the language dialog's outcome: OK has stored the chosen file's name, Cancel
// ends the program before anything is written or shown (nullptr). Otherwise: the background
// colour, the main window built hidden, the language object reading the stored language file
// (its fall-back already shows the built-in texts in that window), the window's load, and the
// window shown. A logFile given on the command line (UTF-8, relative to the current folder or
// absolute) is opened once the event loop runs, the way a file chosen in the Open dialog is:
// by then the window is on screen and the reader's messages belong to it.
std::unique_ptr<frmMain> StartProgram(ProgramState& state, ProgramServices& services,
                                      bool languageChosen,
                                      const std::optional<std::string>& logFile = std::nullopt);

} // namespace osk
