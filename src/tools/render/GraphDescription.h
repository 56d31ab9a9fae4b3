// What a drawing of the main window holds, as one JSON object: the view state, the captions of
// the labels around the plot, the legend lines and the points of every drawn series, read from
// the calls that drew the plot and the legend.
#pragma once

#include <QJsonObject>

#include <string>
#include <variant>

namespace osk {

class RecordingSurface;
struct MainWindowControls;
struct ProgramState;

namespace render {

struct DescriptionError {
    std::string message;
};

// plot and legend hold the calls of the window's last redraw. The series are matched with the
// selected series of the catalogue in drawing order, and their points with the plotted-point
// table; a drawing that does not match is an error.
std::variant<QJsonObject, DescriptionError> describeGraph(const ProgramState& state,
                                                          const MainWindowControls& controls,
                                                          const RecordingSurface& plot,
                                                          const RecordingSurface& legend);

} // namespace render
} // namespace osk
