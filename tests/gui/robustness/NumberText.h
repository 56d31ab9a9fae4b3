// Numbers as texts, without Qt: one the user reads, and a CSV file another program reads.
#pragma once

#include <algorithm>
#include <charconv>
#include <sstream>
#include <string>
#include <string_view>

namespace osk::test {

// An optional minus, digits, and at most one separator followed by digits.
inline bool isShownNumber(std::string_view text, char separator) {
    const auto digits = [](std::string_view d) {
        return !d.empty() && d.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (text.starts_with('-'))
        text.remove_prefix(1);
    const size_t sep = text.find(separator);
    return digits(text.substr(0, sep)) &&
           (sep == std::string_view::npos || digits(text.substr(sep + 1)));
}

// At least one record, and every line has the header's number of fields, all but the first (the
// time) numbers with '.' as the decimal point.
inline bool hasPortableNumbers(const std::string& csv) {
    std::istringstream lines(csv);
    std::string line, field;
    std::getline(lines, line);
    const auto header = std::count(line.begin(), line.end(), ',');
    int records = 0;
    for (double value = 0; std::getline(lines, line); ++records) {
        if (std::count(line.begin(), line.end(), ',') != header)
            return false;
        std::istringstream in(line.substr(0, line.find('\r')));
        for (std::getline(in, field, ','); std::getline(in, field, ',');) {
            const char* end = field.data() + field.size();
            if (const auto r = std::from_chars(field.data(), end, value);
                r.ec != std::errc() || r.ptr != end)
                return false;
        }
    }
    return records > 0;
}

} // namespace osk::test
