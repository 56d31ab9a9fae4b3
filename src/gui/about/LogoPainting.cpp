#include "about/LogoPainting.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QStringList>

#include <iterator>

namespace osk {

namespace {

const QColor kDeepBlue(0x1f, 0x6f, 0xb2);
const QColor kLightBlue(0x5a, 0xa0, 0xdc);
const QColor kPaleBlue(0xbc, 0xd8, 0xf0);

// Painting in canvas units: the canvas stretched over the target rectangle. The painter's state
// is back as it was once the scope ends.
class CanvasScope {
public:
    CanvasScope(QPainter& painter, const QRectF& target, double canvasWidth, double canvasHeight)
        : painter_(painter) {
        painter_.save();
        painter_.translate(target.topLeft());
        painter_.scale(target.width() / canvasWidth, target.height() / canvasHeight);
    }
    ~CanvasScope() { painter_.restore(); }
    CanvasScope(const CanvasScope&) = delete;
    CanvasScope& operator=(const CanvasScope&) = delete;

private:
    QPainter& painter_;
};

QPen roundPen(const QColor& colour, double width, Qt::PenJoinStyle join = Qt::MiterJoin) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, join);
}

} // namespace

void paintMark(QPainter& painter, const QRectF& rect) {
    if (!rect.isValid())
        return;
    const CanvasScope canvas(painter, rect, 128, 128);

    QPainterPath drop(QPointF(64, 6));
    drop.cubicTo(58, 16, 22, 54, 22, 82);
    drop.arcTo(QRectF(22, 40, 84, 84), 180, 180); // the lower half of the circle round (64, 82)
    drop.cubicTo(106, 54, 70, 16, 64, 6);
    drop.closeSubpath();
    drop.setFillRule(Qt::WindingFill);
    painter.fillPath(drop, kDeepBlue);

    QPainterPath shine(QPointF(64, 18));
    shine.cubicTo(60, 26, 34, 56, 34, 80);
    painter.strokePath(shine, roundPen(kLightBlue, 4));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(kPaleBlue, 3));
    painter.drawLine(QLineF(36, 104, 92, 104));
    static constexpr QPointF kGraph[] = {{36, 92}, {50, 74}, {62, 84}, {76, 58}, {92, 70}};
    painter.setPen(roundPen(Qt::white, 7, Qt::RoundJoin));
    painter.drawPolyline(kGraph, static_cast<int>(std::size(kGraph)));
}

void paintWordmark(QPainter& painter, const QRectF& rect) {
    if (!rect.isValid())
        return;
    const CanvasScope canvas(painter, rect, 320, 80);

    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(40);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    painter.setFont(font);
    painter.setPen(kDeepBlue);
    painter.drawText(QPointF(6, 44), QStringLiteral("OSK Graphs"));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(kPaleBlue, 3));
    painter.drawLine(QLineF(6, 70, 314, 70));
    static constexpr QPointF kGraph[] = {{6, 64},   {40, 64},  {62, 54},  {82, 60},
                                         {108, 46}, {134, 56}, {160, 52}, {314, 52}};
    painter.setPen(roundPen(kLightBlue, 5, Qt::RoundJoin));
    painter.drawPolyline(kGraph, static_cast<int>(std::size(kGraph)));
}

} // namespace osk
