// A picture box: a widget that shows the persistent image of its drawing surface, inside a thin
// border. Drawing goes into the surface; the widget only paints the picture.
#pragma once

#include "graph/ImageSurface.h"

#include <QWidget>

namespace osk {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    // unitsPerPixel gives the surface's own units (1 for pixels, 15 for twips at 96 DPI).
    explicit PictureBox(QWidget* parent = nullptr, double unitsPerPixel = 1.0);

    ImageSurface& surface() { return surface_; }
    // Shows what was drawn into the surface since the last paint.
    void refresh() { update(); }
    // Width of the border on each side; the picture fills the rest.
    static constexpr int kBorder = 1;

signals:
    // Button and position inside the picture (the border excluded), in pixels.
    void mousePressed(int button, int x, int y);
    void mouseReleased(int button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ImageSurface surface_;
};

} // namespace osk
