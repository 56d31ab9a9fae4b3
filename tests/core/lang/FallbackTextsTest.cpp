#include "lang/FallbackTexts.h"

#include <gtest/gtest.h>

namespace osk {
namespace {

// The fall-backs stand in for slots the built-in texts leave empty, until a file fills them.
TEST(FallbackTexts, StandInOnlyForAnEmptySlot) {
    Texts texts;
    storeBuiltinTexts(texts);
    for (const BuiltinText& f : FallbackTexts()) {
        EXPECT_EQ(texts[f.number], "") << f.number;
        EXPECT_EQ(textOrFallback(texts, f.number), f.text) << f.number;
        texts.set(f.number, "from the file");
        EXPECT_EQ(textOrFallback(texts, f.number), "from the file") << f.number;
    }
    // Texts without a fall-back are the table's own, empty or not.
    EXPECT_EQ(textOrFallback(texts, 9), "&File");
    for (const int n : {25, 160, -1})
        EXPECT_EQ(textOrFallback(texts, n), "") << n;
}

} // namespace
} // namespace osk
