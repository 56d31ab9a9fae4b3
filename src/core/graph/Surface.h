// The drawing surface every picture of the program goes through: the plot, the legend, the
// preview pictures and the printer. The drawing code knows nothing else about them.
#pragma once

#include "graph/Colour.h"

#include <algorithm>
#include <string>

namespace osk {

// The line width a painting surface draws for a width asked: at least one pixel, and never so
// wide that one line covers any picture.
inline int clampedDrawWidth(int w) {
    return std::clamp(w, 1, 1000);
}

class Surface {
public:
    virtual ~Surface() = default;

    // Erases everything to the back colour; the current position becomes (0, 0).
    virtual void clear() = 0;
    // Size of the drawable area in the surface's own units.
    virtual float scaleWidth() const = 0;
    virtual float scaleHeight() const = 0;
    // Outer size in the container's units.
    virtual double width() const = 0;
    virtual double height() const = 0;

    virtual void setForeColor(Colour c) = 0;
    virtual void setBackColor(Colour c) = 0;
    // Line width in device pixels; a painting surface draws it as clampedDrawWidth(w).
    virtual void setDrawWidth(int w) = 0;

    // Device-level pen moves in whole device units. lineTo leaves out its end point, so a
    // chain of lineTo calls paints every joint exactly once.
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // moveTo then lineTo, but in the surface's own units.
    virtual void line(double x1, double y1, double x2, double y2) = 0;

    // Where the next text goes (its top-left corner), in the surface's own units.
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void printText(const std::string& text) = 0;

    virtual void setVisible(bool visible) = 0;
    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(double points) = 0;

    // Surfaces may hold back drawing to batch it; after flush everything drawn so far is in
    // the picture.
    virtual void flush() {}
};

} // namespace osk
