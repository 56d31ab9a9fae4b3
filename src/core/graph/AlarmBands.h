// The alarm bands: the time of each alarm excursion shaded behind the series, in a light tint
// of its group's colour, for the groups whose box is ticked.
#pragma once

#include "analysis/LogAnalysis.h"
#include "graph/Colour.h"
#include "graph/RenderState.h"
#include "graph/Surface.h"

#include <cstdint>
#include <vector>

namespace osk {

// The heading colour of a group's series with 80 % white mixed in.
Colour BandTint(int group);

// Where the records of a redraw landed: xs[i] is the x pixel of record newest - i, for
// i < count.
struct DrawnRecordXs {
    const int32_t* xs = nullptr;
    int32_t count = 0;
    int32_t newest = 0;
};

// Shades, with vertical lines one pixel wide over the whole height, every pixel column from
// the x of an excursion's first drawn record to that of its last. Only the alarm kinds of the
// product and pH groups and of flow count, each while its group is selected (as the legend
// and the series read the boxes; on paper too); the cell states have no bands. Product is
// drawn first, flow last.
void DrawAlarmBands(Surface& surface, const std::vector<Excursion>& excursions,
                    const SeriesSelection& seriesOn, bool printing, const DrawnRecordXs& drawn);

} // namespace osk
