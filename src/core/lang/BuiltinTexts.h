// The English texts compiled into the program, stored into the text table whenever a language
// file cannot be read.
#pragma once

#include "lang/Texts.h"

#include <span>

namespace osk {

struct BuiltinText {
    int number;
    const char* text; // UTF-8
};

// Texts 1 to 68 and 73 to 88, in number order. Other numbers have no built-in text.
std::span<const BuiltinText> BuiltinTexts();

// Overwrites the slots of the built-in texts; every other slot keeps what it holds.
void storeBuiltinTexts(Texts& texts);

} // namespace osk
