// A drawing surface on an in-memory picture: the persistent image that the plot and legend
// widgets show and that printing copies. Lines are batched so a full redraw stays fast.
#pragma once

#include "graph/PolylineBatch.h"
#include "graph/Surface.h"

#include <QFont>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <functional>
#include <string>
#include <vector>

namespace osk {

class ImageSurface final : public Surface {
public:
    // A picture of widthPx x heightPx pixels in the back colour. unitsPerPixel gives the
    // surface's own units (for line(), text positions and the scale size): 1 for the plot,
    // more for a legend measured in fine units.
    ImageSurface(int widthPx, int heightPx, double unitsPerPixel = 1.0);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    // The picture with everything drawn so far.
    const QImage& image();
    // A new blank picture of the given size in the back colour.
    void resize(int widthPx, int heightPx);
    // Outer size as the container sees it (a widget's frame included); the picture size
    // until set.
    void setOuterSize(double width, double height);
    bool isVisible() const { return visible_; }
    // The font of later texts.
    void setFont(const QFont& font) { font_ = font; }
    const QFont& font() const { return font_; }
    // When set, a text too long for the rest of the shown width ends in "…" instead of being
    // cut off at the edge. shownWidth tells, at each text, how many pixels of the picture's
    // width are on view (the picture's own width at the most).
    void setElideAtRightEdge(std::function<int()> shownWidth) {
        shownWidth_ = std::move(shownWidth);
    }

    void clear() override;
    float scaleWidth() const override;
    float scaleHeight() const override;
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
    void setVisible(bool visible) override { visible_ = visible; }
    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void flush() override;

private:
    QPainter& painter();
    void endPainting();
    void drawPendingLines();
    void drawThinLines();
    void drawWideLines();
    int toDevice(double units) const;

    QImage image_;
    QPainter painter_;
    QFont font_;
    double unitsPerPixel_;
    double outerWidth_;
    double outerHeight_;
    Colour fore_ = kBlack;
    Colour back_ = kWhite;
    int drawWidth_ = 1;
    QPoint pen_;
    double currentX_ = 0;
    double currentY_ = 0;
    bool visible_ = true;
    std::function<int()> shownWidth_;

    // Lines drawn with the current pen and not yet painted.
    PolylineBatch batch_;
    std::vector<QLine> shortLines_;
    std::vector<QRect> runs_;
};

} // namespace osk
