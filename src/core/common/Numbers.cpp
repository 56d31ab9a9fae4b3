#include "Numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

namespace osk {

double roundHalfEven(double x) {
    // The default floating-point rounding mode is round-to-nearest-even.
    return std::nearbyint(x);
}

std::optional<int32_t> roundToInt32(double x) {
    const double r = roundHalfEven(x);
    if (!(r >= static_cast<double>(std::numeric_limits<int32_t>::min()) &&
          r <= static_cast<double>(std::numeric_limits<int32_t>::max())))
        return std::nullopt;
    return static_cast<int32_t>(r);
}

std::optional<int16_t> roundToInt16(double x) {
    const double r = roundHalfEven(x);
    if (!(r >= std::numeric_limits<int16_t>::min() && r <= std::numeric_limits<int16_t>::max()))
        return std::nullopt;
    return static_cast<int16_t>(r);
}

int roundToPixel(double x) {
    const double r = roundHalfEven(x);
    if (std::isnan(r))
        return 0;
    if (r <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (r >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(r);
}

int roundedPixelsForTwips(double twips, double dotsPerInch) {
    return roundToPixel(twips * dotsPerInch / kTwipsPerInch);
}

namespace {

bool isIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The shape of the number found at the start of a text without ignored characters.
struct Scan {
    size_t end = 0;       // characters that belong to the number
    bool negative = false;
    size_t mantissaBegin = 0;
    int digits = 0;       // mantissa digits, leading zeros included
    uint64_t mantissa = 0; // the first up to 19 significant digits
    int significant = 0;  // significant digits (leading zeros excluded)
    int fractionDigits = 0;
    int intSignificant = 0;  // significant digits before the point
    int leadingFractionZeros = 0; // zeros after the point before the first significant digit
    int exponent = 0;
    bool exponentHuge = false;
};

Scan scanNumber(std::string_view s) {
    Scan sc;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        sc.negative = s[i] == '-';
        ++i;
    }
    sc.mantissaBegin = i;
    bool seenPoint = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (isDigit(c)) {
            ++sc.digits;
            if (seenPoint)
                ++sc.fractionDigits;
            if (c != '0' || sc.significant > 0) {
                if (sc.significant < 19)
                    sc.mantissa = sc.mantissa * 10 + static_cast<uint64_t>(c - '0');
                ++sc.significant;
                if (!seenPoint)
                    ++sc.intSignificant;
            } else if (seenPoint) {
                ++sc.leadingFractionZeros;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (sc.digits == 0) {
        sc.end = 0;
        return sc;
    }
    sc.end = i;
    // An exponent counts only when at least one digit follows the letter and its sign.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        bool expNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            expNegative = s[j] == '-';
            ++j;
        }
        if (j < s.size() && isDigit(s[j])) {
            int e = 0;
            for (; j < s.size() && isDigit(s[j]); ++j) {
                if (e < 100000)
                    e = e * 10 + (s[j] - '0');
                else
                    sc.exponentHuge = true;
            }
            sc.exponent = expNegative ? -e : e;
            sc.end = j;
        }
    }
    return sc;
}

constexpr std::array<double, 23> kPow10 = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                           1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                           1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

LeadingNumber fromScan(std::string_view s, const Scan& sc) {
    LeadingNumber out;
    if (sc.end == 0)
        return out;
    if (sc.significant == 0) {
        out.value = sc.negative ? -0.0 : 0.0;
        return out;
    }
    // Fast path: up to 15 significant digits and a small power of ten are exact in a double,
    // and one multiplication or division of two exact doubles is correctly rounded.
    const int scale = sc.exponent - sc.fractionDigits;
    if (!sc.exponentHuge && sc.significant <= 15 && scale >= -22 && scale <= 22) {
        double v = static_cast<double>(sc.mantissa);
        v = scale < 0 ? v / kPow10[static_cast<size_t>(-scale)]
                      : v * kPow10[static_cast<size_t>(scale)];
        out.value = sc.negative ? -v : v;
        return out;
    }
    const std::string_view number = s.substr(sc.mantissaBegin, sc.end - sc.mantissaBegin);
    double v = 0.0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large or too small: the position of the first significant digit decides.
        const long magnitude = sc.exponentHuge ? (sc.exponent < 0 ? -1000000L : 1000000L)
                               : sc.intSignificant > 0
                                   ? static_cast<long>(sc.exponent) + sc.intSignificant
                                   : static_cast<long>(sc.exponent) - sc.leadingFractionZeros;
        if (magnitude > 0) {
            out.outOfRange = true;
            return out;
        }
        v = 0.0;
    } else if (res.ec != std::errc()) {
        v = 0.0;
    }
    out.value = sc.negative ? -v : v;
    return out;
}

// The usual field of a log, a short plain decimal that is the whole text ("7.25", "-3", "100"),
// read in one loop. Gives the same value as the general path (at most 15 digits, so the
// mantissa and the power of ten are exact and the one division is correctly rounded);
// anything else is left to it.
std::optional<LeadingNumber> plainDecimal(std::string_view s) {
    const char* p = s.data();
    const char* const end = p + s.size();
    bool negative = false;
    if (p != end && (*p == '-' || *p == '+')) {
        negative = *p == '-';
        ++p;
    }
    // Unsigned arithmetic: a long run of digits wraps harmlessly and is refused below.
    uint64_t mantissa = 0;
    const char* const intBegin = p;
    for (; p != end && isDigit(*p); ++p)
        mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
    const auto intDigits = p - intBegin;
    std::ptrdiff_t fractionDigits = 0;
    if (p != end && *p == '.') {
        const char* const fractionBegin = ++p;
        for (; p != end && isDigit(*p); ++p)
            mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
        fractionDigits = p - fractionBegin;
    }
    if (p != end || intDigits + fractionDigits == 0 || intDigits + fractionDigits > 15)
        return std::nullopt;
    const double v = static_cast<double>(mantissa) / kPow10[static_cast<size_t>(fractionDigits)];
    return LeadingNumber{negative ? -v : v, false};
}

// Kept out of line so that the plain case pays for no stack frame of the general one.
[[gnu::noinline]] LeadingNumber generalNumber(std::string_view text) {
    bool hasIgnored = false;
    for (char c : text) {
        if (isIgnored(c)) {
            hasIgnored = true;
            break;
        }
    }
    if (!hasIgnored)
        return fromScan(text, scanNumber(text));
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (!isIgnored(c))
            compact.push_back(c);
    return fromScan(compact, scanNumber(compact));
}

} // namespace

LeadingNumber leadingNumber(std::string_view text) {
    if (const auto plain = plainDecimal(text))
        return *plain;
    return generalNumber(text);
}

} // namespace osk
