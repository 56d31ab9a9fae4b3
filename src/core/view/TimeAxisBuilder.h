// Builds the time axis for the current window: the texts and places of the labels under the
// plot and the horizontal scale that turns records into x positions.
#pragma once

#include "view/ViewState.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace osk {

// What the time axis depends on: the record table, the window end, the span list's selected
// text and item texts (see SpanItemTexts), and the plot's width and height in pixels.
struct TimeAxisRequest {
    std::span<const std::string> RecordTime;
    int32_t ViewEndRecord = 0;
    int32_t RecordCount = 0;
    std::string_view XasText;
    std::span<const std::string> spanItemTexts;
    int16_t plotWidth = 0;
    int16_t graphHeight = 0;
};

inline constexpr uint32_t kDateLabelRed = 0x0000FF; // RGB, red in the low byte
inline constexpr uint32_t kDateLabelBlack = 0x000000;

struct TimeLabelPlacement {
    int top = 0;
    int left = 0;
    int width = 0;
    std::string caption;
};

struct DateLabelPlacement {
    int top = 0;
    int left = 0;
    int width = 0;
    std::string caption; // "dd-mm" of a year-month-day date, "" when hidden
    bool visible = false;
    uint32_t colour = kDateLabelBlack;
};

struct TimeAxisLayout {
    bool timeFault = false; // the window shows kTimeFaultMessage titled kTimeFaultTitle
    std::array<TimeLabelPlacement, kTimeLabels> timeLabels{};
    std::array<DateLabelPlacement, kTimeLabels> dateLabels{};
};

// Rebuilds the label texts, HourOffsetRecords and TimeAxis in view and returns where the
// window puts each label. On a time fault the label texts and HourOffsetRecords keep their
// previous values (the layout shows those), while TimeAxis is still recomputed for the span,
// width and record count. A span that leaves no records to show gives PixelsPerRecord 0.
TimeAxisLayout BuildTimeAxis(ViewState& view, const TimeAxisRequest& request);

} // namespace osk
