// A drawing surface that paints straight onto a painter, inside one rectangle of its device:
// the plot and the legend drawn again as vector lines and texts for an SVG or PDF picture, in
// the size and units of the window's own picture.
#pragma once

#include "graph/Surface.h"

#include <QFont>
#include <QPointF>
#include <QRectF>

#include <vector>

class QPainter;

namespace osk {

class ImageSurface;

class PainterSurface final : public Surface {
public:
    // Draws into the rectangle at topLeft (painter units, one to a pixel of like) that has the
    // size, the units and the font of like; painter must outlive the surface.
    PainterSurface(QPainter& painter, QPointF topLeft, ImageSurface& like);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    void clear() override;
    float scaleWidth() const override { return scaleWidth_; }
    float scaleHeight() const override { return scaleHeight_; }
    double width() const override { return outerWidth_; }
    double height() const override { return outerHeight_; }
    void setForeColor(Colour c) override;
    void setBackColor(Colour c) override { back_ = c; }
    void setDrawWidth(int w) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void line(double x1, double y1, double x2, double y2) override;
    void setCurrentX(double x) override { currentX_ = x; }
    void setCurrentY(double y) override { currentY_ = y; }
    double currentX() const override { return currentX_; }
    double currentY() const override { return currentY_; }
    void printText(const std::string& text) override;
    void setVisible(bool) override {}
    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void flush() override;

private:
    void lineTo(QPointF to);
    QPointF device(double x, double y) const;

    QPainter& painter_;
    QRectF area_;
    double unitsPerPixel_;
    float scaleWidth_;
    float scaleHeight_;
    double outerWidth_;
    double outerHeight_;
    QFont font_;
    Colour fore_ = kBlack;
    Colour back_ = kWhite;
    int drawWidth_ = 1;
    double currentX_ = 0;
    double currentY_ = 0;
    QPointF pen_;
    // The line being drawn with the current pen, not yet painted: its points, oldest first.
    std::vector<QPointF> pending_;
};

} // namespace osk
