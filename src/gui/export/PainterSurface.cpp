#include "export/PainterSurface.h"

#include "app/QtAdapter.h"
#include "graph/ImageSurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QString>

#include <algorithm>

namespace osk {

namespace {

} // namespace

PainterSurface::PainterSurface(QPainter& painter, QPointF topLeft, ImageSurface& like)
    : painter_(painter), area_(topLeft, QSizeF(like.image().size())),
      unitsPerPixel_(like.image().width() > 0 ? like.scaleWidth() / like.image().width() : 1.0),
      scaleWidth_(like.scaleWidth()), scaleHeight_(like.scaleHeight()), outerWidth_(like.width()),
      outerHeight_(like.height()), font_(like.font()) {
    if (!(unitsPerPixel_ > 0))
        unitsPerPixel_ = 1.0;
    pen_ = area_.topLeft();
}

PainterSurface::~PainterSurface() {
    flush();
}

QPointF PainterSurface::device(double x, double y) const {
    return area_.topLeft() + QPointF(std::clamp(x, -double(kCoordinateLimit), double(kCoordinateLimit)),
                                     std::clamp(y, -double(kCoordinateLimit), double(kCoordinateLimit)));
}

void PainterSurface::clear() {
    pending_.clear();
    pen_ = area_.topLeft();
    painter_.fillRect(area_, toQColor(back_));
    currentX_ = 0;
    currentY_ = 0;
}

void PainterSurface::setForeColor(Colour c) {
    if (c != fore_)
        flush();
    fore_ = c;
}

void PainterSurface::setDrawWidth(int w) {
    const int width = clampedDrawWidth(w);
    if (width != drawWidth_)
        flush();
    drawWidth_ = width;
}

void PainterSurface::moveTo(int x, int y) {
    flush();
    pen_ = device(x, y);
}

void PainterSurface::lineTo(int x, int y) {
    lineTo(device(x, y));
}

void PainterSurface::lineTo(QPointF to) {
    if (pending_.empty())
        pending_.push_back(pen_);
    pending_.push_back(to);
    pen_ = to;
}

void PainterSurface::line(double x1, double y1, double x2, double y2) {
    flush();
    pen_ = device(x1 / unitsPerPixel_, y1 / unitsPerPixel_);
    lineTo(device(x2 / unitsPerPixel_, y2 / unitsPerPixel_));
}

void PainterSurface::printText(const std::string& text) {
    flush();
    painter_.save();
    painter_.setClipRect(area_);
    painter_.setFont(font_);
    painter_.setPen(toQColor(fore_));
    const QFontMetricsF metrics(font_, painter_.device());
    painter_.drawText(device(currentX_ / unitsPerPixel_, currentY_ / unitsPerPixel_) +
                          QPointF(0, metrics.ascent()),
                      QString::fromStdString(text));
    painter_.restore();
}

void PainterSurface::setFontName(const std::string& name) {
    font_.setFamily(QString::fromStdString(name));
}

void PainterSurface::setFontSize(double points) {
    if (points > 0)
        font_.setPointSizeF(points);
}

void PainterSurface::flush() {
    if (pending_.empty())
        return;
    painter_.save();
    painter_.setClipRect(area_);
    painter_.setPen(QPen(toQColor(fore_), drawWidth_, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    painter_.setBrush(Qt::NoBrush);
    // One polyline for every run of lineTo calls: a series stays one line in the file.
    if (pending_.size() == 2)
        painter_.drawLine(pending_[0], pending_[1]);
    else
        painter_.drawPolyline(pending_.data(), static_cast<int>(pending_.size()));
    painter_.restore();
    pending_.clear();
}

} // namespace osk
