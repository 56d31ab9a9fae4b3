// Small text helpers with the forgiving behaviour the program relies on: they never throw and
// never read past the end of a text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace osk {

// The first n characters (all of them when the text is shorter; none for n <= 0).
std::string_view left(std::string_view s, long n);
// The last n characters (all of them when the text is shorter; none for n <= 0).
std::string_view right(std::string_view s, long n);
// From the 1-based position start, at most length characters; nothing when start lies
// beyond the end.
std::string_view mid(std::string_view s, long start, long length);
// From the 1-based position start to the end.
std::string_view mid(std::string_view s, long start);

// UTF-8: whether a byte continues a character rather than starting one.
inline bool isUtf8Continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}
// The number of characters of UTF-8 text (bytes that start a character).
size_t utf8CharCount(std::string_view utf8);
// The first / last n characters of UTF-8 text (all of them when it is shorter).
std::string_view leftChars(std::string_view utf8, size_t n);
std::string_view rightChars(std::string_view utf8, size_t n);

// Blanks removed at both ends (only blanks: tabs and other characters stay).
std::string_view trimBlanks(std::string_view s);

std::string toUpperAscii(std::string_view s);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool containsIgnoreCase(std::string_view haystack, std::string_view needle);

// Text-to-Boolean conversion of stored settings: "True" and "False" in any letter case, a
// number (0 is false, any other number true); anything else, the empty text included,
// gives nullopt.
std::optional<bool> textToBoolean(std::string_view s);
// The stored text of a Boolean setting: "True" or "False".
inline const char* booleanText(bool value) {
    return value ? "True" : "False";
}

} // namespace osk
