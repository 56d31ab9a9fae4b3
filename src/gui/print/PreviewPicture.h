// The preview's picture box, Preview: shows what the page rendering copied into it, on white.
// Its units are a fine page measure, so that the positions the rendering gives keep the plot and
// the legend side by side as they are on paper, each shown at its own pixel size.
#pragma once

#include "print/PagePictures.h"
#include "print/RecordedPageSurface.h"

#include <QRectF>
#include <QWidget>

#include <vector>

namespace osk {

// Preview units to the inch: eight twips each. The plot's hidden surface, 8430 twips wide, is
// then about 1054 units wide, so from its left edge at 70 it ends just before the legend at
// 1180, as the legend follows the plot on paper.
inline constexpr double kPreviewUnitsPerInch = 180;

class PreviewPicture : public QWidget {
    Q_OBJECT
public:
    // pictures must outlive the widget; screenDpi is the resolution of the plot and legend
    // pictures, so that they are shown at their own pixel size.
    PreviewPicture(const PagePictures& pictures, double screenDpi, QWidget* parent = nullptr);

    RecordedPageSurface& surface() { return surface_; }
    const PageDrawing& drawing() const { return surface_.drawing(); }
    // Screen pixels to one preview unit.
    double pixelsPerUnit() const { return screenDpi_ / kPreviewUnitsPerInch; }
    // Where each copied picture is shown, in the widget's pixels, in the order of copying.
    std::vector<QRectF> pictureAreas() const;
    // Grows or shrinks to hold every picture, with a narrow white edge right and below.
    void fitToDrawing();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    RecordedPageSurface surface_;
    double screenDpi_;
};

} // namespace osk
