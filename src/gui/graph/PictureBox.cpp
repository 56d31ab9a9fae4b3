#include "graph/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace osk {

PictureBox::PictureBox(QWidget* parent, double unitsPerPixel)
    : QWidget(parent), surface_(1, 1, unitsPerPixel) {
    // The picture and the border cover every pixel: nothing behind needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(kBorder, kBorder, surface_.image());
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    // A new size gives a new blank picture; the owner redraws it when a log is shown.
    surface_.resize(std::max(1, width() - 2 * kBorder), std::max(1, height() - 2 * kBorder));
    surface_.setOuterSize(width(), height());
    QWidget::resizeEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint() - QPoint(kBorder, kBorder);
    emit mousePressed(static_cast<int>(event->button()), p.x(), p.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint() - QPoint(kBorder, kBorder);
    emit mouseReleased(static_cast<int>(event->button()), p.x(), p.y());
}

} // namespace osk
