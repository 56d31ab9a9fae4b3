// Counting the pixels of pictures the program drew.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>

namespace osk::test {

// Pixels of that colour (alpha ignored) in area, the whole picture by default.
inline int pixelsOf(const QImage& image, QColor colour, QRect area = {}) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    area = area.isNull() ? rgb.rect() : area.intersected(rgb.rect());
    const QRgb wanted = colour.rgb() | 0xFF000000u;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += rgb.pixel(x, y) == wanted;
    return n;
}

inline bool hasColour(const QImage& image, QColor colour) {
    return pixelsOf(image, colour) > 0;
}

// Whether anything but white is drawn in area.
inline bool inkIn(const QImage& image, QRect area) {
    area = area.intersected(image.rect());
    return pixelsOf(image, Qt::white, area) < area.width() * area.height();
}

// Pixels that differ between two pictures of one size.
inline int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace osk::test
