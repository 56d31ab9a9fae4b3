#include "graph/Readout.h"

#include "common/Format.h"
#include "common/Text.h"
#include "graph/SeriesCatalogue.h"
#include "lang/TextNumbers.h"
#include "logdata/RecordTime.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

namespace osk {

namespace {

inline constexpr int kHitDistance = 5; // pixels, exclusive
inline constexpr int kFirstSeriesSlot = 1;
inline constexpr int kLastSeriesSlot = 37;

// The alarm and set-point rows of the product are named by the first product's text in every
// system.
inline constexpr int kTextProductName = kTextPeroxide;

bool near(int32_t point, int cursor) {
    const int64_t p = point;
    const int64_t c = cursor;
    return c - kHitDistance < p && p < c + kHitDistance;
}

// Characters, not bytes: a translated name may hold letters outside ASCII.
int64_t widthOf(std::string_view line) {
    return kReadoutPixelsPerChar * static_cast<int64_t>(utf8CharCount(line));
}

int clampToInt(int64_t v) {
    return static_cast<int>(
        std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

std::optional<PlotHit> FindPlotPoint(const PlotPointTable& points, int32_t viewEndRecord, int x,
                                     int y) {
    // The redraw sizes the table for its own window; never look past it.
    const int64_t lastRow =
        std::min<int64_t>(static_cast<int64_t>(viewEndRecord) + 1, points.rows() - 1);
    for (int s = kFirstSeriesSlot; s <= kLastSeriesSlot; s += 2) {
        for (int64_t k = 0; k <= lastRow; ++k) {
            const auto row = static_cast<int32_t>(k);
            if (near(points.at(row, 0), x) && near(points.at(row, s), y)) {
                if (row == 0)
                    return std::nullopt;
                return PlotHit{row, s};
            }
        }
    }
    return std::nullopt;
}

std::optional<ReadoutName> ReadoutNameForColumn(int column, int16_t productTextIndex) {
    // Every sub-series of the product is named by the first product's text, whatever the
    // system; only the product's own line takes the system's name.
    const auto named = [&](int group, int item, int16_t state) -> std::optional<ReadoutName> {
        if (state == kReadoutNone)
            return std::nullopt;
        static constexpr std::array<int16_t, kSeriesGroupsUsed> kGroupNames = {
            kTextProductName, kTextPh, kTextFlow, kTextCell};
        const int16_t name =
            group == 0 && item == 0 ? productTextIndex : kGroupNames[static_cast<size_t>(group)];
        return ReadoutName{name,
                           state == kReadoutNoState ? std::nullopt : std::optional<int16_t>(state)};
    };
    for (const SeriesEntry& entry : kSeriesCatalogue)
        if (entry.draws() && entry.column == column)
            return named(entry.group, entry.item, entry.readoutState);
    for (const PointOnlyColumn& c : kPointOnlyColumns)
        if (c.column == column)
            return named(c.group, -1, c.readoutState);
    return std::nullopt;
}

ReadoutResult ShowReadout(const RecordTable& table, const PlotPointTable& points,
                          const Texts& texts, const ReadoutRequest& request) {
    ReadoutResult result;
    if (!table.FileLoaded)
        return result;

    const std::optional<PlotHit> hit =
        FindPlotPoint(points, table.ViewEndRecord, request.x, request.y);
    if (!hit) {
        result.outcome = ReadoutOutcome::Miss;
        return result;
    }
    result.hit = *hit;
    result.column = points.at(hit->row, hit->slot + 1);
    const std::optional<ReadoutName> name =
        ReadoutNameForColumn(result.column, request.productTextIndex);
    // The point table may describe rows the record table does not have (a damaged redraw);
    // such a point is not described rather than read out of bounds.
    if (!name || !RecordTable::validRow(hit->row) || result.column < 0 ||
        result.column >= kRecordColumns) {
        result.outcome = ReadoutOutcome::NoEntry;
        return result;
    }

    std::string nameLine = texts[kTextReadoutName] + " = " + texts[name->nameText];
    if (name->stateText)
        nameLine += " : " + texts[*name->stateText];
    const std::string& recordTime = table.RecordTime[static_cast<size_t>(hit->row)];
    const std::string timeLine =
        texts[kTextReadoutTime] + " = " + std::string(RecordClockText(recordTime));
    const std::string dateLine =
        texts[kTextReadoutDate] + " = " + std::string(RecordDate(recordTime));
    const std::string valueLine =
        texts[kTextReadoutValue] + " = " +
        formatGeneral(table.RecordValue(hit->row, result.column), request.decimalSeparator);

    const int64_t nameWidth = widthOf(trimBlanks(nameLine));
    const int64_t timeWidth = widthOf(trimBlanks(timeLine));
    int64_t width = nameWidth > timeWidth ? nameWidth : timeWidth;
    // The comparison is on the trimmed date line, the width taken from the whole of it.
    if (widthOf(trimBlanks(dateLine)) > width)
        width = widthOf(dateLine);

    result.text = nameLine + "\r\n" + timeLine + "\r\n" + dateLine + "\r\n" + valueLine;
    result.width = clampToInt(width);

    int64_t popupLeft = request.x;
    int64_t popupTop = request.y;
    if (popupLeft + width > request.graphOuterWidth)
        popupLeft = static_cast<int64_t>(request.x) - width;
    if (popupTop + request.popupHeight > request.graphInnerHeight)
        popupTop = static_cast<int64_t>(request.y) - request.popupHeight;
    result.left = clampToInt(popupLeft);
    result.top = clampToInt(popupTop);

    result.outcome = ReadoutOutcome::Show;
    result.recordsCaption = "record nr. " + std::to_string(hit->row);
    return result;
}

} // namespace osk
