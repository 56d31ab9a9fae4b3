// Where the program's own values meet Qt's: colours, coordinates handed to a painter, and the
// decimal separator of the numbers the window shows.
#pragma once

#include "graph/Colour.h"

#include <QColor>
#include <QLocale>
#include <QWidget>

namespace osk {

// Program colours are 24-bit RGB with red in the low byte.
inline QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

// Coordinates given to a QPainter are kept well inside the range its rasteriser works in. A
// point this far off the surface still draws the same visible pixels: the slope of a line to
// it changes by far less than a pixel across any real picture.
inline constexpr int kCoordinateLimit = 1 << 22;

// The user's decimal separator as one printable ASCII character; '.' where it is not one.
inline char decimalSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point[0].unicode() > 0x20 && point[0].unicode() < 0x7F)
        return static_cast<char>(point[0].unicode());
    return '.';
}

// Fills the widget's background with colour.
inline void setBackColour(QWidget& widget, Colour colour) {
    QPalette p = widget.palette();
    p.setColor(QPalette::Window, toQColor(colour));
    widget.setPalette(p);
    // Buttons and check boxes paint their background in the button colour otherwise.
    widget.setBackgroundRole(QPalette::Window);
    widget.setAutoFillBackground(true);
}

} // namespace osk
