#include "graph/Legend.h"

#include "graph/SeriesCatalogue.h"

#include <cmath>

namespace osk {

std::vector<LegendEntry> LegendEntries(const PlotInputs& in) {
    std::vector<LegendEntry> entries;
    for (const SeriesEntry& entry : kSeriesCatalogue) {
        if (!SeriesSelected(entry, in.render.SeriesOn, in.render.Printing))
            continue;
        entries.push_back({LegendText(entry, in.texts, in.productTextIndex),
                           entry.item == 0 ? 1 : 2, entry.colour});
    }
    return entries;
}

int32_t DrawLegend(Surface& legend, const PlotInputs& in) {
    legend.clear();
    int32_t LegendLine = 1;
    for (const LegendEntry& entry : LegendEntries(in))
        DrawLegendEntry(legend, entry.text, entry.level, entry.colour, LegendLine);
    return LegendLine - 1;
}

void DrawLegendEntry(Surface& legend, const std::string& text, int level, Colour colour,
                     int32_t& LegendLine) {
    const double x = level == 1 ? kLegendHeadingX : kLegendItemX;
    const double y = LegendLineY(LegendLine);
    legend.setDrawWidth(1);
    legend.setForeColor(colour);
    legend.line(x, y, x + kLegendSampleLength, y);
    // The text's top sits a little above the sample line so that the line meets its middle.
    legend.setCurrentX(x + kLegendTextGap);
    legend.setCurrentY(y - kLegendTextRaise);
    legend.printText(text);
    ++LegendLine;
}

int32_t LegendLineAt(double y, int32_t lineCount) {
    if (!std::isfinite(y) || lineCount <= 0)
        return 0;
    const double nearest = std::floor(y / kLegendLineHeight + 0.5);
    if (nearest < 1 || nearest > lineCount)
        return 0;
    return static_cast<int32_t>(nearest);
}

} // namespace osk
