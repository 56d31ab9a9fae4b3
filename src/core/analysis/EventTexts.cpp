#include "analysis/EventTexts.h"

#include "common/Format.h"
#include "graph/SeriesCatalogue.h"
#include "lang/FallbackTexts.h"
#include "lang/TextNumbers.h"

#include <cstdio>

namespace osk {

std::string EventKindText(EventKind kind, const Texts& texts, int16_t productTextIndex) {
    const EventKindInfo& info = InfoOf(kind);
    const std::string group = GroupCaption(info.group, texts, productTextIndex);
    switch (kind) {
    case EventKind::ProductHigh:
    case EventKind::PhHigh:
        return group + " " + textOrFallback(texts, kTextAboveHighAlarm);
    case EventKind::ProductLow:
    case EventKind::PhLow:
        return group + " " + textOrFallback(texts, kTextBelowLowAlarm);
    case EventKind::FlowLow:
        return textOrFallback(texts, kTextFlowBelowLowAlarm);
    case EventKind::DosingStopped:
        return textOrFallback(texts, kTextDosingStopped);
    case EventKind::CellActive:
        return group + " " + texts[kTextActive];
    case EventKind::CellNull:
        return group + " " + texts[kTextNull];
    case EventKind::CellRinse:
        return group + " " + texts[kTextRinse];
    case EventKind::CellEmpty:
        return group + " " + texts[kTextEmpty];
    }
    return {};
}

std::string DurationText(long long seconds) {
    if (seconds < 0)
        seconds = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

std::string ShareText(std::optional<double> share, char decimalSeparator) {
    if (!share)
        return {};
    return formatFixed1(*share * 100.0, decimalSeparator) + " %";
}

} // namespace osk
