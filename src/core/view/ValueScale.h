// The value (vertical) axis: the repairs that keep the lower bound below the upper one, the
// eleven value labels left of the plot with the scale they give, and the arithmetic of the
// scale bars' change handlers. The window applies the results to its bars and labels.
#pragma once

#include "view/ViewState.h"

#include <array>
#include <string>

namespace osk {

inline constexpr int kScaleMaxTop = 2000; // the top value of the upper bound bar

// Bar values after the repair, and which bars the window must set (each set runs that bar's
// change handler).
struct ScaleBars {
    int scaleMax = 0;
    int scaleMin = 0;
    bool maxChanged = false;
    bool minChanged = false;
};

// An upper bound of 0 becomes 1; a lower bound at or above the upper one becomes upper - 1.
ScaleBars RepairScaleBars(int scaleMax, int scaleMin);

// The upper bound bar's own rule: a value below 2 becomes 1.
int RepairedUpperBound(int scaleMax);
// The lower bound bar's own rule: at or above the upper bound it becomes upper - 1.
int RepairedLowerBound(int scaleMin, int scaleMax);

struct ValueLabel {
    int top = 0; // i x labelHeight / 10 + 4, rounded to whole pixels (halves to even)
    int left = 3;
    std::string caption; // "###0.0"
};

struct ValueLabels {
    std::array<ValueLabel, kValueLabels> labels{}; // index 0 at the top, showing the upper bound
    osk::ValueAxis ValueAxis;
};

// Labels from the upper bound down to the lower one in ten equal steps over labelHeight
// pixels, and the scale (Range, PixelsPerUnit = labelHeight / Range, Min, Max). The bar
// values are repaired first (RepairScaleBars), so Range is at least 1.
ValueLabels BuildValueLabels(int labelHeight, int scaleMax, int scaleMin,
                             char decimalSeparator = '.');

// Whether moving the value scroller to scrollerValue may shift the scale: the shifted upper
// bound must stay below the upper bar's top, and the scroller must not be following the lower
// bound. When not allowed, the window sends the scroller back to the lower bound.
bool ValueScrollAllowed(int scrollerValue, double range, bool ScrollerMayShiftScale);

// The bounds after a shift: the scroller value becomes the lower bound and the window keeps its
// height. The window sets the upper bar first, so that a shift upwards never meets the old
// upper bound.
struct ScaleShift {
    int scaleMax = 0;
    int scaleMin = 0;
};
ScaleShift ShiftScale(int scrollerValue, double range);

} // namespace osk
