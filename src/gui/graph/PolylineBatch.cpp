#include "graph/PolylineBatch.h"

namespace osk {

void PolylineBatch::clear() {
    points_.clear();
    starts_.clear();
    open_ = false;
    runCount_ = 0;
}

void PolylineBatch::endRun() {
    if (runCount_ == 0)
        return;
    push({runX_, runFirst_});
    if (runCount_ > 2) {
        push({runX_, runLo_});
        push({runX_, runHi_});
    }
    push({runX_, runLast_});
    runCount_ = 0;
}

} // namespace osk
