#include "about/Logo.h"

#include "common/Numbers.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

// Pictures compiled into a static library are registered by hand, once they are needed (the
// registration keeps a picture only once).
static void registerAppResources() {
    Q_INIT_RESOURCE(app);
}

namespace osk {

namespace {
const char* const kLogoResource = ":/app/osk-graphs.svg";
}

QPixmap logoPixmap(int size, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    // Any real icon fits; a silly request still gives a small picture instead of a huge one.
    const int pixels = std::clamp(roundToPixel(size * ratio), 1, 1024);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    registerAppResources();
    QSvgRenderer renderer(QString::fromLatin1(kLogoResource));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
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
