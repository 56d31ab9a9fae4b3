#include "graph/AlarmBands.h"

#include "common/Numbers.h"
#include "graph/SeriesCatalogue.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace osk {

namespace {

// The groups with alarm kinds: product, pH and flow.
constexpr int kBandGroups = 3;

std::uint8_t towardsWhite(std::uint8_t c) {
    // 20 % of the colour, 80 % of white.
    return static_cast<std::uint8_t>(std::lround(0.2 * c + 0.8 * 255));
}

bool groupSelected(int group, const SeriesSelection& seriesOn, bool printing) {
    const SeriesEntry* heading = FindSeries(group, 0);
    return heading != nullptr && SeriesSelected(*heading, seriesOn, printing);
}

} // namespace

Colour BandTint(int group) {
    const SeriesEntry* heading = FindSeries(group, 0);
    const Colour c = heading != nullptr ? heading->colour : kWhite;
    return Rgb(towardsWhite(redOf(c)), towardsWhite(greenOf(c)), towardsWhite(blueOf(c)));
}

void DrawAlarmBands(Surface& surface, const std::vector<Excursion>& excursions,
                    const SeriesSelection& seriesOn, bool printing, const DrawnRecordXs& drawn) {
    const int width = roundToPixel(surface.scaleWidth());
    if (drawn.xs == nullptr || drawn.count <= 0 || width <= 0)
        return;
    const int32_t oldest = drawn.newest - drawn.count + 1;
    const auto xOf = [&](int32_t record) { return drawn.xs[drawn.newest - record]; };

    std::array<bool, kBandGroups> selected{};
    for (int g = 0; g < kBandGroups; ++g)
        selected[static_cast<size_t>(g)] = groupSelected(g, seriesOn, printing);
    // Each pixel column once per group, however many excursions cover it.
    std::array<std::vector<bool>, kBandGroups> covered;
    for (const Excursion& e : excursions) {
        const EventKindInfo& info = InfoOf(e.kind);
        if (!info.alarm || info.group < 0 || info.group >= kBandGroups ||
            !selected[static_cast<size_t>(info.group)])
            continue;
        const int32_t first = std::max(e.first, oldest);
        const int32_t last = std::min(e.last, drawn.newest);
        if (first > last)
            continue;
        const int left = std::max(std::min(xOf(first), xOf(last)), 0);
        const int right = std::min(std::max(xOf(first), xOf(last)), width - 1);
        if (left > right)
            continue;
        std::vector<bool>& columns = covered[static_cast<size_t>(info.group)];
        columns.resize(static_cast<size_t>(width), false);
        std::fill(columns.begin() + left, columns.begin() + right + 1, true);
    }

    const int bottom = roundToPixel(surface.scaleHeight());
    for (int g = 0; g < kBandGroups; ++g) {
        const std::vector<bool>& columns = covered[static_cast<size_t>(g)];
        if (columns.empty())
            continue;
        surface.setDrawWidth(1);
        surface.setForeColor(BandTint(g));
        for (int x = 0; x < width; ++x) {
            if (!columns[static_cast<size_t>(x)])
                continue;
            // lineTo leaves out the end point: rows 0 to bottom - 1.
            surface.moveTo(x, 0);
            surface.lineTo(x, bottom);
        }
    }
}

} // namespace osk
