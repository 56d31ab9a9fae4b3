#include "Text.h"

#include "Numbers.h"

#include <algorithm>

namespace osk {

std::string_view left(std::string_view s, long n) {
    if (n <= 0)
        return {};
    return s.substr(0, std::min(s.size(), static_cast<size_t>(n)));
}

std::string_view right(std::string_view s, long n) {
    if (n <= 0)
        return {};
    const size_t k = std::min(s.size(), static_cast<size_t>(n));
    return s.substr(s.size() - k);
}

std::string_view mid(std::string_view s, long start, long length) {
    if (start < 1 || length <= 0 || static_cast<size_t>(start) > s.size())
        return {};
    return s.substr(static_cast<size_t>(start - 1), static_cast<size_t>(length));
}

std::string_view mid(std::string_view s, long start) {
    if (start < 1 || static_cast<size_t>(start) > s.size())
        return {};
    return s.substr(static_cast<size_t>(start - 1));
}

size_t utf8CharCount(std::string_view utf8) {
    size_t count = 0;
    for (const char c : utf8)
        count += isUtf8Continuation(static_cast<unsigned char>(c)) ? 0 : 1;
    return count;
}

std::string_view leftChars(std::string_view utf8, size_t n) {
    size_t i = 0;
    for (size_t count = 0; i < utf8.size() && count < n; ++count)
        for (++i; i < utf8.size() && isUtf8Continuation(static_cast<unsigned char>(utf8[i]));)
            ++i;
    return utf8.substr(0, i);
}

std::string_view rightChars(std::string_view utf8, size_t n) {
    size_t i = utf8.size();
    for (size_t count = 0; i > 0 && count < n; ++count)
        for (--i; i > 0 && isUtf8Continuation(static_cast<unsigned char>(utf8[i]));)
            --i;
    return utf8.substr(i);
}

std::string_view trimBlanks(std::string_view s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    const size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

namespace {
char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
} // namespace

std::string toUpperAscii(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), upper);
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return upper(x) == upper(y); });
}

bool containsIgnoreCase(std::string_view haystack, std::string_view needle) {
    return toUpperAscii(haystack).find(toUpperAscii(needle)) != std::string::npos;
}

std::optional<bool> textToBoolean(std::string_view s) {
    const std::string_view t = trimBlanks(s);
    if (equalsIgnoreCase(t, "True"))
        return true;
    if (equalsIgnoreCase(t, "False"))
        return false;
    // A number converts only when the whole text is that number.
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9')
            digits = true;
        else if (t[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits && i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        const size_t expStart = j;
        while (j < t.size() && t[j] >= '0' && t[j] <= '9')
            ++j;
        if (j > expStart)
            i = j;
    }
    if (!digits || i != t.size())
        return std::nullopt;
    const LeadingNumber n = leadingNumber(t);
    if (n.outOfRange)
        return true;
    return n.value != 0.0;
}

} // namespace osk
