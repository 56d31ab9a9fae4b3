#include "graph/RecordingSurface.h"

namespace osk {

void RecordingSurface::record(SurfaceCall::Op op, double a, double b, double c, double d,
                              const std::string& text) {
    calls_.push_back(SurfaceCall{op, a, b, c, d, text});
}

RecordingSurface::RecordingSurface(float scaleWidth, float scaleHeight)
    : RecordingSurface(scaleWidth, scaleHeight, scaleWidth, scaleHeight) {}

RecordingSurface::RecordingSurface(float scaleWidth, float scaleHeight, double outerWidth,
                                   double outerHeight)
    : scaleWidth_(scaleWidth), scaleHeight_(scaleHeight), outerWidth_(outerWidth),
      outerHeight_(outerHeight) {}

void RecordingSurface::clear() {
    currentX_ = 0;
    currentY_ = 0;
    record(SurfaceCall::Op::Clear);
}

void RecordingSurface::setForeColor(Colour c) {
    fore_ = c;
    record(SurfaceCall::Op::ForeColor, static_cast<double>(c));
}

void RecordingSurface::setBackColor(Colour c) {
    back_ = c;
    record(SurfaceCall::Op::BackColor, static_cast<double>(c));
}

void RecordingSurface::setDrawWidth(int w) {
    drawWidth_ = w;
    record(SurfaceCall::Op::DrawWidth, static_cast<double>(w));
}

void RecordingSurface::moveTo(int x, int y) {
    record(SurfaceCall::Op::MoveTo, static_cast<double>(x), static_cast<double>(y));
}

void RecordingSurface::lineTo(int x, int y) {
    record(SurfaceCall::Op::LineTo, static_cast<double>(x), static_cast<double>(y));
}

void RecordingSurface::line(double x1, double y1, double x2, double y2) {
    record(SurfaceCall::Op::Line, x1, y1, x2, y2);
}

void RecordingSurface::setCurrentX(double x) {
    currentX_ = x;
    record(SurfaceCall::Op::CurrentX, x);
}

void RecordingSurface::setCurrentY(double y) {
    currentY_ = y;
    record(SurfaceCall::Op::CurrentY, y);
}

void RecordingSurface::printText(const std::string& text) {
    record(SurfaceCall::Op::PrintText, currentX_, currentY_, 0, 0, text);
}

void RecordingSurface::setVisible(bool visible) {
    visible_ = visible;
    record(SurfaceCall::Op::Visible, visible ? 1.0 : 0.0);
}

void RecordingSurface::setFontName(const std::string& name) {
    record(SurfaceCall::Op::FontName, 0, 0, 0, 0, name);
}

void RecordingSurface::setFontSize(double points) {
    record(SurfaceCall::Op::FontSize, points);
}

void RecordingSurface::flush() {
    record(SurfaceCall::Op::Flush);
}

std::vector<DrawnSegment> RecordingSurface::segments() const {
    std::vector<DrawnSegment> out;
    Colour colour = kBlack;
    int width = 1;
    double penX = 0;
    double penY = 0;
    for (const auto& c : calls_) {
        switch (c.op) {
        case SurfaceCall::Op::Clear:
            out.clear();
            penX = 0;
            penY = 0;
            break;
        case SurfaceCall::Op::ForeColor:
            colour = static_cast<Colour>(c.a);
            break;
        case SurfaceCall::Op::DrawWidth:
            width = static_cast<int>(c.a);
            break;
        case SurfaceCall::Op::MoveTo:
            penX = c.a;
            penY = c.b;
            break;
        case SurfaceCall::Op::LineTo:
            out.push_back({penX, penY, c.a, c.b, colour, width, true});
            penX = c.a;
            penY = c.b;
            break;
        case SurfaceCall::Op::Line:
            out.push_back({c.a, c.b, c.c, c.d, colour, width, false});
            break;
        default:
            break;
        }
    }
    return out;
}

std::vector<DrawnText> RecordingSurface::texts() const {
    std::vector<DrawnText> out;
    Colour colour = kBlack;
    for (const auto& c : calls_) {
        if (c.op == SurfaceCall::Op::Clear)
            out.clear();
        else if (c.op == SurfaceCall::Op::ForeColor)
            colour = static_cast<Colour>(c.a);
        else if (c.op == SurfaceCall::Op::PrintText)
            out.push_back({c.a, c.b, c.text, colour});
    }
    return out;
}

int RecordingSurface::count(SurfaceCall::Op op) const {
    int n = 0;
    for (const auto& c : calls_)
        if (c.op == op)
            ++n;
    return n;
}

} // namespace osk
