#include "print/PaintedReportPages.h"

#include "common/Numbers.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

namespace osk {

namespace {

constexpr double kTwipsPerPoint = 20;

QSizeF printableTwips(const QPagedPaintDevice& device) {
    const QRectF printable = device.pageLayout().paintRect(QPageLayout::Point);
    return {printable.width() * kTwipsPerPoint, printable.height() * kTwipsPerPoint};
}

} // namespace

// A report copies no pictures of the window: its graph is drawn on the page itself.
PaintedReportPages::PaintedReportPages(QPagedPaintDevice& device)
    : device_(device), pictures_({}, {}, 96), page_(pictures_, kTwipsPerInch, printableTwips(device)) {}

PaintedReportPages::~PaintedReportPages() {
    if (painter_.isActive())
        painter_.end();
}

void PaintedReportPages::paintPending() {
    const double dpi = device_.logicalDpiX();
    page_.drawing().paint(painter_, dpi / kTwipsPerInch, dpi);
    page_.reset();
}

PageSurface* PaintedReportPages::newPage() {
    if (failed_)
        return nullptr;
    if (pages_ == 0) {
        if (!painter_.begin(&device_)) {
            failed_ = true;
            return nullptr;
        }
    } else {
        paintPending();
        if (!device_.newPage()) {
            failed_ = true;
            return nullptr;
        }
    }
    ++pages_;
    page_.reset();
    page_.setArea(printableTwips(device_));
    return &page_;
}

bool PaintedReportPages::finish() {
    if (pages_ == 0 || failed_)
        return false;
    paintPending();
    return painter_.end();
}

} // namespace osk
