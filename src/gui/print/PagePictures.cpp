#include "print/PagePictures.h"

#include "about/LogoPainting.h"
#include "common/Numbers.h"

#include <QPainter>

#include <utility>

namespace osk {

namespace {

constexpr double kInchesPerMetre = 1 / 0.0254;

} // namespace

QSizeF pageLogoTwips(PagePicture which) {
    switch (which) {
    case PagePicture::LogoLeft:
        return {1000, 1000}; // left of the contact lines, above the header rule
    case PagePicture::LogoRight:
        return {3200, 800};
    default:
        return {};
    }
}

QImage pageLogoImage(PagePicture which, double dpi) {
    const bool left = which == PagePicture::LogoLeft;
    if (!(left || which == PagePicture::LogoRight) || !(dpi > 0))
        return {};
    const QSizeF twips = pageLogoTwips(which);
    const int w = roundedPixelsForTwips(twips.width(), dpi);
    const int h = roundedPixelsForTwips(twips.height(), dpi);
    if (w < 1 || h < 1 || w > 10000 || h > 10000)
        return {};
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = roundToPixel(dpi * kInchesPerMetre);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, w, h);
    if (left)
        paintMark(painter, all); // the program's mark, top left
    else
        paintWordmark(painter, all); // its name, top right
    return image;
}

PagePictures::PagePictures(std::function<QImage()> plot, std::function<QImage()> legend,
                           double screenDpi)
    : plot_(std::move(plot)), legend_(std::move(legend)),
      screenDpi_(screenDpi > 0 ? screenDpi : 96),
      logoLeft_(pageLogoImage(PagePicture::LogoLeft, kPageLogoDpi)),
      logoRight_(pageLogoImage(PagePicture::LogoRight, kPageLogoDpi)) {}

SizedPicture PagePictures::picture(PagePicture which) const {
    switch (which) {
    case PagePicture::Plot:
        return {plot_ ? plot_() : QImage(), screenDpi_};
    case PagePicture::Legend:
        return {legend_ ? legend_() : QImage(), screenDpi_};
    case PagePicture::LogoLeft:
        return {logoLeft_, kPageLogoDpi};
    case PagePicture::LogoRight:
        return {logoRight_, kPageLogoDpi};
    }
    return {};
}

} // namespace osk
