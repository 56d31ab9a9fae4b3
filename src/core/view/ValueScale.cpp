#include "view/ValueScale.h"

#include "common/Format.h"
#include "common/Numbers.h"

#include <limits>

namespace osk {

namespace {

// upper - 1 without overflow; the bars never come near the int limits.
int oneBelow(int upper) {
    return upper > std::numeric_limits<int>::min() ? upper - 1 : upper;
}

} // namespace

ScaleBars RepairScaleBars(int scaleMax, int scaleMin) {
    ScaleBars bars{scaleMax, scaleMin, false, false};
    if (bars.scaleMax == 0) {
        bars.scaleMax = 1;
        bars.maxChanged = true;
    }
    if (bars.scaleMin >= bars.scaleMax) {
        bars.scaleMin = oneBelow(bars.scaleMax);
        bars.minChanged = true;
    }
    return bars;
}

int RepairedUpperBound(int scaleMax) {
    return scaleMax < 2 ? 1 : scaleMax;
}

int RepairedLowerBound(int scaleMin, int scaleMax) {
    return scaleMin >= scaleMax ? oneBelow(scaleMax) : scaleMin;
}

ValueLabels BuildValueLabels(int labelHeight, int scaleMax, int scaleMin, char decimalSeparator) {
    const ScaleBars bars = RepairScaleBars(scaleMax, scaleMin);
    const double max = bars.scaleMax;
    const double min = bars.scaleMin;
    const double valueStep = (max - min) / 10;
    const double pixelStep = labelHeight / 10.0;

    ValueLabels out;
    for (size_t i = 0; i < out.labels.size(); ++i) {
        const double n = static_cast<double>(i);
        out.labels[i].top = roundToPixel(n * pixelStep + 4);
        out.labels[i].caption = formatFixed1(max - n * valueStep, decimalSeparator);
    }
    ValueAxis& axis = out.ValueAxis;
    axis.Range = max - min;
    axis.PixelsPerUnit = axis.Range > 0 ? labelHeight / axis.Range : 0.0;
    axis.Min = min;
    axis.Max = max;
    return out;
}

bool ValueScrollAllowed(int scrollerValue, double range, bool ScrollerMayShiftScale) {
    return scrollerValue + range < kScaleMaxTop && ScrollerMayShiftScale;
}

ScaleShift ShiftScale(int scrollerValue, double range) {
    return {roundToInt32(scrollerValue + range).value_or(kScaleMaxTop), scrollerValue};
}

} // namespace osk
