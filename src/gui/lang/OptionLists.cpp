#include "lang/OptionLists.h"

#include "lang/TextNumbers.h"
#include "view/TimeLists.h"

namespace osk {

std::array<std::string, kSpanItems> spanListItems(const Texts& texts) {
    return SpanItemTexts(texts[kTextHour]);
}

std::array<std::string, kGridStepItems> gridStepListItems(const Texts& texts) {
    return GridStepItemTexts(texts[kTextHour], texts[kTextMinutes]);
}

std::array<std::string, 3> drawStyleListItems(const Texts& texts) {
    return {texts[41], texts[42], texts[43]};
}

std::string withoutAccessKeys(const std::string& caption) {
    std::string out;
    out.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            out += caption[i];
            continue;
        }
        // "&&" stands for one "&"; a lone "&" only marks the next character.
        if (i + 1 < caption.size() && caption[i + 1] == '&') {
            out += '&';
            ++i;
        }
    }
    return out;
}

} // namespace osk
