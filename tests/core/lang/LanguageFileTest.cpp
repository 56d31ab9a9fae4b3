#include "lang/LanguageFile.h"
#include "lang/TextEncoding.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace osk {
namespace {

using namespace std::string_literals;

// The reading as one text: "number|text" per entry, then "!line" where a failure stopped it
// ("!3" a line without a bar, "!3 too large" a number beyond 16 bits); "-" before it all when
// the file has no "[begin]".
std::string render(const LanguageFile& file) {
    std::string out = file.hasSection ? "" : "-";
    for (const LanguageEntry& e : file.entries)
        out += std::to_string(e.number) + "|" + e.text + "\n";
    if (file.failure)
        out += "!" + std::to_string(file.failure->line) +
               (file.failure->problem == LanguageFileProblem::NumberTooLarge ? " too large" : "");
    return out;
}

TEST(ParseLanguageFile, Lines) {
    const struct {
        const char* name;
        std::string bytes;
        std::string read;
    } cases[] = {
        {"empty file", "", "-"},
        {"byte order mark", "\xEF\xBB\xBF[begin]\n1|a", "1|a\n"},
        {"NUL kept", "[begin]\n1|a\0b"s, "1|a\0b\n"s},
        {"begin exact", "; header\n[Begin]\n [begin]\n[begin] \n9|x\n[begin]\n1|a", "1|a\n"},
        {"text verbatim", "[begin]\n12|a|b\n7|\n3| x \n4||", "12|a|b\n7|\n3| x \n4||\n"},
        {"lenient numbers", "[begin]\n 1 2 |a\n2.5|b\n3.5|c\n-0.4|d\nabc|e\n|f\n1e2|g\n7x9|h",
         "12|a\n2|b\n4|c\n0|d\n0|e\n0|f\n100|g\n7|h\n"},
        {"16-bit limits", "[begin]\n-32768.5|a\n32767|b\n32767.5|c",
         "-32768|a\n32767|b\n!4 too large"},
        {"beyond 16 bits", "[begin]\n1|a\n40000|b\n2|c", "1|a\n!3 too large"},
        {"beyond double", "[begin]\n1e400|a", "!2 too large"},
        {"eind skipped", "[begin]\n1|a\n[eind]\n2|b\n[eind]", "1|a\n2|b\n"},
        {"eind exact", "[begin]\n1|a\n[Eind]\n2|b", "1|a\n!3"},
        {"empty line", "[begin]\n1|a\n\n2|b", "1|a\n!3"},
        {"empty header line", "\n\n[begin]\n1|a", "1|a\n"},
        {"second begin", "[begin]\n1|a\n[begin]\n2|b", "1|a\n!3"},
        {"no bar", "[begin]\n1|a\nno bar\n2|b", "1|a\n!3"},
        {"final line end", "[begin]\r\n1|a\r\n", "1|a\n"},
        {"mixed ends", "h\r\n[begin]\n1|a\r2|b\r\n3|c", "1|a\n2|b\n3|c\n"},
        {"CR CR", "[begin]\r\r1|a", "!2"},
        {"LF CR", "[begin]\n1|a\n\r2|b", "1|a\n!3"},
        {"UTF-8 kept", "[begin]\n1|Ge\xC3\xABrd", "1|Ge\xC3\xABrd\n"},
        {"Windows-1252", "[begin]\n1|Ge\xEBrd\n2|\x80 5", "1|Ge\xC3\xABrd\n2|\xE2\x82\xAC 5\n"},
        {"one stray byte", "[begin]\n1|\xC3\xAB\n2|\xEB", "1|\xC3\x83\xC2\xAB\n2|\xC3\xAB\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(render(parseLanguageFile(c.bytes)), c.read) << c.name;
}

TEST(TextEncoding, Utf8Validation) {
    // clang-format off
    const struct {
        const char* bytes;
        bool valid;
    } cases[] = {
        {"ascii", true}, {"\xC3\xAB", true}, {"\xF0\x9F\x98\x80", true}, {"\xF4\x8F\xBF\xBF", true},
        {"\xEB", false}, {"\x80", false}, {"\xE2\x82", false}, {"\xC3\x28", false},
        {"\xC0\xAF", false}, {"\xE0\x80\xAF", false}, {"\xF0\x80\x80\xAF", false},
        {"\xED\xA0\x80", false}, {"\xF4\x90\x80\x80", false}, {"\xF5\x80\x80\x80", false},
        {"\xF0\x9F\x98\x28", false}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(isValidUtf8(c.bytes), c.valid) << testing::PrintToString(std::string(c.bytes));
}

TEST(TextEncoding, EveryWindows1252ByteGivesItsOwnUtf8) {
    std::set<std::string> seen;
    for (int b = 0; b < 256; ++b) {
        const std::string utf8 = windows1252ToUtf8(std::string(1, static_cast<char>(b)));
        EXPECT_TRUE(isValidUtf8(utf8) && seen.insert(utf8).second) << b;
    }
    EXPECT_EQ(windows1252ToUtf8("\x93\x9F\x81\xFF"), "\xE2\x80\x9C\xC5\xB8\xC2\x81\xC3\xBF");
}

} // namespace
} // namespace osk
