#include "graph/ImageSurface.h"

#include "app/QtAdapter.h"
#include "common/Numbers.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cstdlib>

namespace osk {

namespace {

QPoint clampedPoint(int x, int y) {
    return {std::clamp(x, -kCoordinateLimit, kCoordinateLimit),
            std::clamp(y, -kCoordinateLimit, kCoordinateLimit)};
}

} // namespace

ImageSurface::ImageSurface(int widthPx, int heightPx, double unitsPerPixel)
    : font_(QGuiApplication::font()), unitsPerPixel_(unitsPerPixel > 0 ? unitsPerPixel : 1.0),
      outerWidth_(widthPx), outerHeight_(heightPx) {
    resize(widthPx, heightPx);
}

ImageSurface::~ImageSurface() {
    endPainting();
}

QPainter& ImageSurface::painter() {
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
    }
    return painter_;
}

void ImageSurface::endPainting() {
    drawPendingLines();
    if (painter_.isActive())
        painter_.end();
}

const QImage& ImageSurface::image() {
    endPainting();
    return image_;
}

void ImageSurface::resize(int widthPx, int heightPx) {
    endPainting();
    image_ = QImage(std::max(widthPx, 1), std::max(heightPx, 1), QImage::Format_RGB32);
    image_.fill(toQColor(back_));
    outerWidth_ = image_.width();
    outerHeight_ = image_.height();
}

void ImageSurface::setOuterSize(double width, double height) {
    outerWidth_ = width;
    outerHeight_ = height;
}

void ImageSurface::clear() {
    // Whatever was waiting to be drawn would be erased anyway.
    batch_.clear();
    endPainting();
    image_.fill(toQColor(back_));
    pen_ = QPoint(0, 0);
    currentX_ = 0;
    currentY_ = 0;
}

float ImageSurface::scaleWidth() const {
    return static_cast<float>(image_.width() * unitsPerPixel_);
}

float ImageSurface::scaleHeight() const {
    return static_cast<float>(image_.height() * unitsPerPixel_);
}

void ImageSurface::setForeColor(Colour c) {
    if (c != fore_)
        drawPendingLines();
    fore_ = c;
}

void ImageSurface::setDrawWidth(int w) {
    const int width = clampedDrawWidth(w);
    if (width != drawWidth_)
        drawPendingLines();
    drawWidth_ = width;
}

void ImageSurface::moveTo(int x, int y) {
    pen_ = clampedPoint(x, y);
}

void ImageSurface::lineTo(int x, int y) {
    const QPoint to = clampedPoint(x, y);
    batch_.addLine(pen_, to);
    pen_ = to;
}

int ImageSurface::toDevice(double units) const {
    return roundToPixel(units / unitsPerPixel_);
}

void ImageSurface::line(double x1, double y1, double x2, double y2) {
    moveTo(toDevice(x1), toDevice(y1));
    lineTo(toDevice(x2), toDevice(y2));
}

void ImageSurface::printText(const std::string& text) {
    drawPendingLines();
    QPainter& p = painter();
    p.setFont(font_);
    p.setPen(toQColor(fore_));
    const QFontMetricsF metrics(font_, &image_);
    const QPointF baseline(currentX_ / unitsPerPixel_,
                           currentY_ / unitsPerPixel_ + metrics.ascent());
    QString shown = QString::fromStdString(text);
    if (shownWidth_) {
        const int right = std::min(image_.width(), shownWidth_());
        shown = metrics.elidedText(shown, Qt::ElideRight, right - baseline.x());
    }
    p.drawText(baseline, shown);
}

void ImageSurface::setFontName(const std::string& name) {
    font_.setFamily(QString::fromStdString(name));
}

void ImageSurface::setFontSize(double points) {
    if (points > 0)
        font_.setPointSizeF(points);
}

void ImageSurface::flush() {
    drawPendingLines();
}

void ImageSurface::drawPendingLines() {
    if (batch_.empty())
        return;
    if (drawWidth_ == 1)
        drawThinLines();
    else
        drawWideLines();
    batch_.clear();
}

void ImageSurface::drawThinLines() {
    QPainter& p = painter();
    // A flat cap leaves out the last point of every polyline, as lineTo promises; the points
    // in between are covered by the next segment.
    p.setPen(QPen(toQColor(fore_), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    shortLines_.clear();
    batch_.forEach([&](const QPoint* points, size_t n) {
        if (n == 2)
            shortLines_.emplace_back(points[0], points[1]);
        else if (n > 2)
            p.drawPolyline(points, static_cast<int>(n));
    });
    if (!shortLines_.empty())
        p.drawLines(shortLines_.data(), static_cast<int>(shortLines_.size()));
}

// Wide pens go through the painter's general stroker, which is far too slow for a series of
// thousands of points. A wide line is drawn here as a square brush of drawWidth_ pixels moved
// along it instead: where a segment stays within one or two pixel columns (a dense series)
// each column becomes one filled run, and a longer segment becomes drawWidth_ one-pixel lines
// side by side. Like the painter's own wide pen, the brush extends to the left and upwards.
void ImageSurface::drawWideLines() {
    const int w = drawWidth_;
    const int before = w / 2;
    runs_.clear();
    shortLines_.clear();
    bool inRun = false;
    int runX = 0;
    int runLo = 0;
    int runHi = 0;
    auto endRun = [&] {
        if (inRun)
            runs_.emplace_back(runX - before, runLo - before, w, runHi - runLo + w);
        inRun = false;
    };
    auto addToColumn = [&](int x, int y1, int y2) {
        const int lo = std::min(y1, y2);
        const int hi = std::max(y1, y2);
        if (inRun && x == runX) {
            runLo = std::min(runLo, lo);
            runHi = std::max(runHi, hi);
            return;
        }
        endRun();
        inRun = true;
        runX = x;
        runLo = lo;
        runHi = hi;
    };
    batch_.forEach([&](const QPoint* points, size_t n) {
        for (size_t i = 0; i + 1 < n; ++i) {
            const QPoint a = points[i];
            const QPoint b = points[i + 1];
            const int dx = b.x() - a.x();
            const int dy = b.y() - a.y();
            if (dx >= -1 && dx <= 1) {
                addToColumn(a.x(), a.y(), b.y());
                if (dx != 0)
                    addToColumn(b.x(), a.y(), b.y());
                continue;
            }
            endRun();
            // Side by side across the line's minor axis.
            const bool flat = std::abs(dx) >= std::abs(dy);
            for (int o = -before; o < w - before; ++o) {
                const QPoint shift = flat ? QPoint(0, o) : QPoint(o, 0);
                shortLines_.emplace_back(a + shift, b + shift);
            }
        }
    });
    endRun();
    QPainter& p = painter();
    const QColor colour = toQColor(fore_);
    if (!runs_.empty()) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRects(runs_.data(), static_cast<int>(runs_.size()));
        p.setBrush(Qt::NoBrush);
    }
    if (!shortLines_.empty()) {
        p.setPen(QPen(colour, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawLines(shortLines_.data(), static_cast<int>(shortLines_.size()));
    }
}

} // namespace osk
