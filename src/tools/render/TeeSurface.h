// A surface that passes every drawing call on to another surface and keeps a copy of it: the
// window draws its picture as usual, and the copy tells exactly what was drawn.
#pragma once

#include "graph/RecordingSurface.h"
#include "graph/Surface.h"

namespace osk::render {

class TeeSurface final : public Surface {
public:
    explicit TeeSurface(Surface& target)
        : target_(target),
          copy_(target.scaleWidth(), target.scaleHeight(), target.width(), target.height()) {}

    const RecordingSurface& copy() const { return copy_; }

    void clear() override {
        target_.clear();
        copy_.clear();
    }
    float scaleWidth() const override { return target_.scaleWidth(); }
    float scaleHeight() const override { return target_.scaleHeight(); }
    double width() const override { return target_.width(); }
    double height() const override { return target_.height(); }
    void setForeColor(Colour c) override {
        target_.setForeColor(c);
        copy_.setForeColor(c);
    }
    void setBackColor(Colour c) override {
        target_.setBackColor(c);
        copy_.setBackColor(c);
    }
    void setDrawWidth(int w) override {
        target_.setDrawWidth(w);
        copy_.setDrawWidth(w);
    }
    void moveTo(int x, int y) override {
        target_.moveTo(x, y);
        copy_.moveTo(x, y);
    }
    void lineTo(int x, int y) override {
        target_.lineTo(x, y);
        copy_.lineTo(x, y);
    }
    void line(double x1, double y1, double x2, double y2) override {
        target_.line(x1, y1, x2, y2);
        copy_.line(x1, y1, x2, y2);
    }
    void setCurrentX(double x) override {
        target_.setCurrentX(x);
        copy_.setCurrentX(x);
    }
    void setCurrentY(double y) override {
        target_.setCurrentY(y);
        copy_.setCurrentY(y);
    }
    double currentX() const override { return target_.currentX(); }
    double currentY() const override { return target_.currentY(); }
    void printText(const std::string& text) override {
        target_.printText(text);
        copy_.printText(text);
    }
    void setVisible(bool visible) override {
        target_.setVisible(visible);
        copy_.setVisible(visible);
    }
    void setFontName(const std::string& name) override {
        target_.setFontName(name);
        copy_.setFontName(name);
    }
    void setFontSize(double points) override {
        target_.setFontSize(points);
        copy_.setFontSize(points);
    }
    void flush() override {
        target_.flush();
        copy_.flush();
    }

private:
    Surface& target_;
    RecordingSurface copy_;
};

} // namespace osk::render
