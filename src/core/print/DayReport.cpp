#include "print/DayReport.h"

#include "analysis/EventTexts.h"
#include "common/Format.h"
#include "common/Numbers.h"
#include "common/Text.h"
#include "graph/AutoScale.h"
#include "graph/NullSurface.h"
#include "graph/Plot.h"
#include "graph/PlotInputs.h"
#include "graph/SeriesCatalogue.h"
#include "lang/FallbackTexts.h"
#include "lang/TextNumbers.h"
#include "print/PageDraw.h"
#include "view/TimeAxisBuilder.h"
#include "view/TimeLists.h"
#include "view/ValueScale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace osk {

namespace {

// One pixel of the day's graph is one pixel of a 96-dpi screen on paper.
constexpr double kTwipsPerPixel = 15;

constexpr PageFont kTitleFont{"Verdana", 14};

// Fixed positions of the page, in twips.
constexpr double kLeft = 0, kRight = 15600;
constexpr double kTitleY = 0, kInstallationY = 450, kDateY = 700;
constexpr double kValueX = 1500;
constexpr double kRuleY = 1050;
constexpr int kRuleWidth = 15, kAxisWidth = 3, kThinWidth = 1;
constexpr double kPlotX = 700, kPlotY = 1300, kPlotWidth = 8400, kPlotHeight = 4200;
constexpr double kLabelRaise = 100; // a value label's middle sits on its grid line
constexpr double kTimeLabelY = kPlotY + kPlotHeight + 60, kDateLabelY = kTimeLabelY + 200;
constexpr double kLegendY = 6000, kLegendStep = 2900, kLegendLine = 300, kLegendRowStep = 230;
constexpr size_t kLegendColumns = 3;
constexpr double kFiguresY = 6950, kRowStep = 230;
constexpr std::array<double, kQuantities> kFigureColumnX{2300, 3600, 4900};
constexpr double kFigureColumnStep = 1300, kTotalsX = 6300;
constexpr double kHandY = 9000, kHandLineX = 2300, kHandLineEnd = 9100, kHandStep = 290;
constexpr double kListX = 9400, kListTitleY = 1300, kListHeadY = 1600;
constexpr std::array<double, 5> kListColumnX{9400, 12000, 12800, 13600, 14450};

// The graph's place on the page as a drawing surface of its own, in pixels: the plot's redraw
// draws into it as into the window's plot. The page is blank to begin with, so clearing it
// erases nothing; points beyond the graph's edges are held at its edges, as paper does not
// clip.
class PagePlotArea final : public Surface {
public:
    PagePlotArea(Surface& page, double x, double y, double width, double height)
        : page_(page), x_(x), y_(y), w_(static_cast<float>(width / kTwipsPerPixel)),
          h_(static_cast<float>(height / kTwipsPerPixel)) {}

    void clear() override {}
    float scaleWidth() const override { return w_; }
    float scaleHeight() const override { return h_; }
    double width() const override { return w_; }
    double height() const override { return h_; }
    void setForeColor(Colour c) override { page_.setForeColor(c); }
    void setBackColor(Colour) override {}
    void setDrawWidth(int w) override { page_.setDrawWidth(w); }
    void moveTo(int x, int y) override { page_.moveTo(pageX(x), pageY(y)); }
    void lineTo(int x, int y) override { page_.lineTo(pageX(x), pageY(y)); }
    void line(double x1, double y1, double x2, double y2) override {
        page_.line(pageX(x1), pageY(y1), pageX(x2), pageY(y2));
    }
    void setCurrentX(double x) override { cx_ = x; }
    void setCurrentY(double y) override { cy_ = y; }
    double currentX() const override { return cx_; }
    double currentY() const override { return cy_; }
    void printText(const std::string& text) override {
        page_.setCurrentX(pageX(cx_));
        page_.setCurrentY(pageY(cy_));
        page_.printText(text);
    }
    void setVisible(bool) override {}
    void setFontName(const std::string& name) override { page_.setFontName(name); }
    void setFontSize(double points) override { page_.setFontSize(points); }

private:
    int pageX(int x) const { return roundToPixel(pageX(static_cast<double>(x))); }
    int pageY(int y) const { return roundToPixel(pageY(static_cast<double>(y))); }
    double pageX(double x) const { return x_ + std::clamp(x, 0.0, double{w_}) * kTwipsPerPixel; }
    double pageY(double y) const { return y_ + std::clamp(y, 0.0, double{h_}) * kTwipsPerPixel; }

