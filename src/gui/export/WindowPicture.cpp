#include "export/WindowPicture.h"

#include "app/MainWindowControls.h"
#include "app/WindowPlot.h"
#include "export/PainterSurface.h"
#include "graph/PictureBox.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace osk {

namespace {

QColor background(const MainWindowControls& c) {
    return c.client->palette().color(QPalette::Window);
}

// The frame a picture box paints round its picture.
void boxBorder(QPainter& painter, const PictureBox& box) {
    painter.save();
    painter.setPen(box.palette().color(QPalette::Dark));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.geometry().adjusted(0, 0, -1, -1));
    painter.restore();
}

QPointF pictureOrigin(const PictureBox& box) {
    return QPointF(box.pos() + QPoint(PictureBox::kBorder, PictureBox::kBorder));
}

} // namespace

QSize windowPictureSize(const MainWindowControls& c) {
    return QSize(c.client->width(), c.Frame5->y());
}

QImage windowPicture(const MainWindowControls& c) {
    QImage picture(windowPictureSize(c), QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.fill(background(c));
    c.client->render(&picture, QPoint(), QRegion(picture.rect()));
    return picture;
}

void paintWindowPicture(QPainter& painter, const MainWindowControls& c, WindowPlot& plot) {
    const QRect area(QPoint(), windowPictureSize(c));
    painter.fillRect(area, background(c));
    // The labels and lines of the client area as they paint themselves; the plot and the
    // legend come after, drawn afresh.
    for (QWidget* w : c.client->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w == c.pGraph || w == c.Legenda || w == c.Frame5 || !w->isVisibleTo(c.client) ||
            !w->geometry().intersects(area))
            continue;
        w->render(&painter, w->pos(), QRegion(), QWidget::DrawChildren);
    }
    boxBorder(painter, *c.pGraph);
    boxBorder(painter, *c.Legenda);
    PainterSurface plotSurface(painter, pictureOrigin(*c.pGraph), c.pGraph->surface());
    PainterSurface legendSurface(painter, pictureOrigin(*c.Legenda), c.Legenda->surface());
    bool scrollFlag = false;
    plot.redraw(plotSurface, legendSurface, scrollFlag);
}

} // namespace osk
