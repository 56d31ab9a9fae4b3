#include "analysis/AnalysisCsv.h"

#include "analysis/EventTexts.h"
#include "graph/SeriesCatalogue.h"
#include "graph/VisibleData.h"
#include "lang/FallbackTexts.h"
#include "lang/TextNumbers.h"

#include <algorithm>

namespace osk {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr int kCellGroup = 3;

// Fields joined into one CSV line with its line end.
class CsvLine {
public:
    CsvLine& text(const std::string& field) {
        out_ += (first_ ? "" : ",") + CsvField(field);
        first_ = false;
        return *this;
    }
    CsvLine& number(double value) { return text(CsvNumber(value)); }
    std::string end() { return out_ + kLineEnd; }

private:
    std::string out_;
    bool first_ = true;
};

} // namespace

std::string EventsCsv(const LogAnalysis& analysis, const Texts& texts, int16_t productTextIndex) {
    std::string out = CsvLine()
                          .text(textOrFallback(texts, kTextKind))
                          .text(textOrFallback(texts, kTextStart))
                          .text(textOrFallback(texts, kTextEnd))
                          .text(textOrFallback(texts, kTextDuration))
                          .text(textOrFallback(texts, kTextWorstValue))
                          .end();
    std::vector<const Excursion*> newestFirst;
    for (const Excursion& e : analysis.excursions)
        newestFirst.push_back(&e);
    std::stable_sort(newestFirst.begin(), newestFirst.end(),
                     [](const Excursion* a, const Excursion* b) { return a->first > b->first; });
    for (const Excursion* e : newestFirst)
        out += CsvLine()
                   .text(EventKindText(e->kind, texts, productTextIndex))
                   .text(e->startText)
                   .text(e->endText)
                   .text(DurationText(e->durationSeconds))
                   .text(HasWorstValue(e->kind) ? CsvNumber(e->worstValue) : std::string())
                   .end();
    return out;
}

std::string DayFiguresCsv(const std::vector<Figures>& days, const Texts& texts,
                          int16_t productTextIndex) {
    const auto caption = [&](int group, const std::string& text) {
        return GroupCaption(group, texts, productTextIndex) + " " + text;
    };
    CsvLine header;
    header.text(textOrFallback(texts, kTextDay));
    for (int q = 0; q < kQuantities; ++q)
        for (const int text : {kTextLowest, kTextHighest, kTextMean, kTextInsideBand,
                               kTextExcursions, kTextLongestExcursion})
            header.text(caption(q, textOrFallback(texts, text)));
    header.text(textOrFallback(texts, kTextTimeFlowLow))
        .text(textOrFallback(texts, kTextTimeDosingStopped));
    for (int pump = 0; pump < 2; ++pump)
        header.text(caption(pump, textOrFallback(texts, kTextPumpRunning)));
    for (const int state : {kTextActive, kTextNull, kTextRinse, kTextEmpty})
        header.text(caption(kCellGroup, texts[state]));
    header.text(textOrFallback(texts, kTextDataCoverage))
        .text(textOrFallback(texts, kTextLongestGap));
    std::string out = header.end();

    for (const Figures& day : days) {
        CsvLine line;
        line.text(day.date);
        for (const QuantityFigures& q : day.quantity) {
            if (q.records > 0)
                line.number(q.lowest).number(q.highest).number(q.mean);
            else
                line.text("").text("").text("");
            line.text(ShareText(q.insideShare()))
                .number(q.excursions)
                .text(DurationText(q.longestExcursionSeconds));
        }
        line.text(DurationText(day.flowLowSeconds)).text(DurationText(day.dosingStoppedSeconds));
        for (const long long seconds : day.pumpSeconds)
            line.text(DurationText(seconds));
        for (const long long seconds : day.cellSeconds)
            line.text(DurationText(seconds));
        out += line.text(DurationText(day.coveredSeconds))
                   .text(DurationText(day.longestGapSeconds))
                   .end();
    }
    return out;
}

} // namespace osk
