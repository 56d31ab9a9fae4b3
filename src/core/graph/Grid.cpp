#include "graph/Grid.h"

#include "common/Numbers.h"
#include "common/Text.h"
#include "view/TimeLists.h"

#include <cmath>
#include <limits>

namespace osk {

namespace {

// Far more lines than any surface has pixel columns; bounds the loop for absurd spans.
constexpr int kMaxVerticalLines = 100000;

void drawVerticalLines(Surface& surface, double n, double majorEvery) {
    if (!(n > 0) || !std::isfinite(n))
        return;
    const double width = surface.scaleWidth();
    const int height = roundToPixel(surface.scaleHeight());
    const double step = width / n;
    // Lines at width, width - step, ... down to 0; the small allowance keeps the line at 0
    // when n is a whole number.
    const double count = std::floor(n * (1 + 1e-12)) + 1;
    const int lines = count > kMaxVerticalLines ? kMaxVerticalLines : static_cast<int>(count);
    const int period = roundToInt32(majorEvery).value_or(0);
    for (int counter = 0; counter < lines; ++counter) {
        const bool major = period <= 0 || counter % period == 0;
        surface.setForeColor(major ? kBlack : kGridGrey);
        const int x = roundToPixel(width - counter * step);
        surface.moveTo(x, 0);
        surface.lineTo(x, height);
    }
}

void drawHorizontalLines(Surface& surface, double stepPixels) {
    const auto rounded = roundToInt32(stepPixels);
    // A step too large (or not a number) leaves the bottom line only.
    const int step = rounded ? (*rounded < 1 ? 1 : *rounded) : std::numeric_limits<int>::max();
    const int width = roundToPixel(surface.scaleWidth());
    for (int y = roundToPixel(surface.scaleHeight()); y >= 0; y -= step) {
        surface.moveTo(0, y);
        surface.lineTo(width, y);
        if (y < step)
            break;
    }
}

} // namespace

double GridLinesX(std::string_view XasText, std::string_view gridXText, double& GridMajorEvery) {
    const double hours = SpanHours(XasText);
    const double minutes = GridStepMinutes(gridXText);
    const double n = minutes > 0 ? hours / minutes * 60 : 0;
    GridMajorEvery = n / 12;
    return n;
}

void SetGridStepY(ViewState& view, int16_t v) {
    if (view.ValueAxis.PixelsPerUnit == 0)
        view.ValueAxis.PixelsPerUnit = 1.0;
    view.GridStepPixelsY = v * view.ValueAxis.PixelsPerUnit;
}

double GridStepY(ViewState& view) {
    if (view.GridStepPixelsY < 0.51)
        view.GridStepPixelsY = 0.51;
    return view.GridStepPixelsY;
}

void DrawGrid(Surface& surface, PlotInputs& in) {
    surface.setDrawWidth(1);
    surface.setForeColor(kGridGrey);
    const double n = GridLinesX(in.xasText, in.gridXText, in.render.GridMajorEvery);
    drawVerticalLines(surface, n, in.render.GridMajorEvery);
    surface.setForeColor(kGridGrey);
    drawHorizontalLines(surface, GridStepY(in.view));
}

} // namespace osk
