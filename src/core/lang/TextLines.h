// Cutting a text file into lines the way the language readers see them.
#pragma once

#include <string_view>
#include <vector>

namespace osk {

// The lines of a text, without their ends. A line ends at CR LF, LF or a lone CR; a line end
// at the very end of the text does not start another, empty line. The views point into text.
std::vector<std::string_view> splitLines(std::string_view text);

} // namespace osk
