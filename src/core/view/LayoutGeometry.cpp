#include "view/LayoutGeometry.h"

#include "common/Numbers.h"

#include <algorithm>
#include <cmath>

namespace osk {

namespace {
constexpr int kPlotWidthMargin = 160;
constexpr int kPlotHeightMargin = 240;
constexpr int kPanelGap = 50;
constexpr int kLegendGap = 10;
constexpr int kRecordsLabelFromBottom = 20;
// Qt's largest widget size; nothing real comes near it.
constexpr int kLargestSize = (1 << 24) - 1;

bool usableResolution(double dotsPerInch) {
    return std::isfinite(dotsPerInch) && dotsPerInch > 0;
}
} // namespace

int pixelsForTwips(int twips, double dotsPerInch) {
    if (twips <= 0 || !usableResolution(dotsPerInch))
        return 0;
    // A hair of tolerance keeps an exact fit (15 twips at 96 DPI) from rounding up.
    const double pixels = std::ceil(twips * dotsPerInch / kTwipsPerInch - 1e-9);
    return roundToInt32(pixels).value_or(0);
}

double twipsForPixels(int pixels, double dotsPerInch) {
    if (!usableResolution(dotsPerInch))
        return 0;
    return pixels * kTwipsPerInch / dotsPerInch;
}

MainWindowLayout layoutForClient(int clientWidth, int clientHeight) {
    clientWidth = std::clamp(clientWidth, 0, kLargestSize);
    clientHeight = std::clamp(clientHeight, 0, kLargestSize);
    MainWindowLayout l;
    l.pGraph.left = kPlotLeft;
    l.pGraph.top = kPlotTop;
    l.pGraph.width = std::max(0, clientWidth - kPlotWidthMargin);
    l.pGraph.height = std::max(0, clientHeight - kPlotHeightMargin);
    l.Frame5Top = l.pGraph.top + l.pGraph.height + kPanelGap;
    l.LegendaTop = l.pGraph.top + kLegendGap;
    l.LegendaLeft = l.pGraph.left + l.pGraph.width + kLegendGap;
    l.lblLegendaTitleTop = 0;
    l.lblLegendaTitleLeft = l.LegendaLeft;
    l.Line1Width = clientWidth;
    l.lblRecordsTop = clientHeight - kRecordsLabelFromBottom;
    return l;
}

} // namespace osk
