// The program's start-up after the language dialog: the language object, the main window's
// load, and the window shown.
#pragma once

#include "app/frmMain.h"

#include <memory>

namespace osk {

struct ProgramServices;
struct ProgramState;

// languageChosen is the language dialog's outcome: OK has stored the chosen file's name, Cancel
// ends the program before anything is written or shown (nullptr). Otherwise: the background
// colour, the main window built hidden, the language object reading the stored language file
// (its fall-back already shows the built-in texts in that window), the window's load, and the
// window shown.
std::unique_ptr<frmMain> StartProgram(ProgramState& state, ProgramServices& services,
                                      bool languageChosen);

} // namespace osk
