#include "print/PreviewPicture.h"

#include "common/Numbers.h"
#include "print/RenderPage.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace osk {

namespace {
// Whatever the drawing holds, the picture box stays a size a window can have.
constexpr int kLargestSide = 8000;
} // namespace

PreviewPicture::PreviewPicture(const PagePictures& pictures, double screenDpi, QWidget* parent)
    : QWidget(parent), surface_(pictures, screenDpi, QSizeF()), screenDpi_(screenDpi) {
    setObjectName(QStringLiteral("Preview"));
    surface_.setArea(QSizeF(width(), height()));
}

void PreviewPicture::fitToDrawing() {
    const QRectF extent = drawing().extent();
    if (extent.isNull())
        return;
    const int w = std::clamp(roundToPixel(extent.right() + kPreviewPlotX), 1, kLargestSide);
    const int h = std::clamp(roundToPixel(extent.bottom() + kPreviewPlotY), 1, kLargestSide);
    resize(w, h);
}

void PreviewPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    drawing().paint(painter, 1.0, screenDpi_);
}

void PreviewPicture::resizeEvent(QResizeEvent* event) {
    surface_.setArea(QSizeF(event->size()));
    QWidget::resizeEvent(event);
}

} // namespace osk
