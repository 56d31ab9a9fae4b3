#include "about/Logo.h"

#include "about/LogoPainting.h"
#include "common/Numbers.h"

#include <QPainter>

#include <algorithm>

namespace osk {

QPixmap logoPixmap(int size, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    // Any real icon fits; a silly request still gives a small picture instead of a huge one.
    const int pixels = std::clamp(roundToPixel(size * ratio), 1, 1024);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintMark(painter, QRectF(pixmap.rect()));
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon logoIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(logoPixmap(size));
    return icon;
}

} // namespace osk
