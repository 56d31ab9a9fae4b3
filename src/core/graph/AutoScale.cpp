#include "graph/AutoScale.h"

#include "common/Numbers.h"
#include "graph/ProductSystem.h"

#include <algorithm>

namespace osk {

std::optional<AutoScaleResult> AutoScale(const SeriesSelection& seriesOn,
                                         int16_t productTextIndex) {
    constexpr int32_t kNothing = 1300;
    int32_t low = kNothing;
    int32_t high = 0;
    if (seriesOn.get(0, 0) != 0) {
        low = 0;
        high = IsKnownProduct(productTextIndex) ? 150 : 100;
    }
    if (seriesOn.get(1, 0) != 0) { // pH, drawn ten times its size
        low = std::min(low, 60);
        high = std::max(high, 80);
    }
    if (seriesOn.get(2, 0) != 0) {
        low = 0;
        high = std::max(high, 130);
    }
    if (seriesOn.get(3, 0) != 0) {
        low = 0;
        high = 1200;
    }
    if (low == kNothing)
        return std::nullopt;
    const int32_t step = roundToInt32((high - low) / 10.0).value_or(0);
    return AutoScaleResult{low, high, step};
}

} // namespace osk
