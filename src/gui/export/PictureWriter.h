// Saving the window's picture as PNG (the window's own pixels) or as SVG or PDF (the plot and
// the legend drawn again as lines and texts).
#pragma once

#include "graph/ExportFiles.h"

#include <QString>

#include <functional>

class QIODevice;

namespace osk {

struct MainWindowControls;
class WindowPlot;

// Writes the picture to file.path in file.format, replacing the file only once the whole
// picture is written. Returns an error text, empty on success.
QString writeWindowPicture(const MainWindowControls& controls, WindowPlot& plot,
                           const PictureFile& file);

// Writes the file at path through write, which fills the open file and tells whether it could;
// the file is replaced only once write has succeeded. Returns an error text, notWritten when
// write failed, empty on success.
QString writeSavedFile(const QString& path, const QString& notWritten,
                       const std::function<bool(QIODevice&)>& write);

} // namespace osk
