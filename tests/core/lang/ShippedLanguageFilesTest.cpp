#include "lang/BuiltinTexts.h"
#include "lang/FallbackTexts.h"
#include "lang/LanguageFile.h"
#include "lang/LanguageFolder.h"
#include "lang/TextEncoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace osk {
namespace {

// The texts of a shipped file by number, after checking it reads without any failure.
std::map<int, std::string> readShipped(const std::string& name) {
    std::map<int, std::string> byNumber;
    const auto bytes = readLanguageFile(OSK_LANG_DIR, name);
    EXPECT_TRUE(bytes.has_value()) << name;
    if (!bytes)
        return byNumber;
    EXPECT_TRUE(isValidUtf8(*bytes)) << name;
    const LanguageFile file = parseLanguageFile(*bytes);
    EXPECT_TRUE(file.hasSection) << name;
    if (file.failure)
        ADD_FAILURE() << name << ": reading stopped at line " << file.failure->line;
    for (const LanguageEntry& e : file.entries) {
        EXPECT_TRUE(Texts::valid(e.number)) << name << " text " << e.number;
        EXPECT_TRUE(byNumber.emplace(e.number, e.text).second)
            << name << ": text " << e.number << " given twice";
    }
    return byNumber;
}

class ShippedLanguageFile : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedLanguageFile, GivesEveryTextTheProgramUses) {
    const auto texts = readShipped(GetParam());
    std::set<int> expected = {205, 206, 207};
    for (const auto& list : {BuiltinTexts(), FallbackTexts()})
        for (const BuiltinText& b : list)
            expected.insert(b.number);
    std::set<int> numbers;
    for (const auto& [n, text] : texts) {
        numbers.insert(n);
        EXPECT_TRUE(n == 25 || !text.empty()) << "text " << n;
    }
    EXPECT_EQ(numbers, expected);
    // The cell sub-series in the legend carry the same names as their states in the read-out.
    EXPECT_EQ(std::tie(texts.at(205), texts.at(206), texts.at(207)),
              std::tie(texts.at(30), texts.at(27), texts.at(28)));
    // Menu captions mark exactly one access key.
    for (int n : {8, 9, 10, 11, 12, 13, 14, 44, 47, 48, 49, 50, 62, 100, 101, 102, 103}) {
        const std::string& t = texts.at(n);
        EXPECT_TRUE(std::count(t.begin(), t.end(), '&') == 1 && t.back() != '&') << "text " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLanguageFile,
                         ::testing::Values("english.lng", "nederlands.lng"), [](const auto& info) {
                             const std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

TEST(ShippedLanguageFile, EnglishRepeatsTheBuiltinTexts) {
    const auto texts = readShipped("english.lng");
    for (const auto& list : {BuiltinTexts(), FallbackTexts()})
        for (const BuiltinText& b : list)
            EXPECT_EQ(texts.count(b.number) ? texts.at(b.number) : "<none>", b.text) << b.number;
}

} // namespace
} // namespace osk
