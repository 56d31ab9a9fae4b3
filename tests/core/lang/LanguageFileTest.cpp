#include "lang/LanguageFile.h"
#include "lang/TextEncoding.h"
#include "lang/TextLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace osk {
namespace {

using namespace std::string_literals;
using Entries = std::vector<std::pair<int, std::string>>;

struct ParseCase {
    const char* name;
    std::string bytes;
    bool hasSection;
    Entries entries;
    std::optional<LanguageFileFailure> failure;
};

std::ostream& operator<<(std::ostream& os, const ParseCase& c) {
    return os << c.name;
}

constexpr auto kNoBar = LanguageFileProblem::MissingBar;
constexpr auto kTooLarge = LanguageFileProblem::NumberTooLarge;

class ParseLanguageFile : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseLanguageFile, EntriesAndFailure) {
    const ParseCase& c = GetParam();
    const LanguageFile file = parseLanguageFile(c.bytes);
    EXPECT_EQ(file.hasSection, c.hasSection);
    Entries got;
    for (const auto& e : file.entries)
        got.emplace_back(e.number, e.text);
    EXPECT_EQ(got, c.entries);
    ASSERT_EQ(file.failure.has_value(), c.failure.has_value());
    if (c.failure) {
        EXPECT_EQ(file.failure->problem, c.failure->problem);
        EXPECT_EQ(file.failure->line, c.failure->line);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseLanguageFile,
    ::testing::Values(
        ParseCase{"EmptyFile", "", false, {}, {}},
        ParseCase{"NoBeginReadsNothing", "1|a\n2|b\n", false, {}, {}},
        ParseCase{"BeginMustMatchExactly",
                  "; header\n[Begin]\n [begin]\n[begin] \n9|before\n[begin]\n1|a",
                  true,
                  {{1, "a"}},
                  {}},
        ParseCase{"TextAfterFirstBarVerbatim",
                  "[begin]\n12|a|b\n7|\n3| x \n4||",
                  true,
                  {{12, "a|b"}, {7, ""}, {3, " x "}, {4, "|"}},
                  {}},
        ParseCase{"LenientNumbers",
                  "[begin]\n 1 2 |a\n2.5|b\n3.5|c\n-0.4|d\nabc|e\n|f\n1e2|g\n\t4\t|h\n"
                  "7x9|i\n-32768.5|j\n32767|k",
                  true,
                  {{12, "a"},
                   {2, "b"},
                   {4, "c"},
                   {0, "d"},
                   {0, "e"},
                   {0, "f"},
                   {100, "g"},
                   {4, "h"},
                   {7, "i"},
                   {-32768, "j"},
                   {32767, "k"}},
                  {}},
        ParseCase{"EindIsSkippedNotAnEnd",
                  "[begin]\n1|a\n[eind]\n2|b\n[eind]",
                  true,
                  {{1, "a"}, {2, "b"}},
                  {}},
        ParseCase{"EindMustMatchExactly",
                  "[begin]\n1|a\n[Eind]\n2|b",
                  true,
                  {{1, "a"}},
                  LanguageFileFailure{kNoBar, 3}},
        ParseCase{"EmptyLineInSection",
                  "[begin]\n1|a\n\n2|b",
                  true,
                  {{1, "a"}},
                  LanguageFileFailure{kNoBar, 3}},
        ParseCase{"EmptyLineAfterEind",
                  "[begin]\r\n1|a\r\n[eind]\r\n\r\n",
                  true,
                  {{1, "a"}},
                  LanguageFileFailure{kNoBar, 4}},
        ParseCase{"EmptyLineBeforeBeginIsHeader", "\n\n[begin]\n1|a", true, {{1, "a"}}, {}},
        ParseCase{"SecondBeginIsAnEntryLine",
                  "[begin]\n1|a\n[begin]\n2|b",
                  true,
                  {{1, "a"}},
                  LanguageFileFailure{kNoBar, 3}},
        ParseCase{"FinalLineEndMakesNoEmptyLine", "[begin]\r\n1|a\r\n", true, {{1, "a"}}, {}},
        ParseCase{"LoneCarriageReturns", "[begin]\r1|a\r2|b\r", true, {{1, "a"}, {2, "b"}}, {}},
        ParseCase{"MixedLineEnds",
                  "h\r\n[begin]\n1|a\r2|b\r\n3|c",
                  true,
                  {{1, "a"}, {2, "b"}, {3, "c"}},
                  {}},
        ParseCase{"TwoCarriageReturnsMakeAnEmptyLine",
                  "[begin]\r\r1|a",
                  true,
                  {},
                  LanguageFileFailure{kNoBar, 2}},
        ParseCase{"LineWithoutBar",
                  "[begin]\n1|a\nno bar here\n2|b",
                  true,
                  {{1, "a"}},
                  LanguageFileFailure{kNoBar, 3}},
        ParseCase{"NumberBeyond16Bits",
                  "[begin]\n1|a\n40000|b\n2|c",
                  true,
                  {{1, "a"}},
                  LanguageFileFailure{kTooLarge, 3}},
        ParseCase{"HalfRoundsOutOf16Bits",
                  "[begin]\n32767.5|a",
                  true,
                  {},
                  LanguageFileFailure{kTooLarge, 2}},
        ParseCase{"NegativeBeyond16Bits",
                  "[begin]\n-32769|a",
                  true,
                  {},
                  LanguageFileFailure{kTooLarge, 2}},
        ParseCase{
            "NumberBeyondDouble", "[begin]\n1e400|a", true, {}, LanguageFileFailure{kTooLarge, 2}},
        ParseCase{"Utf8Kept", "[begin]\n1|Ge\xC3\xABrd", true, {{1, "Ge\xC3\xABrd"}}, {}},
        ParseCase{"Windows1252Converted",
                  "[begin]\n1|Ge\xEBrd\n2|\x80 5",
                  true,
                  {{1, "Ge\xC3\xABrd"}, {2, "\xE2\x82\xAC 5"}},
                  {}},
        ParseCase{"OneStrayByteMakesTheWholeFile1252",
                  "[begin]\n1|\xC3\xAB\n2|\xEB",
                  true,
                  {{1, "\xC3\x83\xC2\xAB"}, {2, "\xC3\xAB"}},
                  {}},
        ParseCase{"ByteOrderMarkDropped", "\xEF\xBB\xBF[begin]\n1|a", true, {{1, "a"}}, {}},
        ParseCase{"NulByteKeptInText", "[begin]\n1|a\0b"s, true, {{1, "a\0b"s}}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitLines, LineEnds) {
    const struct {
        std::string text;
        std::vector<std::string_view> lines;
    } cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\rb\r", {"a", "", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"a\n\n", {"a", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitLines(c.text), c.lines) << testing::PrintToString(c.text);
}

TEST(TextEncoding, Utf8Validation) {
    const struct {
        std::string bytes;
        bool valid;
    } cases[] = {
        {"", true},
        {"plain ascii", true},
        {"\xC3\xAB", true},          // e with diaeresis
        {"\xE2\x82\xAC", true},      // euro sign
        {"\xF0\x9F\x98\x80", true},  // four bytes
        {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF
        {"\xEF\xBB\xBF", true},      // byte order mark
        {"\xEB", false},             // a lone Windows-1252 letter
        {"\x80", false},             // continuation without lead
        {"\xC3", false},             // cut off at the end
        {"\xE2\x82", false},         // cut off at the end
        {"\xC3\x28", false},         // lead without continuation
        {"\xC0\xAF", false},         // overlong two bytes
        {"\xE0\x80\xAF", false},     // overlong three bytes
        {"\xF0\x80\x80\xAF", false}, // overlong four bytes
        {"\xED\xA0\x80", false},     // surrogate
        {"\xF4\x90\x80\x80", false}, // beyond U+10FFFF
        {"\xF5\x80\x80\x80", false}, // lead byte never used
        {"\xE2\x28\xAC", false},     // broken third position
        {"\xF0\x9F\x98\x28", false}, // broken fourth position
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidUtf8(c.bytes), c.valid) << testing::PrintToString(c.bytes);
}

TEST(TextEncoding, Windows1252Letters) {
    const struct {
        std::string bytes;
        std::string utf8;
    } cases[] = {
        {"abc", "abc"},
        {"\xEB", "\xC3\xAB"},     // e with diaeresis
        {"\x80", "\xE2\x82\xAC"}, // euro sign
        {"\x93q\x94", "\xE2\x80\x9Cq\xE2\x80\x9D"},
        {"\x9F", "\xC5\xB8"}, // Y with diaeresis
        {"\x81", "\xC2\x81"}, // undefined in the code page
        {"\xA0", "\xC2\xA0"},
        {"\xFF", "\xC3\xBF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(windows1252ToUtf8(c.bytes), c.utf8) << testing::PrintToString(c.bytes);
}

TEST(TextEncoding, EveryWindows1252ByteGivesDistinctValidUtf8) {
    std::vector<std::string> seen;
    for (int b = 0; b < 256; ++b) {
        const std::string utf8 = windows1252ToUtf8(std::string(1, static_cast<char>(b)));
        EXPECT_TRUE(isValidUtf8(utf8)) << b;
        EXPECT_EQ(std::find(seen.begin(), seen.end(), utf8), seen.end()) << b;
        seen.push_back(utf8);
    }
}

} // namespace
} // namespace osk
