#include "Format.h"

#include <cctype>
#include <charconv>

namespace osk {

namespace {

// The number's text without any locale: '.' as the decimal point, then the separator asked for.
std::string withSeparator(const char* first, std::to_chars_result written, char sep) {
    std::string s(first, written.ec == std::errc() ? written.ptr : first);
    for (char& c : s)
        if (c == '.')
            c = sep;
    return s;
}

} // namespace

std::string formatFixed1(double v, char decimalSeparator) {
    if (v == 0.0)
        v = 0.0; // no "-0.0"
    char buf[400];
    return withSeparator(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 1),
                         decimalSeparator);
}

std::string formatGeneral(double v, char decimalSeparator) {
    if (v == 0.0)
        return "0";
    char buf[64];
    // Two exponent digits at least ("1E+20", "1E-05"), as the general form writes them.
    std::string s = withSeparator(
        buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15),
        decimalSeparator);
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

} // namespace osk
