// The two lists of the time axis the user picks from: the span (192 down to 3 hours) and the
// interval of the vertical grid (4 hours down to 15 minutes). Their items are texts in the
// user's language that start with their number; the program reads that number back from the
// chosen item.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace osk {

inline constexpr int kSpanItems = 7;
inline constexpr std::array<int, kSpanItems> kSpanHourItems = {192, 96, 48, 24, 12, 6, 3};

// The span list's items in their order: "192 ", "96 ", ... "3 ", each followed by hourText.
std::array<std::string, kSpanItems> SpanItemTexts(std::string_view hourText);

// Hours named by a span list item: the number in its first three characters ("48 Hour" -> 48,
// "192 Hour" -> 192); 0 when there is none.
double SpanHours(std::string_view XasText);

struct GridStepItem {
    int number;
    bool inHours; // "4 Hour" rather than "30 Minutes"
};

inline constexpr int kGridStepItems = 5;
inline constexpr std::array<GridStepItem, kGridStepItems> kGridStepList = {
    {{4, true}, {2, true}, {1, true}, {30, false}, {15, false}}};

// The grid interval list's items in their order: "4 ", "2 ", "1 " followed by hourText, then
// "30 ", "15 " followed by minutesText.
std::array<std::string, kGridStepItems> GridStepItemTexts(std::string_view hourText,
                                                          std::string_view minutesText);

// Minutes named by a grid interval item: the number in its first two characters, when the
// list offers that number ("2 Hour" -> 120, "30 Minutes" -> 30); 0 otherwise.
double GridStepMinutes(std::string_view gridXText);

} // namespace osk
