// Colours as the drawing code passes them around: 24-bit RGB with red in the low byte.
#pragma once

#include <cstdint>

namespace osk {

using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
constexpr std::uint8_t redOf(Colour c) {
    return static_cast<std::uint8_t>(c & 0xFFu);
}
constexpr std::uint8_t greenOf(Colour c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFFu);
}
constexpr std::uint8_t blueOf(Colour c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFFu);
}

inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kWhite = Rgb(255, 255, 255);
inline constexpr Colour kGridGrey = Rgb(192, 192, 192);

} // namespace osk
