// The day report: one landscape page per calendar day of the log with the installation and the
// date, the day's graph of product and pH (drawn by the plot's own code), the day's figures,
// its excursions, and lines for the operator to fill in by hand. Pages are laid out in twips
// from the top-left corner of the printable area, like the printed graph.
#pragma once

#include "analysis/LogAnalysis.h"
#include "graph/RenderState.h"
#include "lang/Texts.h"
#include "logdata/RecordTable.h"
#include "print/PageLayout.h"
#include "print/PageSurface.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace osk {

// Where the pages of a report go.
class ReportPages {
public:
    virtual ~ReportPages() = default;
    // A fresh, empty page; nullptr when no further page can be had, which ends the report.
    virtual PageSurface* newPage() = 0;
};

struct DayReportInputs {
    RecordTable& records;      // ViewEndRecord moves to each day's end and is given back
    const RenderState& render; // the series ticked, the draw style and the record steps
    const Texts& texts;
    int16_t productTextIndex = 0;
    char decimalSeparator = '.';
};

// The most excursions one page lists; a day with more ends its list with "…".
inline constexpr size_t kReportExcursionRows = 28;

// Inclusive range of indexes into LogAnalysis::days.
struct DayRange {
    size_t first = 0;
    size_t last = 0;
};

// The days from one chosen day to another, whichever way round they were chosen.
DayRange OrderedDays(size_t from, size_t to);

// The index of the day "yyyy-mm-dd" in the analysis; nullopt when the log has no such day.
std::optional<size_t> DayIndex(const LogAnalysis& analysis, std::string_view date);

// The alarm excursions that overlap the day's records, in log order.
std::vector<const Excursion*> DayExcursions(const LogAnalysis& analysis, const Figures& day);

// Draws the page of one day onto page: its texts and lines through the page drawing, the graph
// through the plot's redraw into the graph's place on the page.
void DrawDayPage(DayReportInputs& in, const LogAnalysis& analysis, const Figures& day,
                 PageSurface& page);

// One page per day of days (clamped to the days there are), oldest first. Returns the number
// of pages drawn.
int DrawDayReport(DayReportInputs& in, const LogAnalysis& analysis, DayRange days,
                  ReportPages& pages);

} // namespace osk
