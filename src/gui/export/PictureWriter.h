// Saving the window's picture as PNG (the window's own pixels) or as SVG or PDF (the plot and
// the legend drawn again as lines and texts).
#pragma once

#include "graph/ExportFiles.h"

#include <QString>

namespace osk {

struct MainWindowControls;
class WindowPlot;

// Writes the picture to file.path in file.format, replacing the file only once the whole
// picture is written. Returns an error text, empty on success.
QString writeWindowPicture(const MainWindowControls& controls, WindowPlot& plot,
                           const PictureFile& file);

} // namespace osk
