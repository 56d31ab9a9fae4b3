// Polylines waiting to be painted with one pen. Every run of consecutive points on one pixel
// column is reduced, as the points arrive, to its first, lowest, highest and last point: the
// vertical segments of a run cover exactly the pixels from its lowest to its highest point, so
// the picture stays the same while a dense series shrinks to a few points per column.
#pragma once

#include <QPoint>

#include <cstddef>
#include <vector>

namespace osk {

class PolylineBatch {
public:
    // A line from `from` to `to`; it continues the last polyline when that ends at `from`.
    void addLine(QPoint from, QPoint to) {
        if (!open_ || from != last_) {
            endRun();
            starts_.push_back(points_.size());
            open_ = true;
            add(from);
        }
        add(to);
        last_ = to;
    }

    bool empty() const { return !open_; }
    void clear();

    // Calls f(points, count) for every polyline in the order they were drawn. Repeated points
    // are left out, so a polyline of one point is a line of length 0.
    template <class F> void forEach(F&& f) {
        endRun();
        for (size_t k = 0; k < starts_.size(); ++k) {
            const size_t end = k + 1 < starts_.size() ? starts_[k + 1] : points_.size();
            f(points_.data() + starts_[k], end - starts_[k]);
        }
    }

private:
    void add(QPoint p) {
        if (runCount_ > 0 && p.x() == runX_) {
            runLo_ = p.y() < runLo_ ? p.y() : runLo_;
            runHi_ = p.y() > runHi_ ? p.y() : runHi_;
            runLast_ = p.y();
            ++runCount_;
            return;
        }
        endRun();
        runX_ = p.x();
        runFirst_ = runLo_ = runHi_ = runLast_ = p.y();
        runCount_ = 1;
    }
    void endRun();
    void push(QPoint q) {
        if (points_.size() > starts_.back() && points_.back() == q)
            return;
        points_.push_back(q);
    }

    std::vector<QPoint> points_;
    std::vector<size_t> starts_;
    QPoint last_;
    bool open_ = false;
    // The run of points on one column that is still growing.
    int runX_ = 0;
    int runFirst_ = 0;
    int runLo_ = 0;
    int runHi_ = 0;
    int runLast_ = 0;
    int runCount_ = 0;
};

} // namespace osk
