#include "print/PreviewPicture.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <variant>

namespace osk {

namespace {
// Whatever the drawing holds, the picture box stays a size a window can have.
constexpr int kLargestSide = 8000;
// The white edge right of and below the pictures, in preview units.
constexpr double kEdgeUnits = 30;
} // namespace

PreviewPicture::PreviewPicture(const PagePictures& pictures, double screenDpi, QWidget* parent)
    : QWidget(parent), surface_(pictures, kPreviewUnitsPerInch, QSizeF()),
      screenDpi_(screenDpi > 0 ? screenDpi : 96) {
    setObjectName(QStringLiteral("Preview"));
    surface_.setArea(QSizeF(width(), height()) / pixelsPerUnit());
}

std::vector<QRectF> PreviewPicture::pictureAreas() const {
    const double k = pixelsPerUnit();
    std::vector<QRectF> areas;
    for (const PageDrawing::Step& step : drawing().steps())
        if (const auto* picture = std::get_if<PageDrawing::Picture>(&step))
            areas.emplace_back(picture->target.x() * k, picture->target.y() * k,
                               picture->target.width() * k, picture->target.height() * k);
    return areas;
}

void PreviewPicture::fitToDrawing() {
    QRectF extent;
    for (const QRectF& area : pictureAreas())
        extent |= area;
    if (extent.isNull())
        return;
    const double edge = kEdgeUnits * pixelsPerUnit();
    const int w = std::clamp(static_cast<int>(std::ceil(extent.right() + edge)), 1, kLargestSide);
    const int h = std::clamp(static_cast<int>(std::ceil(extent.bottom() + edge)), 1, kLargestSide);
    resize(w, h);
}

void PreviewPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    drawing().paint(painter, pixelsPerUnit(), screenDpi_);
}

void PreviewPicture::resizeEvent(QResizeEvent* event) {
    surface_.setArea(QSizeF(event->size()) / pixelsPerUnit());
    QWidget::resizeEvent(event);
}

} // namespace osk
