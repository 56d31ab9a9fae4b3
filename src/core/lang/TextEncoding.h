// Turns the bytes of a language file into UTF-8 text: files saved as UTF-8 are taken as they
// are, older files in the Western Windows code page are converted.
#pragma once

#include <string>
#include <string_view>

namespace osk {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing beyond
// U+10FFFF, no sequence cut off at the end).
bool isValidUtf8(std::string_view bytes);

// Every byte read as Windows-1252 and written as UTF-8. The five bytes the code page leaves
// undefined become the control characters of the same value.
std::string windows1252ToUtf8(std::string_view bytes);

// The text of a language file: a leading UTF-8 byte order mark is dropped, then the bytes are
// kept when they are valid UTF-8 and converted from Windows-1252 otherwise.
std::string decodeLanguageBytes(std::string_view bytes);

} // namespace osk