    Surface& page_;
    double x_, y_;
    float w_, h_;
    double cx_ = 0, cy_ = 0;
};

std::string text(const DayReportInputs& in, int n) {
    return n >= 100 ? textOrFallback(in.texts, n) : in.texts[n];
}

// Two decimals at most: the figures are read from paper, not computed with.
std::string number(const DayReportInputs& in, double v) {
    return formatGeneral(std::round(v * 100) / 100, in.decimalSeparator);
}

// "hh:mm:ss" of a record time on the day, "dd-mm hh:mm" on another day.
std::string timeOnDay(const std::string& recordTime, const std::string& date) {
    if (recordTime.size() < 19)
        return recordTime;
    if (recordTime.compare(0, 10, date) == 0)
        return recordTime.substr(11, 8);
    return recordTime.substr(8, 2) + "-" + recordTime.substr(5, 2) + " " + recordTime.substr(11, 5);
}

// The series of the report's graph: the product and pH groups as they are ticked, or both
// headings when neither is.
SeriesSelection reportSeries(const SeriesSelection& ticked) {
    SeriesSelection s;
    for (int g = 0; g < 2; ++g)
        for (int k = 0; k < kSeriesItems; ++k)
            s.set(g, k, ticked.get(g, k));
    if (s.get(0, 0) == 0 && s.get(1, 0) == 0) {
        s.set(0, 0, 1);
        s.set(1, 0, 1);
    }
    return s;
}

class DayPage {
public:
    DayPage(DayReportInputs& in, const LogAnalysis& analysis, const Figures& day,
            RenderState& render)
        : in_(in), analysis_(analysis), day_(day), render_(render) {}

    void draw(PageSurface& page) {
        header();
        std::vector<PageItem> graphItems = graph(page);
        DrawPageItems(page, items_);
        DrawPageItems(page, graphItems);
    }

private:
    void add(double x, double y, std::string s, PageFont font = kPageBodyFont) {
        items_.emplace_back(PageText{x, y, std::move(s), font});
    }
    void rule(double x1, double y1, double x2, double y2, int width,
              Colour colour = kBlack) {
        items_.emplace_back(PageLine{x1, y1, x2, y2, width, colour});
    }

    void header() {
        add(kLeft, kTitleY, text(in_, kTextDayReport), kTitleFont);
        add(kLeft, kInstallationY, text(in_, kTextInstallation), kPageHeaderFont);
        add(kValueX, kInstallationY,
            ": " + std::string(trimBlanks(in_.records.LogSource.Name())), kPageHeaderFont);
        add(kLeft, kDateY, text(in_, kTextPageDate), kPageHeaderFont);
        add(kValueX, kDateY, ": " + day_.date, kPageHeaderFont);
        rule(kLeft, kRuleY, kRight, kRuleY, kRuleWidth);
        figures();
        excursions();
        handLines();
    }

    // The plot's own redraw over the day: a 24-hour window ending at the day's last record.
    // Returns the axes, labels and legend that go with it.
    std::vector<PageItem> graph(PageSurface& page) {
        std::vector<PageItem> out;
        PagePlotArea area(page, kPlotX, kPlotY, kPlotWidth, kPlotHeight);
        const int16_t widthPx = static_cast<int16_t>(area.scaleWidth());
        const int16_t heightPx = static_cast<int16_t>(area.scaleHeight());

        ViewState view;
        const auto spans = SpanItemTexts(in_.texts[kTextHour]);
        const auto steps = GridStepItemTexts(in_.texts[kTextHour], in_.texts[kTextMinutes]);
        const TimeAxisLayout time = BuildTimeAxis(
            view, TimeAxisRequest{in_.records.RecordTime, day_.lastRecord, in_.records.RecordCount,
                                  spans[3], spans, widthPx, heightPx});
        const auto scale = AutoScale(render_.SeriesOn, in_.productTextIndex)
                               .value_or(AutoScaleResult{0, 100, 10});
        const ValueLabels values =
            BuildValueLabels(heightPx, scale.high, scale.low, in_.decimalSeparator);
        view.ValueAxis = values.ValueAxis;

        PlotInputs plot(in_.records, view, render_, in_.texts);
        plot.productTextIndex = in_.productTextIndex;
        plot.scrollerValue = in_.records.RecordCount; // the window ends at the day's end
        plot.gridYValue = static_cast<int16_t>(std::clamp(scale.gridStep, 1, 32767));
        plot.xasText = spans[3];
        plot.gridXText = steps[1];
        in_.records.ViewEndRecord = day_.lastRecord;
        NullSurface legend(0, 0);
        bool scrollFlag = false;
        if (!time.timeFault)
            Redraw(plot, area, legend, scrollFlag);

        auto label = [&out](double x, double y, std::string s) {
            out.emplace_back(PageText{x, y, std::move(s), kPageBodyFont});
        };
        const double bottom = kPlotY + kPlotHeight;
        out.emplace_back(PageLine{kPlotX, kPlotY, kPlotX, bottom, kAxisWidth, kBlack});
        out.emplace_back(
            PageLine{kPlotX, bottom, kPlotX + kPlotWidth, bottom, kAxisWidth, kBlack});
        for (const ValueLabel& v : values.labels)
            label(kLeft, kPlotY + v.top * kTwipsPerPixel - kLabelRaise, v.caption);
        for (size_t i = 0; i < time.timeLabels.size(); ++i) {
            const double x = kPlotX + (kPlotWidth * static_cast<double>(i)) / (kTimeLabels - 1);
            label(x, kTimeLabelY, time.timeLabels[i].caption);
            if (time.dateLabels[i].visible)
                label(x, kDateLabelY, time.dateLabels[i].caption);
        }
        // The legend: a stroke of each series' colour and its name, in rows under the graph.
        size_t n = 0;
        for (const SeriesEntry& entry : kSeriesCatalogue) {
            if (!entry.draws() || !SeriesSelected(entry, render_.SeriesOn, true))
                continue;
            const double x = kPlotX + kLegendStep * static_cast<double>(n % kLegendColumns);
            const double y = kLegendY + kLegendRowStep * static_cast<double>(n / kLegendColumns);
            out.emplace_back(PageLine{x, y + 100, x + kLegendLine, y + 100, kAxisWidth,
                                      entry.colour});
            label(x + kLegendLine + 60, y, LegendText(entry, in_.texts, in_.productTextIndex));
            ++n;
        }
        return out;
    }

