#include "graph/SeriesCatalogue.h"
#include "graph/ProductSystem.h"
#include "lang/BuiltinTexts.h"

#include "common/SettingsStore.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

namespace osk {
namespace {

// The catalogue and the slot map must agree: a series records its points where the map puts
// its column, and no two columns share a slot pair except the catch-all slot.
TEST(SeriesCatalogue, EntriesAgreeWithTheSlotMapAndTheSelectionIndex) {
    std::set<int> pairs;
    for (int column = -1; column <= 31; ++column) {
        const int slot = SlotForColumn(column);
        if (slot == 41)
            continue;
        EXPECT_TRUE(slot % 2 == 1 && pairs.insert(slot).second) << "column " << column;
    }
    EXPECT_EQ(pairs.size(), 19u);
    std::map<int, int> lastItem;
    for (const SeriesEntry& e : kSeriesCatalogue) {
        SCOPED_TRACE("group " + std::to_string(e.group) + " item " + std::to_string(e.item));
        // Each group's heading comes first, then its sub-series in order.
        EXPECT_EQ(e.item, lastItem.count(e.group) ? lastItem[e.group] + 1 : 0);
        lastItem[e.group] = e.item;
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
    EXPECT_EQ(std::tuple(SeriesSelected(cellNull, on, false), SeriesSelected(cellNull, on, true),
                         SeriesSelected(productHigh, on, true)),
              std::tuple(true, false, true));
}

TEST(ProductSystem, ReadsTheStoreAtEveryCall) {
    MemorySettingsStore store;
    const std::pair<const char*, int16_t> cases[] = {
        {"Chloor", 74}, {"Peroxide", 17}, {"Tarvox", 75}, {"chloor", 0}, {"Chloor ", 0}};
    for (const auto& [value, index] : cases) {
        store.RegWrite(settings::kSystem, value);
        EXPECT_EQ(ProductTextIndex(store), index) << value;
    }
}

// The product's name and unit follow the installation's product; the flow heading carries its
// unit and the cell heading stands alone. The legend and CSV tests show the other headings.
TEST(SeriesCatalogue, LegendTextsOfHeadings) {
    Texts texts;
    storeBuiltinTexts(texts);
    const auto& all = kSeriesCatalogue;
    EXPECT_EQ(std::tuple(LegendText(all.at(0), texts, 17), LegendText(all.at(0), texts, 0),
                         LegendText(all.at(10), texts, 74), LegendText(all.at(13), texts, 74),
                         GroupCaption(0, texts, 17), GroupCaption(4, texts, 17)),
              std::tuple("Peroxide ppm", " ppm", "Flow m3/h", "Cell", "Peroxide", ""));
}

} // namespace
} // namespace osk
