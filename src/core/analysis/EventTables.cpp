#include "analysis/EventTables.h"

#include "analysis/EventTexts.h"
#include "common/Format.h"
#include "graph/SeriesCatalogue.h"
#include "lang/FallbackTexts.h"
#include "lang/TextNumbers.h"
#include "logdata/RecordTime.h"

#include <cmath>
#include <functional>

namespace osk {

namespace {

constexpr int kCellGroup = 3;

// Means show two decimals: more digits than the log's values carry say nothing.
double twoDecimals(double v) {
    return std::round(v * 100.0) / 100.0;
}

std::string valueAt(const RecordTable& records, const Figures& period, double value,
                    int32_t record, char separator) {
    const std::string_view time = RecordTimeAt(records.RecordTime, record);
    std::string_view when = period.date.empty() ? time : RecordClockText(time);
    // The clock part starts at the space after the date.
    while (!when.empty() && when.front() == ' ')
        when.remove_prefix(1);
    return formatGeneral(value, separator) + " (" + std::string(when) + ")";
}

} // namespace

std::vector<ExcursionRow> ExcursionRows(std::span<const Excursion> excursions,
                                        std::optional<EventKind> kind, const Texts& texts,
                                        int16_t productTextIndex, char decimalSeparator) {
    std::vector<ExcursionRow> rows;
    for (size_t i = excursions.size(); i-- > 0;) {
        const Excursion& e = excursions[i];
        if (kind && e.kind != *kind)
            continue;
        rows.push_back({i,
                        {EventKindText(e.kind, texts, productTextIndex), e.startText, e.endText,
                         DurationText(e.durationSeconds),
                         HasWorstValue(e.kind) ? formatGeneral(e.worstValue, decimalSeparator)
                                               : std::string()}});
    }
    return rows;
}

std::array<std::string, kExcursionColumns> ExcursionHeadings(const Texts& texts) {
    std::array<std::string, kExcursionColumns> headings;
    for (int i = 0; i < kExcursionColumns; ++i)
        headings[static_cast<size_t>(i)] = textOrFallback(texts, kTextKind + i);
    return headings;
}

std::vector<FigureRow> FigureRows(std::span<const Figures> periods, const RecordTable& records,
                                  const Texts& texts, int16_t productTextIndex,
                                  char decimalSeparator) {
    const auto text = [&](int n) { return textOrFallback(texts, n); };
    const auto group = [&](int g, const std::string& figure) {
        return GroupCaption(g, texts, productTextIndex) + ": " + figure;
    };
    std::vector<FigureRow> rows;
    const auto row = [&](std::string heading, const std::function<std::string(const Figures&)>& cell) {
        FigureRow r{std::move(heading), {}};
        for (const Figures& f : periods)
            r.cells.push_back(cell(f));
        rows.push_back(std::move(r));
    };
    const auto duration = [](long long Figures::*seconds) {
        return [seconds](const Figures& f) { return DurationText(f.*seconds); };
    };

    for (int q = 0; q < kQuantities; ++q) {
        const auto of = [q](const Figures& f) -> const QuantityFigures& {
            return f.quantity[static_cast<size_t>(q)];
        };
        const auto ifRead = [of](auto cell) {
            return [of, cell](const Figures& f) { return of(f).records > 0 ? cell(f) : ""; };
        };
        row(group(q, text(kTextLowest)), ifRead([&](const Figures& f) {
                return valueAt(records, f, of(f).lowest, of(f).lowestRecord, decimalSeparator);
            }));
        row(group(q, text(kTextHighest)), ifRead([&](const Figures& f) {
                return valueAt(records, f, of(f).highest, of(f).highestRecord, decimalSeparator);
            }));
        row(group(q, text(kTextMean)), ifRead([&](const Figures& f) {
                return formatGeneral(twoDecimals(of(f).mean), decimalSeparator);
            }));
        row(group(q, text(kTextInsideBand)),
            [&](const Figures& f) { return ShareText(of(f).insideShare(), decimalSeparator); });
        row(group(q, text(kTextExcursions)),
            [&](const Figures& f) { return std::to_string(of(f).excursions); });
        row(group(q, text(kTextLongestExcursion)),
            [&](const Figures& f) { return DurationText(of(f).longestExcursionSeconds); });
    }
    row(text(kTextTimeFlowLow), duration(&Figures::flowLowSeconds));
    row(text(kTextTimeDosingStopped), duration(&Figures::dosingStoppedSeconds));
    for (int pump = 0; pump < 2; ++pump)
        row(group(pump, text(kTextPumpRunning)), [&, pump](const Figures& f) {
            return ShareText(f.pumpShare(pump), decimalSeparator);
        });
    for (int cell = 0; cell < 4; ++cell)
        row(group(kCellGroup, texts[kTextActive + cell]), [cell](const Figures& f) {
            return DurationText(f.cellSeconds[static_cast<size_t>(cell)]);
        });
    row(text(kTextDataCoverage), [&](const Figures& f) {
        return ShareText(f.periodSeconds > 0 ? std::optional<double>(
                                                   static_cast<double>(f.coveredSeconds) /
                                                   static_cast<double>(f.periodSeconds))
                                             : std::nullopt,
                         decimalSeparator);
    });
    row(text(kTextLongestGap), duration(&Figures::longestGapSeconds));
    return rows;
}

} // namespace osk
