// What the plot drawing keeps between redraws: the series selection, the points of the last
// drawing, the time steps between records and the drawing options.
#pragma once

#include "graph/Surface.h"
#include "logdata/RecordTable.h"

#include <array>
#include <cstdint>
#include <vector>

namespace osk {

inline constexpr int kSeriesGroups = 6; // 0..3 have series; 4 and 5 are spare
inline constexpr int kSeriesItems = 7;  // item 0 is the group's own box, 1..6 its sub-series
inline constexpr int kPlotSlots = 43;   // slot 0 holds x, then y and column pairs

constexpr int seriesOnIndex(int group, int item) {
    return group + kSeriesGroups * item;
}

// Check state of every series box, element (g, k) at index g + 6k; 0 is off.
class SeriesSelection {
public:
    int16_t at(int index) const { return valid(index) ? cells_[static_cast<size_t>(index)] : 0; }
    int16_t get(int group, int item) const {
        return inRange(group, item) ? at(seriesOnIndex(group, item)) : 0;
    }
    void set(int group, int item, int16_t state) {
        if (inRange(group, item))
            cells_[static_cast<size_t>(seriesOnIndex(group, item))] = state;
    }

private:
    static bool valid(int index) { return index >= 0 && index < kSeriesGroups * kSeriesItems; }
    static bool inRange(int g, int k) {
        return g >= 0 && g < kSeriesGroups && k >= 0 && k < kSeriesItems;
    }
    std::array<int16_t, kSeriesGroups * kSeriesItems> cells_{};
};

// x and y of every point of the last drawing, one row per record: slot 0 the x pixel, odd
// slot s the y pixel of the series drawn from a column, slot s + 1 that column's number.
class PlotPointTable {
public:
    // Rows 0..lastRow (at most 0..20001), all zero. A negative lastRow leaves no rows.
    void reset(int32_t lastRow) {
        // One row past the last record at most: the plot never reaches further.
        const int32_t last = lastRow > kRecordRows ? kRecordRows : lastRow;
        rows_ = last < 0 ? 0 : last + 1;
        // assign keeps the allocation from the previous redraw.
        cells_.assign(static_cast<size_t>(rows_) * kPlotSlots, 0);
    }
    int32_t rows() const { return rows_; }
    // 0 outside the table.
    int32_t at(int32_t row, int slot) const {
        return valid(row, slot) ? cells_[index(row, slot)] : 0;
    }
    // The slots of one row, nullptr outside the table.
    int32_t* row(int32_t r) { return r >= 0 && r < rows_ ? cells_.data() + index(r, 0) : nullptr; }
    // Ignored outside the table.
    void set(int32_t row, int slot, int32_t value) {
        if (valid(row, slot))
            cells_[index(row, slot)] = value;
    }

private:
    bool valid(int32_t row, int slot) const {
        return row >= 0 && row < rows_ && slot >= 0 && slot < kPlotSlots;
    }
    static size_t index(int32_t row, int slot) {
        return static_cast<size_t>(row) * kPlotSlots + static_cast<size_t>(slot);
    }
    std::vector<int32_t> cells_;
    int32_t rows_ = 0;
};

// The entries of the draw style list, by index.
enum DrawStyleId : int16_t { kDrawStyleDots = 0, kDrawStyleBars = 1, kDrawStyleLine = 2 };

struct RenderState {
    SeriesSelection SeriesOn;
    PlotPointTable PlotPoints;
    // Time from the previous record in 10-second units, rows 0..20000.
    std::vector<double> RecordStep = std::vector<double>(kRecordRows, 0.0);
    // The list shows "Line" until the user picks another style.
    int16_t DrawStyle = kDrawStyleLine;
    bool Printing = false;
    // The alarm excursions of the ticked groups are shaded behind the series.
    bool AlarmBands = false;
    // Every how many vertical grid lines one is black.
    double GridMajorEvery = 0;
    // The surface the event handlers redraw; not owned.
    Surface* PlotTarget = nullptr;
    // The oldest and the newest record of the last redraw; both 0 when it drew none.
    int32_t DrawnOldest = 0;
    int32_t DrawnNewest = 0;
    // Pixel positions of the series being drawn, kept so that a redraw allocates nothing.
    std::vector<int32_t> DrawScratch;
};

inline void SetDrawStyle(RenderState& state, int16_t index) {
    state.DrawStyle = index;
}

} // namespace osk
