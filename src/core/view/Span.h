// The time span chosen in the span list, read from the text of its selected item.
#pragma once

#include <string_view>

namespace osk {

// Hours named by a span list item: the number in its first three characters ("48 Hour" -> 48,
// "192 Hour" -> 192); 0 when there is none.
double SpanHours(std::string_view XasText);

} // namespace osk
