#include "graph/Plot.h"

#include "analysis/LogAnalysis.h"
#include "common/Numbers.h"
#include "graph/AlarmBands.h"
#include "graph/Grid.h"
#include "graph/Legend.h"
#include "graph/SeriesCatalogue.h"

namespace osk {

namespace {

// The window's newest record, repaired the way the drawing always has (an unset window ends
// at the last record) and kept inside the table.
int32_t viewEndForDrawing(PlotInputs& in) {
    int32_t& end = in.records.ViewEndRecord;
    if (end < 1)
        end = roundToInt32(in.view.TimeAxis.LastRecord).value_or(0);
    if (end < 0)
        return 0;
    return end > kRecordRows - 1 ? kRecordRows - 1 : end;
}

// Pixel arithmetic on values that may already sit at the ends of the int range.
int offset(int v, double d) {
    return roundToPixel(static_cast<double>(v) + d);
}

void drawDot(Surface& surface, int x, int y) {
    // Three rows of three pixels; lineTo leaves out the end point.
    for (int dy = -1; dy <= 1; ++dy) {
        surface.moveTo(offset(x, -1), offset(y, dy));
        surface.lineTo(offset(x, 2), offset(y, dy));
    }
}

struct SeriesToDraw {
    int column;
    Colour colour;
    int16_t factor;
    int slot;
};

// Where the records of the window land. x is the same for every series of a redraw, so the
// records are walked once for all series together: one pass over the record table and the
// point table instead of one per series.
struct Placement {
    const int32_t* xs = nullptr; // x of each drawn record, newest first
    int32_t count = 0;           // records drawn
    int tickX = 0;               // the right reference line
    bool pastLeft = false;       // the last record drawn lies left of the surface
};

Placement placePoints(PlotInputs& in, const Surface& surface, int32_t end,
                      const std::vector<SeriesToDraw>& series) {
    const size_t rows = end > 0 ? static_cast<size_t>(end) : 0;
    std::vector<int32_t>& scratch = in.render.DrawScratch;
    scratch.resize(rows * (series.size() + 1));
    const double scaleHeight = surface.scaleHeight();
    const double right = surface.scaleWidth() - RightMargin(in);
    const double pixelsPerRecord = in.view.TimeAxis.PixelsPerRecord;
    const double min = in.view.ValueAxis.Min;
    const double pixelsPerUnit = in.view.ValueAxis.PixelsPerUnit;
    const int belowBottom = roundToPixel(scaleHeight + 2);
    const std::vector<double>& steps = in.render.RecordStep;
    PlotPointTable& points = in.render.PlotPoints;

    Placement p;
    int32_t* const out = scratch.data();
    p.xs = out;
    p.tickX = roundToPixel(right);
    const double* const values = in.records.values.data();
    double distance = 0;
    // Record 0 holds no data: the series end at record 1.
    for (int32_t r = end; r >= 1; --r) {
        // Each record sits at its own time: the step that leads up to the newer record r + 1.
        if (r < end && static_cast<size_t>(r) + 1 < steps.size())
            distance += steps[static_cast<size_t>(r) + 1] * pixelsPerRecord;
        const double xExact = right - distance;
        const int x = roundToPixel(xExact);
        const size_t i = static_cast<size_t>(p.count);
        const double* const recordValues = values + static_cast<size_t>(r) * kRecordColumns;
        // Every slot of the catalogue lies inside a row; rows past the table are not recorded.
        int32_t* const pointRow = points.row(r);
        out[i] = x;
        if (pointRow)
            pointRow[0] = x;
        for (size_t k = 0; k < series.size(); ++k) {
            const SeriesToDraw& s = series[k];
            const double v = s.factor * recordValues[s.column];
            int y = roundToPixel(scaleHeight - (v - min) * pixelsPerUnit);
            // Values at the minimum go just below the visible area, so their line stays out of
            // it. Values above the maximum are not limited.
            if (y >= scaleHeight)
                y = belowBottom;
            out[(k + 1) * rows + i] = y;
            if (pointRow) {
                pointRow[s.slot] = y;
                pointRow[s.slot + 1] = s.column;
            }
        }
        ++p.count;
        if (xExact < 0) {
            p.pastLeft = true;
            break;
        }
    }
    return p;
}

// Everything one series sets before its points, in the order the scroll bar relies on.
void beginSeries(PlotInputs& in, Surface& surface, Colour colour, int16_t width, bool& scrollFlag,
                 ScrollerRequest& scroller) {
    if (in.scrollerMax > in.records.RecordCount)
        scrollFlag = true;
    surface.setDrawWidth(in.render.Printing ? width : 2);
    surface.setForeColor(colour);
    if (scrollFlag)
        scroller = ScrollerRequest::Disable;
}

void drawPlaced(Surface& surface, int16_t style, const Placement& p, const int32_t* ys,
                ScrollerRequest& scroller) {
    if (p.count == 0)
        return;
    // Every series begins with a tick across its newest point.
    surface.moveTo(p.tickX, offset(ys[0], -5));
    surface.lineTo(p.tickX, offset(ys[0], 5));
    const int bottomEdge = roundToPixel(surface.scaleHeight());
    if (style == kDrawStyleDots) {
        surface.setDrawWidth(1);
        for (int32_t i = 0; i < p.count; ++i)
            drawDot(surface, p.xs[i], ys[i]);
    } else if (style == kDrawStyleBars) {
        for (int32_t i = 0; i < p.count; ++i) {
            surface.moveTo(p.xs[i], ys[i]);
            surface.lineTo(p.xs[i], bottomEdge);
        }
    } else {
        surface.moveTo(p.tickX, ys[0]);
        for (int32_t i = 0; i < p.count; ++i)
            surface.lineTo(p.xs[i], ys[i]);
    }
    if (p.pastLeft)
        scroller = ScrollerRequest::Enable;
}

} // namespace

double RightMargin(const PlotInputs& in) {
    if (in.scrollerValue == in.records.RecordCount)
        return in.view.HourOffsetRecords * in.view.TimeAxis.PixelsPerRecord;
    return 0;
}

void ClearPlot(Surface& surface) {
    surface.clear();
}

void BindPlot(PlotInputs& in, Surface& surface, int16_t gridStep) {
    in.render.PlotTarget = &surface;
    SetGridStepY(in.view, gridStep);
    DrawGrid(surface, in);
}

void DrawSeries(PlotInputs& in, Surface& surface, int column, Colour colour, int16_t factor,
                int16_t width, bool& scrollFlag, ScrollerRequest& scroller) {
    const int32_t end = viewEndForDrawing(in);
    beginSeries(in, surface, colour, width, scrollFlag, scroller);
    if (column < 0 || column >= kRecordColumns)
        return;
    const std::vector<SeriesToDraw> one{{column, colour, factor, SlotForColumn(column)}};
    const Placement p = placePoints(in, surface, end, one);
    drawPlaced(surface, in.render.DrawStyle, p,
               in.render.DrawScratch.data() + static_cast<size_t>(end > 0 ? end : 0), scroller);
}

ScrollerRequest Redraw(PlotInputs& in, Surface& surface, Surface& legend, bool& scrollFlag) {
    ClearPlot(surface);
    SetGridStepY(in.view, in.gridYValue);
    DrawGrid(surface, in);
    DrawLegend(legend, in);
    const int32_t end = viewEndForDrawing(in);
    in.render.PlotPoints.reset(end + 1);

    std::vector<SeriesToDraw> series;
    for (const SeriesEntry& entry : kSeriesCatalogue)
        if (entry.draws() && SeriesSelected(entry, in.render.SeriesOn, in.render.Printing))
            series.push_back({entry.column, entry.colour, entry.factor, entry.slot});
    // Points of every series first (a later series owns a shared slot), then the series one
    // after the other, so a later one is drawn over an earlier one.
    const Placement p = placePoints(in, surface, end, series);
    in.render.DrawnNewest = p.count > 0 ? end : 0;
    in.render.DrawnOldest = p.count > 0 ? end - p.count + 1 : 0;
    // Behind every series, over the grid.
    if (in.render.AlarmBands && in.analysis != nullptr)
        DrawAlarmBands(surface, in.analysis->excursions, in.render.SeriesOn, in.render.Printing,
                       {p.xs, p.count, end});
    ScrollerRequest scroller = ScrollerRequest::Unchanged;
    const size_t rows = end > 0 ? static_cast<size_t>(end) : 0;
    for (size_t k = 0; k < series.size(); ++k) {
        beginSeries(in, surface, series[k].colour, 1, scrollFlag, scroller);
        drawPlaced(surface, in.render.DrawStyle, p, in.render.DrawScratch.data() + (k + 1) * rows,
                   scroller);
    }
    surface.flush();
    legend.flush();
    return scroller;
}

} // namespace osk
