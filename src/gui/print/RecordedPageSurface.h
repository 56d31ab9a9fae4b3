// A page surface that keeps what is drawn on it as a page drawing, to be painted onto the
// printer or the preview afterwards. Its units are unitsPerInch to the inch; lines drawn at
// device level (moveTo, lineTo) use the same units, as a page has no pixel grid of its own.
#pragma once

#include "print/PageDrawing.h"
#include "print/PagePictures.h"
#include "print/PageSurface.h"
#include "print/PrintJob.h"

#include <QFont>
#include <QPointF>
#include <QSizeF>

#include <optional>
#include <string>

namespace osk {

class RecordedPageSurface : public PageSurface {
public:
    RecordedPageSurface(const PagePictures& pictures, double unitsPerInch, QSizeF area);

    void clear() override;
    float scaleWidth() const override { return static_cast<float>(area_.width()); }
    float scaleHeight() const override { return static_cast<float>(area_.height()); }
    double width() const override { return area_.width(); }
    double height() const override { return area_.height(); }
    void setForeColor(Colour c) override { fore_ = c; }
    void setBackColor(Colour c) override { back_ = c; }
    void setDrawWidth(int w) override { drawWidth_ = w > 0 ? w : 1; }
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void line(double x1, double y1, double x2, double y2) override;
    void setCurrentX(double x) override { current_.setX(x); }
    void setCurrentY(double y) override { current_.setY(y); }
    double currentX() const override { return current_.x(); }
    double currentY() const override { return current_.y(); }
    void printText(const std::string& text) override;
    void setVisible(bool) override {}
    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void drawPicture(PagePicture which, double x, double y, double width, double height) override;

    const PageDrawing& drawing() const { return drawing_; }
    // The first picture that could not be copied since the last reset.
    const std::optional<PrintError>& pictureFailure() const { return failure_; }
    void setArea(QSizeF area) { area_ = area; }
    // Forgets the drawing and any failure.
    void reset();

private:
    const PagePictures& pictures_;
    double unitsPerInch_;
    QSizeF area_;
    PageDrawing drawing_;
    std::optional<PrintError> failure_;
    Colour fore_ = kBlack;
    Colour back_ = kWhite;
    int drawWidth_ = 1;
    QPointF pen_;
    QPointF current_;
    QFont font_;
};

} // namespace osk
