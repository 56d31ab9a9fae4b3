// The analysis as the Events window lists it: the excursions one row each, newest first, and
// the figures of each period one column each, one row per figure.
#pragma once

#include "analysis/LogAnalysis.h"
#include "lang/Texts.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace osk {

inline constexpr int kExcursionColumns = 5; // kind, start, end, duration, worst value

struct ExcursionRow {
    size_t excursion = 0; // index into the analysis' excursions
    std::array<std::string, kExcursionColumns> cells;
};

// The excursions of kind (every kind with nullopt), the one that starts last first.
std::vector<ExcursionRow> ExcursionRows(std::span<const Excursion> excursions,
                                        std::optional<EventKind> kind, const Texts& texts,
                                        int16_t productTextIndex, char decimalSeparator);

// The column headings of ExcursionRows.
std::array<std::string, kExcursionColumns> ExcursionHeadings(const Texts& texts);

struct FigureRow {
    std::string heading; // "<group>: <figure>" or the figure alone
    std::vector<std::string> cells; // one per period
};

// One row per figure for periods (calendar days and record ranges alike). A lowest or highest
// value carries its record's clock time, or its whole time in a period that is not one day.
std::vector<FigureRow> FigureRows(std::span<const Figures> periods, const RecordTable& records,
                                  const Texts& texts, int16_t productTextIndex,
                                  char decimalSeparator);

} // namespace osk
