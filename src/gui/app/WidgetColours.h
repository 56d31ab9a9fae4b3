// Program colours (24-bit RGB, red in the low byte) on Qt widgets.
#pragma once

#include "graph/Colour.h"

#include <QColor>
#include <QWidget>

namespace osk {

inline QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
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
