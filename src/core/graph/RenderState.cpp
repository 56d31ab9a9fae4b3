#include "graph/RenderState.h"

namespace osk {

void PlotPointTable::reset(int32_t lastRow) {
    // One row past the last record at most: the plot never reaches further.
    const int32_t last = lastRow > kRecordRows ? kRecordRows : lastRow;
    rows_ = last < 0 ? 0 : last + 1;
    // assign keeps the allocation from the previous redraw.
    cells_.assign(static_cast<size_t>(rows_) * kPlotSlots, 0);
}

} // namespace osk