    // The figures as a table with a column per quantity and a row per figure, so that long
    // names of figures in any language fit; the day's totals beside it.
    void figures() {
        add(kLeft, kFiguresY, text(in_, kTextDayFigures), kPageHeaderFont);
        const double headY = kFiguresY + kRowStep + 50;
        for (int q = 0; q < kQuantities; ++q)
            add(kFigureColumnX[static_cast<size_t>(q)], headY,
                GroupCaption(q, in_.texts, in_.productTextIndex));
        rule(kLeft, headY + kRowStep - 20, kFigureColumnX.back() + kFigureColumnStep,
             headY + kRowStep - 20, kThinWidth);
        const std::array<int, 6> rows{kTextLowest,     kTextHighest,    kTextMean,
                                      kTextInsideBand, kTextExcursions, kTextLongestExcursion};
        for (size_t row = 0; row < rows.size(); ++row)
            add(kLeft, headY + kRowStep * static_cast<double>(row + 1), text(in_, rows[row]));
        for (size_t q = 0; q < kFigureColumnX.size(); ++q) {
            const QuantityFigures& f = day_.quantity[q];
            if (f.records == 0)
                continue;
            const std::array<std::string, 6> cells{
                number(in_, f.lowest),
                number(in_, f.highest),
                number(in_, f.mean),
                ShareText(f.insideShare(), in_.decimalSeparator),
                std::to_string(f.excursions),
                f.excursions > 0 ? DurationText(f.longestExcursionSeconds) : std::string()};
            for (size_t row = 0; row < cells.size(); ++row)
                add(kFigureColumnX[q], headY + kRowStep * static_cast<double>(row + 1),
                    cells[row]);
        }

        const auto share = [&](std::optional<double> s) {
            return ShareText(s, in_.decimalSeparator);
        };
        const std::optional<double> coverage =
            day_.periodSeconds > 0 ? std::optional(static_cast<double>(day_.coveredSeconds) /
                                                   static_cast<double>(day_.periodSeconds))
                                   : std::nullopt;
        const std::string pump = text(in_, kTextPumpRunning) + " ";
        const std::array<std::string, 6> totals{
            text(in_, kTextTimeFlowLow) + ": " + DurationText(day_.flowLowSeconds),
            text(in_, kTextTimeDosingStopped) + ": " + DurationText(day_.dosingStoppedSeconds),
            pump + GroupCaption(0, in_.texts, in_.productTextIndex) + ": " +
                share(day_.pumpShare(0)),
            pump + GroupCaption(1, in_.texts, in_.productTextIndex) + ": " +
                share(day_.pumpShare(1)),
            text(in_, kTextDataCoverage) + ": " + share(coverage),
            text(in_, kTextLongestGap) + ": " + DurationText(day_.longestGapSeconds)};
        for (size_t i = 0; i < totals.size(); ++i)
            add(kTotalsX, headY + kRowStep * static_cast<double>(i + 1), totals[i]);
    }

