// The view of the loaded log: which records are in the time window and how records and
// values map to pixels. Program-wide state, owned by the program object.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace osk {

// Horizontal scale of the plot.
struct TimeAxis {
    double SpanRecords = 0;     // records covered by the plot width
    double PixelsPerRecord = 0; // pixels per 10 seconds
    double LastRecord = 0;      // RecordCount - 1
};

// Vertical scale of the plot: y = height - (value - Min) * PixelsPerUnit.
struct ValueAxis {
    double Range = 0;
    double PixelsPerUnit = 0;
    double Min = 0;
    double Max = 0;
};

// Which control started the current change of the value scale; the owner redraws once.
enum ScaleChangeOwnerId : int16_t {
    kOwnerNone = 0,
    kOwnerValueScroller = 1, // vscGraphScroller
    kOwnerScaleMax = 2,      // vscScaleMax
    kOwnerScaleMin = 3,      // vscScaleMin
    kOwnerSpan = 4,          // Xas
};

inline constexpr int kTimeLabels = 13;
inline constexpr int kValueLabels = 11;

struct ViewState {
    osk::TimeAxis TimeAxis;
    osk::ValueAxis ValueAxis;
    int16_t HourOffsetRecords = 0;
    double GridStepPixelsY = 0;
    int16_t ScaleChangeOwner = kOwnerNone;
    bool ScrollerSyncing = false;
    bool ScrollerMayShiftScale = false;
    std::array<std::string, kTimeLabels> TimeLabelText{};
    std::array<std::string, kTimeLabels> DateLabelText{};
};

} // namespace osk
