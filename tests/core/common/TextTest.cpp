#include "common/Text.h"
#include "common/Format.h"

#include <gtest/gtest.h>

namespace osk {
namespace {

TEST(Text, CuttingNeverReadsPastTheEnd) {
    const std::string_view t = "10:23:40";
    EXPECT_EQ((std::vector{left("Record", 10), left("Record", -1), right("2024-05-01 10:23:40", 8),
                           right("ab", 8), mid(t, 4, 2), mid(t, 8, 5), mid(t, 9, 1), mid(t, 0, 1),
                           mid("a b", 2)}),
              (std::vector<std::string_view>{"Record", "", t, "ab", "23", "0", "", "", " b"}));
}

TEST(Text, TrimRemovesOnlyBlanks) {
    EXPECT_EQ(std::tuple(trimBlanks("  name  "), trimBlanks("\tname "), trimBlanks("   ")),
              std::tuple("name", "\tname", ""));
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
    EXPECT_EQ(std::tuple(formatFixed1(150), formatFixed1(-0.0), formatFixed1(12345.25),
                         formatFixed1(-7.5, ',')),
              std::tuple("150.0", "0.0", "12345.2", "-7,5"));
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
