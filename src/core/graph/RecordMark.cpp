#include "graph/RecordMark.h"

#include "common/Numbers.h"

#include <algorithm>

namespace osk {

bool DrawRecordMark(Surface& surface, const PlotPointTable& points, int32_t drawnOldest,
                    int32_t drawnNewest, int32_t first, int32_t last) {
    if (drawnOldest < 1 || drawnNewest < drawnOldest || last < drawnOldest ||
        first > drawnNewest || first > last)
        return false;
    const int32_t from = std::max(first, drawnOldest);
    const int32_t to = std::min(last, drawnNewest);
    const int bottom = roundToPixel(surface.scaleHeight());
    surface.setDrawWidth(1);
    surface.setForeColor(kRecordMarkColour);
    // The oldest drawn record may lie just left of the plot: its line goes on the left edge.
    for (const int32_t r : {from, to}) {
        const int x = std::max(0, points.at(r, 0));
        surface.moveTo(x, 0);
        surface.lineTo(x, bottom);
    }
    surface.flush();
    return true;
}

} // namespace osk
