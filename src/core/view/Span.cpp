#include "view/Span.h"

#include "common/Numbers.h"
#include "common/Text.h"

namespace osk {

double SpanHours(std::string_view XasText) { return leadingNumber(left(XasText, 3)).value; }

} // namespace osk
