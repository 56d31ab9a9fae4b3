// The items of the three option lists whose words are translated: the time span, the vertical
// grid step and the draw style. Each item starts with its number, which the handlers read.
#pragma once

#include "lang/Texts.h"

#include <array>
#include <string>

namespace osk {

// "192 ", "96 ", "48 ", "24 ", "12 ", "6 ", "3 " followed by text 15.
std::array<std::string, 7> spanListItems(const Texts& texts);
// "4 ", "2 ", "1 " followed by text 15, then "30 ", "15 " followed by text 16.
std::array<std::string, 5> gridStepListItems(const Texts& texts);
// Texts 41, 42 and 43.
std::array<std::string, 3> drawStyleListItems(const Texts& texts);

// A caption for a plain label: access-key marks removed ("&File" -> "File", "&&" -> "&").
std::string withoutAccessKeys(const std::string& caption);

} // namespace osk
