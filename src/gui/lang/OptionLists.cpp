#include "lang/OptionLists.h"

#include "lang/TextNumbers.h"
#include "view/TimeLabels.h"

namespace osk {

std::array<std::string, 7> spanListItems(const Texts& texts) {
    // One list of item texts for the list and for the time axis, which compares against them.
    return SpanItemTexts(texts[kTextHour]);
}

std::array<std::string, 5> gridStepListItems(const Texts& texts) {
    const std::string& hour = texts[kTextHour];
    const std::string& minutes = texts[kTextMinutes];
    return {"4 " + hour, "2 " + hour, "1 " + hour, "30 " + minutes, "15 " + minutes};
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
