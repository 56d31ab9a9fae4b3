#include "graph/SeriesCatalogue.h"
#include "graph/ProductSystem.h"
#include "lang/BuiltinTexts.h"

#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string>

namespace osk {
namespace {

// The catalogue as the program's documentation lists it, typed out here rather than derived:
// group, item, selection index, caption (text number, or -1 with a literal or the product name),
// column (-1 for none), colour, factor (0 for none), point slot (0 for none). Row order is the
// drawing order.
struct ExpectedEntry {
    int group, item, index;
    int text;
    const char* literal;
    int column;
    int r, g, b;
    int factor, slot;
};

constexpr ExpectedEntry kExpected[] = {
    // clang-format off
    {0, 0,  0,  -1, "",    10, 128,   0, 128,  1,  1},
    {0, 1,  6,  19, "",     6, 255, 157, 255,  1, 11},
    {0, 2, 12,  18, "",     7, 255, 157, 255,  1,  9},
    {0, 3, 18,  20, "",     8, 215,   0, 215,  1, 13},
    {0, 4, 24,  21, "",    20, 215,   0, 215,  1, 15},
    {1, 0,  1,  22, "",    15, 224,   1,   6, 10,  3},
    {1, 1,  7,  19, "",    11, 254, 158, 183, 10, 19},
    {1, 2, 13,  18, "",    12, 254, 158, 183, 10, 17},
    {1, 3, 19,  20, "",    13, 253,  83, 108, 10, 21},
    {1, 4, 25,  21, "",    21, 253,  83, 108,  1, 23},
    {2, 0,  2,  23, "",    18,   0, 128,   0,  1,  5},
    {2, 1,  8,  24, "",    17,  47, 206,  23,  1, 27},
    {2, 2, 14,  18, "",    16,  47, 206,  23,  1, 25},
    {3, 0,  3,  26, "",    -1,   1,   6, 201,  0,  0},
    {3, 1,  9,  29, "",    24,   1,   6, 201,  1, 35},
    {3, 2, 15, 206, "",    22, 102, 102, 255,  1,  7},
    {3, 3, 21, 207, "",    23, 213, 213, 255,  1, 33},
    {3, 4, 27, 205, "",    25, 213, 213, 255,  1, 37},
    {3, 5, 33,  -1, "TBC", 29,   1,   6, 201,  1, 41},
    {3, 6, 39,  -1, "GBC", 30,   1,   6, 201,  1, 41},
    // clang-format on
};

TEST(SeriesCatalogue, EveryEntryInDrawingOrderAsDocumented) {
    ASSERT_EQ(kSeriesCatalogue.size(), std::size(kExpected));
    for (size_t i = 0; i < std::size(kExpected); ++i) {
        const SeriesEntry& e = kSeriesCatalogue[i];
        const ExpectedEntry& x = kExpected[i];
        SCOPED_TRACE("entry " + std::to_string(i));
        EXPECT_EQ(e.group, x.group);
        EXPECT_EQ(e.item, x.item);
        EXPECT_EQ(seriesOnIndex(e.group, e.item), x.index);
        EXPECT_EQ(e.captionText, x.text);
        EXPECT_STREQ(e.captionLiteral, x.literal);
        EXPECT_EQ(e.column, x.column);
        EXPECT_EQ(e.draws(), x.column >= 0);
        EXPECT_EQ(e.colour, Rgb(static_cast<uint8_t>(x.r), static_cast<uint8_t>(x.g),
                                static_cast<uint8_t>(x.b)));
        if (x.column >= 0) { // the cell heading has no factor and no slot to speak of
            EXPECT_EQ(e.factor, x.factor);
            EXPECT_EQ(e.slot, x.slot);
        }
    }
}

TEST(SeriesCatalogue, EveryColumnHasItsPointSlot) {
    const std::map<int, int> ownSlots = {
        {10, 1},  {15, 3},  {18, 5},  {22, 7},  {7, 9},   {6, 11},  {8, 13},
        {20, 15}, {12, 17}, {11, 19}, {13, 21}, {21, 23}, {16, 25}, {17, 27},
        {19, 29}, {23, 33}, {24, 35}, {25, 37}, {26, 39},
    };
    for (int column = -1; column <= 31; ++column) {
        const auto own = ownSlots.find(column);
        EXPECT_EQ(SlotForColumn(column), own == ownSlots.end() ? 41 : own->second)
            << "column " << column;
    }
    // The catalogue records each series' points where the map puts its column.
    for (const SeriesEntry& e : kSeriesCatalogue) {
        if (e.draws()) {
            EXPECT_EQ(e.slot, SlotForColumn(e.column)) << "column " << e.column;
        }
    }
}

TEST(SeriesCatalogue, SubSeriesNeedTheirGroupAndCellsStayOffPaper) {
    SeriesSelection on;
    const SeriesEntry& productHigh = kSeriesCatalogue[1];
    const SeriesEntry& cellNull = kSeriesCatalogue[14];
    on.set(0, 1, 1);
    EXPECT_FALSE(SeriesSelected(productHigh, on, false));
    on.set(0, 0, 1);
    EXPECT_TRUE(SeriesSelected(productHigh, on, false));
    on.set(3, 0, 1);
    on.set(3, 1, 1);
    EXPECT_TRUE(SeriesSelected(cellNull, on, false));
    EXPECT_FALSE(SeriesSelected(cellNull, on, true));
    EXPECT_TRUE(SeriesSelected(productHigh, on, true));
}

TEST(ProductSystem, ReadsTheStoreAtEveryCall) {
    test::MemorySettingsStore store;
    const std::pair<const char*, int16_t> cases[] = {
        {"Chloor", 74}, {"Peroxide", 17}, {"Tarvox", 75}, {"chloor", 0}, {"", 0}, {"Chloor ", 0}};
    for (const auto& [value, index] : cases) {
        store.RegWrite(settings::kSystem, value);
        EXPECT_EQ(ProductTextIndex(store), index) << value;
    }
}

TEST(SeriesCatalogue, LegendTextsOfHeadingsAndSubSeries) {
    Texts texts;
    storeBuiltinTexts(texts);
    const struct {
        size_t entry;
        int16_t product;
        const char* text;
    } cases[] = {
        // clang-format off
        {0, 74, "Free Chlorine mg/L (/100)"}, {0, 17, "Peroxide ppm"}, {0, 0, " ppm"},
        {5, 74, "PH (/10)"}, {10, 74, "Flow m3/h"}, {13, 74, "Cell"}, {6, 74, "High alarm"},
        {14, 74, "Rinse"}, {18, 74, "TBC"}, {19, 74, "GBC"},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(LegendText(kSeriesCatalogue.at(c.entry), texts, c.product), c.text) << c.entry;
    EXPECT_EQ(GroupCaption(0, texts, 17), "Peroxide");
    EXPECT_EQ(GroupCaption(4, texts, 17), "");
}

} // namespace
} // namespace osk
