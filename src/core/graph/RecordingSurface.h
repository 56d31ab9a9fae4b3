// A surface that draws nothing and keeps every call as data: for tests of what the drawing
// code draws, and for describing a drawing without a display.
#pragma once

#include "graph/Surface.h"

#include <string>
#include <vector>

namespace osk {

struct SurfaceCall {
    enum class Op {
        Clear,
        ForeColor,
        BackColor,
        DrawWidth,
        MoveTo,
        LineTo,
        Line,
        CurrentX,
        CurrentY,
        PrintText,
        Visible,
        FontName,
        FontSize,
        Flush
    };
    Op op;
    // Coordinates (x1, y1, x2, y2) or the single value of the call in a.
    double a = 0, b = 0, c = 0, d = 0;
    std::string text;
};

// A drawn line with the pen it was drawn with. Device-level lines (from moveTo/lineTo) are
// in device units, lines drawn with line() in the surface's own units.
struct DrawnSegment {
    double x1, y1, x2, y2;
    Colour colour;
    int width;
    bool deviceUnits;
};

struct DrawnText {
    double x, y;
    std::string text;
    Colour colour;
};

class RecordingSurface : public Surface {
public:
    RecordingSurface(float scaleWidth, float scaleHeight);
    RecordingSurface(float scaleWidth, float scaleHeight, double outerWidth, double outerHeight);

    void clear() override;
    float scaleWidth() const override { return scaleWidth_; }
    float scaleHeight() const override { return scaleHeight_; }
    double width() const override { return outerWidth_; }
    double height() const override { return outerHeight_; }
    void setForeColor(Colour c) override;
    void setBackColor(Colour c) override;
    void setDrawWidth(int w) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void line(double x1, double y1, double x2, double y2) override;
    void setCurrentX(double x) override;
    void setCurrentY(double y) override;
    double currentX() const override { return currentX_; }
    double currentY() const override { return currentY_; }
    void printText(const std::string& text) override;
    void setVisible(bool visible) override;
    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void flush() override;

    // Every call in order.
    const std::vector<SurfaceCall>& calls() const { return calls_; }
    // Every line drawn since the last clear, in drawing order.
    std::vector<DrawnSegment> segments() const;
    // Every text printed since the last clear, in drawing order.
    std::vector<DrawnText> texts() const;
    // How many calls of one kind were made (since the start, clears included).
    int count(SurfaceCall::Op op) const;

    bool visible() const { return visible_; }
    Colour foreColor() const { return fore_; }
    Colour backColor() const { return back_; }
    int drawWidth() const { return drawWidth_; }

private:
    void record(SurfaceCall::Op op, double a = 0, double b = 0, double c = 0, double d = 0,
                const std::string& text = {});

    float scaleWidth_;
    float scaleHeight_;
    double outerWidth_;
    double outerHeight_;
    Colour fore_ = kBlack;
    Colour back_ = kWhite;
    int drawWidth_ = 1;
    double currentX_ = 0;
    double currentY_ = 0;
    bool visible_ = true;
    std::vector<SurfaceCall> calls_;
};

} // namespace osk
