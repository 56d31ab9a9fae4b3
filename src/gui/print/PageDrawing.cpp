#include "print/PageDrawing.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <type_traits>

namespace osk {

namespace {

QRectF scaled(const QRectF& r, double k) {
    return {r.x() * k, r.y() * k, r.width() * k, r.height() * k};
}

} // namespace

QRectF PageDrawing::extent() const {
    QRectF out;
    for (const Step& step : steps_) {
        std::visit(
            [&out](const auto& s) {
                using T = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<T, Fill>)
                    out |= s.area;
                else if constexpr (std::is_same_v<T, Line>)
                    out |= QRectF(s.line.p1(), s.line.p2()).normalized();
                else if constexpr (std::is_same_v<T, Text>)
                    out |= QRectF(s.topLeft, s.topLeft);
                else
                    out |= s.target;
            },
            step);
    }
    return out;
}

void PageDrawing::paint(QPainter& painter, double devicePerUnit, double deviceDpi) const {
    const double k = devicePerUnit > 0 ? devicePerUnit : 1.0;
    const double dotsToDevice = deviceDpi > 0 ? deviceDpi / kPenDotsPerInch : 1.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const Step& step : steps_) {
        std::visit(
            [&](const auto& s) {
                using T = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<T, Fill>) {
                    painter.fillRect(scaled(s.area, k), s.colour);
                } else if constexpr (std::is_same_v<T, Line>) {
                    const double width = std::max(1.0, s.widthDots * dotsToDevice);
                    painter.setPen(QPen(s.colour, width, Qt::SolidLine, Qt::FlatCap));
                    painter.drawLine(QLineF(s.line.p1() * k, s.line.p2() * k));
                } else if constexpr (std::is_same_v<T, Text>) {
                    painter.setFont(s.font);
                    painter.setPen(s.colour);
                    // Texts hang from their top-left corner.
                    const QFontMetricsF metrics(s.font, painter.device());
                    painter.drawText(
                        QPointF(s.topLeft.x() * k, s.topLeft.y() * k + metrics.ascent()), s.text);
                } else {
                    painter.drawImage(scaled(s.target, k), s.image);
                }
            },
            step);
    }
    painter.restore();
}

} // namespace osk
