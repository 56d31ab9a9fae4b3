#include "graph/SeriesCatalogue.h"

#include "graph/ProductSystem.h"
#include "lang/TextNumbers.h"

namespace osk {

namespace {

struct ColumnSlot {
    int column;
    int slot;
};

// Slot 31 is never used; columns 19 and 26 have slots though no series draws them.
constexpr std::array<ColumnSlot, 19> kColumnSlots = {{
    {10, 1},  {15, 3},  {18, 5},  {22, 7},  {7, 9},   {6, 11},  {8, 13},
    {20, 15}, {12, 17}, {11, 19}, {13, 21}, {21, 23}, {16, 25}, {17, 27},
    {19, 29}, {23, 33}, {24, 35}, {25, 37}, {26, 39},
}};

constexpr int kSharedSlot = 41;

} // namespace

int SlotForColumn(int column) {
    for (const auto& cs : kColumnSlots)
        if (cs.column == column)
            return cs.slot;
    return kSharedSlot;
}

bool SeriesSelected(const SeriesEntry& entry, const SeriesSelection& seriesOn, bool printing) {
    if (printing && entry.group == 3)
        return false;
    if (seriesOn.get(entry.group, 0) == 0)
        return false;
    return entry.item == 0 || seriesOn.get(entry.group, entry.item) != 0;
}

std::string GroupCaption(int group, const Texts& texts, int16_t productTextIndex) {
    switch (group) {
    case 0:
        return texts[productTextIndex];
    case 1:
        return texts[kTextPh];
    case 2:
        return texts[kTextFlow];
    case 3:
        return texts[kTextCell];
    default:
        return {};
    }
}

std::string LegendText(const SeriesEntry& entry, const Texts& texts, int16_t productTextIndex) {
    if (entry.item != 0)
        return entry.captionText >= 0 ? texts[entry.captionText] : entry.captionLiteral;
    switch (entry.group) {
    case 0:
        return texts[productTextIndex] + ProductUnitText(productTextIndex);
    case 1:
        return texts[kTextPh] + " (/10)";
    case 2:
        return texts[kTextFlow] + " " + texts[kTextFlowUnit];
    default:
        return GroupCaption(entry.group, texts, productTextIndex);
    }
}

} // namespace osk
