// The surface a page or the preview is drawn on: an ordinary drawing surface that can also
// copy one of the page's pictures (the plot, the legend and the two logos) onto itself.
#pragma once

#include "graph/Surface.h"

namespace osk {

enum class PagePicture { Plot, Legend, LogoLeft, LogoRight };

class PageSurface : public Surface {
public:
    // Copies a picture with its top-left corner at (x, y), in the surface's own units, stretched
    // to width x height; a width or height of 0 keeps the picture's own size in that direction.
    virtual void drawPicture(PagePicture which, double x, double y, double width,
                             double height) = 0;
};

} // namespace osk
