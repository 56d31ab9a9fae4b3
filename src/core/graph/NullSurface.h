// A surface that draws nothing: measures what the drawing code costs on its own.
#pragma once

#include "graph/Surface.h"

namespace osk {

class NullSurface final : public Surface {
public:
    NullSurface(float scaleWidth, float scaleHeight) : w_(scaleWidth), h_(scaleHeight) {}

    void clear() override {
        currentX_ = 0;
        currentY_ = 0;
    }
    float scaleWidth() const override { return w_; }
    float scaleHeight() const override { return h_; }
    double width() const override { return w_; }
    double height() const override { return h_; }
    void setForeColor(Colour) override {}
    void setBackColor(Colour) override {}
    void setDrawWidth(int) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void line(double, double, double, double) override {}
    void setCurrentX(double x) override { currentX_ = x; }
    void setCurrentY(double y) override { currentY_ = y; }
    double currentX() const override { return currentX_; }
    double currentY() const override { return currentY_; }
    void printText(const std::string&) override {}
    void setVisible(bool) override {}
    void setFontName(const std::string&) override {}
    void setFontSize(double) override {}

private:
    float w_;
    float h_;
    double currentX_ = 0;
    double currentY_ = 0;
};

} // namespace osk
