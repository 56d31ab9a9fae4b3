#include "common/Text.h"
#include "common/Format.h"

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
    const std::optional<bool> none;
    // clang-format off
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"TRUE", true}, {"False", false}, {"0", false}, {"-1", true}, {"2.5", true}, {"", none},
        {"yes", none}, {"1x", none}, {"Truee", none}, {" True ", true}};
    // clang-format on
    for (const auto& [text, result] : cases)
        EXPECT_EQ(textToBoolean(text), result) << '"' << text << '"';
}

TEST(Format, FixedOneDecimal) {
    EXPECT_EQ(formatFixed1(150), "150.0");
    EXPECT_EQ(formatFixed1(-0.0), "0.0");
    EXPECT_EQ(formatFixed1(12345.25), "12345.2");
    EXPECT_EQ(formatFixed1(-7.5, ','), "-7,5");
}

TEST(Format, GeneralShortestForm) {
    // clang-format off
    const std::pair<double, const char*> cases[] = {
        {150, "150"}, {0, "0"}, {-3.5, "-3.5"}, {1e20, "1E+20"}, {1e-5, "1E-05"}, {0.0001, "0.0001"},
        {123456789012345, "123456789012345"}, {1.0 / 3, "0.333333333333333"}};
    // clang-format on
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatGeneral(value), text) << value;
    EXPECT_EQ(formatGeneral(7.25, ','), "7,25");
}

} // namespace
} // namespace osk
