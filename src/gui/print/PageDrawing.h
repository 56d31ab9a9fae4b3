// A page kept as a list of paint steps in the page's own units, painted onto a device later:
// onto the printer once the page is complete, or onto the preview picture.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <variant>
#include <vector>

class QPainter;

namespace osk {

// Pen widths count dots of a 600-dpi printer, whatever the device: a width of 15 is a bold
// 0.64 mm rule, 3 a fine axis line, 1 a hairline. A pen is never thinner than one device pixel.
inline constexpr double kPenDotsPerInch = 600;

class PageDrawing {
public:
    struct Fill {
        QRectF area;
        QColor colour;
    };
    struct Line {
        QLineF line;
        QColor colour;
        int widthDots;
    };
    struct Text {
        QPointF topLeft;
        QString text;
        QFont font; // point size, resolved for the device it is painted on
        QColor colour;
    };
    struct Picture {
        QRectF target;
        QImage image;
    };
    using Step = std::variant<Fill, Line, Text, Picture>;

    void add(Step step) { steps_.push_back(std::move(step)); }
    void clear() { steps_.clear(); }
    const std::vector<Step>& steps() const { return steps_; }
    // The area the fills, lines and pictures cover and the corners where texts start.
    QRectF extent() const;

    // Paints every step; devicePerUnit turns the page's units into the painter's device pixels
    // and deviceDpi sizes the pens.
    void paint(QPainter& painter, double devicePerUnit, double deviceDpi) const;

private:
    std::vector<Step> steps_;
};

} // namespace osk
