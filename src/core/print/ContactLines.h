// The supplier's contact lines printed in the page header. The supplier is invented: every
// name, address and number here is a placeholder.
#pragma once

#include <array>
#include <string_view>

namespace osk {

inline constexpr std::array<std::string_view, 4> kContactLines{
    "Placeholder Dosing Supplies",
    "1 Nowhere Lane, 0000 ZZ Sampleville",
    "Tel. +00 000 000 000",
    "Fax +00 000 000 001",
};

} // namespace osk
