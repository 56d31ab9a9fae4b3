// The program's logo, drawn from its vector picture at any size.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace osk {

// The logo as a square picture of size logical pixels for a screen of the given pixel ratio.
QPixmap logoPixmap(int size, qreal devicePixelRatio = 1.0);

// The logo as the window icon.
QIcon logoIcon();

} // namespace osk
