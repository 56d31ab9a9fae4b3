// Checks on numbers as texts, without Qt: a number the user reads, and one a program reads back.
#pragma once

#include <charconv>
#include <string_view>

namespace osk::test {

// An optional minus, digits, and at most one separator followed by digits.
inline bool isShownNumber(std::string_view text, char separator) {
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const size_t sep = text.find(separator);
    const auto digits = [](std::string_view d) {
        return !d.empty() && d.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return sep == std::string_view::npos
               ? digits(text)
               : digits(text.substr(0, sep)) && digits(text.substr(sep + 1));
}

// The whole text is one number with '.' as its decimal point, whatever the locale.
inline bool isPortableNumber(std::string_view text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

} // namespace osk::test
