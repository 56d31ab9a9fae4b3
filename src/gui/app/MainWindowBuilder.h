// Builds the main window's menus and controls at their design positions.
#pragma once

#include "app/MainWindowControls.h"

class QMainWindow;

namespace osk {

// Creates every menu entry and control of the main window (captions are set later, when the
// texts are applied) and returns them by name.
MainWindowControls buildMainWindowControls(QMainWindow& window);

} // namespace osk
