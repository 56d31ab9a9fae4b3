#include "print/RecordedPageSurface.h"

#include "app/QtAdapter.h"

#include <QColor>
#include <QString>

namespace osk {

namespace {

const char* pictureName(PagePicture which) {
    switch (which) {
    case PagePicture::Plot:
        return "plot";
    case PagePicture::Legend:
        return "legend";
    case PagePicture::LogoLeft:
        return "left logo";
    case PagePicture::LogoRight:
        return "right logo";
    }
    return "picture";
}

} // namespace

RecordedPageSurface::RecordedPageSurface(const PagePictures& pictures, double unitsPerInch,
                                         QSizeF area)
    : pictures_(pictures), unitsPerInch_(unitsPerInch > 0 ? unitsPerInch : 1440), area_(area) {
    // A missing family falls back to a plain sans-serif face rather than to anything at all.
    font_.setStyleHint(QFont::SansSerif);
}

void RecordedPageSurface::clear() {
    drawing_.clear();
    drawing_.add(PageDrawing::Fill{QRectF(QPointF(0, 0), area_), toQColor(back_)});
    pen_ = QPointF(0, 0);
    current_ = QPointF(0, 0);
}

void RecordedPageSurface::reset() {
    drawing_.clear();
    failure_.reset();
}

void RecordedPageSurface::moveTo(int x, int y) {
    pen_ = QPointF(x, y);
}

void RecordedPageSurface::lineTo(int x, int y) {
    const QPointF to(x, y);
    drawing_.add(PageDrawing::Line{QLineF(pen_, to), toQColor(fore_), drawWidth_});
    pen_ = to;
}

void RecordedPageSurface::line(double x1, double y1, double x2, double y2) {
    drawing_.add(PageDrawing::Line{QLineF(x1, y1, x2, y2), toQColor(fore_), drawWidth_});
    pen_ = QPointF(x2, y2);
}

void RecordedPageSurface::printText(const std::string& text) {
    drawing_.add(PageDrawing::Text{current_, QString::fromStdString(text), font_, toQColor(fore_)});
}

void RecordedPageSurface::setFontName(const std::string& name) {
    font_.setFamily(QString::fromStdString(name));
}

void RecordedPageSurface::setFontSize(double points) {
    if (points > 0)
        font_.setPointSizeF(points);
}

void RecordedPageSurface::drawPicture(PagePicture which, double x, double y, double width,
                                      double height) {
    const SizedPicture picture = pictures_.picture(which);
    if (picture.image.isNull()) {
        if (!failure_)
            failure_ = PrintError{kPrintErrorPicture, std::string("The ") + pictureName(which) +
                                                          " picture could not be copied"};
        return;
    }
    const double unitsPerPixel = unitsPerInch_ / (picture.dpi > 0 ? picture.dpi : 96);
    const double w = width > 0 ? width : picture.image.width() * unitsPerPixel;
    const double h = height > 0 ? height : picture.image.height() * unitsPerPixel;
    drawing_.add(PageDrawing::Picture{QRectF(x, y, w, h), picture.image});
}

} // namespace osk
