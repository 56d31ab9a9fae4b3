// English captions of the texts that came after the built-in table was fixed: shown when the
// text table holds nothing for them (no language file, or a file older than the entries).
#pragma once

#include "lang/BuiltinTexts.h"
#include "lang/Texts.h"

#include <span>
#include <string>

namespace osk {

// The texts with an English fall-back, in number order; none of them is a built-in text.
std::span<const BuiltinText> FallbackTexts();

// Text n of the table, or its English fall-back when the table holds an empty text there.
std::string textOrFallback(const Texts& texts, int n);

} // namespace osk
