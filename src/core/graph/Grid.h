// The plot's grid: vertical lines at the chosen time interval, counted from the newest end,
// and horizontal lines at the chosen value step.
#pragma once

#include "graph/PlotInputs.h"
#include "graph/Surface.h"
#include "view/ViewState.h"

#include <cstdint>
#include <string_view>

namespace osk {

// Number of grid intervals across the window for a span item ("48 Hour") and a grid interval
// item ("2 Hour", "30 Minutes"). GridMajorEvery becomes a twelfth of it. An interval the list
// does not offer gives 0.
double GridLinesX(std::string_view XasText, std::string_view gridXText, double& GridMajorEvery);

// Pixels between horizontal grid lines for a value step v; a value axis not built yet counts
// one pixel per unit.
void SetGridStepY(ViewState& view, int16_t v);

// The horizontal grid distance, raised to 0.51 pixels when it is smaller.
double GridStepY(ViewState& view);

// Draws the whole grid onto the surface. Nothing here divides by zero: an interval count of 0
// draws no vertical lines, a period that rounds to 0 makes every vertical line black.
void DrawGrid(Surface& surface, PlotInputs& in);

} // namespace osk
