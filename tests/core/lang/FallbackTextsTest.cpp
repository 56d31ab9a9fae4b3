#include "lang/FallbackTexts.h"

#include <gtest/gtest.h>

#include <set>

namespace osk {
namespace {

TEST(FallbackTexts, StandInOnlyForAnEmptySlot) {
    Texts texts;
    storeBuiltinTexts(texts);
    for (const BuiltinText& f : FallbackTexts()) {
        EXPECT_EQ(textOrFallback(texts, f.number), f.text) << f.number;
        texts.set(f.number, "from the file");
        EXPECT_EQ(textOrFallback(texts, f.number), "from the file") << f.number;
    }
    // Texts without a fall-back are the table's own, empty or not.
    EXPECT_EQ(textOrFallback(texts, 9), "&File");
    EXPECT_EQ(textOrFallback(texts, 25), "");
    EXPECT_EQ(textOrFallback(texts, 150), "");
    EXPECT_EQ(textOrFallback(texts, -1), "");
}

TEST(FallbackTexts, LeaveTheBuiltinTableAsItIs) {
    std::set<int> builtin;
    for (const BuiltinText& b : BuiltinTexts())
        builtin.insert(b.number);
    for (const BuiltinText& f : FallbackTexts()) {
        EXPECT_EQ(builtin.count(f.number), 0u) << f.number;
        EXPECT_GE(f.number, 100);
    }
    // The built-in texts alone fill no fall-back slot.
    Texts texts;
    storeBuiltinTexts(texts);
    for (const BuiltinText& f : FallbackTexts())
        EXPECT_EQ(texts[f.number], "") << f.number;
}

} // namespace
} // namespace osk
