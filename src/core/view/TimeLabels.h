// The texts under the plot: thirteen time labels ending at the next full hour after the window
// end, and the date labels where the labels run back through midnight.
#pragma once

#include "view/TimeLists.h"
#include "view/ViewState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace osk {

// What the window tells the user when a record's time cannot be read while the time labels
// are built. The builders return the fault; the window shows these texts.
inline constexpr const char* kTimeFaultMessage = "There is a record with a non valid time value.";
inline constexpr const char* kTimeFaultTitle = "Time fault";

// Distance between neighbouring time labels: whole hours for the long spans, minutes for the
// 6- and 3-hour spans. Both 0 when the span text is not one of the list's items.
struct LabelStep {
    int hours = 0;
    int minutes = 0;
};

using LabelTexts = std::array<std::string, kTimeLabels>;

// The label step for the selected span text, found by comparing it whole with the list's item
// texts (in the order of SpanItemTexts); no match gives step 0.
LabelStep LabelStepFor(std::string_view XasText, std::span<const std::string> itemTexts);

// h - d, plus 24 when that is negative.
int HourMinus(int h, int d);

// Top of time label i: the labels alternate between two rows under the plot so that
// neighbours never overlap.
int TimeLabelTop(int i, int graphHeight);

struct TimeLabels {
    int16_t HourOffsetRecords =
        0;                      // records from the one before the window end to the next full hour
    LabelTexts TimeLabelText{}; // "h:mm", index 0 at the left, 12 at the right
};

// Time labels for a window ending at ViewEndRecord, read from the record before it.
// nullopt is the time fault: ViewEndRecord outside 1..20001, that record missing from the
// table, or its hour or minute unreadable (see RecordHour).
std::optional<TimeLabels> BuildTimeLabels(std::span<const std::string> RecordTime,
                                          int32_t ViewEndRecord, LabelStep step);

// Date labels for the time labels: label 12 shows the date of the window end; a label whose
// right neighbour has a smaller hour shows the next older date found scanning back through the
// records, the others are empty. Rows outside the table read as empty texts.
LabelTexts BuildDateLabels(std::span<const std::string> RecordTime, int32_t ViewEndRecord,
                           const LabelTexts& TimeLabelText);

} // namespace osk
