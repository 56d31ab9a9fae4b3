// Number rules shared by the whole program: rounding halves to the even neighbour and the
// lenient reading of a number at the start of a text.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace osk {

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double x);

// roundHalfEven, then the conversion to a 32- or 16-bit integer; nullopt when the result
// does not fit (or x is not a number).
std::optional<int32_t> roundToInt32(double x);
std::optional<int16_t> roundToInt16(double x);

// roundHalfEven, saturated to the int range (NaN gives 0). For pixel coordinates, where a
// huge value must still land far outside the surface instead of overflowing.
int roundToPixel(double x);

// Twips, the unit of the window layout and the printed page: 1440 to the inch.
inline constexpr double kTwipsPerInch = 1440;

// Twips as whole device pixels at dotsPerInch, rounded as roundToPixel does.
int roundedPixelsForTwips(double twips, double dotsPerInch);

struct LeadingNumber {
    double value = 0.0;
    bool outOfRange = false; // the number does not fit a 64-bit float
};

// Reads the number at the start of a text the lenient way: blanks, tabs and line feeds are
// ignored anywhere, then an optional sign, digits with at most one ".", an optional exponent.
// Reading stops at the first character that cannot continue the number; a text that does not
// start with a number gives 0. A value too small to represent gives 0; one too large is
// reported as outOfRange. Independent of the locale.
LeadingNumber leadingNumber(std::string_view text);

} // namespace osk
