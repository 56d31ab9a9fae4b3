#include "Format.h"

#include <cmath>
#include <cstdio>

namespace osk {

namespace {
void replacePoint(std::string& s, char sep) {
    for (char& c : s)
        if (c == '.')
            c = sep;
}
} // namespace

std::string formatFixed1(double v, char decimalSeparator) {
    if (v == 0.0)
        v = 0.0; // no "-0.0"
    char buf[400];
    const int n = std::snprintf(buf, sizeof buf, "%.1f", v);
    std::string s(buf, n > 0 ? static_cast<size_t>(n) : 0);
    replacePoint(s, decimalSeparator);
    return s;
}

std::string formatGeneral(double v, char decimalSeparator) {
    if (v == 0.0)
        return "0";
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%.15G", v);
    std::string s(buf, n > 0 ? static_cast<size_t>(n) : 0);
    // %G writes two exponent digits at least ("1E+20", "1E-05"), as the general form does.
    replacePoint(s, decimalSeparator);
    return s;
}

} // namespace osk
