// The pictures a page or the preview copies: the plot as last drawn onto the hidden surface,
// the legend as the window shows it, and the two page logos.
#pragma once

#include "print/PageSurface.h"

#include <QImage>
#include <QSizeF>

#include <functional>

namespace osk {

// A picture and the resolution it was made for, which gives its size on paper.
struct SizedPicture {
    QImage image;
    double dpi = 96;
};

// The logos are drawn for paper at this resolution.
inline constexpr double kPageLogoDpi = 300;

// Size of a page logo on paper, in twips; empty for the plot and the legend.
QSizeF pageLogoTwips(PagePicture which);

// A page logo drawn at dpi, on white: the mark on the left, the wordmark on the right; a null
// image for the plot and the legend.
QImage pageLogoImage(PagePicture which, double dpi);

class PagePictures {
public:
    // plot and legend give the current pictures of those surfaces, whose pixels are screenDpi
    // to the inch.
    PagePictures(std::function<QImage()> plot, std::function<QImage()> legend, double screenDpi);

    // The picture as it is now; a null image when there is none.
    SizedPicture picture(PagePicture which) const;

private:
    std::function<QImage()> plot_;
    std::function<QImage()> legend_;
    double screenDpi_;
    QImage logoLeft_;
    QImage logoRight_;
};

} // namespace osk