    void excursions() {
        add(kListX, kListTitleY, text(in_, kTextExcursions), kPageHeaderFont);
        const std::vector<const Excursion*> list = DayExcursions(analysis_, day_);
        if (list.empty()) {
            add(kListX, kListHeadY, text(in_, kTextNoExcursions));
            return;
        }
        const std::array<int, 5> heads{kTextKind, kTextStart, kTextEnd, kTextDuration,
                                       kTextWorstValue};
        for (size_t c = 0; c < heads.size(); ++c)
            add(kListColumnX[c], kListHeadY, text(in_, heads[c]));
        rule(kListX, kListHeadY + kRowStep - 20, kRight, kListHeadY + kRowStep - 20, kThinWidth);
        const size_t shown = std::min(list.size(), kReportExcursionRows);
        for (size_t i = 0; i < shown; ++i) {
            const Excursion& e = *list[i];
            const double y = kListHeadY + kRowStep * static_cast<double>(i + 1);
            add(kListColumnX[0], y, EventKindText(e.kind, in_.texts, in_.productTextIndex));
            add(kListColumnX[1], y, timeOnDay(e.startText, day_.date));
            add(kListColumnX[2], y, timeOnDay(e.endText, day_.date));
            add(kListColumnX[3], y, DurationText(e.durationSeconds));
            if (HasWorstValue(e.kind))
                add(kListColumnX[4], y, number(in_, e.worstValue));
        }
        if (shown < list.size())
            add(kListColumnX[0], kListHeadY + kRowStep * static_cast<double>(shown + 1),
                "\u2026");
    }

    // Captions with a line to write on; checks and measures get a second line.
    void handLines() {
        double y = kHandY;
        for (const int caption :
             {kTextOperator, kTextChecksByHand, kTextMeasuresTaken, kTextSignature}) {
            add(kLeft, y, text(in_, caption) + ":");
            const int lines =
                caption == kTextChecksByHand || caption == kTextMeasuresTaken ? 2 : 1;
            for (int l = 0; l < lines; ++l) {
                rule(kHandLineX, y + 200, kHandLineEnd, y + 200, kThinWidth);
                y += kHandStep;
            }
        }
    }

    DayReportInputs& in_;
    const LogAnalysis& analysis_;
    const Figures& day_;
    RenderState& render_;
    std::vector<PageItem> items_;
};

// The report's own drawing state: the window's series and points stay as they are.
RenderState reportRender(const RenderState& window) {
    RenderState r;
    r.SeriesOn = reportSeries(window.SeriesOn);
    r.RecordStep = window.RecordStep;
    r.DrawStyle = window.DrawStyle;
    r.Printing = true;
    return r;
}

void drawPage(DayReportInputs& in, const LogAnalysis& analysis, const Figures& day,
              RenderState& render, PageSurface& page) {
    const int32_t viewEnd = in.records.ViewEndRecord;
    DayPage(in, analysis, day, render).draw(page);
    in.records.ViewEndRecord = viewEnd;
}

} // namespace

DayRange OrderedDays(size_t from, size_t to) {
    return from <= to ? DayRange{from, to} : DayRange{to, from};
}

std::optional<size_t> DayIndex(const LogAnalysis& analysis, std::string_view date) {
    for (size_t i = 0; i < analysis.days.size(); ++i)
        if (analysis.days[i].date == date)
            return i;
    return std::nullopt;
}

std::vector<const Excursion*> DayExcursions(const LogAnalysis& analysis, const Figures& day) {
    std::vector<const Excursion*> out;
    for (const Excursion& e : analysis.excursions)
        if (InfoOf(e.kind).alarm && e.last >= day.firstRecord && e.first <= day.lastRecord)
            out.push_back(&e);
    return out;
}

void DrawDayPage(DayReportInputs& in, const LogAnalysis& analysis, const Figures& day,
                 PageSurface& page) {
    RenderState render = reportRender(in.render);
    drawPage(in, analysis, day, render, page);
}

int DrawDayReport(DayReportInputs& in, const LogAnalysis& analysis, DayRange days,
                  ReportPages& pages) {
    RenderState render = reportRender(in.render);
    int drawn = 0;
    for (size_t d = days.first; d <= days.last && d < analysis.days.size(); ++d) {
        PageSurface* page = pages.newPage();
        if (page == nullptr)
            break;
        drawPage(in, analysis, analysis.days[d], render, *page);
        ++drawn;
    }
    return drawn;
}

} // namespace osk
