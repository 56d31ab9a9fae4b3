// The value scale chosen when a series group is switched on: wide enough for every group
// that is on.
#pragma once

#include "graph/RenderState.h"

#include <cstdint>
#include <optional>

namespace osk {

struct AutoScaleResult {
    int32_t low;      // for the lower bound bar
    int32_t high;     // for the upper bound bar
    int32_t gridStep; // for the horizontal grid bar: a tenth of the range
};

// Bounds for the groups whose own box is on; nothing when no group is on, so the scale stays.
std::optional<AutoScaleResult> AutoScale(const SeriesSelection& seriesOn, int16_t productTextIndex);

} // namespace osk
