// The preview's picture box, Preview: shows what the page rendering copied into it, one of its
// units to a pixel, on white.
#pragma once

#include "print/PagePictures.h"
#include "print/RecordedPageSurface.h"

#include <QWidget>

namespace osk {

class PreviewPicture : public QWidget {
    Q_OBJECT
public:
    // pictures must outlive the widget; screenDpi is the resolution of the plot and legend
    // pictures, so that they are shown at their own pixel size.
    PreviewPicture(const PagePictures& pictures, double screenDpi, QWidget* parent = nullptr);

    RecordedPageSurface& surface() { return surface_; }
    const PageDrawing& drawing() const { return surface_.drawing(); }
    // Grows or shrinks to hold everything drawn, with the same margin right and below as the
    // pictures keep left and above.
    void fitToDrawing();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    RecordedPageSurface surface_;
    double screenDpi_;
};

} // namespace osk
