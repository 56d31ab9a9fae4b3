#include "common/Format.h"
#include "common/Text.h"

#include <gtest/gtest.h>

namespace osk {
namespace {

TEST(Text, CuttingNeverReadsPastTheEnd) {
    EXPECT_EQ(left("Record", 10), "Record");
    EXPECT_EQ(left("Record", -1), "");
    EXPECT_EQ(right("2024-05-01 10:23:40", 8), "10:23:40");
    EXPECT_EQ(right("ab", 8), "ab");
    EXPECT_EQ(mid("10:23:40", 4, 2), "23");
    EXPECT_EQ(mid("10:23:40", 8, 5), "0");
    EXPECT_EQ(mid("10:23:40", 9, 1), "");
    EXPECT_EQ(mid("10:23:40", 0, 1), "");
    EXPECT_EQ(mid("a b", 2), " b");
}

TEST(Text, TrimRemovesOnlyBlanks) {
    EXPECT_EQ(trimBlanks("  name  "), "name");
    EXPECT_EQ(trimBlanks("\tname "), "\tname");
    EXPECT_EQ(trimBlanks("   "), "");
}

TEST(Text, CaseInsensitiveComparisons) {
    EXPECT_TRUE(equalsIgnoreCase("English.lng", "english.LNG"));
    EXPECT_FALSE(equalsIgnoreCase("english.lng", "english.ln"));
    EXPECT_TRUE(containsIgnoreCase("C:\\Prog\\oskremote.EXE", "OSKRemote.exe"));
}

TEST(Text, BooleanConversion) {
    const struct {
        const char* text;
        std::optional<bool> result;
    } cases[] = {{"True", true}, {"TRUE", true}, {"false", false}, {"False", false},
                 {"0", false},   {"-1", true},   {"2.5", true},    {"0.0", false},
                 {"", std::nullopt}, {"yes", std::nullopt}, {"1x", std::nullopt},
                 {"Truee", std::nullopt}, {" True ", true}};
    for (const auto& c : cases)
        EXPECT_EQ(textToBoolean(c.text), c.result) << '"' << c.text << '"';
}

TEST(Format, FixedOneDecimal) {
    EXPECT_EQ(formatFixed1(150), "150.0");
    EXPECT_EQ(formatFixed1(13.5), "13.5");
    EXPECT_EQ(formatFixed1(0), "0.0");
    EXPECT_EQ(formatFixed1(-0.0), "0.0");
    EXPECT_EQ(formatFixed1(12345.25), "12345.2");
    EXPECT_EQ(formatFixed1(-7.5, ','), "-7,5");
}

TEST(Format, GeneralShortestForm) {
    const struct {
        double v;
        const char* text;
    } cases[] = {{7.25, "7.25"}, {150, "150"}, {0, "0"}, {0.1, "0.1"}, {-3.5, "-3.5"},
                 {1e20, "1E+20"}, {1e-5, "1E-05"}, {0.0001, "0.0001"},
                 {123456789012345, "123456789012345"}, {1.0 / 3, "0.333333333333333"}};
    for (const auto& c : cases)
        EXPECT_EQ(formatGeneral(c.v), c.text) << c.v;
    EXPECT_EQ(formatGeneral(7.25, ','), "7,25");
}

} // namespace
} // namespace osk
