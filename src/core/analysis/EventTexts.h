// How the analysis reads to a user: the names of the event kinds, durations and shares.
#pragma once

#include "analysis/EventKinds.h"
#include "lang/Texts.h"

#include <cstdint>
#include <optional>
#include <string>

namespace osk {

// "<product> above high alarm", "pH below low alarm", "Flow below low alarm",
// "Dosing stopped", "Cell Active": in the language of texts, with the product's name.
std::string EventKindText(EventKind kind, const Texts& texts, int16_t productTextIndex);

// "h:mm:ss", hours as many as it takes ("0:00:10", "27:46:40"); negative times read as 0.
std::string DurationText(long long seconds);

// A share as a percentage with one decimal ("97.5 %"); "" for no share.
std::string ShareText(std::optional<double> share, char decimalSeparator = '.');

} // namespace osk
