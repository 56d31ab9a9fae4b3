#include "view/ValueScale.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace osk {
namespace {

TEST(ValueScale, LabelsForUpper150Lower0Height300) {
    const ValueLabels v = BuildValueLabels(300, 150, 0);
    for (int i = 0; i < kValueLabels; ++i) {
        const ValueLabel& l = v.labels[static_cast<size_t>(i)];
        EXPECT_EQ(std::tie(l.top, l.left, l.caption),
                  std::tuple(4 + 30 * i, 3, std::to_string(150 - 15 * i) + ".0"));
    }
    const ValueAxis& a = v.ValueAxis;
    EXPECT_EQ(std::tie(a.Range, a.PixelsPerUnit, a.Min, a.Max), std::tuple(150, 2, 0, 150));
}

TEST(ValueScale, LabelsRoundAndRepair) {
    const struct {
        int height, max, min;
        char separator;
        const char *caption1, *caption9;
        int top1, top3;
        double scaleMin, pixelsPerUnit;
    } cases[] = {
        {295, 100, 95, '.', "99.5", "95.5", 34, 92, 95, 59}, // tops 33.5 and 92.5: even pixel
        {300, 0, 0, '.', "0.9", "0.1", 34, 94, 0, 300},      // upper 0 is read as 1
        {300, 50, 50, ',', "49,9", "49,1", 34, 94, 49, 300}, // lower at upper: one below
    };
    for (const auto& c : cases) {
        const ValueLabels v = BuildValueLabels(c.height, c.max, c.min, c.separator);
        EXPECT_EQ(std::tie(v.labels[1].caption, v.labels[9].caption, v.labels[1].top,
                           v.labels[3].top, v.ValueAxis.Min),
                  std::tuple(c.caption1, c.caption9, c.top1, c.top3, c.scaleMin))
            << c.max << "/" << c.min;
        EXPECT_DOUBLE_EQ(v.ValueAxis.PixelsPerUnit, c.pixelsPerUnit) << c.max << "/" << c.min;
    }
}

TEST(ValueScale, BarRepairs) {
    const struct {
        int max, min, newMax, newMin;
        bool maxChanged, minChanged;
    } cases[] = {{0, 0, 1, 0, true, false},     {50, 50, 50, 49, false, true},
                 {80, 80, 80, 79, false, true}, {150, 0, 150, 0, false, false},
                 {0, 5, 1, 0, true, true},      {10, 200, 10, 9, false, true}};
    for (const auto& c : cases) {
        const ScaleBars b = RepairScaleBars(c.max, c.min);
        EXPECT_EQ(std::tie(b.scaleMax, b.scaleMin, b.maxChanged, b.minChanged),
                  std::tie(c.newMax, c.newMin, c.maxChanged, c.minChanged))
            << c.max << "/" << c.min;
    }
    EXPECT_EQ(std::tuple(RepairedUpperBound(0), RepairedUpperBound(1), RepairedUpperBound(2)),
              std::tuple(1, 1, 2));
    EXPECT_EQ(std::tuple(RepairedLowerBound(80, 80), RepairedLowerBound(79, 80)),
              std::tuple(79, 79));
}

TEST(ValueScale, ScrollerShiftsOnlyBelowTheTopOfTheUpperBar) {
    // Last: the thumb is following the lower bound.
    EXPECT_EQ(std::tuple(ValueScrollAllowed(900, 150, true), ValueScrollAllowed(1849, 150, true),
                         ValueScrollAllowed(1850, 150, true), ValueScrollAllowed(1150, 900, true),
                         ValueScrollAllowed(900, 150, false)),
              std::tuple(true, true, false, false, false));
    const ScaleShift s = ShiftScale(900, 150);
    EXPECT_EQ(std::tie(s.scaleMax, s.scaleMin), std::tuple(1050, 900));
}

} // namespace
} // namespace osk
