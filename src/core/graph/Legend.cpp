#include "graph/Legend.h"

#include "graph/SeriesCatalogue.h"

namespace osk {

int32_t DrawLegend(Surface& legend, const PlotInputs& in) {
    legend.clear();
    int32_t LegendLine = 1;
    for (const SeriesEntry& entry : kSeriesCatalogue) {
        if (!SeriesSelected(entry, in.render.SeriesOn, in.render.Printing))
            continue;
        DrawLegendEntry(legend, LegendText(entry, in.texts, in.productTextIndex),
                        entry.item == 0 ? 1 : 2, entry.colour, LegendLine);
    }
    return LegendLine - 1;
}

void DrawLegendEntry(Surface& legend, const std::string& text, int level, Colour colour,
                     int32_t& LegendLine) {
    const double x = level == 1 ? kLegendHeadingX : kLegendItemX;
    const double y = kLegendLineHeight * LegendLine;
    legend.setDrawWidth(1);
    legend.setForeColor(colour);
    legend.line(x, y, x + 100, y);
    // The text's top sits a little above the sample line so that the line meets its middle.
    legend.setCurrentX(x + 190);
    legend.setCurrentY(y - 70);
    legend.printText(text);
    ++LegendLine;
}

} // namespace osk
