#include "common/Numbers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <tuple>

namespace osk {
namespace {

TEST(Numbers, RoundHalfEven) {
    const struct {
        double in, out;
    } cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},    {3.5, 4},    {-0.5, -0},
                 {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {1e16, 1e16}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(Numbers, IntegerConversionsRefuseWhatDoesNotFit) {
    EXPECT_EQ(roundToInt16(32767.4), 32767);
    EXPECT_EQ(roundToInt16(-32768.5), -32768); // halves to even
    EXPECT_FALSE(roundToInt16(32767.5));
    EXPECT_FALSE(roundToInt32(3e9));
    EXPECT_FALSE(roundToInt32(std::numeric_limits<double>::quiet_NaN()));
    using limits = std::numeric_limits<double>;
    EXPECT_EQ(std::tuple(roundToPixel(1e300), roundToPixel(-limits::infinity()),
                         roundToPixel(limits::quiet_NaN())),
              std::tuple(std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), 0));
}

TEST(Numbers, LeadingNumber) {
    // clang-format off
    const std::pair<const char*, double> cases[] = {
        {"", 0}, {"abc", 0}, {"7.25 mg/L", 7.25}, {" 1 2 3 ", 123}, {"\t-4\n.5", -4.5}, {"+3", 3},
        {".5", 0.5}, {"12.", 12}, {"1.2.3", 1.2}, {"-", 0}, {".", 0}, {"1E-2x", 0.01}, {"2e", 2},
        {"2e+", 2}, {"3,5", 3}, {"1e308", 1e308}, {"1e-400", 0}, {"0e999999", 0}, {"inf", 0},
        {"nan", 0}, {"0x10", 0}, {"0.00000001e-999999999", 0}, {"0.000000000000000000000000001", 1e-27},
        {"123456789012345678901234", 1.2345678901234568e23}};
    // clang-format on
    for (const auto& [text, value] : cases) {
        EXPECT_FALSE(leadingNumber(text).outOfRange) << '"' << text << '"';
        EXPECT_DOUBLE_EQ(leadingNumber(text).value, value) << '"' << text << '"';
    }
    for (const char* text : {"1e309", "-1e309", "1e99999999999"})
        EXPECT_TRUE(leadingNumber(text).outOfRange) << text;
}

// Plain numbers go through a fast path, numbers followed by a unit or an exponent through the
// full conversion: both must give the correctly rounded double, sign of zero included.
TEST(Numbers, FastPathAgreesWithFullConversion) {
    for (const std::string n : {"2.675", "9007199254740993", "0.000123456789012345", "-0", "-0.0",
                                "+12.5", "123456789012345678", "0.30000000000000004", "1."}) {
        const double bare = leadingNumber(n).value;
        EXPECT_EQ(bare, std::strtod(n.c_str(), nullptr)) << n;
        for (const std::string& other : {n + " mg/l", n + "e0"}) {
            const double v = leadingNumber(other).value;
            EXPECT_EQ(std::memcmp(&bare, &v, sizeof v), 0) << other << ": " << bare << " " << v;
        }
    }
}

} // namespace
} // namespace osk
