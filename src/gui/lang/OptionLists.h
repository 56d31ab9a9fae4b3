// The items of the three option lists whose words are translated: the time span, the vertical
// grid step and the draw style. Each item starts with its number, which the handlers read.
#pragma once

#include "lang/Texts.h"
#include "view/TimeLists.h"

#include <array>
#include <string>

namespace osk {

// The span and grid interval lists in the user's language (the words of texts 15 and 16).
std::array<std::string, kSpanItems> spanListItems(const Texts& texts);
std::array<std::string, kGridStepItems> gridStepListItems(const Texts& texts);
// Texts 41, 42 and 43.
std::array<std::string, 3> drawStyleListItems(const Texts& texts);

// A caption for a plain label: access-key marks removed ("&File" -> "File", "&&" -> "&").
std::string withoutAccessKeys(const std::string& caption);

} // namespace osk
