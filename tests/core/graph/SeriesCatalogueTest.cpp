#include "graph/SeriesCatalogue.h"
#include "graph/ProductSystem.h"
#include "lang/BuiltinTexts.h"

#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <set>

namespace osk {
namespace {

TEST(SeriesCatalogue, EntriesAgreeWithTheColumnSlotsAndSelectionIndex) {
    std::set<int> headings;
    int drawn = 0;
    for (const SeriesEntry& e : kSeriesCatalogue) {
        EXPECT_EQ(e.seriesOnIndex, seriesOnIndex(e.group, e.item));
        if (e.item == 0)
            headings.insert(e.group);
        if (!e.draws())
            continue;
        ++drawn;
        EXPECT_EQ(e.slot, SlotForColumn(e.column)) << "column " << e.column;
        EXPECT_TRUE(e.factor == 1 || e.factor == 10);
    }
    EXPECT_EQ(drawn, 19);
    EXPECT_EQ(headings.size(), 4u);
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
        {18, 74, "TBC"}, {19, 74, "GBC"},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(LegendText(kSeriesCatalogue.at(c.entry), texts, c.product), c.text) << c.entry;
    EXPECT_EQ(GroupCaption(0, texts, 17), "Peroxide");
    EXPECT_EQ(GroupCaption(4, texts, 17), "");
}

} // namespace
} // namespace osk
