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
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const size_t sep = text.find(separator);
    return sep == std::string_view::npos
               ? digits(text)
               : digits(text.substr(0, sep)) && digits(text.substr(sep + 1));
}

// At least one record, and every line has the header's number of fields, all but the first (the
// time) numbers with '.' as the decimal point.
inline bool hasPortableNumbers(const std::string& csv) {
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    const auto fields = [](const std::string& l) { return std::count(l.begin(), l.end(), ','); };
    const auto header = fields(line);
    int records = 0;
    for (; std::getline(lines, line); ++records) {
        std::istringstream in(line.substr(0, line.find('\r')));
        std::string field;
        std::getline(in, field, ',');
        while (std::getline(in, field, ',')) {
            double value = 0;
            const auto [end, ec] =
                std::from_chars(field.data(), field.data() + field.size(), value);
            if (ec != std::errc() || end != field.data() + field.size())
                return false;
        }
        if (fields(line) != header)
            return false;
    }
    return records > 0;
}

} // namespace osk::test
