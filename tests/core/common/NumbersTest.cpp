#include "common/Numbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace osk {
namespace {

TEST(Numbers, RoundHalfEven) {
    const struct {
        double in, out;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, -0}, {-1.5, -2}, {-2.5, -2},
                 {2.4999, 2}, {2.5001, 3}, {1e16, 1e16}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(Numbers, IntegerConversionsRefuseWhatDoesNotFit) {
    EXPECT_EQ(roundToInt16(32767.4), 32767);
    EXPECT_EQ(roundToInt16(-32768.5), -32768); // halves to even
    EXPECT_FALSE(roundToInt16(32767.5));
    EXPECT_FALSE(roundToInt32(3e9));
    EXPECT_FALSE(roundToInt32(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(roundToPixel(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(roundToPixel(-std::numeric_limits<double>::infinity()), std::numeric_limits<int>::min());
    EXPECT_EQ(roundToPixel(std::numeric_limits<double>::quiet_NaN()), 0);
}

struct LeadingCase {
    std::string text;
    double value;
    bool outOfRange;
};

void PrintTo(const LeadingCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, Reads) {
    const auto& c = GetParam();
    const LeadingNumber n = leadingNumber(c.text);
    EXPECT_EQ(n.outOfRange, c.outOfRange) << '"' << c.text << '"';
    if (!c.outOfRange) {
        EXPECT_DOUBLE_EQ(n.value, c.value) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, LeadingNumberTest,
    ::testing::Values(
        LeadingCase{"", 0, false}, LeadingCase{"abc", 0, false}, LeadingCase{"7.25", 7.25, false},
        LeadingCase{"7.25 mg/L", 7.25, false}, LeadingCase{" 1 2 3 ", 123, false},
        LeadingCase{"\t-4\n.5", -4.5, false}, LeadingCase{"+3", 3, false},
        LeadingCase{".5", 0.5, false}, LeadingCase{"12.", 12, false},
        LeadingCase{"1.2.3", 1.2, false}, LeadingCase{"-", 0, false}, LeadingCase{".", 0, false},
        LeadingCase{"1e3", 1000, false}, LeadingCase{"1E-2x", 0.01, false},
        LeadingCase{"2e", 2, false}, LeadingCase{"2e+", 2, false}, LeadingCase{"3,5", 3, false},
        LeadingCase{"0.1", 0.1, false}, LeadingCase{"123456789012345678901234", 1.2345678901234568e23, false},
        LeadingCase{"0.000000000000000000000000001", 1e-27, false},
        LeadingCase{"1e308", 1e308, false}, LeadingCase{"1e309", 0, true},
        LeadingCase{"-1e309", 0, true}, LeadingCase{"1e99999999999", 0, true},
        LeadingCase{"1e-400", 0, false}, LeadingCase{"0e999999", 0, false},
        LeadingCase{"0.00000001e-999999999", 0, false}, LeadingCase{"inf", 0, false},
        LeadingCase{"nan", 0, false}, LeadingCase{"0x10", 0, false}));

TEST(Numbers, FastPathAgreesWithFullConversion) {
    // Values the fast path handles must equal what a full decimal conversion gives.
    const char* texts[] = {"0.3", "2.675", "999999999999999", "0.000123456789012345",
                           "72.3", "1234.5678e-3", "9007199254740993"};
    for (const char* t : texts)
        EXPECT_EQ(leadingNumber(t).value, std::stod(t)) << t;
}

} // namespace
} // namespace osk
