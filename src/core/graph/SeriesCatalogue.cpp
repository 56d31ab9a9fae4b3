#include "graph/SeriesCatalogue.h"

#include "graph/ProductSystem.h"
#include "lang/TextNumbers.h"

namespace osk {

namespace {

constexpr int kSharedSlot = 41;

} // namespace

int SlotForColumn(int column) {
    for (const SeriesEntry& entry : kSeriesCatalogue)
        if (entry.draws() && entry.column == column)
            return entry.slot;
    for (const PointOnlyColumn& c : kPointOnlyColumns)
        if (c.column == column)
            return c.slot;
    return kSharedSlot;
}

const SeriesEntry* FindSeries(int group, int item) {
    for (const SeriesEntry& entry : kSeriesCatalogue)
        if (entry.group == group && entry.item == item)
            return &entry;
    return nullptr;
}

std::string SeriesItemCaption(const SeriesEntry& entry, const Texts& texts) {
    return entry.captionText >= 0 ? texts[entry.captionText] : entry.captionLiteral;
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
        return SeriesItemCaption(entry, texts);
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
