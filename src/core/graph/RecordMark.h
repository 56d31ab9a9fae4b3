// The mark of a run of records on the plot: a vertical line at the x of its first and of its
// last record, drawn over the series in a colour none of them uses.
#pragma once

#include "graph/Colour.h"
#include "graph/RenderState.h"
#include "graph/Surface.h"

#include <cstdint>

namespace osk {

inline constexpr Colour kRecordMarkColour = Rgb(255, 128, 0);

// Marks records first..last on surface at their x in points (slot 0), as the last redraw left
// them for records drawnOldest..drawnNewest. A run partly outside that range is marked where
// it is drawn; a run wholly outside it, or no drawn records, leaves the surface as it is.
// Returns whether it drew.
bool DrawRecordMark(Surface& surface, const PlotPointTable& points, int32_t drawnOldest,
                    int32_t drawnNewest, int32_t first, int32_t last);

} // namespace osk
